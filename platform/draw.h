// platform/draw.h: the one drawing interface. The map, the picking surface, the icon, the flags
// and the exports draw only through it; Win32 GDI and Cairo implement the same contract.
#pragma once
#include <stdint.h>

// 0x02BBGGRR: red in the low byte; the 0x02 marks a palette-relative colour, plain RGB on a
// true-colour device.
typedef uint32_t Colour;
const Colour NO_COLOUR = 0xFFFFFFFFu;   // no brush or no pen

struct DevicePoint { int32_t x, y; };                        // the layout of a Win32 POINT
struct DeviceRect { int32_t left, top, right, bottom; };    // the layout of a Win32 RECT

struct Canvas;   // a drawing target (device context, image, vector recorder); each back end defines it

// Fills columns left..right-1 and rows top..bottom-1 with colour; the selection is unchanged.
void fill_rect(Canvas& canvas, const DeviceRect& rect, Colour colour);

// The brush that fills polygons, ellipses and paths from now on (NO_COLOUR: no fill).
void select_brush(Canvas& canvas, Colour colour);
// The one-pixel pen that outlines polygons and ellipses from now on (NO_COLOUR: no outline).
void select_pen(Canvas& canvas, Colour colour);
// Back to a fresh canvas's white brush and black pen, freeing whatever brush and pen were made
// for it; a routine that selected its own colours calls this before it returns.
void release_pen_and_brush(Canvas& canvas);

// A closed polygon, filled by the alternate (even-odd) rule, then outlined.
void draw_polygon(Canvas& canvas, const DevicePoint* points, int count);
// The ellipse inscribed in box, filled, then outlined.
void draw_ellipse(Canvas& canvas, const DeviceRect& box);

// A path of moves, lines and cubic Beziers, filled by the alternate rule without outline.
void begin_path(Canvas& canvas);
void path_move_to(Canvas& canvas, DevicePoint point);
void path_line_to(Canvas& canvas, DevicePoint point);
void path_bezier_to(Canvas& canvas, DevicePoint control1, DevicePoint control2, DevicePoint end);
void fill_path(Canvas& canvas);

// The colour of one pixel as 0x00BBGGRR; NO_COLOUR outside the canvas or on a vector canvas.
Colour read_pixel(Canvas& canvas, int x, int y);

// Shrinks the top-left source_width x source_height of source into the top-left width x height of
// destination by averaging. Between two pixel surfaces, whole factors (source_width = kx * width,
// source_height = ky * height) use the box average of platform/shrink.h, so every back end gives
// the same pixels; other sizes or targets fall back to the back end's own smoothing stretch.
void shrink_canvas(Canvas& source, int source_width, int source_height,
                   Canvas& destination, int width, int height);
