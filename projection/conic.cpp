// projection/conic.cpp: the conic family, Ptolemy's two maps and the pseudoconics (Bonne,
// Stabius-Werner, Double Cordiform). A formula writes all ctx.count points and returns
// ctx.count, or writes none and returns 0; drops are decided before any point is touched.
#include "platform/core_assert.h"
#include "projection/conventions.h"
#include "projection/formulas.h"

// rad(t / 180), multiplied in the order t x 0.0055555557 x 3.1415927 x 0.0055555557: the cone
// angle of t = longitude x (the cone's degrees per 180 degrees of longitude)
static double rad_per_180(double t)
{
    return t * 0.0055555557f * 3.1415927f * 0.0055555557f;
}

// Simple conic of the northern world: radius 1.14 x (colatitude + 25), capped at 125, about an
// apex at (180, 37.5); the cone angle is 105/180 of the longitude. Drops bands 4 and 5.
int project_simple_conic(const ProjectionContext& ctx)
{
    const int b = 30 * ctx.band;
    if (b + 25 > 115) return 0;
    const int west = west_edge_deg(ctx);
    const float* in = ctx.input;
    float* out = ctx.output;
    for (int i = 0; i < ctx.count; ++i, in += 2, out += 2) {
        const double f = min_f(float(b + 25 + double(in[1])), 125.0f);
        const double a = float(rad_per_180((west + double(in[0])) * 105.0));
        out[0] = float(1.14f * f * sin_d(a) + 180.0);
        out[1] = float(1.14f * f * cos_d(a) + 37.5);
    }
    return ctx.count;
}

// Equidistant conic: radius 1.11 x colatitude, capped at 128, about (180, 37.5), cone angle as
// in the simple conic. Drops band 5.
int project_equidistant_conic(const ProjectionContext& ctx)
{
    if (ctx.band == 5) return 0;
    const int b = 30 * ctx.band;
    const int west = west_edge_deg(ctx);
    const float* in = ctx.input;
    float* out = ctx.output;
    for (int i = 0; i < ctx.count; ++i, in += 2, out += 2) {
        const double e = min_f(float(b + double(in[1])), 128.0f);
        const double a = float(rad_per_180((west + double(in[0])) * 105.0));
        out[0] = float(1.11f * e * sin_d(a) + 180.0);
        out[1] = float(1.11f * e * cos_d(a) + 37.5);
    }
    return ctx.count;
}

// The radius of a cone point at latitude p (radians) for cone constants n and k; root_n is
// sqrt(n), worked out once per piece.
typedef double (*ConicRadius)(double p, double n, double k, double root_n);

static double radius_linear(double p, double, double k, double)
{
    return 180.0 * (k - p) / k;
}

// never negative: the pole itself sits on the apex
static double radius_tangent_a(double p, double, double k, double)
{
    const double q = k + tan_d(0.7853982f - p);
    return 180.0 * (q > 0.0 ? q : 0.0) / (k + 1.0);
}

static double radius_tangent_b(double p, double, double k, double)
{
    return 183.0 * k * (1.0 - tan_d(p - 0.7853982f)) / (k + 1.0);
}

// The rules that start from one sine: the angle it is taken of, from the latitude p, and the radius
// from that sine, so that a batch's sines are taken together.
typedef double (*SineAngle)(double p);
typedef double (*RadiusOfSine)(double sine, double n, double k, double root_n);

static double latitude_itself(double p) { return p; }
static double half_colatitude(double p) { return 0.78539816339744831 - 0.5 * p; }

// 180 sqrt(2 (1 - sin p) / n) / k, with 1 - sin p = 2 sin^2(pi/4 - p/2): no root to take
static double radius_square_root(double sine_of_half_colatitude, double, double k, double root_n)
{
    return 360.0 * abs_d(sine_of_half_colatitude) / (root_n * k);
}

// the latitude is held below pi/2 so that the tangent stays finite; 180 / t^n as
// 180 e^(-n ln t), the library's power being slower than its logarithm and exponential together
static double radius_conformal(double p, double n, double, double)
{
    return 180.0 * exp_d(-n * log_d(tan_d(min_f(float(p), 1.5707963f) / 2.0 + 0.7853982f)));
}

static double radius_equal_area(double sine_of_latitude, double n, double k, double)
{
    return 102.7f * sqrt_d(k - 2.0 * n * sine_of_latitude) / n;
}

struct ConicConstants {
    float n;                      // cone constant: the map angle per radian of longitude
    float k;                      // the radius rule's own constant
    ConicRadius radius;           // the rule, or for rules from a sine:
    SineAngle sine_angle;
    RadiusOfSine radius_of_sine;
};

