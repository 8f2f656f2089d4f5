// tests/projection_cylindrical_test.cpp
#include <gtest/gtest.h>
#include "projection/formulas.h"
#include "tests/projection_harness.h"

// Projects the single point (x, y) of a piece of band and display sector shown (rotation 0).
static void project_point(ProjectionFormula formula, int variant, int band, int shown, float x, float y, float* out)
{
    const float in[] = { x, y };
    ASSERT_EQ(run_formula(formula, variant, band, shown, 0, in, 1, out), 1);
}

// 1. Anchors: values worked out by hand.
TEST(ProjectMercator, EquatorLiesAtItsOwnHeightAndLongitudesStayPlain)
{
    float out[2];
    project_point(project_mercator, 0, 2, 7, 4.5f, 30.0f, out);   // 0 N, -70.5 E
    EXPECT_POINT_NEAR(out, 109.5, 106.5);
}

TEST(ProjectMercator, FlattensEverythingNorthOf83Point3)
{
    float out[2];
    for (float y : { 0.0f, 3.0f, 6.7f }) {   // 90, 87 and 83.3 N
        project_point(project_mercator, 0, 0, 12, 0.0f, y, out);
        EXPECT_POINT_NEAR(out, 180.0, -0.2135446);
    }
    project_point(project_mercator, 0, 0, 12, 0.0f, 7.0f, out);   // 83 N is still drawn apart
    EXPECT_NEAR(out[1], 1.4373634, PROJECTED_TOLERANCE);
}

TEST(ProjectMercator, FlattensEverythingSouthOf74)
{
    float out[2];
    project_point(project_mercator, 0, 5, 0, 0.0f, 14.0f, out);   // 74 S
    EXPECT_NEAR(out[1], 180.28087, PROJECTED_TOLERANCE);
    for (float y : { 20.0f, 30.0f }) {
        project_point(project_mercator, 0, 5, 0, 0.0f, y, out);
        EXPECT_NEAR(out[1], 180.28087, PROJECTED_TOLERANCE);
    }
}

TEST(ProjectCylindricalEqualArea, SpacesParallelsBySine)
{
    float out[2];
    project_point(project_cylindrical_equal_area, 0, 0, 3, 2.0f, 0.0f, out);   // North Pole
    EXPECT_POINT_NEAR(out, 47.0, 0.0);
    project_point(project_cylindrical_equal_area, 0, 2, 3, 2.0f, 0.0f, out);   // 30 N
    EXPECT_POINT_NEAR(out, 47.0, 45.0);
    project_point(project_cylindrical_equal_area, 0, 2, 3, 2.0f, 30.0f, out);  // equator
    EXPECT_POINT_NEAR(out, 47.0, 90.0);
    project_point(project_cylindrical_equal_area, 0, 5, 3, 2.0f, 30.0f, out);  // South Pole
    EXPECT_POINT_NEAR(out, 47.0, 180.0);
}

// The display sector whose sector turned by 13 is c.
static int shown_for_turned(int c)
{
    return (c + 24 - 13) % 24;
}

TEST(ProjectTransverseCylindrical, EquatorGoesToTheCentreOrTheEdgeBySide)
{
    float out[2];
    for (int variant = 0; variant < 4; ++variant) {
        project_point(project_transverse_cylindrical, variant, 2, shown_for_turned(5), 3.0f, 30.0f, out);
        EXPECT_EQ(out[0], 180.0f);   // c < 6: the near side
        project_point(project_transverse_cylindrical, variant, 2, shown_for_turned(13), 3.0f, 30.0f, out);
        EXPECT_EQ(out[0], 0.0f);     // far side, reached from the north (band 2)
        project_point(project_transverse_cylindrical, variant, 3, shown_for_turned(13), 3.0f, 0.0f, out);
        EXPECT_EQ(out[0], 360.0f);   // far side, reached from the south (band 3)
    }
}

TEST(ProjectTransverseCylindrical, EachVariantHasItsOwnDistanceFromTheAxis)
{
    // the equator at q = 30 degrees: Z = 0.5
    const double expected_y[] = { 59.5, 40.562447, 45.0, 38.038476 };
    float out[2];
    for (int variant = 0; variant < 4; ++variant) {
        SCOPED_TRACE(variant);
        project_point(project_transverse_cylindrical, variant, 2, shown_for_turned(2), 0.0f, 30.0f, out);
        EXPECT_POINT_NEAR(out, 180.0, expected_y[variant]);
    }
}

TEST(ProjectTransverseCylindrical, LatitudeRunsAlongTheAxis)
{
    float out[2];
    project_point(project_transverse_cylindrical, 0, 1, shown_for_turned(0), 0.0f, 15.0f, out);   // 45 N, q = 0
    EXPECT_POINT_NEAR(out, 135.0, 90.0);
    project_point(project_transverse_cylindrical, 2, 1, shown_for_turned(4), 0.0f, 15.0f, out);   // 45 N, q = 60
    EXPECT_POINT_NEAR(out, 116.56505, 90.0 - 90.0 * 0.61237244);
    project_point(project_transverse_cylindrical, 1, 0, shown_for_turned(9), 7.0f, 0.0f, out);    // North Pole
    EXPECT_POINT_NEAR(out, 90.0, 90.0);
}

TEST(ProjectTransverseCylindrical, CentralVariantHoldsYWithinOneUnitOffTheFrame)
{
    float out[2];
    project_point(project_transverse_cylindrical, 3, 2, shown_for_turned(6), 0.0f, 30.0f, out);   // q = 90: m = 0
    EXPECT_EQ(out[1], -1.0f);
    project_point(project_transverse_cylindrical, 3, 2, shown_for_turned(18), 0.0f, 30.0f, out);  // q = 270
    EXPECT_EQ(out[1], 181.0f);
    project_point(project_transverse_cylindrical, 3, 2, shown_for_turned(6), 1.0f, 30.0f, out);   // h = 90 tan 89
    EXPECT_EQ(out[1], -1.0f);
}

