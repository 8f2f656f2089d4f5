// projection/equirectangular.cpp: the base formula, one map unit per degree.
// A formula writes all ctx.count points and returns ctx.count, or writes none and returns 0.
#include "projection/formulas.h"
#include "projection/math.h"

// Equirectangular; a non-zero variant narrows the map linearly towards both poles, to
// 1 - variant / 360 of its width there. Never drops a piece.
int project_equirectangular(const ProjectionContext& ctx)
{
    const double k = variant_of(ctx) * 0.0027777778f;   // variant / 360
    const int sector = display_sector(ctx);
    const float* in = ctx.input;
    float* out = ctx.output;
    for (int i = 0; i < ctx.count; ++i, in += 2, out += 2) {
        const double lambda_deg = 15.0 * sector + in[0] - 180.0;
        const double chi_deg = 30.0 * ctx.band + in[1];   // colatitude
        out[0] = float((1.0 - k * abs_d(chi_deg * 0.011111111f - 1.0)) * lambda_deg + 180.0);
        out[1] = float(chi_deg);
    }
    return ctx.count;
}
