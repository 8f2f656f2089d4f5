// projection/pseudocylindrical.cpp: maps whose parallels are straight lines and whose meridians
// curve: X = f(phi) x lambda + 180, Y = 90 - northing. None of them drops a piece.
#include "projection/conventions.h"
#include "projection/formulas.h"

// What a pseudocylindrical map does with one parallel: X = width x lambda + 180, Y = 90 - northing.
struct Parallel {
    double width;
    double northing;
};

// Works out parallel(phi in degrees) once for each run of points on one parallel and places every
// point by it; single_lambda takes lambda in single precision, as some of the formulas do.
template <typename ParallelOf>
static int project_parallels(const ProjectionContext& ctx, ParallelOf parallel, bool single_lambda)
{
    return project_each_point_by_parallel(ctx, parallel, [single_lambda](const PiecePoint& p, const Parallel& row,
                                                                         float* out) {
        const double lambda = single_lambda ? double(float(p.lambda_deg)) : p.lambda_deg;
        out[0] = float(lambda * row.width + 180.0);
        out[1] = float(90.0 - row.northing);
    });
}

// Stereographic Equivalent: cos^2(phi/2) cos(phi) narrows the meridians; with c = cos(phi/2),
// cos phi = 2 c^2 - 1 and tan(phi/2) = sin(phi/2) / c.
int project_stereographic_equivalent(const ProjectionContext& ctx)
{
    const auto parallel = [](double phi_deg) {
        const Angle half = angle_of(0.5 * rad(phi_deg));
        const double c2 = half.cosine * half.cosine;
        return Parallel{c2 * (2.0 * c2 - 1.0), 90.0 * (half.sine / half.cosine)};
    };
    return project_parallels(ctx, parallel, false);
}

// Collignon I: a triangle with its apex at the North Pole.
int project_collignon_1(const ProjectionContext& ctx)
{
    return project_each_point(ctx, [](const PiecePoint& p, float* out) {
        const double q = sqrt_or_zero(0.5 * (1.0 - sin_d(rad(p.phi_deg))));
        out[0] = float(q * p.lambda_deg + 180.0);
        out[1] = float(180.0 * q);
    });
}

// Collignon II: two triangles meeting at the equator, mirrored by the hemisphere's sign.
int project_collignon_2(const ProjectionContext& ctx)
{
    const double sigma = north_edge_deg(ctx) > 0 ? 1.0 : -1.0;   // bands 0..2 are northern
    return project_each_point(ctx, [sigma](const PiecePoint& p, float* out) {
        const double q = sqrt_or_zero(1.0 - sin_d(sigma * rad(p.phi_deg)));
        out[0] = float(q * p.lambda_deg + 180.0);
        out[1] = float(90.0 * (sigma * (q - 1.0) + 1.0));
    });
}

// Nell: theta + sin theta = 2 sin phi, started from a polynomial in phi.
int project_nell(const ProjectionContext& ctx)
{
    const auto parallel = [](double phi_deg) {
        const double phi_r = rad(phi_deg);
        const double start = phi_r * (1.00371f + phi_r * phi_r * (-0.0935382f - 0.011412f * phi_r * phi_r));
        return solve_theta_plus_sin(float(2.0 * sin_d(phi_r)), float(start));
    };
    return project_each_point_by_parallel(ctx, parallel, [](const PiecePoint& p, const Angle& theta, float* out) {
        out[0] = float(0.5 * (theta.cosine + 1.0) * p.lambda_deg + 180.0);
        out[1] = float(90.0 - 81.37f * theta.radians);
    });
}

// Nell-Hammer: meridians as for Nell, northing phi - tan(phi/2), tan(phi/2) = sin phi / (1 + cos phi).
int project_nell_hammer(const ProjectionContext& ctx)
{
    const auto parallel = [](double phi_deg) {
        const Angle phi = angle_of(rad(phi_deg));
        return Parallel{0.5 * (phi.cosine + 1.0), 157.67445f * (phi.radians - phi.sine / (1.0 + phi.cosine))};
    };
    return project_parallels(ctx, parallel, false);
}

