// projection/azimuthal.cpp: the azimuthal family in its polar, equatorial and oblique aspects.
// A formula writes all ctx.count points and returns ctx.count, or writes none and returns 0;
// drops are decided from band and display sector before any point is touched.
#include "platform/core_assert.h"
#include "projection/conventions.h"
#include "projection/formulas.h"

// How many display sectors (turned by 12) on each side of the far meridian an oblique view
// drops, by band 0..4; band 5 is always dropped.
static const int FAR_SIDE_ORTHOGRAPHIC[] = { 0, 1, 4, 6, 7 };
static const int FAR_SIDE_STEREOGRAPHIC[] = { 0, 0, 4, 6, 7 };

// perspective distance P, in globe radii from the centre, by variant
static const float PERSPECTIVE_DISTANCE[] = { 1.0f, 1.7071068f, 1.594f, 1.7320508f, 2.105f };

// True when an oblique view seen from 30 N hides the piece: band 5, or b = s'12 within the
// band's half-width of 12.
static bool on_far_side(const ProjectionContext& ctx, const int* half_widths, int b)
{
    if (ctx.band >= 5) return true;
    const int w = half_widths[ctx.band];
    return 12 - w <= b && b < 12 + w;
}

// Polar Orthographic: the northern hemisphere (bands 0..2) as a disc about (90, 90), the southern
// about (270, 90), radius 90. Never drops a piece.
int project_polar_orthographic(const ProjectionContext& ctx)
{
    const int sector = display_sector(ctx);
    const int b = 30 * ctx.band;
    const double sigma = b < 89 ? -1.0 : 1.0;
    return project_each_point_by_lines(
        ctx, [b](double y) { return sin_d(rad(b + y)); },
        angle_line([sector](double x) { return rad(15.0 * sector + x); }),
        [sigma](double d, const Angle& a, float* out) {
            out[0] = float((sigma - d * a.sine) * 90.0 + 180.0);
            out[1] = float(d * 90.0 * sigma * a.cosine + 90.0);
        });
}

// Equatorial Orthographic: the hemispheres west and east of the sector turned by 18 as two discs
// about (90, 90) and (270, 90). Never drops a piece.
int project_equatorial_orthographic(const ProjectionContext& ctx)
{
    const int d = display_sector_plus(ctx, 18);
    const double side = d < 12 ? -1.0 : 1.0;
    const int b = 30 * ctx.band;
    return project_each_point_by_lines(
        ctx, angle_line([b](double y) { return rad(b + y); }), [d](double x) { return cos_d(rad(15.0 * d + x)); },
        [side](const Angle& c, double cos_l, float* out) {
            out[0] = float(side * (cos_l * c.sine + 1.0) * 90.0 + 180.0);
            out[1] = float(90.0 - 90.0 * c.cosine);
        });
}

// Oblique Orthographic, the globe seen from 30 N above longitude 0 (also the application icon):
// a disc of radius 90 about (180, 90). Drops band 5 and the far-side pieces of bands 1..4;
// a kept point behind the horizon is pushed out onto the rim.
int project_oblique_orthographic(const ProjectionContext& ctx)
{
    const int b = display_sector_plus(ctx, 12);
    if (on_far_side(ctx, FAR_SIDE_ORTHOGRAPHIC, b)) return 0;
    const int turned = 15 * ((b + 6) % SECTOR_COUNT);
    const int band_deg = 30 * ctx.band;
    return project_each_point_by_lines(
        ctx, angle_line([band_deg](double y) { return rad(band_deg + y); }),
        angle_line([turned](double x) { return rad(turned + x); }), [](const Angle& c, const Angle& l, float* out) {
            const double d = -c.sine * l.sine;
            const double e = 0.8660254f * d - 0.5 * c.cosine;
            const double f = 1.0 / sqrt_d(1.0 - e * e);
            const double g = float(-c.sine * l.cosine);
            const double d2 = 0.5 * d + 0.8660254f * c.cosine;
            if (e > 0.0) {
                out[0] = float(f * g * 90.0 + 180.0);
                out[1] = float(90.0 - d2 * f * 90.0);
            } else {
                out[0] = float(90.0 * g + 180.0);
                out[1] = float(90.0 - 90.0 * d2);
            }
        });
}

