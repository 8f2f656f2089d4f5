// platform/raster.cpp: exact scanline fills and Bresenham lines on a PixelBuffer.
// Integer arithmetic only, so every build sets the same pixels.
#include "platform/raster.h"
#include "platform/core_assert.h"
#include "platform/math.h"

// x where each active edge crosses the current scanline, rounded up: the first pixel on its right
static int32_t crossings[MAX_RING_POINTS];

static int min_i(int a, int b) { return a < b ? a : b; }
static int max_i(int a, int b) { return a > b ? a : b; }
static int clamp_i(int v, int low, int high) { return v < low ? low : v > high ? high : v; }

void fill_box(const PixelBuffer& image, const DeviceRect& rect, uint32_t pixel)
{
    const int left = clamp_i(min_i(rect.left, rect.right), 0, image.width);
    const int right = clamp_i(max_i(rect.left, rect.right), 0, image.width);
    const int top = clamp_i(min_i(rect.top, rect.bottom), 0, image.height);
    const int bottom = clamp_i(max_i(rect.top, rect.bottom), 0, image.height);
    for (int y = top; y < bottom; ++y) {
        uint32_t* row = image.pixels + y * image.stride;
        for (int x = left; x < right; ++x) row[x] = pixel;
    }
}

// ceil(a.x + (y - a.y) * (b.x - a.x) / (b.y - a.y)) for a.y <= y < b.y
static int32_t crossing_at(DevicePoint a, DevicePoint b, int y)
{
    const int64_t height = int64_t(b.y) - a.y;
    const int64_t numerator = int64_t(y - a.y) * (int64_t(b.x) - a.x);
    int64_t x = numerator / height;
    if (numerator % height > 0) ++x;   // division truncates, so only positive remainders round up
    return int32_t(a.x + x);
}

// Crossings of scanline y with every edge of every ring whose span [top, bottom) holds y.
static int collect_crossings(const DevicePoint* points, const int* ring_sizes, int ring_count, int y)
{
    int count = 0;
    const DevicePoint* ring = points;
    for (int r = 0; r < ring_count; ring += ring_sizes[r], ++r) {
        const int n = ring_sizes[r];
        for (int i = 0; i < n; ++i) {
            DevicePoint a = ring[i];
            DevicePoint b = ring[i + 1 < n ? i + 1 : 0];
            if (a.y == b.y) continue;
            if (a.y > b.y) { const DevicePoint t = a; a = b; b = t; }
            if (y < a.y || y >= b.y) continue;
            crossings[count++] = crossing_at(a, b, y);
        }
    }
    return count;
}

static void sort_crossings(int count)
{
    for (int i = 1; i < count; ++i) {
        const int32_t v = crossings[i];
        int j = i;
        for (; j > 0 && crossings[j - 1] > v; --j) crossings[j] = crossings[j - 1];
        crossings[j] = v;
    }
}

void fill_rings(const PixelBuffer& image, const DevicePoint* points, const int* ring_sizes,
                int ring_count, uint32_t pixel)
{
    int total = 0;
    for (int r = 0; r < ring_count; ++r) total += ring_sizes[r];
    CORE_ASSERT(total <= MAX_RING_POINTS);
    if (total == 0) return;
    int top = points[0].y, bottom = points[0].y;
    for (int i = 1; i < total; ++i) {
        top = min_i(top, points[i].y);
        bottom = max_i(bottom, points[i].y);
    }
    top = max_i(top, 0);
    bottom = min_i(bottom, image.height);
    for (int y = top; y < bottom; ++y) {
        const int count = collect_crossings(points, ring_sizes, ring_count, y);
        sort_crossings(count);
        uint32_t* row = image.pixels + y * image.stride;
        for (int i = 0; i + 1 < count; i += 2) {
            const int from = clamp_i(crossings[i], 0, image.width);
            const int to = clamp_i(crossings[i + 1], 0, image.width);
            for (int x = from; x < to; ++x) row[x] = pixel;
        }
    }
}

// Octants counted from +x towards +y (y down), numbered as GDI's line code numbers them; a tie
// between two pixels steps the minor axis only in octants 3, 5, 6 and 8.
static int octant_of(int64_t dx, int64_t dy)
{
    if (dy > 0) {
        if (dx > 0) return dx > dy ? 1 : 2;
        return -dx > dy ? 4 : 3;
    }
    if (dx < 0) return -dx > -dy ? 5 : 6;
    return dx > -dy ? 8 : 7;
}
static const bool OCTANT_BIAS[9] = { false, false, false, true, false, true, true, false, true };