// Eckert I to VI (variant 1 to 6): a width factor f and a northing e per variant.
int project_eckert(const ProjectionContext& ctx)
{
    const int variant = variant_of(ctx);
    const auto parallel = [variant](double phi) {
        const double phi_r = rad(phi);
        double f, e;
        switch (variant) {
        case 1:
            f = 1.0 - 0.0055555557f * abs_d(phi);
            e = phi;
            break;
        case 2:
            f = float(0.5 * sqrt_d(4.0 - 3.0 * sin_d(abs_d(phi_r))));
            e = 180.0 * sign_of(phi) * (1.0 - f);
            break;
        case 3: {
            const double t = 0.011111111f * phi;
            f = 0.5 * (sqrt_or_zero(1.0 - t * t) + 1.0);
            e = float(phi);
            break;
        }
        case 4: {
            const Angle theta = eckert4_theta(float(phi_r));
            f = 0.5 * (theta.cosine + 1.0);
            e = 90.0 * theta.sine;
            break;
        }
        case 5:
            f = 0.5 * (cos_d(phi_r) + 1.0);
            e = phi;
            break;
        default: {
            const Angle theta = solve_theta_plus_sin(float(2.5707963f * sin_d(phi_r)), float(phi_r));
            f = 0.5 * (theta.cosine + 1.0);
            e = 57.295776f * theta.radians;
            break;
        }
        }
        return Parallel{f, e};
    };
    return project_parallels(ctx, parallel, true);
}

// Winkel I (variant 0) and II (variant 1): the mean of an equirectangular and a cosine or
// elliptical width, with the plain latitude as northing.
int project_winkel(const ProjectionContext& ctx)
{
    const bool elliptical = variant_of(ctx) != 0;
    return project_each_point(ctx, [elliptical](const PiecePoint& p, float* out) {
        const double phi = float(p.phi_deg);
        const double t = 0.011111111f * phi;
        const double g = elliptical ? sqrt_or_zero(1.0 - t * t) : cos_d(rad(phi));
        out[0] = float(0.6110155f * (g + 0.63661975f) * double(float(p.lambda_deg)) + 180.0);
        out[1] = float(90.0 - phi);
    });
}

// Craster Parabolic: alpha = phi / 3, and cos 2 alpha = 1 - 2 sin^2 alpha.
int project_craster_parabolic(const ProjectionContext& ctx)
{
    return project_each_point(ctx, [](const PiecePoint& p, float* out) {
        const double s = sin_d(0.33333334f * rad(p.phi_deg));
        out[0] = float((2.0 * (1.0 - 2.0 * s * s) - 1.0) * p.lambda_deg + 180.0);
        out[1] = float(90.0 - 180.0 * s);
    });
}

struct SineSeriesParallel {
    double cos_phi;
    double cos_beta;
    double northing;
};

// X = cos(phi) lambda / cos(beta) + 180, Y = 90 - scale sin(beta), beta = ratio x phi:
// Kavrayskiy V, Quartic Authalic and McBryde-Thomas I differ only in the two constants.
static int project_sine_series(const ProjectionContext& ctx, float ratio, float scale)
{
    const auto parallel = [ratio, scale](double phi_deg) {
        const double phi_r = rad(phi_deg);
        const Angle beta = angle_of(ratio * phi_r);
        return SineSeriesParallel{cos_d(phi_r), beta.cosine, scale * beta.sine};
    };
    return project_each_point_by_parallel(ctx, parallel, [](const PiecePoint& p, const SineSeriesParallel& row,
                                                            float* out) {
        out[0] = float(row.cos_phi * p.lambda_deg / row.cos_beta + 180.0);
        out[1] = float(90.0 - row.northing);
    });
}

