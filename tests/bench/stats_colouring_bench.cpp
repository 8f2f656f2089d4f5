// tests/bench/stats_colouring_bench.cpp: what every change of the lists or the datasheet's
// selection costs: ranking a statistic over a divisor and building the colour tables; and the
// datasheet's sort by a text and by a value.
#include <benchmark/benchmark.h>
#include <algorithm>
#include "geo/countries.h"
#include "stats/colouring.h"
#include "stats/row_compare.h"

namespace {

MapColouring colouring;

// "Population: Total" over "Land Area", in each mode, on the "Spectrum" ramp.
void BM_ColourCountriesWithDivisor(benchmark::State& state)
{
    load_statistics();
    const ColouringChoice choice = {SCHEME_SPECTRUM, int(state.range(0)), 14 - 13, 41 - 13};
    for (auto _ : state) {
        colour_countries(choice, country_stats, colouring);
        benchmark::DoNotOptimize(colouring.countries[1]);
    }
}
BENCHMARK(BM_ColourCountriesWithDivisor)->DenseRange(SHADE_STANDARD, SHADE_RANKED);

void BM_ColourCountriesByTimeZone(benchmark::State& state)
{
    load_statistics();
    const ColouringChoice choice = {SCHEME_TIME_ZONE, SHADE_STANDARD, 0, 0};
    for (auto _ : state) {
        colour_countries(choice, country_stats, colouring);
        benchmark::DoNotOptimize(colouring.countries[1]);
    }
}
BENCHMARK(BM_ColourCountriesByTimeZone);

// One column click: the 214 rows sorted by name (text) or by population (numbers).
void BM_SortRows(benchmark::State& state)
{
    build_country_names();
    load_statistics();
    const RowTable rows = {country_stats, country_names, stat_columns};
    const int key = int(state.range(0));
    int codes[COUNTRY_COUNT];
    for (auto _ : state) {
        for (int i = 0; i < COUNTRY_COUNT; ++i) codes[i] = COUNTRY_COUNT - i;
        std::sort(codes, codes + COUNTRY_COUNT, [&](int a, int b) { return compare_rows(rows, a, b, key) < 0; });
        benchmark::DoNotOptimize(codes[0]);
    }
}
BENCHMARK(BM_SortRows)->Arg(COLUMN_NAME)->Arg(-FIRST_VALUE_COLUMN);

}  // namespace
