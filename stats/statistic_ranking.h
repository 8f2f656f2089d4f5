// stats/statistic_ranking.h: every country's current value, rank and ramp position for a chosen
// statistic, optional divisor and shade mode. Ranks count from the largest value.
#pragma once
#include "stats/country_stats.h"

// A divisor whose absolute value is below this (the double epsilon) leaves the country without a value.
const double SMALLEST_DIVISOR = 2.220446049250313e-16;

// The present current values, largest first, as the last compute_statistic left them.
struct DescendingValues {
    double values[COUNTRY_COUNT];
    int count;
};

// For each of the 214 countries of stats (code order): current = values[statistic] over
// values[divisor]; statistic or divisor -1 means none. A country is without a value (current
// MISSING_VALUE, rank 0) when there is no statistic, its figure is missing, or its divisor is
// missing or below SMALLEST_DIVISOR; it keeps its previous shade and tied. Every other country
// gets rank (1 for the largest; equal values share the best rank of their group), tied (1 when
// another country has the same value) and shade by mode: SHADE_STANDARD (current - min) / range,
// SHADE_LOGARITHMIC log10(1 + 9 (current - min) / range), SHADE_RANKED (rank - 1) / (N - 1), so
// the largest value is 0 there; shade 1 for all when every present value is equal.
void compute_statistic(CountryStats* stats, int statistic, int divisor, int mode, DescendingValues& sorted);

// The same for figures that are not among the statistics: figures[i] and divisors[i] belong to
// country i + 1 (MISSING_VALUE where there is none); divisors null means no divisor.
void compute_statistic_of(CountryStats* stats, const double* figures, const double* divisors, int mode,
                          DescendingValues& sorted);
