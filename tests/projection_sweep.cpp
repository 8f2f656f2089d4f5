// tests/projection_sweep.cpp: the dense-grid sweep shared by the formula tests.
#include "tests/projection_sweep.h"
#include "tests/projection_harness.h"

static const int GRID_COLUMNS = 31;   // x = 0, 0.5, ..., 15
static const int GRID_ROWS = 61;      // y = 0, 0.5, ..., 30
static const int GRID_POINTS = GRID_COLUMNS * GRID_ROWS;

static bool is_finite(float v)
{
    return v == v && v < 3.0e38f && v > -3.0e38f;
}

CellSweep sweep_entry(int index, int rotation)
{
    static float grid[2 * GRID_POINTS];
    static float out[2 * GRID_POINTS];
    for (int row = 0; row < GRID_ROWS; ++row)
        for (int column = 0; column < GRID_COLUMNS; ++column) {
            grid[2 * (row * GRID_COLUMNS + column)] = 0.5f * column;
            grid[2 * (row * GRID_COLUMNS + column) + 1] = 0.5f * row;
        }
    CellSweep sweep = {};
    sweep.min_x = sweep.min_y = 1e30f;
    sweep.max_x = sweep.max_y = -1e30f;
    sweep.finite = true;
    for (int band = 0; band < BAND_COUNT; ++band)
        for (int shown = 0; shown < SECTOR_COUNT; ++shown) {
            const int stored = (shown - rotation + SECTOR_COUNT) % SECTOR_COUNT;
            const int kept = run_entry(index, band, stored, rotation, grid, GRID_POINTS, out);
            EXPECT_TRUE(kept == 0 || kept == GRID_POINTS) << "entry " << index << " returned " << kept;
            sweep.kept[band][shown] = kept != 0;
            for (int i = 0; i < kept; ++i) {
                const float x = out[2 * i];
                const float y = out[2 * i + 1];
                if (!is_finite(x) || !is_finite(y)) {
                    sweep.finite = false;
                    continue;
                }
                sweep.min_x = x < sweep.min_x ? x : sweep.min_x;
                sweep.max_x = x > sweep.max_x ? x : sweep.max_x;
                sweep.min_y = y < sweep.min_y ? y : sweep.min_y;
                sweep.max_y = y > sweep.max_y ? y : sweep.max_y;
            }
        }
    return sweep;
}

bool keeps_every_piece(int, int)
{
    return true;
}

void expect_kept_as(const CellSweep& sweep, KeepRule rule)
{
    for (int band = 0; band < BAND_COUNT; ++band)
        for (int shown = 0; shown < SECTOR_COUNT; ++shown)
            EXPECT_EQ(sweep.kept[band][shown], rule(band, shown)) << "band " << band << ", display sector " << shown;
}

void expect_inside(const CellSweep& sweep, float min_x, float max_x, float min_y, float max_y)
{
    EXPECT_TRUE(sweep.finite);
    EXPECT_GE(sweep.min_x, min_x - PROJECTED_TOLERANCE);
    EXPECT_LE(sweep.max_x, max_x + PROJECTED_TOLERANCE);
    EXPECT_GE(sweep.min_y, min_y - PROJECTED_TOLERANCE);
    EXPECT_LE(sweep.max_y, max_y + PROJECTED_TOLERANCE);
}

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