// Polar Gnomonic of the northern hemisphere about (180, 90); colatitudes beyond 80 are held at
// the radius 50 tan 80. Drops bands 3..5.
int project_polar_gnomonic(const ProjectionContext& ctx)
{
    const int b = 30 * ctx.band;
    if (b > 88) return 0;
    const int turned = 15 * display_sector_plus(ctx, 18);
    return project_each_point_by_lines(
        ctx, [b](double y) { return 50.0 * tan_d(rad(min_f(float(b + y), 80.0f))); },
        angle_line([turned](double x) { return float(rad(turned + x)); }), [](double e, const Angle& a, float* out) {
            out[0] = float(180.0 - e * a.cosine);
            out[1] = float(e * a.sine + 90.0);
        });
}

// Equatorial Gnomonic: the ten display sectors (turned by 18) 1..10 of bands 1..4, where the
// tangents stay finite. Drops every other piece.
int project_equatorial_gnomonic(const ProjectionContext& ctx)
{
    const int b = display_sector_plus(ctx, 18);
    if (b == 0 || b > 10 || ctx.band == 0 || ctx.band == 5) return 0;
    const int band_deg = 30 * ctx.band;
    return project_each_point_by_lines(
        ctx, [band_deg](double y) { return 60.0 * tan_d(rad(band_deg + y - 90.0)); },
        angle_line([b](double x) { return rad(15.0 * b + x - 90.0); }), [](double t, const Angle& a, float* out) {
            out[0] = float(60.0 * (a.sine / a.cosine) + 180.0);
            out[1] = float(t / a.cosine + 90.0);
        });
}

// Oblique Gnomonic of the northern hemisphere seen from 30 N, in this program's own form (its Y
// adds 0.5 S G to D H); the scale G is capped at 250, and a point at or behind the horizon
// (f <= 0) gets G = H = 250. Drops bands 4 and 5.
int project_oblique_gnomonic(const ProjectionContext& ctx)
{
    const int b = 30 * ctx.band;
    if (b - 90 > 0) return 0;
    const int west = west_edge_deg(ctx);
    const auto row = angle_line([b](double y) { return rad(b - 90 + y); }, [](double, const Angle& q) {
        return Angle{q.radians, double(float(q.sine)), double(float(q.cosine))};
    });
    const auto column = angle_line([west](double x) { return double(float(rad(west + x))); }, [](double, const Angle& l) {
        return Angle{l.radians, l.sine, double(float(l.cosine))};
    });
    return project_each_point_by_lines(ctx, row, column, [](const Angle& q, const Angle& l, float* out) {
        const double cos_l = l.cosine;
        const double cos_q = q.cosine;
        const double sin_q = q.sine;
        const double f = 0.5 * cos_l * cos_q - 0.8660254f * sin_q;
        double g = 250.0;
        double h = 250.0;
        if (f > 0.0) {
            g = min_f(float(35.0 / f), 250.0f);
            h = cos_q * g;
        }
        out[0] = float(h * l.sine + 180.0);
        out[1] = float(0.5 * sin_q * g + cos_l * h + 90.0);
    });
}

// Polar perspective maps (Polar Stereographic 0, Polar Perspective Azimuthal 1, Parent I-III 2-4):
// each hemisphere seen from P globe radii beyond the opposite pole; the north as a disc about
// (90, 90), the south about (270, 90). Never drops a piece.
int project_polar_perspective(const ProjectionContext& ctx)
{
    const int variant = variant_of(ctx);
    CORE_ASSERT(variant >= 0 && variant < 5);
    const double p = PERSPECTIVE_DISTANCE[variant];
    const int e = 30 * ctx.band - 90;
    const double sigma = e < 0 ? 1.0 : -1.0;
    const int west = west_edge_deg(ctx);
    const auto row = angle_line([e](double y) { return rad(90.0 - abs_d(e + y)); },   // from the nearer pole
                                [p](double, const Angle& c) { return 90.0 * p * float(c.sine) / (p + c.cosine); });
    return project_each_point_by_lines(
        ctx, row, angle_line([west](double x) { return rad(west + x); }), [sigma](double r, const Angle& a, float* out) {
            out[0] = float((2.0 - sigma) * 90.0 + r * a.sine);
            out[1] = float(r * sigma * a.cosine + 90.0);
        });
}

// Equatorial Stereographic: the hemispheres west and east of the sector turned by 18 as two discs
// about (90, 90) and (270, 90). Never drops a piece.
int project_equatorial_stereographic(const ProjectionContext& ctx)
{
    const int d = display_sector_plus(ctx, 18);
    const double e = d < 12 ? 1.0 : -1.0;
    const int b = 30 * ctx.band;
    const auto row = angle_line([b](double y) { return rad(b - 90 + y); }, [](double, const Angle& q) {
        return Angle{q.radians, q.sine, double(float(q.cosine))};
    });
    return project_each_point_by_lines(
        ctx, row, angle_line([e, d](double x) { return e * rad(15.0 * d + x); }),
        [e](const Angle& q, const Angle& a, float* out) {
            const double f = q.cosine;
            const double g = 1.0 / (a.sine * f + 1.0);
            out[0] = float(180.0 - e * (g * f * a.cosine + 1.0) * 90.0);
            out[1] = float((g * q.sine + 1.0) * 90.0);
        });
}

