// platform/raster.h: exact rasterisation of the drawing calls into a PixelBuffer, following the
// rules GDI uses, so that an image drawn without GDI has the same pixels. Portable, no allocation.
#pragma once
#include "platform/pixel_buffer.h"

// Most vertices that one fill_rings call may hold (all rings together).
const int MAX_RING_POINTS = 65536;

// Fills columns left..right-1 and rows top..bottom-1, clipped to the image; an inverted rectangle
// fills the same pixels as its ordered form.
void fill_box(const PixelBuffer& image, const DeviceRect& rect, uint32_t pixel);

// Fills the closed rings (ring i has ring_sizes[i] vertices, taken from points in order) together
// by the alternate rule. Pixel (x, y) is set when the point (x, y) lies inside; a point on a left
// or top edge counts as inside, on a right or bottom edge as outside. So a w x h rectangle fills
// w x h pixels, and polygons sharing an edge neither overlap nor leave a gap along it.
// Coordinates stay within +-2^30.
void fill_rings(const PixelBuffer& image, const DevicePoint* points, const int* ring_sizes,
                int ring_count, uint32_t pixel);

// The one-pixel line from start to end, end excluded, clipped to the image. Bresenham's rule as a
// width-0 GDI pen draws it: along the major axis one pixel per step; the minor coordinate after i
// steps is i * minor / major rounded to nearest, a tie rounded away from the start in the octants
// that GDI biases (x decreasing or y decreasing, by octant; see the table in raster.cpp).
void draw_line(const PixelBuffer& image, DevicePoint start, DevicePoint end, uint32_t pixel);

// The outline of a closed ring: every edge by draw_line, the last back to the first vertex, so each
// vertex is set once.
void outline_ring(const PixelBuffer& image, const DevicePoint* points, int count, uint32_t pixel);

// The ellipse inscribed in box (right and bottom excluded, like a rectangle): pixel (x, y) belongs
// to it when its centre lies inside the ellipse through the box's edges (a hair inside, as GDI
// draws it); the middle row or two always span the box, and every row at least its middle pixel
// or two, so the ellipse touches all four sides. Its outline (members with a member-free neighbour above, below, left or right) gets
// outline_pixel, the rest fill_pixel; with has_outline false the fill covers the outline too,
// with has_fill false only the outline is drawn. Mirror-symmetric across both centre lines.
void draw_ellipse_pixels(const PixelBuffer& image, const DeviceRect& box, bool has_fill,
                         uint32_t fill_pixel, bool has_outline, uint32_t outline_pixel);
