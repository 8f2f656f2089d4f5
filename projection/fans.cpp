// projection/fans.cpp: maps that spread the globe as a fan or along curved parallels
// (Braun II and the conical equal-area half-disc, the polyconics, the cycloidal map).
#include "projection/conventions.h"
#include "projection/formulas.h"

// Braun II (variant 1) and Conical Equal-Area (variant 0): a half-disc fan with the North Pole
// at (180, 0); the angle is half the longitude east of the date line.
int project_braun_2(const ProjectionContext& ctx)
{
    const int sector = display_sector(ctx);
    const int phi0 = north_edge_deg(ctx);
    const auto column = angle_line([sector](double x) { return 0.5 * rad(15.0 * sector + x); });   // theta
    const auto point = [](double rho, const Angle& theta, float* out) {
        out[0] = float(180.0 - rho * theta.cosine);
        out[1] = float(rho * theta.sine);
    };
    if (variant_of(ctx) != 0) {
        const auto rho = [phi0](double y) {
            return (0.8660254f - 0.5 * tan_d((rad(phi0 - y) + 0.5235988f) * 0.5)) * 155.88f;
        };
        return project_each_point_by_lines(ctx, rho, column, point);
    }
    const auto rho = angle_line([phi0](double y) { return 0.7853982f - 0.5 * rad(phi0 - y); },
                                [](double, const Angle& a) { return 180.0 * a.sine; });
    return project_each_point_by_lines(ctx, rho, column, point);
}

// Polyconic (variant 0, scale 37) and Rectangular Polyconic (variant 1, scale 47); the equator
// and the poles take their limits.
int project_polyconic(const ProjectionContext& ctx)
{
    const bool rectangular = variant_of(ctx) != 0;
    const double scale = rectangular ? 47.0 : 37.0;
    const int phi0 = north_edge_deg(ctx);
    const int west = west_edge_deg(ctx);
    const auto row = angle_line([phi0](double y) { return rad(phi0 - y); });
    const auto column = [west](double x) { return rad(west + x); };
    return project_each_point_by_lines(ctx, row, column, [rectangular, scale](const Angle& phi, double lambda_r, float* out) {
        const double phi_r = phi.radians;
        double u, v;
        if (abs_d(phi_r) < 0.000001f) {
            u = lambda_r;
            v = 0.0;
        } else if (abs_d(phi_r) > 1.5707963f) {
            u = 0.0;
            v = phi_r;
        } else {
            const double t = phi.sine / phi.cosine;   // tan phi
            const double e = lambda_r * phi.sine;
            Angle e_angle;
            if (rectangular) {
                // 2 atan2(e, 2) = 2 atan(h), h = e / 2: sin = 2h / (1 + h^2), cos = (1 - h^2) / (1 + h^2)
                const double h = 0.5 * e;
                const double k = 1.0 / (1.0 + h * h);
                e_angle.sine = 2.0 * h * k;
                e_angle.cosine = (1.0 - h * h) * k;
            } else {
                e_angle = angle_of(e);
            }
            u = e_angle.sine / t;
            v = phi_r + (1.0 - e_angle.cosine) / t;
        }
        out[0] = float(scale * u + 180.0);
        out[1] = float(90.0 - scale * v);
    });
}

// Cycloidal: radius from the colatitude, angle the longitude; bands 4 and 5 are dropped.
int project_cycloidal(const ProjectionContext& ctx)
{
    if (30 * ctx.band > 90) return 0;
    const int colatitude0 = 30 * ctx.band;
    return project_each_point(ctx, [colatitude0](const PiecePoint& p, float* out) {
        const double rho = 55.0 * rad(colatitude0 + p.y);
        const double alpha = rad(p.lambda_deg);
        out[0] = float(rho * (alpha + sin_d(alpha)) + 180.0);
        out[1] = float(rho * (cos_d(alpha) + 1.0));
    });
}