// Oblique Stereographic, seen from 30 N above longitude 0: a disc of radius 90 about (180, 90),
// every quantity held in single precision. Drops band 5 and the far-side pieces of bands 2..4;
// a kept point beyond the rim is pulled onto it.
int project_oblique_stereographic(const ProjectionContext& ctx)
{
    const int b = display_sector_plus(ctx, 12);
    if (on_far_side(ctx, FAR_SIDE_STEREOGRAPHIC, b)) return 0;
    const int band_deg = 30 * ctx.band;
    const auto row = angle_line([band_deg](double y) { return double(float(rad(band_deg - 90 + y))); },
                                [](double, const Angle& p) {
                                    return Angle{p.radians, double(float(p.sine)), double(float(p.cosine))};
                                });
    const auto column = angle_line([b](double x) { return double(float(rad(15.0 * b + x))); });
    return project_each_point_by_lines(ctx, row, column, [](const Angle& p, const Angle& l, float* out) {
        const float d = float(p.sine);
        const float q = float(p.cosine);
        const float e = float(l.cosine * q);
        const float f = float(1.0 / (1.0 - 0.5 * d + 0.8660254f * double(e)));
        const float g = float(double(f) * (0.8660254f * double(d) + 0.5 * e));
        const float h = float(double(q) * f * l.sine);
        const float l2 = float(double(g) * g + double(h) * h);
        if (l2 > 1.0f) {
            const float m = float(1.0 / sqrt_d(l2));   // only here: L is 0 at the centre
            out[0] = float(double(h) * m * 90.0 + 180.0);
            out[1] = float((double(g) * m + 1.0) * 90.0);
        } else {
            out[0] = float(90.0 * h + 180.0);
            out[1] = float((double(g) + 1.0) * 90.0);
        }
    });
}

// Polar Azimuthal Equidistant: each hemisphere about its pole, the north centred at (90, 90), the
// south at (270, 90); the radius is the distance from that pole in degrees. Never drops a piece.
int project_polar_azimuthal_equidistant(const ProjectionContext& ctx)
{
    const int e = 30 * ctx.band - 90;
    const double sigma = e < 0 ? 1.0 : -1.0;
    const int turned = 15 * display_sector_plus(ctx, 12);
    const float* in = ctx.input;
    float* out = ctx.output;
    for (int i = 0; i < ctx.count; ++i, in += 2, out += 2) {
        const double f = sigma * (e + double(in[1])) + 90.0;
        const double a = rad(turned + double(in[0]));
        out[0] = float(f * sin_d(a) + 180.0 - 90.0 * sigma);
        out[1] = float(f * sigma * cos_d(a) + 90.0);
    }
    return ctx.count;
}

// The same, interrupted: the north as one disc about (180, 90), the south split at display sector
// 12 into two half-discs about (0, 90) and (360, 90). Never drops a piece.
int project_polar_azimuthal_equidistant_interrupted(const ProjectionContext& ctx)
{
    const int a0 = 30 * ctx.band - 90;
    const int b = display_sector(ctx);
    const int c = a0 < 0 ? 180 : b < 12 ? 0 : 360;
    const double d = a0 < 0 ? 1.0 : -1.0;
    const float* in = ctx.input;
    float* out = ctx.output;
    for (int i = 0; i < ctx.count; ++i, in += 2, out += 2) {
        const double e = d * (a0 + double(in[1])) + 90.0;
        const double a = rad(c + 15 * b + double(in[0]));
        out[0] = float(c + e * sin_d(a));
        out[1] = float(e * d * cos_d(a) + 90.0);
    }
    return ctx.count;
}

// The same, worldwide: one disc about the North Pole at (180, 90), radius half the colatitude.
// Never drops a piece.
int project_polar_azimuthal_equidistant_worldwide(const ProjectionContext& ctx)
{
    const int b = 30 * ctx.band;
    const int turned = 15 * display_sector_plus(ctx, 12);
    const float* in = ctx.input;
    float* out = ctx.output;
    for (int i = 0; i < ctx.count; ++i, in += 2, out += 2) {
        const double d = (b + double(in[1])) / 2.0;
        const double a = rad(turned + double(in[0]));
        out[0] = float(d * sin_d(a) + 180.0);
        out[1] = float(d * cos_d(a) + 90.0);
    }
    return ctx.count;
}

