// tests/bench/view_flag_images_bench.cpp: the datasheet's 214 small flags as start-up makes them:
// each drawn at 832 x 416 and averaged down to 26 x 13.
#include <benchmark/benchmark.h>
#include "flags/flags.h"
#include "platform/cairo_draw.h"
#include "view/flag_images.h"

static void BM_BuildFlagImages(benchmark::State& state)
{
    build_flag_index();
    Canvas large = {}, small = {};
    create_image_canvas(large, CAIRO_FORMAT_RGB24, FLAG_CANVAS_WIDTH, FLAG_CANVAS_HEIGHT);
    create_image_canvas(small, CAIRO_FORMAT_RGB24, FLAG_IMAGE_WIDTH, FLAG_IMAGE_HEIGHT);
    for (auto _ : state)
        for (int code = 1; code < FLAG_COUNT; ++code) render_flag_image(large, small, code);
    close_canvas(large);
    close_canvas(small);
}
BENCHMARK(BM_BuildFlagImages)->Unit(benchmark::kMillisecond);
