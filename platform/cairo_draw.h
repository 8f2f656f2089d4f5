// platform/cairo_draw.h: the Cairo canvases behind platform/draw.h. Image canvases are drawn pixel
// by pixel with GDI's rules (platform/raster.h); SVG and PDF canvases record the calls as vectors.
#pragma once
#include <cairo.h>
#include "platform/draw.h"
#include "platform/pixel_buffer.h"

// Against GDI (checked under Wine): fill_rect, polygons and their one-pixel outlines set exactly the
// same pixels; ellipses differ in under one boundary pixel in a hundred; Bezier paths are flattened
// by Cairo and rounded to whole pixels, so their edges may differ by a pixel where GDI's curve
// subdivision falls differently. Vector canvases stroke outlines one unit wide.

// A Cairo drawing target. Zero-initialise it, create it with one of the functions below, and give
// it back with close_canvas. A fresh canvas has a white brush and a black pen, like a fresh DC.
struct Canvas {
    cairo_surface_t* surface;
    cairo_t* cairo;          // holds the path being built; draws on vector canvases
    PixelBuffer image;       // the pixels of an image canvas; pixels is null on a vector canvas
    Colour brush, pen;
};

// An image canvas of width x height pixels, cleared to black. CAIRO_FORMAT_RGB24 or
// CAIRO_FORMAT_ARGB32 (drawing is opaque either way). False, and nothing to close, on failure.
bool create_image_canvas(Canvas& canvas, cairo_format_t format, int width, int height);
// Vector canvases of width x height points handing their bytes to write(closure, bytes, length);
// the output is complete after close_canvas.
bool create_svg_stream_canvas(Canvas& canvas, cairo_write_func_t write, void* closure, double width, double height);
bool create_pdf_stream_canvas(Canvas& canvas, cairo_write_func_t write, void* closure, double width, double height);

// Finishes the file of a vector canvas and releases the canvas; false if Cairo reported an error
// at any point (the file is then incomplete or missing).
bool close_canvas(Canvas& canvas);

// Hands an image canvas as PNG bytes to write(closure, bytes, length); false on a vector canvas
// or a failed write.
bool write_canvas_png_stream(Canvas& canvas, cairo_write_func_t write, void* closure);

// Direct access to the pixels of an image canvas (pixels null on a vector canvas). Drawing through
// draw.h and writing these pixels may be mixed freely.
PixelBuffer canvas_pixels(Canvas& canvas);
