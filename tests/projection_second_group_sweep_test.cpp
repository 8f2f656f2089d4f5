// tests/projection_second_group_sweep_test.cpp: what every entry served by the second group of
// formulas keeps over whole cell frames, at every band, sector and rotation.
#include <cmath>
#include <vector>
#include <gtest/gtest.h>
#include "projection/formulas.h"
#include "tests/projection_harness.h"
#include "tests/projection_second_group.h"

static bool in_second_group(ProjectionFormula f)
{
    for (ProjectionFormula g : SECOND_GROUP)
        if (g == f) return true;
    return false;
}

// Winkel Tripel's poles lie 30 (pi/2 + pi/2) - 90 = 4.25 units outside the frame; nothing
// else of the bounded maps leaves it by more than rounding.
const double FRAME_MARGIN = 4.3;

// Maps that run past the frame by their definition and are cut by the view: the cycloidal fan
// (rho (pi + sin) reaches X = 542 at 120 degrees of colatitude) and Littrow (tan 80 degrees).
static bool unbounded(int index) { return index == 29 || index == 122; }

class SecondGroupEntry : public ::testing::TestWithParam<int> {};

TEST_P(SecondGroupEntry, KeepsWholeFramesOfFinitePointsNearTheFrame)
{
    const int index = GetParam();
    float frame[2 * 91];
    frame_points(frame);
    float out[2 * 91];
    double min_x = 1e9, max_x = -1e9, min_y = 1e9, max_y = -1e9;
    for (int rotation = 0; rotation < 24; ++rotation)
        for (int band = 0; band < 6; ++band)
            for (int sector = 0; sector < 24; ++sector) {
                const int kept = run_entry(index, band, sector, rotation, frame, 91, out);
                ASSERT_TRUE(kept == 0 || kept == 91);
                for (int i = 0; i < kept; ++i) {
                    ASSERT_TRUE(std::isfinite(out[2 * i]) && std::isfinite(out[2 * i + 1]));
                    min_x = std::fmin(min_x, out[2 * i]);
                    max_x = std::fmax(max_x, out[2 * i]);
                    min_y = std::fmin(min_y, out[2 * i + 1]);
                    max_y = std::fmax(max_y, out[2 * i + 1]);
                }
            }
    if (unbounded(index)) return;
    EXPECT_GE(min_x, -FRAME_MARGIN);
    EXPECT_LE(max_x, 360.0 + FRAME_MARGIN);
    EXPECT_GE(min_y, -FRAME_MARGIN);
    EXPECT_LE(max_y, 180.0 + FRAME_MARGIN);
}
static std::vector<int> second_group_entries()
{
    std::vector<int> entries;
    for (int i = 0; i < PROJECTION_COUNT; ++i)
        if (in_second_group(PROJECTION_CATALOGUE[i].formula)) entries.push_back(i);
    return entries;
}
INSTANTIATE_TEST_SUITE_P(Catalogue, SecondGroupEntry, ::testing::ValuesIn(second_group_entries()));
