// platform/cairo_draw.cpp: platform/draw.h on Cairo. Image canvases never let Cairo rasterise:
// platform/raster.cpp sets their pixels by GDI's rules, Cairo only flattens curves and writes PNGs.
#include "platform/cairo_draw.h"
#include <cairo-pdf.h>
#include <cairo-svg.h>
#include <algorithm>
#include <cmath>
#include <vector>
#include "platform/raster.h"
#include "platform/shrink.h"

static const Colour WHITE = 0x00FFFFFFu;
static const Colour BLACK = 0x00000000u;
static const double PI = 3.141592653589793;

static bool start_canvas(Canvas& canvas, cairo_surface_t* surface)
{
    canvas = Canvas{};
    if (cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(surface);
        return false;
    }
    canvas.surface = surface;
    canvas.cairo = cairo_create(surface);
    canvas.brush = WHITE;
    canvas.pen = BLACK;
    return true;
}

bool create_image_canvas(Canvas& canvas, cairo_format_t format, int width, int height)
{
    if (!start_canvas(canvas, cairo_image_surface_create(format, width, height))) return false;
    cairo_surface_flush(canvas.surface);
    canvas.image.pixels = reinterpret_cast<uint32_t*>(cairo_image_surface_get_data(canvas.surface));
    canvas.image.width = width;
    canvas.image.height = height;
    canvas.image.stride = cairo_image_surface_get_stride(canvas.surface) / 4;
    fill_box(canvas.image, DeviceRect{ 0, 0, width, height }, pixel_of_colour(BLACK));
    return true;
}

bool create_svg_stream_canvas(Canvas& canvas, cairo_write_func_t write, void* closure, double width, double height)
{
    return start_canvas(canvas, cairo_svg_surface_create_for_stream(write, closure, width, height));
}

bool create_pdf_stream_canvas(Canvas& canvas, cairo_write_func_t write, void* closure, double width, double height)
{
    return start_canvas(canvas, cairo_pdf_surface_create_for_stream(write, closure, width, height));
}

bool close_canvas(Canvas& canvas)
{
    if (!canvas.surface) return false;
    bool ok = cairo_status(canvas.cairo) == CAIRO_STATUS_SUCCESS;
    cairo_destroy(canvas.cairo);
    cairo_surface_finish(canvas.surface);
    ok = ok && cairo_surface_status(canvas.surface) == CAIRO_STATUS_SUCCESS;
    cairo_surface_destroy(canvas.surface);
    canvas = Canvas{};
    return ok;
}

bool write_canvas_png_stream(Canvas& canvas, cairo_write_func_t write, void* closure)
{
    if (!canvas.image.pixels) return false;
    cairo_surface_mark_dirty(canvas.surface);
    return cairo_surface_write_to_png_stream(canvas.surface, write, closure) == CAIRO_STATUS_SUCCESS;
}

PixelBuffer canvas_pixels(Canvas& canvas)
{
    if (canvas.image.pixels) cairo_surface_flush(canvas.surface);   // finish anything Cairo drew itself
    return canvas.image;
}

static void set_colour(Canvas& canvas, Colour colour)
{
    cairo_set_source_rgb(canvas.cairo, (colour & 0xFF) / 255.0, (colour >> 8 & 0xFF) / 255.0,
                         (colour >> 16 & 0xFF) / 255.0);
}

// Fills the current Cairo path with the brush, then strokes it with the one-unit pen, and clears it.
static void fill_and_stroke_vector(Canvas& canvas, bool outline)
{
    if (canvas.brush != NO_COLOUR) {
        set_colour(canvas, canvas.brush);
        cairo_set_fill_rule(canvas.cairo, CAIRO_FILL_RULE_EVEN_ODD);
        cairo_fill_preserve(canvas.cairo);
    }
    if (outline && canvas.pen != NO_COLOUR) {
        set_colour(canvas, canvas.pen);
        // one device unit whatever the canvas's scale, like GDI's pen of width 0
        double width = 1.0, height = 1.0;
        cairo_device_to_user_distance(canvas.cairo, &width, &height);
        cairo_set_line_width(canvas.cairo, std::max(std::fabs(width), std::fabs(height)));
        cairo_stroke_preserve(canvas.cairo);
    }
    cairo_new_path(canvas.cairo);
}

// Fills one ring of an image canvas with the brush, then outlines it with the pen.
static void fill_and_outline_ring(Canvas& canvas, const DevicePoint* points, int count)
{
    if (canvas.brush != NO_COLOUR) fill_rings(canvas.image, points, &count, 1, pixel_of_colour(canvas.brush));
    if (canvas.pen != NO_COLOUR) outline_ring(canvas.image, points, count, pixel_of_colour(canvas.pen));
}

