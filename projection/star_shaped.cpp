// projection/star_shaped.cpp: the Octant map and the Four-Lobed Star. Neither drops a piece.
// A formula writes all ctx.count points and returns ctx.count.
#include "projection/conventions.h"
#include "projection/formulas.h"

// where each quadrant's pole point sits, by quadrant 0..3 (of the sector turned by 12)
static const int OCTANT_X_OFFSET[] = { 93, 93, 87, 87 };
static const int OCTANT_Y_OFFSET[] = { 93, 87, 87, 93 };

// Octant: every 90 degrees of longitude of each hemisphere as a curved triangle about its own
// pole point (180g + XA, (YB - 90) G + 90), with g 0 for the north and 1 for the south; the
// radius is the distance from that pole in degrees.
int project_octant(const ProjectionContext& ctx)
{
    const int s = display_sector_plus(ctx, 12);
    const int q = s / 6;
    const int xa = OCTANT_X_OFFSET[q];
    const int yb = OCTANT_Y_OFFSET[q];
    const double f = double(2 * q + 1) * 0.7853982f;   // the quadrant's middle direction
    const int g = ctx.band / 3;
    const int gg = 1 - 2 * g;
    const int b = 30 * ctx.band;
    const int offset_deg = 15 * (s % 6) - 45;
    const float* in = ctx.input;
    float* out = ctx.output;
    for (int i = 0; i < ctx.count; ++i, in += 2, out += 2) {
        const double l = g == 1 ? 180 - b - double(in[1]) : b + double(in[1]);
        const double a = f + (offset_deg + double(in[0])) * (acos_d(l * 0.0055555557f) - 0.5235988f) * 0.022222223f;
        out[0] = float(180 * g + xa + l * sin_d(a));
        out[1] = float((yb - 90) * gg + 90 + l * gg * cos_d(a));
    }
    return ctx.count;
}

// Four-Lobed Star: the North Pole at (180, 90) and each quadrant of longitude (of the sector
// turned by 6) drawn out into a lobe that ends at the South Pole, pointing at 45, 135, 225 or
// 315 degrees.
int project_four_lobed_star(const ProjectionContext& ctx)
{
    const int b = 15 * display_sector_plus(ctx, 6);
    const double c = float(double((b / 90) * 2 + 1) * 0.7853982f);   // the lobe's direction
    const int band_deg = 30 * ctx.band;
    const float* in = ctx.input;
    float* out = ctx.output;
    for (int i = 0; i < ctx.count; ++i, in += 2, out += 2) {
        const double chi = band_deg + double(in[1]);
        const double e = 0.70710677f * chi;
        double a = rad(b + double(in[0]));
        a = a + rad(chi) * (c - a) * 0.31830987f;
        out[0] = float(e * cos_d(a) + 180.0);
        out[1] = float(90.0 - e * sin_d(a));
    }
    return ctx.count;
}
