// projection/modified_azimuthal.cpp: azimuthal maps stretched or averaged into world maps
// (Airy's minimum-error map, Winkel Tripel, Wagner VII, Briesemeister).
#include "projection/conventions.h"
#include "projection/formulas.h"

// Airy: half-width in sectors of the part kept, per band
static const unsigned char AIRY_HALF_WIDTHS[BAND_COUNT] = {12, 12, 12, 9, 8, 7};

// Airy, centred at 30 degrees north on the rotated meridian 0; the distance factor L is capped
// by scaling (p, q) back onto the unit circle.
int project_airy(const ProjectionContext& ctx)
{
    const int b = display_sector(ctx) - 12;   // -12..11
    const int w = AIRY_HALF_WIDTHS[ctx.band];
    if (b < -w || b >= w) return 0;
    const int phi0 = north_edge_deg(ctx);
    const auto row = angle_line([phi0](double y) { return rad(phi0 - y); }, [](double, const Angle& phi) {
        return Angle{phi.radians, double(float(phi.sine)), double(float(phi.cosine))};
    });
    const auto column = angle_line([b](double x) { return double(float(rad(15.0 * b + x))); });
    return project_each_point_by_lines(ctx, row, column, [](const Angle& phi, const Angle& lambda, float* out) {
        const double sin_phi = phi.sine;
        const double cos_phi = phi.cosine;
        const double cos_phi_lambda = float(lambda.cosine * cos_phi);
        const double l = 0.5 * sin_phi + 0.8660254f * cos_phi_lambda;
        double big_l = 0.55762607f;
        if (l < 1.0) {
            const double m = float(0.5 * (l + 1.0));
            big_l = -log_d(m) / (1.0 - l) + 0.057626076f / m;
        }
        big_l = float(big_l);
        double x = big_l * cos_phi * lambda.sine;
        double y = float(big_l * (0.8660254f * sin_phi - 0.5 * cos_phi_lambda));
        const double u = y * y + x * x;
        if (u > 1.0) {
            const double r = sqrt_d(u);
            x = x / r;
            y = float(y / r);
        }
        out[0] = float(90.0 * x + 180.0);
        out[1] = float(90.0 - 90.0 * y);
    });
}

struct HalfLongitude {
    double radians;
    Angle alpha;   // half of it, in single precision
};

// Winkel Tripel: the mean of the Aitoff and equirectangular maps.
int project_winkel_tripel(const ProjectionContext& ctx)
{
    const int phi0 = north_edge_deg(ctx);
    const int west = west_edge_deg(ctx);
    const auto column = angle_line([west](double x) { return double(float(0.5 * rad(west + x))); },
                                   [west](double x, const Angle& half) { return HalfLongitude{rad(west + x), half}; });
    return project_each_point_by_lines(
        ctx, angle_line([phi0](double y) { return rad(phi0 - y); }), column,
        [](const Angle& phi, const HalfLongitude& lambda, float* out) {
            const double e = float(phi.cosine);
            const Angle z = arccosine_of(lambda.alpha.cosine * e);
            const double q = abs_d(z.radians) < 0.000001f ? 1.0 : z.radians / z.sine;
            out[0] = float(70.0 * (q * e * lambda.alpha.sine + 0.31830987f * lambda.radians) + 180.0);
            out[1] = float(90.0 - 30.0 * (phi.radians + q * phi.sine));
        });
}

// Wagner VII: a Hammer-like map of a third of the longitude and a compressed latitude. With
// z = sin psi, cos psi = sqrt(1 - z^2) and cos(acos(c) / 2) = sqrt((1 + c) / 2): no arc functions.
int project_wagner_7(const ProjectionContext& ctx)
{
    return project_each_point(ctx, [](const PiecePoint& p, float* out) {
        const Angle alpha = angle_of(0.33333334f * rad(p.lambda_deg));
        const double z = 0.9063078f * sin_d(rad(p.phi_deg));
        const double d = float(cosine_of_sine(z));
        const double c = alpha.cosine * d;
        const double w = 1.0 / sqrt_d(0.5 * (1.0 + c));
        out[0] = float(180.0 * (w * d * alpha.sine + 1.0));
        out[1] = float(90.0 - 77.28216f * w * z);
    });
}

// Briesemeister: an oblique Hammer map centred at 45 degrees north; the western half
// (display sectors 0..11) is mirrored to the left.
int project_briesemeister(const ProjectionContext& ctx)
{
    const double sigma = display_sector(ctx) < 12 ? -1.0 : 1.0;
    const float west = float(west_edge_deg(ctx));
    return project_each_point(ctx, [sigma, west](const PiecePoint& p, float* out) {
        const Angle phi = angle_of(rad(p.phi_deg));
        const double e = float(phi.sine);
        const double h = float(phi.cosine * cos_d(rad(west + p.x)));
        const double l = 0.70710677f * (e - h);
        const double q = l < -1.0 ? -1.0 : double(min_f(float(l), 1.0f));
        const double o = float(cosine_of_sine(q));   // cos(asin q)
        // o is 0 only where q reaches +-1, a single point at the edge of the map; the limit
        // there is c = 1, which keeps the division by o from producing a NaN
        double c = 1.0;
        if (o > 0.0) {
            const double e2 = 0.70710677f * (e + h) / o;
            c = e2 < -1.0 ? -1.0 : double(min_f(float(e2), 1.0f));
        }
        // z = acos(c) / 2 in [0, pi/2]: cos z = sqrt((1 + c) / 2), sin z = sqrt((1 - c) / 2)
        const double cos_z = sqrt_d(0.5 * (1.0 + c));
        const double sin_z = sqrt_d(0.5 * (1.0 - c));
        const double r = 90.0 / sqrt_d(o * cos_z + 1.0);
        out[0] = float(2.0 * o * r * sin_z * sigma + 180.0);
        out[1] = float(90.0 - q * r);
    });
}
