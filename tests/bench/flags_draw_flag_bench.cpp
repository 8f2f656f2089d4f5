// tests/bench/flags_draw_flag_bench.cpp: the flag work the program does in bulk: the start-up
// index walk, and the datasheet's 214 flags at 832 x 416.
#include <benchmark/benchmark.h>
#include "flags/flags.h"
#include "platform/cairo_draw.h"

static void BM_BuildFlagIndex(benchmark::State& state)
{
    for (auto _ : state) benchmark::DoNotOptimize(build_flag_index());
}
BENCHMARK(BM_BuildFlagIndex);

static void BM_DrawEveryFlagForTheDatasheet(benchmark::State& state)
{
    build_flag_index();
    Canvas canvas = {};
    create_image_canvas(canvas, CAIRO_FORMAT_RGB24, 832, 416);
    for (auto _ : state)
        for (int code = 1; code < FLAG_COUNT; ++code) draw_flag(canvas, 832, 416, code);
    close_canvas(canvas);
}
BENCHMARK(BM_DrawEveryFlagForTheDatasheet)->Unit(benchmark::kMillisecond);

// The worked examples one at a time at the flag window's size: stripes, disc, cross, the
// canton flag with its path, 50 stars, and curves.
static void BM_DrawWorkedExample(benchmark::State& state)
{
    build_flag_index();
    Canvas canvas = {};
    create_image_canvas(canvas, CAIRO_FORMAT_RGB24, 480, 240);
    for (auto _ : state) draw_flag(canvas, 480, 240, int(state.range(0)));
    close_canvas(canvas);
}
// France, Japan, Sweden, United Kingdom, United States, Nepal
BENCHMARK(BM_DrawWorkedExample)->Arg(65)->Arg(97)->Arg(171)->Arg(67)->Arg(200)->Arg(146);
