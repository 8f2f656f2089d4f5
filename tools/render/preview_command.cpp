// tools/render/preview_command.cpp: `orbily-render preview`: the decoded outlines as a PNG image,
// equirectangular, 1920 x 960, each country code in its own colour, the 15 x 30 degree cells drawn.
#include <cairo.h>
#include <cmath>
#include <vector>
#include "platform/cairo_draw.h"
#include "tools/render/command.h"
#include "tools/render/preview_colours.h"

namespace {

const int WIDTH = 1920;
const int HEIGHT = 960;
const double PIXELS_PER_DEGREE = WIDTH / 360.0;

DevicePoint device_point(const GeoPoint& p)
{
    return DevicePoint{int(std::lround((p.x + 180.0) * PIXELS_PER_DEGREE)), int(std::lround(p.y * PIXELS_PER_DEGREE))};
}

cairo_status_t append_png(void* closure, const unsigned char* data, unsigned int length)
{
    static_cast<std::string*>(closure)->append(reinterpret_cast<const char*>(data), length);
    return CAIRO_STATUS_SUCCESS;
}

void draw_cell_edges(Canvas& canvas)
{
    for (int s = 0; s <= SECTOR_COUNT; ++s) {
        const int x = s == SECTOR_COUNT ? WIDTH - 1 : int(s * SECTOR_WIDTH_DEG * PIXELS_PER_DEGREE);
        fill_rect(canvas, DeviceRect{x, 0, x + 1, HEIGHT}, PREVIEW_GRID);
    }
    for (int b = 0; b <= BAND_COUNT; ++b) {
        const int y = b == BAND_COUNT ? HEIGHT - 1 : int(b * BAND_HEIGHT_DEG * PIXELS_PER_DEGREE);
        fill_rect(canvas, DeviceRect{0, y, WIDTH, y + 1}, PREVIEW_GRID);
    }
}

}  // namespace

bool run_preview(const Arguments& arguments, std::string& output, std::string& error)
{
    if (!expect_no_arguments("preview", arguments, error)) return false;
    const WorldFigures world = prepare_world();
    if (!world.decoded.complete) {
        error = "the embedded outline stream breaks its format";
        return false;
    }
    Canvas canvas = {};
    if (!create_image_canvas(canvas, CAIRO_FORMAT_RGB24, WIDTH, HEIGHT)) {
        error = "no image canvas of 1920 x 960 pixels";
        return false;
    }
    fill_rect(canvas, DeviceRect{0, 0, WIDTH, HEIGHT}, PREVIEW_SEA);
    select_pen(canvas, PREVIEW_BORDER);
    std::vector<DevicePoint> points;
    for (int i = 1; i < polygon_count; ++i) {   // in stream order: enclaves land on top
        points.clear();
        for (int k = polygons[i].first; k < polygons[i + 1].first; ++k) points.push_back(device_point(outline_points[k]));
        select_brush(canvas, preview_colour(polygons[i].country));
        draw_polygon(canvas, points.data(), int(points.size()));
    }
    release_pen_and_brush(canvas);
    draw_cell_edges(canvas);
    cairo_surface_mark_dirty(canvas.surface);
    const bool made = cairo_surface_write_to_png_stream(canvas.surface, append_png, &output) == CAIRO_STATUS_SUCCESS;
    close_canvas(canvas);
    if (!made) error = "the PNG image could not be made";
    return made;
}