int project_kavrayskiy_5(const ProjectionContext& ctx) { return project_sine_series(ctx, 0.7383409f, 98.176476f); }
int project_quartic_authalic(const ProjectionContext& ctx) { return project_sine_series(ctx, 0.5f, 127.27922f); }
int project_mcbryde_thomas_1(const ProjectionContext& ctx) { return project_sine_series(ctx, 0.7325524f, 98.571175f); }

// Wagner I to V (variant 1 to 5): an auxiliary angle psi and a northing h per variant.
int project_wagner(const ProjectionContext& ctx)
{
    const int variant = variant_of(ctx);
    const auto parallel = [variant](double phi_deg) {
        const double phi_r = rad(phi_deg);
        double cos_psi, h;
        switch (variant) {
        case 1: {
            const Angle psi = arcsine_of(0.8660254f * sin_d(phi_r));
            cos_psi = psi.cosine;
            h = 85.943665f * psi.radians;
            break;
        }
        case 2: {
            const Angle psi = arcsine_of(0.88022f * sin_d(0.8855f * phi_r));
            cos_psi = psi.cosine;
            h = 85.943665f * psi.radians;
            break;
        }
        case 3:
            cos_psi = cos_d(0.6666667f * phi_r);
            h = phi_deg;
            break;
        case 4: {
            const Angle psi = half_theta(float(2.9604206f * sin_d(phi_r)));
            cos_psi = psi.cosine;
            h = 103.9229f * psi.sine;
            break;
        }
        default: {
            const Angle psi = half_theta(float(3.00896f * sin_d(0.8855f * phi_r)));
            cos_psi = psi.cosine;
            h = 103.9229f * psi.sine;
            break;
        }
        }
        return Parallel{cos_psi, h};
    };
    return project_parallels(ctx, parallel, true);
}

// Wagner VI: an elliptical width; the plain colatitude as Y.
int project_wagner_6(const ProjectionContext& ctx)
{
    return project_each_point(ctx, [](const PiecePoint& p, float* out) {
        const double phi = p.phi_deg;   // 90 - colatitude
        out[0] = float(p.lambda_deg * sqrt_d(1.0 - 0.00009259259f * phi * phi) + 180.0);
        out[1] = float(90.0 - phi);
    });
}

// Putnins P1 to P6' (variant 0 to 8): a width w (X = w lambda + 180) and a northing d per
// variant; P2, P6 and P6' take lambda in single precision.
int project_putnins(const ProjectionContext& ctx)
{
    const int variant = variant_of(ctx);
    const auto parallel = [variant](double phi) {
        const double phi_r = rad(phi);
        const double e = 0.00037037037f * phi * phi;
        const double g = sqrt_d(e + 1.0);
        const float phi_single = float(phi_r);
        double w = 0.0, d = phi;
        switch (variant) {
        case 1: {
            const Angle theta = putnins_theta(phi_single);
            w = 2.0 * theta.cosine - 1.0;
            d = 103.95112f * theta.sine;
            break;
        }
        case 2: w = 1.0 - 0.00012345679f * phi * phi; break;
        case 3: w = 1.0 - 0.000061728395f * phi * phi; break;
        case 4: {
            const Angle psi = arcsine_of(0.8838835f * sin_d(phi_r));
            const Angle beta = angle_of(0.33333334f * psi.radians);
            w = psi.cosine / beta.cosine;
            d = 254.55844f * beta.sine;
            break;
        }
        case 5: w = 2.0 - g; break;
        case 6: w = 1.5 - 0.5 * g; break;
        case 7: {
            const double t = putnins_hyperbolic_theta(PUTNINS_P6, phi_single);
            w = 2.0 - sqrt_d(t * t + 1.0);
            d = 51.961525f * t;
            break;
        }
        case 8: {
            const double t = putnins_hyperbolic_theta(PUTNINS_P6_PRIME, phi_single);
            w = 0.5 * (3.0 - sqrt_d(t * t + 1.0));
            d = 51.961525f * t;
            break;
        }
        default: w = sqrt_d(4.0 - e) - 1.0; break;   // P1
        }
        return Parallel{w, d};
    };
    return project_parallels(ctx, parallel, variant == 1 || variant == 7 || variant == 8);
}

