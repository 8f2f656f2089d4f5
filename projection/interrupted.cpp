// projection/interrupted.cpp: maps cut into lobes (the sinusoidal and Mollweide family with its
// interrupted layouts) and into star arms (Petermann, Berghaus).
#include "projection/conventions.h"
#include "projection/formulas.h"

// Central X of each lobe divided by 1.5, per layout 0..4 and half (north: bands 0..2,
// south: bands 3..5), indexed by the shifted sector j.
static const unsigned char LOBE_CENTRES[5][2][SECTOR_COUNT] = {
    {{120, 120, 120, 120, 120, 120, 120, 120, 120, 120, 120, 120, 120, 120, 120, 120, 120, 120, 120, 120, 120, 120, 120, 120},    // 0
     {120, 120, 120, 120, 120, 120, 120, 120, 120, 120, 120, 120, 120, 120, 120, 120, 120, 120, 120, 120, 120, 120, 120, 120}},
    {{ 53,  53,  53,  53,  53,  53,  53,  53,  53, 160, 160, 160, 160, 160, 160, 160, 160, 160, 160, 160, 160, 160, 160, 160},   // 1
     { 12,  12,  12,  12,  12,  80,  80,  80,  80,  80,  80, 133, 133, 133, 133, 133, 133, 220, 220, 220, 220, 220, 220, 220}},
    {{ 53,  53,  53,  53,  53,  53,  53,  53,  53, 140, 140, 140, 140, 140, 140, 140, 140, 140, 140, 140, 140, 140, 140, 140},   // 2
     { 12,  12,  12,  12,  12,  80,  80,  80,  80,  80,  80, 133, 133, 133, 133, 133, 133, 214, 214, 214, 214, 214, 214, 214}},
    {{ 30,  30,  30,  30,  30,  30, 116, 116, 116, 116, 116, 116, 116, 116, 116, 116, 210, 210, 210, 210, 210, 210, 210, 210},   // 3
     { 50,  50,  50,  50,  50,  50,  50,  50, 138, 138, 138, 138, 138, 138, 138, 138, 138, 138, 138, 217, 217, 217, 217, 217}},
    {{ 53,  53,  53,  53,  53,  53,  53,  53,  53,  53, 160, 160, 160, 160, 160, 160, 160, 160, 160, 160, 160, 160, 160, 160},   // 4
     { 26,  26,  26,  26,  26,  80,  80,  80,  80,  80,  80, 133, 133, 133, 133, 133, 133, 214, 214, 214, 214, 214, 214, 214}},
};
// sectors added before the lobe lookup, per layout
static const unsigned char LAYOUT_SECTOR_SHIFTS[5] = {0, 0, 0, 11, 0};

// What a lobe map does with one parallel: X = width x offset + centre (the eumorphic kind scales
// the offset by cos theta and cos phi first, and shifts it where `shifted`), Y = y.
struct LobeParallel {
    double width;
    double cos_phi;
    double y;
    bool shifted;
};

