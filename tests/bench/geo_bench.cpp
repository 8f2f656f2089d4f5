// tests/bench/geo_bench.cpp: start-up's geography: decoding the embedded outlines and cutting
// them into cells, reported per decoded point.
#include <benchmark/benchmark.h>
#include "data/blobs.h"
#include "geo/cells.h"
#include "geo/outlines.h"

namespace {

// Time per point: the rate of points per second, inverted.
void report_per_point(benchmark::State& state)
{
    state.counters["per_point"] = benchmark::Counter(
        outline_point_count, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void BM_DecodeOutlines(benchmark::State& state)
{
    for (auto _ : state) benchmark::DoNotOptimize(decode_outlines(OUTLINE_STREAM, OUTLINE_STREAM_SIZE));
    report_per_point(state);
}
BENCHMARK(BM_DecodeOutlines);

void BM_ClipToCells(benchmark::State& state)
{
    decode_outlines(OUTLINE_STREAM, OUTLINE_STREAM_SIZE);
    for (auto _ : state) benchmark::DoNotOptimize(clip_to_cells());
    report_per_point(state);
}
BENCHMARK(BM_ClipToCells);

void BM_DecodeAndClip(benchmark::State& state)
{
    for (auto _ : state) {
        decode_outlines(OUTLINE_STREAM, OUTLINE_STREAM_SIZE);
        benchmark::DoNotOptimize(clip_to_cells());
    }
    report_per_point(state);
}
BENCHMARK(BM_DecodeAndClip);

}  // namespace
