// projection/retroazimuthal.cpp: Littrow, Mecca and Hinks-Reeves, which show one hemisphere
// around a centre meridian; the pieces outside it are dropped before any point is computed.
#include "projection/conventions.h"
#include "projection/formulas.h"

// -90 <= west edge <= 89: the twelve display sectors of the hemisphere around meridian 0
static bool outside_central_hemisphere(int west) { return unsigned(west + 90) > 179u; }

// Littrow: the latitude clamped to 80 degrees.
int project_littrow(const ProjectionContext& ctx)
{
    if (outside_central_hemisphere(west_edge_deg(ctx))) return 0;
    return project_each_point(ctx, [](const PiecePoint& p, float* out) {
        const double alpha = rad(clamp_single(p.phi_deg, 80.0f));
        const double lambda_single = float(rad(p.lambda_deg));
        out[0] = float(37.0 * sin_d(lambda_single) / cos_d(alpha) + 180.0);
        out[1] = float(90.0 - 37.0 * tan_d(alpha) * cos_d(lambda_single));
    });
}

// Mecca Retroazimuthal centred 45 degrees east; drops all but the display sectors whose west
// edge lies from -30 to 105, and the bands south of 30 degrees south.
int project_mecca_retroazimuthal(const ProjectionContext& ctx)
{
    const int w = west_edge_deg(ctx) - 45;
    if (unsigned(w + 75) > 149u || north_edge_deg(ctx) < 0) return 0;
    return project_each_point(ctx, [w](const PiecePoint& p, float* out) {
        const double alpha = rad(w + p.x);
        const double beta = rad(p.phi_deg);
        const double q = abs_d(alpha) < 0.000001f ? 1.0 : alpha / sin_d(alpha);
        const double along = float(cos_d(alpha) * sin_d(beta));
        out[0] = float(97.69266f * alpha + 180.0);
        out[1] = float(97.69266f - 97.69266f * q * (along - 0.3955f * cos_d(beta)));
    });
}

// Hinks-Reeves: the same hemisphere as Littrow; the cosine of the distance is clamped short of 1.
int project_hinks_reeves(const ProjectionContext& ctx)
{
    if (outside_central_hemisphere(west_edge_deg(ctx))) return 0;
    return project_each_point(ctx, [](const PiecePoint& p, float* out) {
        const double phi_r = rad(p.phi_deg);
        const double alpha = float(rad(p.lambda_deg));
        const double cos_alpha = float(cos_d(alpha));
        const double cos_beta = float(cos_d(phi_r));
        const double sin_beta = float(sin_d(phi_r));
        const double e = 0.622515f * cos_alpha * cos_beta + 0.782608f * sin_beta;
        const Angle z = arccosine_of(clamp_single(e, 0.999999f));
        const double m = 57.0 * z.radians / z.sine;
        out[0] = float(0.622515f * m * sin_d(alpha) + 180.0);
        out[1] = float(m * (0.782608f * cos_beta - 0.622515f * cos_alpha * sin_beta) + 39.0);
    });
}
