// projection/globular.cpp: oval and globular maps: Bordone, Aitoff and Hammer, the Oval, the
// Globular, Apian I and II, Lagrange, Nicolosi and the gores. None of them drops a piece.
// A formula writes all ctx.count points and returns ctx.count.
#include "platform/core_assert.h"
#include "projection/conventions.h"
#include "projection/formulas.h"

// Bordone: an oval whose parallels keep their spacing and shrink by sqrt(1 - (phi / 90)^2).
int project_bordone(const ProjectionContext& ctx)
{
    const int b = 30 * ctx.band;
    const int west = west_edge_deg(ctx);
    const float* in = ctx.input;
    float* out = ctx.output;
    for (int i = 0; i < ctx.count; ++i, in += 2, out += 2) {
        const double d = float((b - 90) + double(in[1]));
        const double e = d * 0.011111111f;
        out[0] = float(sqrt_or_zero(1.0 - e * e) * (west + double(in[0])) + 180.0);
        out[1] = float(d + 90.0);
    }
    return ctx.count;
}

// the angular distance c over sin c, in degrees; 0 at the centre, where both vanish
static double aitoff_scale(double f)
{
    const Angle c = arccosine_of(f);
    return c.radians < 0.000001f ? 0.0 : c.radians * 57.29578f / c.sine;
}

static double hammer_scale(double f)
{
    return 90.0 / sqrt_d(f + 1.0);
}

// The equatorial hemisphere stretched to twice its width, with the radial scale g from
// f = cos phi cos(lambda / 2).
template <typename Scale>
static int project_stretched_hemisphere(const ProjectionContext& ctx, Scale scale)
{
    const int b = 30 * ctx.band;
    const int west = west_edge_deg(ctx);
    return project_each_point_by_lines(
        ctx, angle_line([b](double y) { return rad(y + double(b) - 90.0); }),
        angle_line([west](double x) { return rad(west + x) * 0.5; }),
        [scale](const Angle& q, const Angle& a, float* out) {
            const double g = scale(q.cosine * a.cosine);
            out[0] = float(2.0 * g * q.cosine * a.sine + 180.0);
            out[1] = float(g * q.sine + 90.0);
        });
}

// Aitoff (variant 0) and Hammer (any other variant): the equatorial azimuthal equidistant or
// equal-area hemisphere stretched to twice its width.
int project_aitoff_hammer(const ProjectionContext& ctx)
{
    if (variant_of(ctx) != 0) return project_stretched_hemisphere(ctx, hammer_scale);
    return project_stretched_hemisphere(ctx, aitoff_scale);
}

// The circular meridian through both poles and the point (f, 0) of a hemisphere of radius 1,
// f < 0 its distance from the central meridian: where it meets the parallel at height g, counted
// from the centre, as e' + sqrt(e'^2 - g^2 + 1) with e' = (1 - f^2) / 2f held in single precision.
static double meridian_arc(double f, double g)
{
    const double e = float((1.0 - f * f) / (2.0 * f));
    return e + sqrt_or_zero(e * e - g * g + 1.0);
}

// Oval: the outer display sectors (0..5, 18..23) as half-discs of radius 90 at the map's ends
// with straight parallels, the inner ones as a globular disc about (180, 90).
int project_oval(const ProjectionContext& ctx)
{
    const int a = display_sector(ctx);
    const double b = a < 12 ? 1.0 : -1.0;
    const int c = 15 * a - 180;
    const int d = 30 * ctx.band - 90;
    const float* in = ctx.input;
    float* out = ctx.output;
    if (a < 6 || a > 17) {
        for (int i = 0; i < ctx.count; ++i, in += 2, out += 2) {
            const double e = float(d + double(in[1]));
            const double f = sqrt_or_zero(8100.0 - e * e);
            out[0] = float(c + (180.0 - b * (f - 90.0)) + in[0]);
            out[1] = float(e + 90.0);
        }
        return ctx.count;
    }
    for (int i = 0; i < ctx.count; ++i, in += 2, out += 2) {
        const double e = b * (c + double(in[0])) * 0.011111111f;
        const double g = float((d + double(in[1])) * 0.011111111f);
        const double h = e > -0.000001f ? 0.0 : b * meridian_arc(e, g);
        out[0] = float(180.0 - 90.0 * h);
        out[1] = float((g + 1.0) * 90.0);
    }
    return ctx.count;
}

// Globular: the hemispheres west and east of the sector turned by 18 as two discs about (90, 90)
// and (270, 90), meridians circular arcs, parallels straight at the height cos chi.
int project_globular(const ProjectionContext& ctx)
{
    const int b = 15 * display_sector_plus(ctx, 18);
    const int c = b <= 179 ? 90 : 270;
    const double d = b < c ? 1.0 : -1.0;
    const int band_deg = 30 * ctx.band;
    const float* in = ctx.input;
    float* out = ctx.output;
    for (int i = 0; i < ctx.count; ++i, in += 2, out += 2) {
        double f = d * (b - c + double(in[0])) * 0.011111111f;
        const double g = float(cos_d(rad(band_deg + double(in[1]))));
        if (f < -0.000001f) f = d * meridian_arc(f, g);
        out[0] = float(c - 90.0 * f);
        out[1] = float(90.0 - 90.0 * g);
    }
    return ctx.count;
}

