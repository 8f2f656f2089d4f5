// projection/conventions.h: the working conventions every formula shares: where a piece lies
// (display sector, rotated west edge, north edge) and degrees to radians.
#pragma once
#include "projection/math.h"
#include "projection/projection.h"

// rad(t) = t x 3.1415927 x 0.0055555557: the single-precision pi and 1/180, multiplied in this order
inline double rad(double degrees) { return degrees * 3.1415927f * 0.0055555557f; }

// Lambda: the rotated longitude of the piece's west edge, 15 x display sector - 180
inline int west_edge_deg(const ProjectionContext& ctx) { return 15 * display_sector(ctx) - 180; }

// phi0: the latitude of the piece's north edge, 90 - 30 x band
inline int north_edge_deg(const ProjectionContext& ctx) { return 90 - 30 * ctx.band; }

// -a below -a, otherwise min_f(t, a): an in-range value passes through single precision
inline double clamp_single(double t, float a) { return t < -a ? double(-a) : double(min_f(float(t), a)); }
