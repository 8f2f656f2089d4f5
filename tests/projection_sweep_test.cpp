// tests/projection_sweep_test.cpp: one sweep over every catalogue entry. Each projects a dense
// grid in every cell: it keeps exactly the pieces its formula's drop rule keeps, whole, with
// finite points inside its bounds, and a rotation only renumbers the sectors it shows.
#include <gtest/gtest.h>
#include "projection/formulas.h"
#include "tests/projection_harness.h"

namespace {

const int GRID_COLUMNS = 31;   // x = 0, 0.5, ..., 15
const int GRID_ROWS = 61;      // y = 0, 0.5, ..., 30
const int GRID_POINTS = GRID_COLUMNS * GRID_ROWS;

// Which pieces a formula keeps, by band and display sector.
typedef bool (*KeepRule)(int band, int shown);

bool keeps_every_piece(int, int) { return true; }

// An oblique view drops band 5 and, in bands 1..4, the display sectors s with (s + 12) mod 24
// within the band's half-width of 12.
bool oblique_keeps(int band, int shown, const int* half_widths)
{
    if (band >= 5) return false;
    const int b = (shown + 12) % 24;
    return !(12 - half_widths[band] <= b && b < 12 + half_widths[band]);
}
bool oblique_orthographic_keeps(int band, int shown)
{
    const int half_widths[] = { 0, 1, 4, 6, 7 };
    return oblique_keeps(band, shown, half_widths);
}
bool oblique_stereographic_keeps(int band, int shown)
{
    const int half_widths[] = { 0, 0, 4, 6, 7 };
    return oblique_keeps(band, shown, half_widths);
}
bool polar_gnomonic_keeps(int band, int) { return band < 3; }
bool equatorial_gnomonic_keeps(int band, int shown)
{
    const int b = (shown + 18) % 24;
    return b >= 1 && b <= 10 && band >= 1 && band <= 4;
}
bool bands_0_to_3_keep(int band, int) { return band < 4; }
bool bands_0_to_4_keep(int band, int) { return band < 5; }
bool conic_keeps(int band, int shown) { return band < 3 && shown >= 6 && shown <= 17; }
bool ptolemy_keeps(int band, int shown)
{
    const int turned = (shown + 20) % 24;
    return band <= 3 && turned >= 6 && turned <= 17;
}
bool bonne_keeps(int band, int shown) { return band < 5 && shown >= 2 && shown <= 21; }
bool stabius_werner_keeps(int, int shown) { return shown >= 6 && shown <= 17; }   // variant 1 only
bool airy_keeps(int band, int shown)
{
    const int half_widths[] = { 12, 12, 12, 9, 8, 7 };
    const int b = shown - 12;
    return b >= -half_widths[band] && b < half_widths[band];
}
// Littrow and Hinks-Reeves: the twelve sectors whose west edge lies from -90 to 75
bool central_hemisphere_keeps(int, int shown)
{
    const int west = 15 * shown - 180;
    return west >= -90 && west <= 75;
}
bool mecca_keeps(int band, int shown)
{
    const int west = 15 * shown - 180;
    return band <= 3 && west >= -30 && west <= 105;
}
bool arden_close_keeps(int, int shown)
{
    const int j = (shown + 7) % 24;
    return j < 6 || j > 17;
}

const float UNBOUNDED = 1e30f;

// What a formula does that the default (every piece kept inside the frame 360 x 180, rotation
// renumbering the sectors) does not say.
struct FormulaRule {
    ProjectionFormula formula;
    KeepRule keeps;
    float min_x, max_x, min_y, max_y;
    bool rotation_renumbers;   // false where rotation turns the picture instead
};

const FormulaRule FORMULA_RULES[] = {
    { project_oblique_orthographic, oblique_orthographic_keeps, 0, 360, 0, 180, true },
    { project_oblique_stereographic, oblique_stereographic_keeps, 0, 360, 0, 180, true },
    // the gnomonic maps reach far beyond the frame; the view cuts them
    { project_polar_gnomonic, polar_gnomonic_keeps, -UNBOUNDED, UNBOUNDED, -UNBOUNDED, UNBOUNDED, true },
    { project_equatorial_gnomonic, equatorial_gnomonic_keeps, -UNBOUNDED, UNBOUNDED, -UNBOUNDED, UNBOUNDED, true },
    { project_oblique_gnomonic, bands_0_to_3_keep, -UNBOUNDED, UNBOUNDED, -UNBOUNDED, UNBOUNDED, true },
    { project_simple_conic, bands_0_to_3_keep, 0, 360, 0, 180, true },
    { project_equidistant_conic, bands_0_to_4_keep, 0, 360, 0, 180, true },
    { project_conic, conic_keeps, 0, 360, 0, 180, true },
    { project_ptolemy_1, ptolemy_keeps, 0, 360, 0, 180, true },
    { project_ptolemy_2, ptolemy_keeps, 0, 360, 0, 180, true },
    { project_bonne, bonne_keeps, 0, 360, 0, 180, true },
    // Mercator's flattened edges lie just beyond the frame
    { project_mercator, keeps_every_piece, 0, 360, -0.2135446f, 180.28087f, true },
    // the transverse maps hold Y within one unit off the frame
    { project_transverse_cylindrical, keeps_every_piece, 0, 360, -1, 181, true },
    { project_airy, airy_keeps, 0, 360, 0, 180, true },
    // Littrow's tan 80 and the cycloidal fan's rho (pi + sin) run past the frame by definition
    { project_littrow, central_hemisphere_keeps, -UNBOUNDED, UNBOUNDED, -UNBOUNDED, UNBOUNDED, true },
    { project_cycloidal, bands_0_to_3_keep, -UNBOUNDED, UNBOUNDED, -UNBOUNDED, UNBOUNDED, true },
    { project_hinks_reeves, central_hemisphere_keeps, 0, 360, 0, 180, true },
    { project_mecca_retroazimuthal, mecca_keeps, 0, 360, 0, 180, true },
    { project_arden_close, arden_close_keeps, 0, 360, 0, 180, true },
    // Braun I's clamp at 85 degrees: 45 sin 85 / (cos 85 + 0.4) = 92.02
    { project_braun_1, keeps_every_piece, 0, 360, -2.0214303f, 182.02143f, true },
    // the oblique Mercator's clamp at 1 radian: 57.8 tan 1 = 90.018
    { project_oblique_mercator, keeps_every_piece, 0, 360, -0.0181653f, 180.01816f, true },
    // Hatano's northing from 91 puts the North Pole 0.18 above the frame
    { project_hatano, keeps_every_piece, 0, 360, -0.1777683f, 180, true },
    // the poles lie 30 (pi/2 + pi/2) - 90 = 4.25 units outside the frame
    { project_winkel_tripel, keeps_every_piece, 0, 360, -4.25f, 184.25f, true },
    { project_star, keeps_every_piece, 0, 360, 0, 180, false },
};

FormulaRule rule_of(int index)
{
    const ProjectionEntry& entry = PROJECTION_CATALOGUE[index];
    FormulaRule found = { entry.formula, keeps_every_piece, 0, 360, 0, 180, true };
    for (const FormulaRule& rule : FORMULA_RULES)
        if (rule.formula == entry.formula) found = rule;
    // Stabius-Werner I alone (variant 1) shows only display sectors 6..17
    if (entry.formula == project_stabius_werner && ((entry.packed >> 16) & 0xFF) == 1)
        found.keeps = stabius_werner_keeps;
    return found;
}

bool is_finite(float v) { return v == v && v < 3.0e38f && v > -3.0e38f; }

// Every cell as one piece of the grid, stored in the sector that rotation 0 shows as each
// display sector.
void expect_grid_kept_and_inside(int index, const FormulaRule& rule)
{
    static float grid[2 * GRID_POINTS];
    static float out[2 * GRID_POINTS];
    for (int row = 0; row < GRID_ROWS; ++row)
        for (int column = 0; column < GRID_COLUMNS; ++column) {
            grid[2 * (row * GRID_COLUMNS + column)] = 0.5f * column;
            grid[2 * (row * GRID_COLUMNS + column) + 1] = 0.5f * row;
        }
    const double tolerance = PROJECTED_TOLERANCE;
    for (int band = 0; band < BAND_COUNT; ++band)
        for (int shown = 0; shown < SECTOR_COUNT; ++shown) {
            const int kept = run_entry(index, band, shown, 0, grid, GRID_POINTS, out);
            ASSERT_TRUE(kept == 0 || kept == GRID_POINTS) << "returned " << kept;
            ASSERT_EQ(kept != 0, rule.keeps(band, shown)) << "band " << band << ", display sector " << shown;
            for (int i = 0; i < kept; ++i) {
                const float x = out[2 * i], y = out[2 * i + 1];
                ASSERT_TRUE(is_finite(x) && is_finite(y)) << "band " << band << ", sector " << shown;
                ASSERT_TRUE(x >= rule.min_x - tolerance && x <= rule.max_x + tolerance &&
                            y >= rule.min_y - tolerance && y <= rule.max_y + tolerance)
                    << "(" << x << ", " << y << ") at band " << band << ", sector " << shown << ", point " << i;
            }
        }
}

// Rotation r projects the piece stored in sector s exactly as rotation 0 projects it in sector
// (r + s) mod 24.
void expect_rotation_renumbers_sectors(int index)
{
    float frame[2 * FRAME_POINT_COUNT];
    frame_points(frame);
    float turned[2 * FRAME_POINT_COUNT];
    float plain[2 * FRAME_POINT_COUNT];
    for (int rotation = 1; rotation < ROTATION_STEPS; rotation += 4)
        for (int band = 0; band < BAND_COUNT; ++band)
            for (int sector = 0; sector < SECTOR_COUNT; ++sector) {
                const int shown = (rotation + sector) % SECTOR_COUNT;
                const int a = run_entry(index, band, sector, rotation, frame, FRAME_POINT_COUNT, turned);
                const int b = run_entry(index, band, shown, 0, frame, FRAME_POINT_COUNT, plain);
                ASSERT_EQ(a, b) << "band " << band << ", sector " << sector << ", rotation " << rotation;
                for (int i = 0; i < 2 * a; ++i) ASSERT_EQ(turned[i], plain[i]) << "point " << i / 2;
            }
}

class CatalogueEntry : public ::testing::TestWithParam<int> {};

TEST_P(CatalogueEntry, KeepsItsPiecesWholeInsideItsBoundsAndRotationRenumbers)
{
    const int index = GetParam();
    const FormulaRule rule = rule_of(index);
    expect_grid_kept_and_inside(index, rule);
    if (rule.rotation_renumbers) expect_rotation_renumbers_sectors(index);
}

INSTANTIATE_TEST_SUITE_P(Catalogue, CatalogueEntry, ::testing::Range(0, PROJECTION_COUNT));

}  // namespace
