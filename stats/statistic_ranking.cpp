// stats/statistic_ranking.cpp: ranking by binary search in one descending list of the present
// values; the list is a fixed array, filled by insertion in code order.
#include "stats/statistic_ranking.h"
#include "stats/colour_schemes.h"
#include "platform/math.h"

// The first position p of the descending list whose element is <= x (count when there is none).
static int first_not_above(const DescendingValues& sorted, double x)
{
    int lo = 0, hi = sorted.count;
    while (lo < hi) {
        const int mid = (lo + hi) / 2;
        if (x < sorted.values[mid]) lo = mid + 1;
        else hi = mid;
    }
    return lo;
}

static void insert_descending(DescendingValues& sorted, double x)
{
    const int p = first_not_above(sorted, x);
    for (int i = sorted.count; i > p; --i) sorted.values[i] = sorted.values[i - 1];
    sorted.values[p] = x;
    ++sorted.count;
}

// current of one country, or MISSING_VALUE when it has no value to rank.
static double quotient_of(const CountryStats& country, int statistic, int divisor)
{
    if (statistic < 0) return MISSING_VALUE;
    const double v = country.values[statistic];
    if (v == MISSING_VALUE || divisor < 0) return v;
    const double d = country.values[divisor];
    if (d == MISSING_VALUE || abs_d(d) < SMALLEST_DIVISOR) return MISSING_VALUE;
    return v / d;
}

void compute_statistic(CountryStats* stats, int statistic, int divisor, int mode, DescendingValues& sorted)
{
    sorted.count = 0;
    for (int i = 0; i < COUNTRY_COUNT; ++i) {
        CountryStats& country = stats[i];
        country.current = quotient_of(country, statistic, divisor);
        country.rank = country.current != MISSING_VALUE;
        if (country.rank) insert_descending(sorted, country.current);
    }
    if (sorted.count == 0) return;
    const int last = sorted.count - 1;
    const double max = sorted.values[0], min = sorted.values[last], range = max - min;
    for (int i = 0; i < COUNTRY_COUNT; ++i) {
        CountryStats& country = stats[i];
        if (country.rank == 0) continue;
        const int p = first_not_above(sorted, country.current);   // the first of its equals
        country.rank = p + 1;
        country.tied = p < last && sorted.values[p + 1] == sorted.values[p];
        if (range <= 0) country.shade = 1.0;
        else if (mode == SHADE_RANKED) country.shade = double(p) / last;
        else if (mode == SHADE_LOGARITHMIC) country.shade = log10_d(1 + 9 * (country.current - min) / range);
        else country.shade = (country.current - min) / range;
    }
}
