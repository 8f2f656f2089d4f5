// projection/cylindrical.cpp: Mercator, the cylindrical equal-area map and the transverse family.
// A formula writes all ctx.count points and returns ctx.count, or writes none and returns 0.
#include "platform/core_assert.h"
#include "projection/conventions.h"
#include "projection/formulas.h"

// Mercator; latitudes beyond 83.3 N and 74 S are flattened onto the top and bottom edges.
int project_mercator(const ProjectionContext& ctx)
{
    set_longitudes(ctx);
    const float north_deg = float(north_edge_deg(ctx));
    const float* in = ctx.input;
    float* out = ctx.output;
    for (int i = 0; i < ctx.count; ++i, in += 2, out += 2) {
        const double phi_deg = north_deg - double(in[1]);
        const double v = phi_deg < -74.0 ? -74.0 : double(min_f(float(phi_deg), 83.3f));
        out[1] = float(106.5 - 37.6f * log_d(tan_d(rad(v * 0.5 + 45.0))));
    }
    return ctx.count;
}

// Lambert's cylindrical equal-area map: Y = 90 - 90 sin phi. Never drops a piece.
int project_cylindrical_equal_area(const ProjectionContext& ctx)
{
    set_longitudes(ctx);
    const int north_deg = north_edge_deg(ctx);
    const float* in = ctx.input;
    float* out = ctx.output;
    for (int i = 0; i < ctx.count; ++i, in += 2, out += 2)
        out[1] = float(90.0 - 90.0 * sin_d(rad(north_deg - double(in[1]))));
    return ctx.count;
}

// The distance from the map's horizontal axis (before 90 - h) of a transverse projection, from
// cos p (the latitude), cos p3 (the latitude clamped below pi/2), sin q and the turned sector c.
typedef double (*TransverseDistance)(double cos_p, double cos_p3, double g, int c);

static double transverse_equidistant(double cos_p, double, double g, int)
{
    return 58.250706f * asin_d(cos_p * g);
}

// the argument of the logarithm is kept finite by |Z| <= 0.7616
static double transverse_mercator(double cos_p, double, double g, int)
{
    const double z = cos_p * g;
    const double l = z < -0.7616f ? double(-0.7616f) : z > 0.7616f ? double(0.7616f) : z;
    return 45.0 * log_d((1.0 + l) / (1.0 - l));
}

static double transverse_equal_area(double cos_p, double, double g, int)
{
    return 90.0 * (cos_p * g);
}

// tan of the angular distance from the central great circle; beyond 1e-12 of its pole the
// point goes just off the map's top or bottom edge
static double transverse_central(double, double cos_p3, double g, int c)
{
    const double l = cos_p3;
    const double m = 1.0 - l * l * (g * g);
    if (m > 1e-12f) return 90.0 * l * g / sqrt_d(m);
    return c < 12 ? 91.0 : -91.0;
}

// by variant: 0 equidistant, 1 Mercator, 2 equal-area, 3 central
static const TransverseDistance TRANSVERSE_DISTANCES[] = {
    transverse_equidistant, transverse_mercator, transverse_equal_area, transverse_central,
};

// p3: the latitude p clamped below pi/2, in single precision
static float latitude_in_single(double p) { return p < -1.5707963f ? -1.5707963f : min_f(float(p), 1.5707963f); }

struct TransverseRow {
    double p;          // the latitude
    double cos_p;
    Angle latitude;    // p3: the latitude clamped below pi/2, in single precision
};

// Transverse cylindrical maps (variant 0..3); the meridian of the display sector turned by 13
// is the map's horizontal axis. Points on the equator get X = 180, 0 or 360 by their side of
// the globe; Y is clamped to [-1, 181]. Never drops a piece. With cos p3 > 0,
// atan2(tan p3, cos q) = atan2(sin p3, cos p3 cos q); cos p follows from p3 by Taylor's terms
// to the second (p - p3 is a rounding to single or the clamp, below 2e-7).
int project_transverse_cylindrical(const ProjectionContext& ctx)
{
    const int variant = variant_of(ctx);
    CORE_ASSERT(variant >= 0 && variant < 4);
    const TransverseDistance distance = TRANSVERSE_DISTANCES[variant];
    const int c = display_sector_plus(ctx, 13);
    const int north_deg = north_edge_deg(ctx);
    const double equator_x = (c < 6 || c > 17) ? 180.0 : north_deg > 0 ? 0.0 : 360.0;
    const auto row_build = [north_deg](double y, const Angle& latitude) {
        const double p = rad(north_deg - y);
        const double d = p - latitude.radians;
        const double cos_p = latitude.cosine - d * latitude.sine - 0.5 * d * d * latitude.cosine;
        return TransverseRow{p, cos_p, latitude};
    };
    const auto row = angle_line([north_deg](double y) { return double(latitude_in_single(rad(north_deg - y))); }, row_build);
    const auto column = angle_line([c](double x) { return double(float(rad(15.0 * c + x))); });
    return project_each_point_by_lines(ctx, row, column, [=](const TransverseRow& r, const Angle& q, float* out) {
        const double f = 57.295776f * arctangent_of(r.latitude.sine, r.latitude.cosine * q.cosine);
        out[0] = float(abs_d(r.p) > 0.000001f ? 180.0 - f : equator_x);
        const double y = 90.0 - distance(r.cos_p, r.latitude.cosine, q.sine, c);
        out[1] = y < -1.0 ? -1.0f : min_f(float(y), 181.0f);
    });
}
