// tests/projection_star_shaped_test.cpp
#include <gtest/gtest.h>
#include "projection/formulas.h"
#include "tests/projection_harness.h"

// Projects the single point (x, y) of a piece of band and display sector shown (rotation 0).
static void project_point(ProjectionFormula formula, int band, int shown, float x, float y, float* out)
{
    const float in[] = { x, y };
    ASSERT_EQ(run_formula(formula, 0, band, shown, 0, in, 1, out), 1);
}

// 1. Anchors: values worked out by hand.
TEST(ProjectOctant, EachQuadrantHasItsOwnPolePoint)
{
    // quadrant q covers display sectors 6q + 12 .. 6q + 17 (mod 24)
    const double pole_x[] = { 93, 93, 87, 87 };
    const double pole_y[] = { 93, 87, 87, 93 };
    float out[2];
    for (int q = 0; q < 4; ++q) {
        SCOPED_TRACE(q);
        const int shown = (6 * q + 14) % 24;
        project_point(project_octant, 0, shown, 4.0f, 0.0f, out);    // North Pole
        EXPECT_POINT_NEAR(out, pole_x[q], pole_y[q]);
        project_point(project_octant, 5, shown, 4.0f, 30.0f, out);   // South Pole
        EXPECT_POINT_NEAR(out, 180.0 + pole_x[q], 180.0 - pole_y[q]);
    }
}

TEST(ProjectOctant, QuadrantMiddleRunsAlongTheDiagonal)
{
    float out[2];
    project_point(project_octant, 2, 15, 0.0f, 30.0f, out);   // equator, middle of quadrant 0
    EXPECT_POINT_NEAR(out, 156.63961, 156.63961);
}

TEST(ProjectFourLobedStar, LobesEndAtTheSouthPoleInTheirOwnDirection)
{
    float out[2];
    project_point(project_four_lobed_star, 0, 7, 3.0f, 0.0f, out);    // North Pole
    EXPECT_POINT_NEAR(out, 180.0, 90.0);
    project_point(project_four_lobed_star, 2, 18, 0.0f, 30.0f, out);  // equator, halfway into the lobe
    EXPECT_POINT_NEAR(out, 238.79533, 65.646176);
    const double tip_x[] = { 270.0, 90.0, 90.0, 270.0 };
    const double tip_y[] = { 0.0, 0.0, 180.0, 180.0 };
    for (int lobe = 0; lobe < 4; ++lobe) {
        SCOPED_TRACE(lobe);
        project_point(project_four_lobed_star, 5, (6 * lobe + 20) % 24, 7.0f, 30.0f, out);
        EXPECT_POINT_NEAR(out, tip_x[lobe], tip_y[lobe]);
    }
}

