// tests/bench/projection_bench.cpp: project_all over the embedded cells, per entry, cycling
// through the 24 rotations, for every catalogue entry.
#include "tests/bench/projection_bench.h"
#include <benchmark/benchmark.h>
#include <cstdio>
#include <string>
#include "data/blobs.h"
#include "geo/cells.h"
#include "geo/outlines.h"
#include "projection/formulas.h"
#include "projection/names.h"

void prepare_projection_cells()
{
    static bool prepared = false;
    if (prepared) return;
    decode_outlines(OUTLINE_STREAM, OUTLINE_STREAM_SIZE);
    clip_to_cells();
    prepared = true;
}

static void run_projection_pass(benchmark::State& state, int index)
{
    prepare_projection_cells();
    int rotation = 0;
    for (auto _ : state) {
        project_all(index, rotation);
        benchmark::DoNotOptimize(projected_point_count);
        rotation = (rotation + 1) % ROTATION_STEPS;
    }
    // the inverted rate of points per second: seconds per cell point
    state.counters["per_point"] = benchmark::Counter(
        cell_point_count, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

std::string ascii_projection_name(int index)
{
    build_projection_names();
    std::string name;
    for (const char* p = projection_names[index].name; *p; ++p) name += (*p & 0x80) ? '?' : *p;
    return name;
}

static void register_projection_benchmark(int index)
{
    char number[8];
    std::snprintf(number, sizeof number, "%03d", index);
    const std::string name = std::string("project_all/") + number + " " + ascii_projection_name(index);
    benchmark::RegisterBenchmark(name.c_str(), run_projection_pass, index);
}

static bool register_every_entry()
{
    for (int i = 0; i < PROJECTION_COUNT; ++i) register_projection_benchmark(i);
    return true;
}

static const bool every_entry_registered = register_every_entry();
