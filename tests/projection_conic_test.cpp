// tests/projection_conic_test.cpp
#include <gtest/gtest.h>
#include "projection/formulas.h"
#include "tests/projection_harness.h"

// Projects the single point (x, y) of a piece of band and display sector shown (rotation 0).
static void project_point(ProjectionFormula formula, int variant, int band, int shown, float x, float y, float* out)
{
    const float in[] = { x, y };
    ASSERT_EQ(run_formula(formula, variant, band, shown, 0, in, 1, out), 1);
}

// 1. Anchors: values worked out by hand. Longitude 0 is display sector 12 at x = 0.
TEST(ProjectSimpleConic, NorthPoleIsACircleOfRadius28Point5AboutTheApex)
{
    float out[2];
    project_point(project_simple_conic, 0, 0, 12, 0.0f, 0.0f, out);
    EXPECT_POINT_NEAR(out, 180.0, 66.0);
    project_point(project_simple_conic, 0, 0, 0, 0.0f, 0.0f, out);   // longitude -180: angle -105
    EXPECT_POINT_NEAR(out, 152.47111, 30.123657);
}

TEST(ProjectSimpleConic, CapsTheRadiusAt125)
{
    float out[2];
    for (float y : { 10.0f, 20.0f, 30.0f }) {   // colatitude 100 and beyond
        project_point(project_simple_conic, 0, 3, 12, 0.0f, y, out);
        EXPECT_POINT_NEAR(out, 180.0, 180.0);
    }
}

TEST(ProjectEquidistantConic, CapsTheRadiusAt128)
{
    float out[2];
    project_point(project_equidistant_conic, 0, 2, 12, 0.0f, 30.0f, out);   // equator: 1.11 x 90
    EXPECT_POINT_NEAR(out, 180.0, 137.4);
    for (float y : { 8.0f, 30.0f }) {
        project_point(project_equidistant_conic, 0, 4, 12, 0.0f, y, out);
        EXPECT_POINT_NEAR(out, 180.0, 179.58);
    }
}

TEST(ProjectConic, EveryRadiusRuleMeetsTheEquatorNearTheBottomEdge)
{
    // radius of the equator by variant; only the tangent (b) rule stops short of 180
    const double equator[] = { 180.0, 180.0, 180.0, 180.0, 179.82818, 180.0, 180.0, 180.0, 179.99758 };
    float out[2];
    for (int variant = 0; variant < 9; ++variant) {
        SCOPED_TRACE(variant);
        project_point(project_conic, variant, 2, 12, 0.0f, 30.0f, out);
        EXPECT_POINT_NEAR(out, 180.0, equator[variant]);
    }
}

TEST(ProjectConic, PoleRadiusDependsOnTheRule)
{
    const double pole[] = { 16.890537, 12.270922, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 38.916857 };
    float out[2];
    for (int variant = 0; variant < 9; ++variant) {
        SCOPED_TRACE(variant);
        project_point(project_conic, variant, 0, 12, 0.0f, 0.0f, out);
        EXPECT_POINT_NEAR(out, 180.0, pole[variant]);
    }
}

TEST(ProjectConic, ConeAngleIsNTimesTheLongitude)
{
    float out[2];
    project_point(project_conic, 0, 2, 17, 15.0f, 30.0f, out);   // Euler, equator at 90 E
    EXPECT_POINT_NEAR(out, 331.46477, 97.25442);
    project_point(project_conic, 8, 2, 17, 15.0f, 30.0f, out);   // Albers
    EXPECT_POINT_NEAR(out, 338.14168, 85.967077);
}

// Ptolemy's L = 0 is display sector 16; L = 75 is 21.
TEST(ProjectPtolemy1, NorthPoleLiesOnAnArcOfRadius38Point5)
{
    float out[2];
    project_point(project_ptolemy_1, 0, 0, 16, 0.0f, 0.0f, out);
    EXPECT_POINT_NEAR(out, 180.0, 15.5);
}