// Apian I: as the globular map, but with equally spaced parallels.
int project_apian_1(const ProjectionContext& ctx)
{
    const int b = display_sector_plus(ctx, 18);
    const int c = b < 12 ? 90 : 270;
    const int d = 15 * b - c;
    const double e = 15 * b < c ? 1.0 : -1.0;
    const int band_deg = 30 * ctx.band;
    const float* in = ctx.input;
    float* out = ctx.output;
    for (int i = 0; i < ctx.count; ++i, in += 2, out += 2) {
        double f = e * (d + double(in[0])) * 0.011111111f;
        const double g = float((band_deg - 90 + double(in[1])) * 0.011111111f);
        if (f < -0.000001f) f = e * meridian_arc(f, g);
        out[0] = float(c - 90.0 * f);
        out[1] = float((g + 1.0) * 90.0);
    }
    return ctx.count;
}

// Apian II: two discs (sectors turned by 18, below and from 12) about (90, 90) and (270, 90),
// parallels equally spaced, meridians ellipses.
int project_apian_2(const ProjectionContext& ctx)
{
    const int b = display_sector_plus(ctx, 18);
    const int c = b < 12 ? 90 : 270;
    const int d = 15 * b - c;
    const int band_deg = 30 * ctx.band;
    const float* in = ctx.input;
    float* out = ctx.output;
    for (int i = 0; i < ctx.count; ++i, in += 2, out += 2) {
        const double e = float((band_deg - 90 + double(in[1])) * 0.011111111f);
        out[0] = float(c + sqrt_or_zero(1.0 - e * e) * (d + double(in[0])));
        out[1] = float((e + 1.0) * 90.0);
    }
    return ctx.count;
}

// Lagrange: the whole world conformally in a disc of radius 90 about (180, 90), centred on the
// sector turned by 1; where 1 + f cos b vanishes the point goes onto the central meridian.
int project_lagrange(const ProjectionContext& ctx)
{
    const int west = 15 * display_sector_plus(ctx, 1) - 180;
    const int north_deg = north_edge_deg(ctx);
    const float* in = ctx.input;
    float* out = ctx.output;
    for (int i = 0; i < ctx.count; ++i, in += 2, out += 2) {
        const double a = float(rad(north_deg - double(in[1])) * 0.5);
        const double e = float(tan_d(a));
        const double f = sqrt_or_zero(1.0 - e * e);
        const double b = float(rad(west + double(in[0])) * 0.5);
        const double g = f * cos_d(b) + 1.0;
        if (abs_d(g) > 0.000001f) {
            out[0] = float(f * (1.0 / g) * sin_d(b) * 90.0 + 180.0);
            out[1] = float(90.0 - e * (1.0 / g) * 90.0);
        } else {
            out[0] = 180.0f;
            out[1] = float(90.0 - 114.59155f * a);
        }
    }
    return ctx.count;
}

struct GorePoint {
    double e;   // radians east of the gore's central meridian, after the construction
    double g;   // latitude in radians, after the construction
};

// Nicolosi's globular construction for a point of longitude e from the gore's centre and latitude
// g (radians, both away from 0 and within 1.57), with l = cos g and m = sin g: the point where the
// circular meridian meets the circular parallel, in units of pi/2.
static GorePoint globular_construction(double e, double g, double l, double m)
{
    double o = 3.1415927f / (2.0 * e) - 2.0 * e * 0.31830987f;
    double r = g * 0.63661975f;
    r = float((1.0 - r * r) / (m - r));
    const double o_r = o / r;
    double t = o_r * o_r;
    // each divisor's reciprocal once, taken side by side: the divisions are the chain's length
    const double per_t1 = 1.0 / (t + 1.0);
    const double per_t = 1.0 / t;
    o = float((o_r * m - o / 2.0) * per_t1);
    const double u = sqrt_or_zero(l * l * per_t1 + o * o);
    const double w2 = float(m * per_t);
    t = float(per_t + 1.0);
    const double per_t2 = 1.0 / t;
    const double a = float((r / 2.0 + w2) * per_t2);
    const double bq = sqrt_or_zero(a * a - ((r + w2) * m - 1.0) * per_t2);
    return { float((o + sign_of(e) * u) * 1.5707964f), (a - sign_of(g) * bq) * 1.5707964f };
}

// Nicolosi (variant 180) and Gore (variant 30): the world as globular gores variant degrees wide,
// each centred on its own meridian (90 and 270; 15, 45, ..., 345). On a gore's central meridian
// and on the equator the point keeps its own coordinates; beyond 1.57 of either the meridian
// turns into a plain cosine (longitude) or the point onto the central meridian (latitude).
int project_nicolosi_gore(const ProjectionContext& ctx)
{
    const int w = variant_of(ctx);
    CORE_ASSERT(w > 0);
    const int b = 15 * display_sector_plus(ctx, 18);
    const float d = float(w * (b / w) + w / 2);
    const int north_deg = north_edge_deg(ctx);
    const auto row = angle_line([north_deg](double y) { return rad(north_deg - y); });   // the latitude g
    const auto column = [b, d](double x) { return rad(b + x - d); };                     // e
    return project_each_point_by_lines(ctx, row, column, [d](const Angle& latitude, double e, float* out) {
        const double f = abs_d(e);
        double g = latitude.radians;
        if (f < 0.000001f) {
            e = 0.0;
        } else if (abs_d(g) < 0.000001f) {
            g = 0.0;
        } else if (f > 1.57f) {
            e = e * latitude.cosine;
            g = latitude.sine * 1.5707964f;
        } else if (abs_d(g) > 1.57f) {
            e = 0.0;
        } else {
            const GorePoint point = globular_construction(e, g, latitude.cosine, latitude.sine);
            e = point.e;
            g = point.g;
        }
        out[0] = float(d + 57.295776f * e);
        out[1] = float(90.0 - 57.295776f * g);
    });
}
