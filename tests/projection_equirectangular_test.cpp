// tests/projection_equirectangular_test.cpp
#include <gtest/gtest.h>
#include "projection/formulas.h"
#include "tests/projection_harness.h"

const int TRAPIZOIDAL = 120;   // the variant of "Trapizoidal"

// 1. Anchors: values worked out by hand.
TEST(ProjectEquirectangular, CellCornersMapToFrameCorners)
{
    const float north_west[] = { 0.0f, 0.0f };
    const float south_east[] = { 15.0f, 30.0f };
    float out[2];
    EXPECT_EQ(run_formula(project_equirectangular, 0, 0, 0, 0, north_west, 1, out), 1);
    EXPECT_POINT_NEAR(out, 0.0, 0.0);
    EXPECT_EQ(run_formula(project_equirectangular, 0, 5, 23, 0, south_east, 1, out), 1);
    EXPECT_POINT_NEAR(out, 360.0, 180.0);
}

TEST(ProjectEquirectangular, TrapizoidalKeepsTheEquatorWhole)
{
    const float equator[] = { 0.0f, 30.0f, 15.0f, 30.0f };   // band 2's south edge
    float out[4];
    run_formula(project_equirectangular, TRAPIZOIDAL, 2, 0, 0, equator, 1, out);
    run_formula(project_equirectangular, TRAPIZOIDAL, 2, 23, 0, equator + 2, 1, out + 2);
    EXPECT_POINT_NEAR(out, 0.0, 90.0);
    EXPECT_POINT_NEAR(out + 2, 360.0, 90.0);
}

TEST(ProjectEquirectangular, TrapizoidalNarrowsThePolesToTwoThirds)
{
    const float north_pole[] = { 0.0f, 0.0f };
    const float south_pole[] = { 15.0f, 30.0f };
    float out[2];
    run_formula(project_equirectangular, TRAPIZOIDAL, 0, 0, 0, north_pole, 1, out);
    EXPECT_POINT_NEAR(out, 60.0, 0.0);
    run_formula(project_equirectangular, TRAPIZOIDAL, 5, 23, 0, south_pole, 1, out);
    EXPECT_POINT_NEAR(out, 300.0, 180.0);
}

// 2. Invariants.
TEST(ProjectEquirectangular, RotationShiftsByWholeSectors)
{
    float frame[2 * FRAME_POINT_COUNT];
    frame_points(frame);
    float plain[2 * FRAME_POINT_COUNT];
    float turned[2 * FRAME_POINT_COUNT];
    run_formula(project_equirectangular, 0, 3, 1, 23, frame, FRAME_POINT_COUNT, turned);   // shown in sector 0
    run_formula(project_equirectangular, 0, 3, 0, 0, frame, FRAME_POINT_COUNT, plain);
    for (int i = 0; i < 2 * FRAME_POINT_COUNT; ++i) EXPECT_EQ(turned[i], plain[i]) << i;
}

