// tests/bench/app_map_drawing_bench.cpp: what the map window spends on one change and one paint,
// on the real outlines at the start-up size (a 960 x 480 client drawn on 1920 x 960).
#include <benchmark/benchmark.h>
#include "app/map_drawing.h"
#include "app/map_view.h"
#include "data/blobs.h"
#include "geo/countries.h"
#include "platform/cairo_draw.h"
#include "projection/projection.h"

namespace {
const int USED_WIDTH = 1920, USED_HEIGHT = 960, CLIENT_WIDTH = 960, CLIENT_HEIGHT = 480;

void prepare_map(int projection)
{
    build_country_names();
    decode_outlines(OUTLINE_STREAM, OUTLINE_STREAM_SIZE);
    clip_to_cells();
    project_all(projection, 0);
    reset_view();
}
}  // namespace

// A projection, rotation or view change: convert the points and redraw the picking surface.
static void BM_RefreshPickingSurface(benchmark::State& state)
{
    prepare_map(int(state.range(0)));
    Canvas picking = {};
    create_image_canvas(picking, CAIRO_FORMAT_RGB24, USED_WIDTH, USED_HEIGHT);
    for (auto _ : state) {
        map_points_to_surface(USED_WIDTH, USED_HEIGHT);
        fill_rect(picking, DeviceRect{0, 0, USED_WIDTH, USED_HEIGHT}, BLACK);
        draw_pieces(picking, picking_colour, OUTLINE_PLAIN);
    }
    close_canvas(picking);
}
BENCHMARK(BM_RefreshPickingSurface)->Arg(0)->Arg(30)->Unit(benchmark::kMillisecond);

// The paint after a change: background, pieces with cell frames, the averaging shrink.
static void BM_PaintMap(benchmark::State& state)
{
    prepare_map(0);
    map_points_to_surface(USED_WIDTH, USED_HEIGHT);
    Canvas map = {}, shown = {};
    create_image_canvas(map, CAIRO_FORMAT_RGB24, USED_WIDTH, USED_HEIGHT);
    create_image_canvas(shown, CAIRO_FORMAT_RGB24, CLIENT_WIDTH, CLIENT_HEIGHT);
    for (auto _ : state) {
        fill_rect(map, DeviceRect{0, 0, USED_WIDTH, USED_HEIGHT}, 0x02808000u);
        draw_pieces(map, neutral_colour, OUTLINE_CELL_FRAMES);
        shrink_canvas(map, USED_WIDTH, USED_HEIGHT, shown, CLIENT_WIDTH, CLIENT_HEIGHT);
    }
    close_canvas(map);
    close_canvas(shown);
}
BENCHMARK(BM_PaintMap)->Unit(benchmark::kMillisecond);