void draw_line(const PixelBuffer& image, DevicePoint start, DevicePoint end, uint32_t pixel)
{
    const int64_t dx = int64_t(end.x) - start.x, dy = int64_t(end.y) - start.y;
    const int octant = octant_of(dx, dy);
    const bool x_major = octant == 1 || octant == 4 || octant == 5 || octant == 8;
    const int64_t bias = OCTANT_BIAS[octant] ? 1 : 0;
    const int64_t major = x_major ? (dx < 0 ? -dx : dx) : (dy < 0 ? -dy : dy);
    const int64_t minor = x_major ? (dy < 0 ? -dy : dy) : (dx < 0 ? -dx : dx);
    const int64_t major_step = (x_major ? dx : dy) < 0 ? -1 : 1;
    const int64_t minor_step = (x_major ? dy : dx) < 0 ? -1 : 1;
    const int64_t major_start = x_major ? start.x : start.y;
    const int64_t minor_start = x_major ? start.y : start.x;
    const int64_t major_size = x_major ? image.width : image.height;
    const int64_t minor_size = x_major ? image.height : image.width;
    // steps i in [first, last) keep the major coordinate major_start + i * major_step on the image
    int64_t first = major_step > 0 ? -major_start : major_start - (major_size - 1);
    int64_t last = major_step > 0 ? major_size - major_start : major_start + 1;
    if (first < 0) first = 0;
    if (last > major) last = major;
    if (first >= last) return;
    // minor offset after i steps: floor((2 minor i + major - 1 + bias) / (2 major)), and the error
    // term that Bresenham's loop would hold there
    int64_t offset = (2 * minor * first + major - 1 + bias) / (2 * major);
    int64_t error = 2 * minor * (first + 1) - major - 2 * major * offset;
    int64_t a = major_start + first * major_step, b = minor_start + offset * minor_step;
    for (int64_t i = first; i < last; ++i, a += major_step) {
        if (b >= 0 && b < minor_size) {
            const int64_t x = x_major ? a : b, y = x_major ? b : a;
            image.pixels[y * image.stride + x] = pixel;
        }
        if (error + bias > 0) {
            b += minor_step;
            error += 2 * minor - 2 * major;
        } else {
            error += 2 * minor;
        }
    }
}

void outline_ring(const PixelBuffer& image, const DevicePoint* points, int count, uint32_t pixel)
{
    for (int i = 0; i < count; ++i) draw_line(image, points[i], points[i + 1 < count ? i + 1 : 0], pixel);
}

// A pixel belongs to an ellipse when the curve passes at least this far beyond its centre, along
// each axis; 0.03 matches GDI's own ellipses most often (checked over 400 box sizes under Wine).
static const double ELLIPSE_MARGIN = 0.03;

// Columns [first, last] of row y in the ellipse of box; first > last when the row holds none.
static void ellipse_span(const DeviceRect& box, int y, int& first, int& last)
{
    first = 1;
    last = 0;
    if (y < box.top || y >= box.bottom) return;
    const double cx = (box.left + box.right - 1) * 0.5, cy = (box.top + box.bottom - 1) * 0.5;
    const double rx = (box.right - box.left) * 0.5, ry = (box.bottom - box.top) * 0.5;
    const int mirror = box.left + box.right - 1;   // x and mirror - x are each other's image
    const double dy = abs_d(y - cy);
    if (dy < 1.0) {   // the middle row or two span the whole box
        first = box.left;
        last = box.right - 1;
        return;
    }
    const double v = (dy + ELLIPSE_MARGIN) / ry;
    const double half_width = v < 1.0 ? rx * sqrt_d(1.0 - v * v) - ELLIPSE_MARGIN : 0.0;
    const double span = cx - half_width;
    first = int(span);
    if (first <= span) ++first;                    // smallest x above cx - half_width
    if (first > mirror - first) {
        // a row the curve only grazes (the top and bottom of a narrow box): the pixels under its
        // extreme point, one or two
        first = mirror >= 0 ? mirror / 2 : -((1 - mirror) / 2);
    }
    last = mirror - first;
}

void draw_ellipse_pixels(const PixelBuffer& image, const DeviceRect& box, bool has_fill,
                         uint32_t fill_pixel, bool has_outline, uint32_t outline_pixel)
{
    const DeviceRect b{ min_i(box.left, box.right), min_i(box.top, box.bottom),
                        max_i(box.left, box.right), max_i(box.top, box.bottom) };
    if (b.left == b.right || b.top == b.bottom) return;
    for (int y = max_i(b.top, 0); y < min_i(b.bottom, image.height); ++y) {
        int first, last, above_first, above_last, below_first, below_last;
        ellipse_span(b, y, first, last);
        ellipse_span(b, y - 1, above_first, above_last);
        ellipse_span(b, y + 1, below_first, below_last);
        uint32_t* row = image.pixels + y * image.stride;
        for (int x = max_i(first, 0); x <= min_i(last, image.width - 1); ++x) {
            const bool edge = x == first || x == last || x < above_first || x > above_last
                           || x < below_first || x > below_last;
            if (edge && has_outline) row[x] = outline_pixel;
            else if (has_fill) row[x] = fill_pixel;
        }
    }
}
