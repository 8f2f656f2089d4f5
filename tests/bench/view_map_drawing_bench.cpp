// tests/bench/view_map_drawing_bench.cpp: what the map window spends on one change and one paint,
// on the real outlines at the start-up size (a 960 x 480 client drawn on 1920 x 960).
#include <benchmark/benchmark.h>
#include "platform/cairo_draw.h"
#include "stats/colouring.h"
#include "view/map_colours.h"
#include "view/map_paint.h"
#include "view/world.h"

namespace {
const int USED_WIDTH = 1920, USED_HEIGHT = 960, CLIENT_WIDTH = 960, CLIENT_HEIGHT = 480;

ProjectedMap prepare_map(int projection)
{
    prepare_world();
    return project_all(projection, 0);
}
}  // namespace

// A projection, rotation or view change: convert the points and redraw the picking surface.
static void BM_RefreshPickingSurface(benchmark::State& state)
{
    const ProjectedMap map = prepare_map(int(state.range(0)));
    Canvas picking = {};
    create_image_canvas(picking, CAIRO_FORMAT_RGB24, USED_WIDTH, USED_HEIGHT);
    for (auto _ : state) paint_picking_map(picking, USED_WIDTH, USED_HEIGHT, map, WHOLE_MAP_VIEW, polygons);
    close_canvas(picking);
}
BENCHMARK(BM_RefreshPickingSurface)->Arg(0)->Arg(30)->Unit(benchmark::kMillisecond);

// The paint after a change: background, pieces with cell frames, the averaging shrink.
static void BM_PaintMap(benchmark::State& state)
{
    const ProjectedMap map = prepare_map(0);
    load_statistics();
    MapColouring colouring = {};   // the start-up colouring, nothing selected
    colour_countries(START_COLOURING, country_stats, colouring);
    const MapColourContext colours = {&colouring, polygons};
    Canvas canvas = {}, shown = {};
    create_image_canvas(canvas, CAIRO_FORMAT_RGB24, USED_WIDTH, USED_HEIGHT);
    create_image_canvas(shown, CAIRO_FORMAT_RGB24, CLIENT_WIDTH, CLIENT_HEIGHT);
    for (auto _ : state) {
        paint_map(canvas, USED_WIDTH, USED_HEIGHT, map, WHOLE_MAP_VIEW, PieceColouring{map_piece_colour, &colours},
                  OUTLINE_CELL_FRAMES);
        shrink_canvas(canvas, USED_WIDTH, USED_HEIGHT, shown, CLIENT_WIDTH, CLIENT_HEIGHT);
    }
    close_canvas(canvas);
    close_canvas(shown);
}
BENCHMARK(BM_PaintMap)->Unit(benchmark::kMillisecond);