TEST(ProjectPtolemy1, StopsTheSouthAt16Point4AndBendsItsMeridians)
{
    float out[2];
    for (float y : { 20.0f, 30.0f }) {
        project_point(project_ptolemy_1, 0, 3, 21, 15.0f, y, out);   // L + x = 90
        EXPECT_POINT_NEAR(out, 299.19497, 140.55702);
    }
}

TEST(ProjectPtolemy2, HoldsColatitudesBetween27And106Point4)
{
    float out[2];
    for (float y : { 0.0f, 20.0f }) {
        project_point(project_ptolemy_2, 0, 0, 21, 15.0f, y, out);
        EXPECT_POINT_NEAR(out, 274.23669, 1.1855425);
    }
    project_point(project_ptolemy_2, 0, 3, 16, 0.0f, 20.0f, out);
    EXPECT_POINT_NEAR(out, 180.0, 179.83333);
}

TEST(ProjectBonne, HoldsLatitudesBetween40SAnd80N)
{
    float out[2];
    for (float y : { 0.0f, 5.0f, 10.0f }) {
        project_point(project_bonne, 0, 0, 12, 0.0f, y, out);
        EXPECT_POINT_NEAR(out, 180.0, 45.819622);
    }
    for (float y : { 10.0f, 30.0f }) {
        project_point(project_bonne, 0, 4, 12, 0.0f, y, out);
        EXPECT_POINT_NEAR(out, 180.0, 179.86091);
    }
    project_point(project_bonne, 0, 2, 17, 15.0f, 30.0f, out);   // equator at 90 E
    EXPECT_POINT_NEAR(out, 267.60514, 93.069968);
}

TEST(ProjectStabiusWerner, EachVariantHasItsOwnConeAndApex)
{
    const double equator_y[] = { 102.28311, 108.5444, 107.5295 };
    float out[2];
    for (int variant = 1; variant <= 3; ++variant) {
        SCOPED_TRACE(variant);
        project_point(project_stabius_werner, variant, 2, 12, 0.0f, 30.0f, out);
        EXPECT_POINT_NEAR(out, 180.0, equator_y[variant - 1]);
    }
    project_point(project_stabius_werner, 1, 2, 17, 15.0f, 30.0f, out);
    EXPECT_POINT_NEAR(out, 257.28311, 24.999897);
    project_point(project_stabius_werner, 2, 2, 17, 15.0f, 30.0f, out);
    EXPECT_POINT_NEAR(out, 236.83657, 77.494528);
    project_point(project_stabius_werner, 3, 0, 12, 0.0f, 0.0f, out);   // the pole lies above the apex
    EXPECT_POINT_NEAR(out, 180.0, 39.985255);
}

TEST(ProjectStabiusWerner, ThirdVariantHoldsTheAngleWithinPi)
{
    // 88.5 N at 180 E: a g / f is about 31.8 and is held at pi, straight below the apex
    float out[2];
    project_point(project_stabius_werner, 3, 0, 23, 15.0f, 1.5f, out);
    EXPECT_POINT_NEAR(out, 180.0, 40.888991);
}

TEST(ProjectDoubleCordiform, HemispheresAreHeartsAboutTheirPoles)
{
    float out[2];
    project_point(project_double_cordiform, 0, 0, 12, 0.0f, 0.0f, out);
    EXPECT_POINT_NEAR(out, 90.0, 90.0);
    project_point(project_double_cordiform, 0, 5, 12, 0.0f, 30.0f, out);
    EXPECT_POINT_NEAR(out, 270.0, 90.0);
    project_point(project_double_cordiform, 0, 2, 12, 0.0f, 30.0f, out);   // the tips at the equator
    EXPECT_POINT_NEAR(out, 179.84976, 90.0);
    project_point(project_double_cordiform, 0, 3, 12, 0.0f, 0.0f, out);
    EXPECT_POINT_NEAR(out, 180.15024, 90.0);
    project_point(project_double_cordiform, 0, 2, 17, 15.0f, 30.0f, out);  // equator at 90 E
    EXPECT_POINT_NEAR(out, 138.54621, 14.394147);
}

