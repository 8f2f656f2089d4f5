// tests/projection_globular_test.cpp
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
TEST(ProjectBordone, ParallelsShrinkTowardsThePoles)
{
    float out[2];
    project_point(project_bordone, 0, 1, 17, 15.0f, 15.0f, out);   // 45 N 90 E
    EXPECT_POINT_NEAR(out, 257.94229, 45.0);
    project_point(project_bordone, 0, 0, 3, 7.0f, 0.0f, out);      // North Pole
    EXPECT_POINT_NEAR(out, 180.0, 0.0);
    project_point(project_bordone, 0, 2, 0, 0.0f, 30.0f, out);     // equator, full width
    EXPECT_POINT_NEAR(out, 0.0, 90.0);
}

TEST(ProjectAitoffHammer, CentreIsGuardedAndTheVariantsDiffer)
{
    float out[2];
    for (int variant : { 0, 1 }) {
        project_point(project_aitoff_hammer, variant, 2, 12, 0.0f, 30.0f, out);
        EXPECT_POINT_NEAR(out, 180.0, 90.0);
        project_point(project_aitoff_hammer, variant, 2, 23, 15.0f, 30.0f, out);   // 0 N 180 E
        EXPECT_POINT_NEAR(out, 360.0, 90.0);
        project_point(project_aitoff_hammer, variant, 0, 5, 2.0f, 0.0f, out);
        EXPECT_POINT_NEAR(out, 180.0, 0.0);
    }
    project_point(project_aitoff_hammer, 0, 1, 17, 15.0f, 15.0f, out);   // 45 N 90 E
    EXPECT_POINT_NEAR(out, 249.28203, 41.010205);
    project_point(project_aitoff_hammer, 1, 1, 17, 15.0f, 15.0f, out);
    EXPECT_POINT_NEAR(out, 253.48469, 38.038476);
}

TEST(ProjectOval, OuterHalfDiscsMeetTheGlobularMiddle)
{
    float out[2];
    project_point(project_oval, 0, 2, 5, 15.0f, 0.0f, out);   // 30 N 90 W from the outer side
    EXPECT_POINT_NEAR(out, 95.147186, 60.0);
    project_point(project_oval, 0, 2, 6, 0.0f, 0.0f, out);    // and from the inner side
    EXPECT_POINT_NEAR(out, 95.147186, 60.0);
    project_point(project_oval, 0, 2, 0, 0.0f, 0.0f, out);    // 30 N 180 W
    EXPECT_POINT_NEAR(out, 5.1471863, 60.0);
    project_point(project_oval, 0, 1, 12, 0.0f, 5.0f, out);   // the central meridian: e = 0
    EXPECT_POINT_NEAR(out, 180.0, 35.0);
}

TEST(ProjectGlobular, MeridiansAreArcsAndParallelsFollowTheCosine)
{
    float out[2];
    project_point(project_globular, 0, 1, 12, 0.0f, 15.0f, out);   // 45 N 0 E: centre of the west disc
    EXPECT_POINT_NEAR(out, 90.0, 26.360390);
    project_point(project_globular, 0, 1, 9, 0.0f, 15.0f, out);    // 45 N 45 W
    EXPECT_POINT_NEAR(out, 64.730123, 26.360390);
    project_point(project_globular, 0, 1, 0, 0.0f, 15.0f, out);    // 45 N 180 W: the east disc's centre
    EXPECT_POINT_NEAR(out, 270.0, 26.360390);
}

TEST(ProjectApian1, ParallelsAreEquallySpaced)
{
    float out[2];
    project_point(project_apian_1, 0, 1, 9, 0.0f, 15.0f, out);
    EXPECT_POINT_NEAR(out, 54.392047, 45.0);
    project_point(project_apian_1, 0, 2, 6, 0.0f, 30.0f, out);    // 0 N 90 W: the rim
    EXPECT_POINT_NEAR(out, 0.0, 90.0);
}

TEST(ProjectApian2, MeridiansAreEllipses)
{
    float out[2];
    project_point(project_apian_2, 0, 1, 9, 0.0f, 15.0f, out);
    EXPECT_POINT_NEAR(out, 51.028857, 45.0);
    project_point(project_apian_2, 0, 0, 9, 0.0f, 0.0f, out);
    EXPECT_POINT_NEAR(out, 90.0, 0.0);
}

TEST(ProjectLagrange, CentredOnTheSectorTurnedByOne)
{
    float out[2];
    project_point(project_lagrange, 0, 2, 11, 0.0f, 30.0f, out);   // 0 N 15 W
    EXPECT_POINT_NEAR(out, 180.0, 90.0);
    project_point(project_lagrange, 0, 1, 11, 0.0f, 15.0f, out);   // 45 N 15 W
    EXPECT_POINT_NEAR(out, 180.0, 70.48392);
    project_point(project_lagrange, 0, 2, 17, 0.0f, 30.0f, out);   // 90 degrees east of the centre
    EXPECT_POINT_NEAR(out, 217.27922, 90.0);
    project_point(project_lagrange, 0, 0, 4, 3.0f, 0.0f, out);     // North Pole
    EXPECT_POINT_NEAR(out, 180.0, 0.0);
}

// Runs the point (x, y) of band for every display sector and expects it on the gore centre.
static void expect_on_gore_centres(int width, int band, float y)
{
    float out[2];
    for (int shown = 0; shown < SECTOR_COUNT; ++shown) {
        const int b = 15 * ((shown + 18) % 24);
        const int centre = width * (b / width) + width / 2;
        const int x = centre - b;
        if (x < 0 || x > 15) continue;   // this sector does not reach its gore's centre
        project_point(project_nicolosi_gore, width, band, shown, float(x), y, out);
        EXPECT_NEAR(out[0], centre, PROJECTED_TOLERANCE) << "display sector " << shown << ", y " << y;
    }
}

TEST(ProjectNicolosiGore, GoreCentresSitAt15And45Onwards)
{
    for (int band = 0; band < BAND_COUNT; ++band)
        for (float y : { 0.0f, 10.0f, 25.0f }) expect_on_gore_centres(30, band, y);
    float out[2];
    project_point(project_nicolosi_gore, 30, 2, 6, 0.0f, 30.0f, out);   // equator, west edge of gore 0
    EXPECT_POINT_NEAR(out, 0.0, 90.0);
    project_point(project_nicolosi_gore, 30, 0, 8, 5.0f, 0.0f, out);    // North Pole: the gore's tip
    EXPECT_POINT_NEAR(out, 45.0, 0.0);
}

TEST(ProjectNicolosiGore, NicolosiDiscsAreCentredAt90And270)
{
    for (int band = 0; band < BAND_COUNT; ++band) expect_on_gore_centres(180, band, 12.0f);
    float out[2];
    project_point(project_nicolosi_gore, 180, 1, 6, 0.0f, 15.0f, out);   // 45 N on the rim meridian
    EXPECT_POINT_NEAR(out, 26.360390, 26.360390);
    project_point(project_nicolosi_gore, 180, 2, 18, 0.0f, 30.0f, out);  // 0 N, the east disc's rim
    EXPECT_POINT_NEAR(out, 180.0, 90.0);
}