// by variant
static const ConicConstants CONIC_CONSTANTS[] = {
    { 0.63661975f, 1.7334576f, radius_linear, nullptr, nullptr },                 // 0 Euler
    { 0.70710677f, 1.6857145f, radius_linear, nullptr, nullptr },                 // 1 Murdoch I
    { 0.59460354f, 0.84089643f, radius_tangent_a, nullptr, nullptr },             // 2 Murdoch II
    { 0.81056947f, 1.5707964f, radius_linear, nullptr, nullptr },                 // 3 Murdoch III
    { 0.70710677f, 0.96592581f, radius_tangent_b, nullptr, nullptr },             // 4 Perspective Conic
    { 0.70710677f, 1.6817929f, nullptr, half_colatitude, radius_square_root },    // 5 Tissot
    { 0.70710677f, 1.5707964f, radius_linear, nullptr, nullptr },                 // 6 Vitkovskiy II
    { 0.71556687f, 0.0f, radius_conformal, nullptr, nullptr },                    // 7 Conformal Conic
    { 0.68301272f, 1.4330127f, nullptr, latitude_itself, radius_equal_area },     // 8 Albers Equal-Area Conic
};

// Conics of the northern hemisphere, longitudes -90..90, apex at the middle of the top edge.
// Drops bands 3..5 and display sectors outside 6..17.
int project_conic(const ProjectionContext& ctx)
{
    const int sector = display_sector(ctx);
    const int north_deg = north_edge_deg(ctx);
    if (north_deg <= 0 || sector < 6 || sector > 17) return 0;
    const int variant = variant_of(ctx);
    CORE_ASSERT(variant >= 0 && variant < 9);
    const ConicConstants& cone = CONIC_CONSTANTS[variant];
    const int west = west_edge_deg(ctx);
    const double root_n = sqrt_d(cone.n);
    const auto column = angle_line([&cone, west](double x) { return double(float(cone.n * rad(west + x))); });
    const auto point = [](double g, const Angle& a, float* out) {
        out[0] = float(180.0 + g * a.sine);
        out[1] = float(g * a.cosine);
    };
    if (cone.radius_of_sine) {
        const auto row = angle_line([&cone, north_deg](double y) { return cone.sine_angle(rad(north_deg - y)); },
                                    [&cone, root_n](double, const Angle& a) {
                                        return cone.radius_of_sine(a.sine, cone.n, cone.k, root_n);
                                    });
        return project_each_point_by_lines(ctx, row, column, point);
    }
    const auto row = [&cone, north_deg, root_n](double y) { return cone.radius(rad(north_deg - y), cone.n, cone.k, root_n); };
    return project_each_point_by_lines(ctx, row, column, point);
}

// Ptolemy's maps show display sectors 6..17 of the sector turned by 20 (L = -90..75), and
// nothing south of band 3.
static bool outside_ptolemy_world(const ProjectionContext& ctx, int l)
{
    return l < -90 || l > 89 || ctx.band > 3;
}

// Ptolemy I: a simple conic about (180, -23); in band 3 the radius stops at 16.4 degrees south
// of the equator and the meridians bend in.
int project_ptolemy_1(const ProjectionContext& ctx)
{
    const int l = 15 * display_sector_plus(ctx, 20) - 180;
    if (outside_ptolemy_world(ctx, l)) return 0;
    const int b = 30 * ctx.band;
    const float* in = ctx.input;
    float* out = ctx.output;
    for (int i = 0; i < ctx.count; ++i, in += 2, out += 2) {
        const double x = in[0];
        double r;
        double a;
        if (ctx.band == 3) {
            const double t = min_f(in[1], 16.416666f);
            r = (t + 115.0) * 1.54f;
            a = rad_per_180((105.0 - 2.0 * t) * (x + l));
        } else {
            r = (b + 25 + double(in[1])) * 1.54f;
            a = rad_per_180((l + x) * 105.0);
        }
        out[0] = float(r * sin_d(a) + 180.0);
        out[1] = float(r * cos_d(a) - 23.0);
    }
    return ctx.count;
}

// Ptolemy II: circles about (180, -213) for colatitudes 27..106.4 (held there), the angle of a
// meridian scaled by 4 sqrt(1 - u^2) - 2. Same drops as Ptolemy I.
int project_ptolemy_2(const ProjectionContext& ctx)
{
    const int l = 15 * display_sector_plus(ctx, 20) - 180;
    if (outside_ptolemy_world(ctx, l)) return 0;
    const int b = 30 * ctx.band;
    const float* in = ctx.input;
    float* out = ctx.output;
    for (int i = 0; i < ctx.count; ++i, in += 2, out += 2) {
        const double c = b + double(in[1]);
        const double d = c < 27.0 ? 27.0 : double(min_f(float(c), 106.416664f));
        const double e = (d + 90.0) * 2.0;
        const double u = (d + 23.0) * 0.011111111f - 1.0;
        const double a = (4.0 * sqrt_d(1.0 - u * u) - 2.0) * (l + double(in[0])) * 0.16666667f * 3.1415927f
                         * 0.0055555557f;
        out[0] = float(e * sin_d(a) + 180.0);
        out[1] = float(e * cos_d(a) - 213.0);
    }
    return ctx.count;
}

