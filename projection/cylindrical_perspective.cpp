// projection/cylindrical_perspective.cpp: cylindrical maps with a northing of their own
// (central, oblique, Gall, Braun, Miller) and the Arden-Close mean of two cylindricals.
// A formula writes all ctx.count points and returns ctx.count, or writes none and returns 0.
#include "projection/conventions.h"
#include "projection/formulas.h"

// Central Cylindrical: the tangent of the latitude, clamped to 66.33 degrees.
int project_central_cylindrical(const ProjectionContext& ctx)
{
    return project_northings(ctx, [](double phi) { return 39.451f * tan_d(rad(clamp_single(phi, 66.33f))); });
}

// Gall Stereographic: the tangent of half the latitude.
int project_gall_stereographic(const ProjectionContext& ctx)
{
    return project_northings(ctx, [](double phi) { return 90.0 * tan_d(0.5 * rad(phi)); });
}

// Braun I: a stereographic northing 45 sin a / (cos a + 0.4), latitude clamped to 85 degrees.
int project_braun_1(const ProjectionContext& ctx)
{
    return project_northings(ctx, [](double phi) {
        const double alpha = rad(clamp_single(phi, 85.0f));
        return 45.0 * sin_d(alpha) / (cos_d(alpha) + 0.4f);
    });
}

// Miller I to III (variant 1 to 3): a sine-and-tangent mean, then two Mercator-like logarithms.
int project_miller(const ProjectionContext& ctx)
{
    switch (variant_of(ctx)) {
    case 1:
        return project_northings(ctx, [](double phi) {
            const double half = 0.5 * rad(phi);
            return 52.72078f * (sin_d(half) + tan_d(half));
        });
    case 2:
        return project_northings(ctx, [](double phi) {
            return 68.33932f * log_d(tan_d(0.33333334f * rad(phi) + 0.7853982f));
        });
    default:
        return project_northings(ctx, [](double phi) {
            return 48.840576f * log_d(tan_d(0.4f * rad(phi) + 0.7853982f));
        });
    }
}

// tan of q rounded to single precision and held to [-1, 1]: inside, from tan q = sin q / cos q
// turned by the rounding d (below 1e-7, so tan d = d to double rounding).
static double tan_clamped(const Angle& q)
{
    if (q.radians < -1.0) return tan_d(-1.0);
    const float single = min_f(float(q.radians), 1.0f);
    if (single == 1.0f) return tan_d(1.0);
    const double t = q.sine / q.cosine;
    const double d = double(single) - q.radians;
    return (t + d) / (1.0 - t * d);
}

// Oblique Mercator: in fact an oblique central cylindrical about a pole at 45 degrees; points
// that the atan2 throws to the wrong side of the map are pulled back to its edge or centre.
int project_oblique_mercator(const ProjectionContext& ctx)
{
    const int west = west_edge_deg(ctx);
    const int phi0 = north_edge_deg(ctx);
    return project_each_point_by_lines(
        ctx, angle_line([phi0](double y) { return rad(phi0 - y); }),
        angle_line([west](double x) { return rad(west + x); }), [west](const Angle& phi, const Angle& lambda, float* out) {
            const double g = 0.70710677f * phi.sine;
            const double h = 0.70710677f * phi.cosine * lambda.cosine;
            double p = arctangent_of(phi.cosine * lambda.sine, g + h);
            const Angle q = arcsine_of(g - h);
            if ((west + 1) * p < 0.0) {
                if (west >= 0) p = p < -1.0 ? double(3.1415927f) : 0.0;
                else p = p > 1.0 ? -double(3.1415927f) : 0.0;
            }
            out[0] = float(57.295776f * p + 180.0);
            out[1] = float(90.0 - 57.8f * tan_clamped(q));
        });
}

// Arden-Close: the mean of Mercator-like and transverse terms over two hemispheres; the twelve
// sectors with j = (rotation + sector + 7) mod 24 in 6..17 are dropped.
int project_arden_close(const ProjectionContext& ctx)
{
    const int j = (ctx.rotation + ctx.sector + 7) % SECTOR_COUNT;
    if (j >= 6 && j <= 17) return 0;
    const double shift = j > 11 ? 4.0 : 0.0;
    return project_each_point(ctx, [j, shift](const PiecePoint& point, float* out) {
        const double alpha = rad(point.phi_deg);
        const double beta = rad(15.0 * j + point.x);
        double d = alpha;
        if (abs_d(alpha) < 0.000001f) d = 0.0;
        else if (abs_d(alpha) < 1.5707963f) d = atan2_d(tan_d(alpha), cos_d(beta));
        const float d_single = float(d);
        out[0] = float(45.0 * (0.63661975f * beta - shift + cos_d(alpha) * sin_d(beta)) + 180.0);
        out[1] = float(90.0 - 45.0 * (0.63661975f * d_single + double(float(sin_d(alpha)))));
    });
}