void fill_rect(Canvas& canvas, const DeviceRect& rect, Colour colour)
{
    if (canvas.image.pixels) {
        fill_box(canvas.image, rect, pixel_of_colour(colour));
        return;
    }
    cairo_new_path(canvas.cairo);
    cairo_rectangle(canvas.cairo, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
    set_colour(canvas, colour);
    cairo_fill(canvas.cairo);
}

void select_brush(Canvas& canvas, Colour colour) { canvas.brush = colour; }
void select_pen(Canvas& canvas, Colour colour) { canvas.pen = colour; }

void release_pen_and_brush(Canvas& canvas)
{
    canvas.brush = WHITE;
    canvas.pen = BLACK;
}

void draw_polygon(Canvas& canvas, const DevicePoint* points, int count)
{
    if (count < 2) return;
    if (canvas.image.pixels) {
        fill_and_outline_ring(canvas, points, count);
        return;
    }
    cairo_new_path(canvas.cairo);
    cairo_move_to(canvas.cairo, points[0].x, points[0].y);
    for (int i = 1; i < count; ++i) cairo_line_to(canvas.cairo, points[i].x, points[i].y);
    cairo_close_path(canvas.cairo);
    fill_and_stroke_vector(canvas, true);
}

void draw_ellipse(Canvas& canvas, const DeviceRect& box)
{
    const double left = std::min(box.left, box.right), right = std::max(box.left, box.right);
    const double top = std::min(box.top, box.bottom), bottom = std::max(box.top, box.bottom);
    if (right == left || bottom == top) return;
    if (canvas.image.pixels) {
        draw_ellipse_pixels(canvas.image, box, canvas.brush != NO_COLOUR, pixel_of_colour(canvas.brush),
                            canvas.pen != NO_COLOUR, pixel_of_colour(canvas.pen));
        return;
    }
    cairo_new_path(canvas.cairo);
    cairo_save(canvas.cairo);
    cairo_translate(canvas.cairo, (left + right) / 2, (top + bottom) / 2);
    cairo_scale(canvas.cairo, (right - left) / 2, (bottom - top) / 2);
    cairo_arc(canvas.cairo, 0.0, 0.0, 1.0, 0.0, 2.0 * PI);
    cairo_restore(canvas.cairo);
    fill_and_stroke_vector(canvas, true);
}

void begin_path(Canvas& canvas) { cairo_new_path(canvas.cairo); }
void path_move_to(Canvas& canvas, DevicePoint point) { cairo_move_to(canvas.cairo, point.x, point.y); }
void path_line_to(Canvas& canvas, DevicePoint point) { cairo_line_to(canvas.cairo, point.x, point.y); }

void path_bezier_to(Canvas& canvas, DevicePoint control1, DevicePoint control2, DevicePoint end)
{
    cairo_curve_to(canvas.cairo, control1.x, control1.y, control2.x, control2.y, end.x, end.y);
}

// The path flattened into rings of whole pixels, as a device's path would be; each move starts a ring.
static void flatten_path(Canvas& canvas, std::vector<DevicePoint>& points, std::vector<int>& ring_sizes)
{
    cairo_path_t* path = cairo_copy_path_flat(canvas.cairo);
    for (int i = 0; i < path->num_data; i += path->data[i].header.length) {
        const cairo_path_data_t& element = path->data[i];
        if (element.header.type == CAIRO_PATH_MOVE_TO) ring_sizes.push_back(0);
        if (element.header.type != CAIRO_PATH_MOVE_TO && element.header.type != CAIRO_PATH_LINE_TO) continue;
        if (ring_sizes.empty()) ring_sizes.push_back(0);
        points.push_back(DevicePoint{ int32_t(std::floor(path->data[i + 1].point.x + 0.5)),
                                      int32_t(std::floor(path->data[i + 1].point.y + 0.5)) });
        ++ring_sizes.back();
    }
    cairo_path_destroy(path);
}

void fill_path(Canvas& canvas)
{
    if (canvas.image.pixels) {
        if (canvas.brush != NO_COLOUR) {
            std::vector<DevicePoint> points;
            std::vector<int> ring_sizes;
            flatten_path(canvas, points, ring_sizes);
            if (!points.empty())
                fill_rings(canvas.image, points.data(), ring_sizes.data(), int(ring_sizes.size()),
                           pixel_of_colour(canvas.brush));
        }
        cairo_new_path(canvas.cairo);
        return;
    }
    fill_and_stroke_vector(canvas, false);
}

Colour read_pixel(Canvas& canvas, int x, int y)
{
    const PixelBuffer& image = canvas.image;
    if (!image.pixels || x < 0 || y < 0 || x >= image.width || y >= image.height) return NO_COLOUR;
    return colour_of_pixel(image.pixels[y * image.stride + x]);
}

void shrink_canvas(Canvas& source, int source_width, int source_height,
                   Canvas& destination, int width, int height)
{
    if (!source.image.pixels || !destination.image.pixels) return;
    source_width = std::min(source_width, source.image.width);
    source_height = std::min(source_height, source.image.height);
    width = std::min(width, destination.image.width);
    height = std::min(height, destination.image.height);
    if (source_width <= 0 || source_height <= 0 || width <= 0 || height <= 0) return;
    const int kx = whole_factor(source_width, width), ky = whole_factor(source_height, height);
    if (kx > 0 && ky > 0) {
        PixelBuffer target = destination.image;
        target.width = width;
        target.height = height;
        shrink_pixels(source.image, target, kx, ky);
        return;
    }
    // not whole factors: Cairo's smoothing scale of the used area
    cairo_surface_mark_dirty(source.surface);
    cairo_surface_t* used = cairo_surface_create_for_rectangle(source.surface, 0, 0, source_width, source_height);
    cairo_t* cairo = cairo_create(destination.surface);
    cairo_rectangle(cairo, 0, 0, width, height);
    cairo_clip(cairo);
    cairo_scale(cairo, double(width) / source_width, double(height) / source_height);
    cairo_set_source_surface(cairo, used, 0, 0);
    cairo_pattern_set_filter(cairo_get_source(cairo), CAIRO_FILTER_GOOD);
    cairo_pattern_set_extend(cairo_get_source(cairo), CAIRO_EXTEND_PAD);
    cairo_set_operator(cairo, CAIRO_OPERATOR_SOURCE);
    cairo_paint(cairo);
    cairo_destroy(cairo);
    cairo_surface_destroy(used);
    cairo_surface_flush(destination.surface);
}