// Bonne: latitudes held to -40..80; drops display sectors 0, 1, 22, 23 and band 5.
int project_bonne(const ProjectionContext& ctx)
{
    const int west = west_edge_deg(ctx);
    const int b = 30 * ctx.band;
    if (west < -150 || west > 149 || b - 90 > 30) return 0;
    const float* in = ctx.input;
    float* out = ctx.output;
    for (int i = 0; i < ctx.count; ++i, in += 2, out += 2) {
        const double v = (b - 90) + double(in[1]);   // minus the latitude
        const double a = rad(v < -80.0 ? -80.0 : double(min_f(float(v), 40.0f)));
        const double h = a + 1.75282f;
        const double l = 64.0 * h;
        const double t = cos_d(a) * rad(west + double(in[0])) / h;
        out[0] = float(l * sin_d(t) + 180.0);
        out[1] = float(l * cos_d(t) + 23.0);
    }
    return ctx.count;
}

struct PolarPoint {
    double radius;
    double angle;
};

// The polar point of a Stabius-Werner variant from f = minus the latitude and a = the
// longitude (both radians).
typedef PolarPoint (*StabiusWernerCone)(double f, double a);

static PolarPoint stabius_werner_1(double f, double a)
{
    const double h = 2.0 * f + 3.14159f;
    return { 24.6f * h, 3.1415927f * a * cos_d(f) / h };
}

static PolarPoint stabius_werner_2(double f, double a)
{
    const double g = cos_d(f);
    f = f + 1.5708f;
    return { 43.0 * f, a * g / f };
}

// on the apex the angle is 0; elsewhere it is held to [-pi, pi]
static PolarPoint stabius_werner_3(double f, double a)
{
    const double g = cos_d(f);
    f = float(f + 1.5471976f);
    double angle = 0.0;
    if (abs_d(f) >= 0.000001f) {
        angle = a * g / f;
        angle = angle < -3.1415927f ? double(-3.1415927f) : angle > 3.1415927f ? double(3.1415927f) : angle;
    }
    return { 43.0 * f, angle };
}

struct StabiusWernerShape {
    StabiusWernerCone cone;
    double y_offset;   // the apex's Y
};

// by variant - 1
static const StabiusWernerShape STABIUS_WERNER_SHAPES[] = {
    { stabius_werner_1, 25.0 },
    { stabius_werner_2, 41.0 },
    { stabius_werner_3, 41.0 },
};

// Stabius-Werner I to III (variant 1..3): heart-shaped pseudoconics with the North Pole near the
// apex. Variant 1 shows display sectors 6..17 only.
int project_stabius_werner(const ProjectionContext& ctx)
{
    const int variant = variant_of(ctx);
    CORE_ASSERT(variant >= 1 && variant <= 3);
    const int sector = display_sector(ctx);
    if (variant == 1 && (sector < 6 || sector > 17)) return 0;
    const StabiusWernerShape& shape = STABIUS_WERNER_SHAPES[variant - 1];
    const int west = west_edge_deg(ctx);
    const int b = 30 * ctx.band;
    const float* in = ctx.input;
    float* out = ctx.output;
    for (int i = 0; i < ctx.count; ++i, in += 2, out += 2) {
        const double f = 3.1415927f * ((b - 90) + double(in[1])) * 0.0055555557f;
        const double a = 3.1415927f * (west + double(in[0])) * 0.0055555557f;
        const PolarPoint point = shape.cone(f, a);
        out[0] = float(point.radius * sin_d(point.angle) + 180.0);
        out[1] = float(point.radius * cos_d(point.angle) + shape.y_offset);
    }
    return ctx.count;
}

// Double Cordiform: each hemisphere a heart about its pole, the north centred at x = 90, the
// south at x = 270. Never drops a piece.
int project_double_cordiform(const ProjectionContext& ctx)
{
    const int d = 30 * ctx.band - 90;
    const double side = d < 0 ? -1.0 : 1.0;
    const int west = west_edge_deg(ctx);
    const float* in = ctx.input;
    float* out = ctx.output;
    for (int i = 0; i < ctx.count; ++i, in += 2, out += 2) {
        const double a = rad(d + double(in[1]));
        const double e = 1.5708f - abs_d(a);
        const double f = 57.2f * e;
        const double t = cos_d(a) * rad(west + double(in[0])) / e;
        out[0] = float(side * (90.0 - f * cos_d(t)) + 180.0);
        out[1] = float(90.0 - f * sin_d(t));
    }
    return ctx.count;
}
