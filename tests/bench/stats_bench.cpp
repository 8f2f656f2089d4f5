// tests/bench/stats_bench.cpp: the statistics at start-up and in the export: decoding every
// country record, formatting numbers, and building all lines of the statistics file.
#include <benchmark/benchmark.h>
#include "geo/countries.h"
#include "stats/country_stats.h"
#include "stats/csv_export.h"
#include "stats/number_format.h"

namespace {

void BM_LoadStatistics(benchmark::State& state)
{
    for (auto _ : state) load_statistics();
    state.counters["per_country"] = benchmark::Counter(
        COUNTRY_COUNT, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_LoadStatistics);

void BM_FormatNumber(benchmark::State& state)
{
    double x = 1234567.891;
    for (auto _ : state) {
        benchmark::DoNotOptimize(format_number(FORMAT_POINT_ZERO | FORMAT_PERCENT, x));
        x = x * 1.001 + 0.5;
        if (x > 1e15) x = 0.00123;
    }
}
BENCHMARK(BM_FormatNumber);

// All 215 lines, as the export writes them.
void BM_FormatCsvLines(benchmark::State& state)
{
    build_country_names();
    load_statistics();
    static char line[CSV_LINE_CAPACITY];
    for (auto _ : state) {
        int bytes = 0;
        for (int i = 0; i < CSV_LINE_COUNT; ++i) bytes += format_csv_line(i, line);
        benchmark::DoNotOptimize(bytes);
    }
}
BENCHMARK(BM_FormatCsvLines);

}  // namespace
