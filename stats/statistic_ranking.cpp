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

// figure over divisor by the divisor rule; MISSING_VALUE when the country has no value to rank.
static double quotient_of(double figure, bool divided, double divisor)
{
    if (figure == MISSING_VALUE || !divided) return figure;
    if (divisor == MISSING_VALUE || abs_d(divisor) < SMALLEST_DIVISOR) return MISSING_VALUE;
    return figure / divisor;
}

// Ranks and shades the current values already set, as compute_statistic describes.
static void rank_current_values(CountryStats* stats, int mode, DescendingValues& sorted)
{
    sorted.count = 0;
    for (int i = 0; i < COUNTRY_COUNT; ++i) {
        CountryStats& country = stats[i];
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

void compute_statistic(CountryStats* stats, int statistic, int divisor, int mode, DescendingValues& sorted)
{
    for (int i = 0; i < COUNTRY_COUNT; ++i) {
        CountryStats& country = stats[i];
        const double figure = statistic < 0 ? MISSING_VALUE : country.values[statistic];
        country.current = quotient_of(figure, divisor >= 0, divisor >= 0 ? country.values[divisor] : 0);
    }
    rank_current_values(stats, mode, sorted);
}

void compute_statistic_of(CountryStats* stats, const double* figures, const double* divisors, int mode,
                          DescendingValues& sorted)
{
    for (int i = 0; i < COUNTRY_COUNT; ++i)
        stats[i].current = quotient_of(figures[i], divisors != nullptr, divisors ? divisors[i] : 0);
    rank_current_values(stats, mode, sorted);
}