// Loximuthal about the parallel 51.5 degrees north (0.89884454 rad); the poles shrink to X = 180.
int project_loximuthal(const ProjectionContext& ctx)
{
    return project_each_point(ctx, [](const PiecePoint& p, float* out) {
        const double phi_r = rad(p.phi_deg);
        double x = 180.0;
        if (abs_d(p.phi_deg) <= 89.999f) {
            const double h = phi_r - 0.89884454f;
            const double width = abs_d(h) < 0.000001f
                ? double(0.62251467f)
                : h / (log_d(tan_d(0.5 * phi_r + 0.7853982f)) - 1.0520657f);
            x = p.lambda_deg * width + 180.0;
        }
        out[0] = float(x);
        out[1] = float(90.0 - p.phi_deg);
    });
}

// The Times: a Gall-like northing with a quadratic narrowing of the meridians. The tangents of
// a batch of rows go before the sines that depend on them.
int project_the_times(const ProjectionContext& ctx)
{
    const int phi0 = north_edge_deg(ctx);
    const int west = west_edge_deg(ctx);
    return project_each_point_by_lines(
        ctx, [phi0](double y) { return tan_d(0.5 * rad(phi0 - y)); }, [west](double x) { return west + x; },
        [](double d, double lambda_deg, float* out) {
            const double e = sin_d(0.7853982f * d);
            out[0] = float((1.0 - 0.46438f * e * e) * lambda_deg + 180.0);
            out[1] = float(90.0 - 90.0 * d);
        });
}

// Erdi-Krausz: a sine-based pseudocylindrical between 60 degrees north and south (bands 1..4),
// Mollweide beyond (bands 0 and 5), offset so that the parts meet.
int project_erdi_krausz(const ProjectionContext& ctx)
{
    if (ctx.band >= 1 && ctx.band <= 4) {
        return project_each_point(ctx, [](const PiecePoint& p, float* out) {
            const Angle psi = arcsine_of(0.8f * sin_d(rad(p.phi_deg)));
            out[0] = float(psi.cosine * p.lambda_deg + 180.0);
            out[1] = float(90.0 - 83.93173f * psi.radians);
        });
    }
    const double top = ctx.band == 0 ? 108.41053f : 71.58947f;
    const float west = float(west_edge_deg(ctx));
    const auto parallel = [](double phi_deg) {
        const float phi = float(rad(phi_deg));
        return mollweide_theta(phi, sin_d(phi));
    };
    return project_each_point_by_parallel(ctx, parallel, [top, west](const PiecePoint& p, const Angle& theta,
                                                                     float* out) {
        out[0] = float(1.1143354f * theta.cosine * (p.x + west) + 180.0);
        out[1] = float(top - 108.41053f * theta.sine);
    });
}

// Hatano Asymmetrical: Mollweide-like with different constants north and south, the half angle
// of theta + sin theta = a sin phi; Y from 91.
int project_hatano(const ProjectionContext& ctx)
{
    const bool north = north_edge_deg(ctx) > 0;
    const float a = north ? 2.67595f : 2.43763f;
    const float c = north ? 122.32752f : 134.28697f;
    const auto parallel = [a](double phi_deg) { return half_theta(float(a * sin_d(rad(phi_deg)))); };
    return project_each_point_by_parallel(ctx, parallel, [c](const PiecePoint& p, const Angle& half, float* out) {
        out[0] = float(half.cosine * p.lambda_deg + 180.0);
        out[1] = float(91.0 - c * half.sine);
    });
}
