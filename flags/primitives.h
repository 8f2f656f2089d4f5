// flags/primitives.h: the shapes a flag is made of, in flag units (the field is -120..120 in x
// and y, y upwards). Each one draws nothing in measuring mode (no canvas).
#pragma once
#include "flags/flag_context.h"

// The transform applied to (x, y), each coordinate truncated toward zero.
DevicePoint to_device(const FlagContext& ctx, double x, double y);

// The device colour (0x02BBGGRR) of palette index i, the colour of its brush and pen.
Colour colour_brush(int i);

// Makes the current colour the selected brush and pen, unless it already is.
void select_colour(FlagContext& ctx);

// The axis-parallel rectangle between the transformed corners (x1, y1) and (x2, y2), lower-left
// first; the right and bottom device edges stay unfilled. The selection is unchanged.
void fill_rect(FlagContext& ctx, int colour, double x1, double y1, double x2, double y2);

struct FlagPoint { int x, y; };
// A polygon in the selected colour, filled and outlined; x coordinates are multiplied by
// x_factor before the transform. The caller selects the colour.
void fill_polygon(FlagContext& ctx, const FlagPoint* points, int count, double x_factor);

// A filled circle of radius r in y units (r / aspect in x units) around (x, y), current colour.
void disc(FlagContext& ctx, int x, int y, int r);

// A star of `points` points (at most 20) around (x, y); its vertices alternate between radius
// r1 and r2 in y units (r2 = 0 means 0.385·r1), the first turned by `turn` radians clockwise
// from straight up. Current colour.
void star_polygon(FlagContext& ctx, double r1, double r2, double turn, int points, int x, int y);

// The band of edge width w between opposite corners of the field: sign +1 bottom-left to
// top-right, -1 top-left to bottom-right. The caller selects the colour.
void diagonal_band(FlagContext& ctx, int w, int sign);

// k stripes over the field, overlapping so that truncation leaves no gap; stripe i has colour
// colours[i mod n]. Horizontal stripes start at the top, vertical ones at the left.
void stripes(FlagContext& ctx, bool horizontal, int k, const int* colours, int n);

// Reads a path's elements from the cursor up to and including its closing 0x80 and fills the
// outline from (x0, y0) in the current colour; mirror adds its reflection about x = x0.
void path_shape(FlagContext& ctx, bool mirror, int x0, int y0);