// Equatorial Azimuthal Equidistant: two hemispheres (display sectors turned by 18, below and from
// 12) about (90, 90) and (270, 90); a hemisphere's centre itself stays there. Never drops a piece.
int project_equatorial_azimuthal_equidistant(const ProjectionContext& ctx)
{
    const int a0 = 15 * display_sector_plus(ctx, 18);
    const int b = a0 < 180 ? 90 : 270;
    const int band_deg = 30 * ctx.band;
    return project_each_point_by_lines(
        ctx, angle_line([band_deg](double y) { return rad(y + double(band_deg) - 90.0); }),
        angle_line([a0, b](double x) { return rad(a0 + x - b); }), [b](const Angle& q, const Angle& a, float* out) {
            const Angle c = arccosine_of(q.cosine * a.cosine);
            const double g = c.radians < 0.000001f ? 0.0 : c.radians * 57.29578f / c.sine;
            out[0] = float(b + g * q.cosine * a.sine);
            out[1] = float(g * q.sine + 90.0);
        });
}

// The variants of the polar azimuthal equal-area map: h = (h + coefficient x g^power) x scale and
// the azimuth turned back by twist x g.
struct EqualAreaShape {
    float twist;
    float coefficient;
    int power;
    float scale;
};

// by variant
static const EqualAreaShape POLAR_EQUAL_AREA_SHAPES[] = {
    { 0.0f, 0.0f, 0, 1.0f },             // 0 Polar Azimuthal Equal-Area
    { 0.5f, 0.0f, 0, 1.0f },             // 1 Wiechel: a = a - g/2
    { 0.0f, 0.042f, 9, 0.9735489f },     // 2 Ginzburg I
    { 0.0f, 0.01591f, 10, 0.98409f },    // 3 Ginzburg II
};

static double power_of(double g, int n)
{
    double p = 1.0;
    for (int i = 0; i < n; ++i) p *= g;
    return p;
}

// Polar Azimuthal Equal-Area and its relatives (Wiechel 1, Ginzburg I 2, Ginzburg II 3): the
// north (bands 0..2) as a disc about (90, 90), the south about (270, 90). Never drops a piece.
int project_polar_azimuthal_equal_area(const ProjectionContext& ctx)
{
    const int variant = variant_of(ctx);
    CORE_ASSERT(variant >= 0 && variant < 4);
    const EqualAreaShape& shape = POLAR_EQUAL_AREA_SHAPES[variant];
    const int e = north_edge_deg(ctx);
    const double sigma = e > 0 ? 1.0 : -1.0;
    const int sector = display_sector(ctx);
    const float* in = ctx.input;
    float* out = ctx.output;
    for (int i = 0; i < ctx.count; ++i, in += 2, out += 2) {
        const double g = rad(90.0 - sigma * (e - double(in[1])));   // from the nearer pole
        double h = 127.27922f * sin_d(g / 2.0);
        const double a = rad(15.0 * sector + in[0]) - shape.twist * g;
        if (shape.power > 0) h = (h + shape.coefficient * power_of(g, shape.power)) * shape.scale;
        out[0] = float(180.0 - h * sin_d(a) - 90.0 * sigma);
        out[1] = float(90.0 - h * sigma * cos_d(a));
    }
    return ctx.count;
}

// Equatorial Azimuthal Equal-Area: two hemispheres (display sectors turned by 18, below and from
// 12) about (90, 90) and (270, 90). Never drops a piece.
int project_equatorial_azimuthal_equal_area(const ProjectionContext& ctx)
{
    const int d = display_sector_plus(ctx, 18);
    const int centre = d < 12 ? 90 : 270;
    const int north_deg = north_edge_deg(ctx);
    const auto row = angle_line([north_deg](double y) { return rad(north_deg - y); }, [](double, const Angle& p) {
        return Angle{p.radians, p.sine, double(float(p.cosine))};
    });
    return project_each_point_by_lines(
        ctx, row, angle_line([d, centre](double x) { return rad(15.0 * d + x - centre); }),
        [centre](const Angle& p, const Angle& a, float* out) {
            const double f = p.cosine;
            const double g = 90.0 * sqrt_d(1.0 / (a.cosine * f + 1.0));
            out[0] = float(centre + g * f * a.sine);
            out[1] = float(90.0 - g * p.sine);
        });
}
