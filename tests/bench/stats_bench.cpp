// tests/bench/stats_bench.cpp: the statistics at start-up and in the export: decoding every
// country record, formatting numbers, the datasheet's texts and all lines of the statistics file.
#include <benchmark/benchmark.h>
#include "geo/countries.h"
#include "stats/cell_text.h"
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

// The datasheet's 214 x 107 cell texts, the part of its fill that is not the list control.
void BM_DatasheetTexts(benchmark::State& state)
{
    build_country_names();
    load_statistics();
    for (auto _ : state) {
        int characters = 0;
        for (int code = 1; code <= COUNTRY_COUNT; ++code)
            for (int column = 1; column < STAT_COLUMN_COUNT; ++column) characters += *cell_text(code, column) != 0;
        benchmark::DoNotOptimize(characters);
    }
}
BENCHMARK(BM_DatasheetTexts)->Unit(benchmark::kMicrosecond);

}  // namespace