// Sinusoidal (kind 0), Mollweide (1), Homolosine (2) and Eumorphic (3), uninterrupted
// (layout 0) or in the lobes of layouts 1..4: variant = 10 x layout + kind.
int project_sinusoidal_mollweide(const ProjectionContext& ctx)
{
    const int variant = variant_of(ctx);
    const int layout = variant / 10;
    const int kind = variant % 10;
    const int j = (LAYOUT_SECTOR_SHIFTS[layout] + ctx.rotation + ctx.sector) % SECTOR_COUNT;
    const float centre = float(1.5 * LOBE_CENTRES[layout][ctx.band / 3][j]);
    const bool eumorphic_shift = layout != 0 && 15 * j >= 150;
    const auto parallel = [kind, eumorphic_shift](double phi) {
        const float phi_single = float(rad(phi));
        LobeParallel row = {0.0, 0.0, 0.0, false};
        switch (kind) {
        case 1: {
            const Angle theta = rounded_to_single(mollweide_theta(phi_single, sin_d(phi_single)));
            row.width = theta.cosine;
            row.y = 90.0 - 90.0 * theta.sine;
            break;
        }
        case 2:
            if (abs_d(phi) >= 40.73666f) {
                const Angle theta = rounded_to_single(mollweide_theta(phi_single, sin_d(phi_single)));
                row.width = theta.cosine * 0.9f;
                row.y = 90.0 - 1.0958349f * (90.0 * theta.sine - 7.870839f * sign_of(phi));
            } else {
                row.width = cos_d(phi_single);
                row.y = 90.0 - 1.0958349f * phi;
            }
            break;
        case 3: {
            const Angle phi_angle = angle_of(phi_single);
            const Angle theta = mollweide_theta(phi_single, phi_angle.sine);
            row.width = theta.cosine;
            row.cos_phi = phi_angle.cosine;
            row.y = 90.0 - 30.0 * (1.4142135f * theta.sine + phi_single);
            row.shifted = eumorphic_shift && float(phi) >= 40.0f;
            break;
        }
        default:
            row.width = cos_d(phi_single);
            row.y = 90.0 - phi;
            break;
        }
        return row;
    };
    return project_each_point_by_parallel(ctx, parallel, [=](const PiecePoint& p, const LobeParallel& row,
                                                             float* out) {
        float offset = float(15.0 * j + p.x - centre);   // degrees from the lobe's central meridian
        if (kind == 3) {
            double r = centre;
            if (row.shifted) {
                offset = offset + 30.0f;
                r = float(centre - 24.2f);
            }
            const double c = row.width;
            offset = float(offset * 2.1107206f * c / (c + 1.1107208f * row.cos_phi));
            out[0] = float(row.cos_phi * offset + r);
        } else {
            out[0] = float(row.width * offset + double(centre));
        }
        out[1] = float(row.y);
    });
}

// Arm centres in steps of 7.5 degrees per variant (eight arms, five arms), by (sector + 11) mod 24.
static const unsigned char STAR_ARM_CENTRES[2][SECTOR_COUNT] = {
    {1, 1, 7, 7, 7, 13, 13, 13, 19, 19, 19, 25, 25, 25, 31, 31, 31, 37, 37, 37, 43, 43, 43, 49},   // Petermann
    {1, 1, 1, 11, 11, 11, 11, 11, 20, 20, 20, 20, 29, 29, 29, 29, 29, 39, 39, 39, 39, 39, 49, 49},   // Berghaus
};
// degrees added to the turn of the whole star, per variant
static const float STAR_TURN_OFFSETS[2] = {-7.5f, 30.0f};

// Petermann (variant 0) and Berghaus (variant 1) stars: a polar azimuthal equidistant
// northern hemisphere with the southern one folded into arms; rotation turns the whole star.
// A folded point lies at arm + asin z: its sine and cosine after the turn follow from those of
// arm + turn and z by the angle sum, without the arcsine.
int project_star(const ProjectionContext& ctx)
{
    const int variant = variant_of(ctx) != 0 ? 1 : 0;
    const int j = (ctx.sector + 11) % SECTOR_COUNT;
    const double arm = rad(7.5 * STAR_ARM_CENTRES[variant][j]);
    const double turn = float(rad(15.0 * ctx.rotation + STAR_TURN_OFFSETS[variant]));
    const Angle arm_turned = angle_of(arm + turn);
    const int colatitude0 = 30 * ctx.band;
    return project_each_point(ctx, [=](const PiecePoint& p, float* out) {
        const double g = 0.5 * (colatitude0 + p.y);   // half the colatitude
        const double theta = rad(15.0 * j + p.x);
        double sine, cosine;   // of the point's azimuth after the turn
        if (g >= 45.0) {
            const double z = sin_d(theta - arm) * (90.0 - g) / g;
            const double c = cosine_of_sine(z);
            sine = arm_turned.sine * c + arm_turned.cosine * z;
            cosine = arm_turned.cosine * c - arm_turned.sine * z;
        } else {
            const Angle shown = angle_of(theta + turn);
            sine = shown.sine;
            cosine = shown.cosine;
        }
        out[0] = float(g * sine + 180.0);
        out[1] = float(g * cosine + 90.0);
    });
}
