// tests/projection_azimuthal_test.cpp
#include <gtest/gtest.h>
#include <cmath>
#include "projection/formulas.h"
#include "tests/projection_harness.h"

// Projects the single point (x, y) of a piece of band and display sector shown (rotation 0).
static void project_point(ProjectionFormula formula, int variant, int band, int shown, float x, float y, float* out)
{
    const float in[] = { x, y };
    ASSERT_EQ(run_formula(formula, variant, band, shown, 0, in, 1, out), 1);
}

static double distance_from(const float* point, double x, double y)
{
    const double dx = point[0] - x;
    const double dy = point[1] - y;
    return std::sqrt(dx * dx + dy * dy);
}

// 1. Anchors: values worked out by hand. Longitude 0 is display sector 12 at x = 0.
TEST(ProjectPolarOrthographic, EachHemisphereIsADiscAboutItsPole)
{
    float out[2];
    project_point(project_polar_orthographic, 0, 0, 5, 3.0f, 0.0f, out);    // North Pole
    EXPECT_POINT_NEAR(out, 90.0, 90.0);
    project_point(project_polar_orthographic, 0, 2, 0, 0.0f, 30.0f, out);   // equator, 180 W
    EXPECT_POINT_NEAR(out, 90.0, 0.0);
    project_point(project_polar_orthographic, 0, 2, 6, 0.0f, 30.0f, out);   // equator, 90 W
    EXPECT_POINT_NEAR(out, 0.0, 90.0);
    project_point(project_polar_orthographic, 0, 3, 0, 0.0f, 0.0f, out);    // the equator seen from the south
    EXPECT_POINT_NEAR(out, 270.0, 180.0);
    project_point(project_polar_orthographic, 0, 5, 5, 3.0f, 30.0f, out);   // South Pole
    EXPECT_POINT_NEAR(out, 270.0, 90.0);
}

TEST(ProjectEquatorialOrthographic, HemispheresMeetAtTheMiddle)
{
    float out[2];
    project_point(project_equatorial_orthographic, 0, 0, 12, 0.0f, 0.0f, out);   // pole, western disc
    EXPECT_POINT_NEAR(out, 90.0, 0.0);
    project_point(project_equatorial_orthographic, 0, 0, 0, 0.0f, 0.0f, out);    // pole, eastern disc
    EXPECT_POINT_NEAR(out, 270.0, 0.0);
    project_point(project_equatorial_orthographic, 0, 2, 12, 0.0f, 30.0f, out);  // 0 N 0 E
    EXPECT_POINT_NEAR(out, 90.0, 90.0);
}

TEST(ProjectObliqueOrthographic, LooksAtLongitude0From30North)
{
    float out[2];
    project_point(project_oblique_orthographic, 0, 2, 12, 0.0f, 0.0f, out);   // 30 N 0 E
    EXPECT_POINT_NEAR(out, 180.0, 90.0);
    project_point(project_oblique_orthographic, 0, 0, 12, 0.0f, 0.0f, out);   // North Pole
    EXPECT_POINT_NEAR(out, 180.0, 12.057714);
}

TEST(ProjectObliqueOrthographic, PushesPointsBehindTheHorizonOntoTheRim)
{
    float out[2];
    project_point(project_oblique_orthographic, 0, 1, 1, 0.0f, 30.0f, out);   // 30 N 165 W, behind
    EXPECT_NEAR(distance_from(out, 180.0, 90.0), 90.0, PROJECTED_TOLERANCE);
}

TEST(ProjectPolarGnomonic, HoldsColatitudesBeyond80AtTheOuterRadius)
{
    float out[2];
    project_point(project_polar_gnomonic, 0, 0, 4, 1.0f, 0.0f, out);
    EXPECT_POINT_NEAR(out, 180.0, 90.0);
    for (float y : { 20.0f, 25.0f, 30.0f }) {   // 10 N and south of it; azimuth 0 in display sector 6
        project_point(project_polar_gnomonic, 0, 2, 6, 0.0f, y, out);
        EXPECT_POINT_NEAR(out, 180.0 - 283.56409, 90.0);
    }
}

TEST(ProjectEquatorialGnomonic, TangentsOfLongitudeAndLatitude)
{
    float out[2];
    project_point(project_equatorial_gnomonic, 0, 2, 12, 0.0f, 30.0f, out);
    EXPECT_POINT_NEAR(out, 180.0, 90.0);
    project_point(project_equatorial_gnomonic, 0, 1, 12, 0.0f, 0.0f, out);   // 60 N
    EXPECT_POINT_NEAR(out, 180.0, -13.923048);
    project_point(project_equatorial_gnomonic, 0, 2, 7, 0.0f, 30.0f, out);   // 75 W
    EXPECT_POINT_NEAR(out, -43.923048, 90.0);
}

TEST(ProjectObliqueGnomonic, NearSideFollowsThisProgramsFormula)
{
    float out[2];
    project_point(project_oblique_gnomonic, 0, 0, 12, 0.0f, 0.0f, out);   // North Pole: G = 35 / 0.866
    EXPECT_POINT_NEAR(out, 180.0, 69.79274);
    project_point(project_oblique_gnomonic, 0, 1, 12, 0.0f, 0.0f, out);   // 60 N 0 E: f = 1
    EXPECT_POINT_NEAR(out, 180.0, 92.344456);
}

TEST(ProjectObliqueGnomonic, CapsTheScaleAt250AndSendsTheFarSideThere)
{
    float out[2];
    project_point(project_oblique_gnomonic, 0, 2, 17, 0.0f, 30.0f, out);   // 0 N 75 E: 35 / f = 270
    EXPECT_POINT_NEAR(out, 421.48146, 154.70476);
    project_point(project_oblique_gnomonic, 0, 2, 0, 0.0f, 30.0f, out);    // 0 N 180 W: f < 0
    EXPECT_POINT_NEAR(out, 180.0, -160.0);
}

TEST(ProjectPolarPerspective, EachVariantHasItsOwnDistance)
{
    const double radius_45[] = { 37.279221, 45.0, 44.083803, 45.190618, 47.637373 };
    float out[2];
    for (int variant = 0; variant < 5; ++variant) {
        SCOPED_TRACE(variant);
        project_point(project_polar_perspective, variant, 1, 12, 0.0f, 15.0f, out);   // 45 N 0 E
        EXPECT_POINT_NEAR(out, 90.0, 90.0 + radius_45[variant]);
        project_point(project_polar_perspective, variant, 2, 12, 0.0f, 30.0f, out);   // equator
        EXPECT_POINT_NEAR(out, 90.0, 180.0);
        project_point(project_polar_perspective, variant, 5, 12, 0.0f, 30.0f, out);   // South Pole
        EXPECT_POINT_NEAR(out, 270.0, 90.0);
    }
}

TEST(ProjectEquatorialStereographic, HemispheresAreDiscsOfRadius90)
{
    float out[2];
    project_point(project_equatorial_stereographic, 0, 2, 12, 0.0f, 30.0f, out);   // 0 N 0 E: centre
    EXPECT_POINT_NEAR(out, 90.0, 90.0);
    project_point(project_equatorial_stereographic, 0, 2, 6, 0.0f, 30.0f, out);    // 0 N 90 W: rim
    EXPECT_POINT_NEAR(out, 0.0, 90.0);
    project_point(project_equatorial_stereographic, 0, 0, 12, 0.0f, 0.0f, out);    // North Pole
    EXPECT_POINT_NEAR(out, 90.0, 0.0);
}

TEST(ProjectObliqueStereographic, LooksAtLongitude0From30North)
{
    float out[2];
    project_point(project_oblique_stereographic, 0, 2, 12, 0.0f, 0.0f, out);
    EXPECT_POINT_NEAR(out, 180.0, 90.0);
    project_point(project_oblique_stereographic, 0, 0, 12, 0.0f, 0.0f, out);
    EXPECT_POINT_NEAR(out, 180.0, 38.038476);
    project_point(project_oblique_stereographic, 0, 1, 0, 0.0f, 30.0f, out);   // 30 N 180 W: beyond the rim
    EXPECT_POINT_NEAR(out, 180.0, 0.0);
}

TEST(ProjectPolarAzimuthalEquidistant, RadiusIsTheDistanceFromTheNearerPole)
{
    float out[2];
    project_point(project_polar_azimuthal_equidistant, 0, 0, 3, 4.0f, 0.0f, out);
    EXPECT_POINT_NEAR(out, 90.0, 90.0);
    project_point(project_polar_azimuthal_equidistant, 0, 1, 12, 0.0f, 15.0f, out);   // 45 N
    EXPECT_POINT_NEAR(out, 90.0, 135.0);
    project_point(project_polar_azimuthal_equidistant, 0, 5, 3, 4.0f, 30.0f, out);
    EXPECT_POINT_NEAR(out, 270.0, 90.0);
}

TEST(ProjectPolarAzimuthalEquidistantInterrupted, SplitsTheSouthAtTheEdges)
{
    float out[2];
    project_point(project_polar_azimuthal_equidistant_interrupted, 0, 0, 3, 4.0f, 0.0f, out);
    EXPECT_POINT_NEAR(out, 180.0, 90.0);
    project_point(project_polar_azimuthal_equidistant_interrupted, 0, 5, 3, 4.0f, 30.0f, out);
    EXPECT_POINT_NEAR(out, 0.0, 90.0);
    project_point(project_polar_azimuthal_equidistant_interrupted, 0, 5, 15, 4.0f, 30.0f, out);
    EXPECT_POINT_NEAR(out, 360.0, 90.0);
    project_point(project_polar_azimuthal_equidistant_interrupted, 0, 3, 6, 0.0f, 0.0f, out);   // equator
    EXPECT_POINT_NEAR(out, 90.0, 90.0);
    project_point(project_polar_azimuthal_equidistant_interrupted, 0, 2, 0, 0.0f, 30.0f, out);
    EXPECT_POINT_NEAR(out, 180.0, 0.0);
}

TEST(ProjectPolarAzimuthalEquidistantWorldwide, SouthPoleIsTheRim)
{
    float out[2];
    project_point(project_polar_azimuthal_equidistant_worldwide, 0, 0, 3, 4.0f, 0.0f, out);
    EXPECT_POINT_NEAR(out, 180.0, 90.0);
    project_point(project_polar_azimuthal_equidistant_worldwide, 0, 5, 12, 0.0f, 30.0f, out);
    EXPECT_POINT_NEAR(out, 180.0, 180.0);
}

TEST(ProjectEquatorialAzimuthalEquidistant, CentreStaysAtTheDiscCentre)
{
    float out[2];
    project_point(project_equatorial_azimuthal_equidistant, 0, 2, 12, 0.0f, 30.0f, out);   // c = 0: guarded
    EXPECT_POINT_NEAR(out, 90.0, 90.0);
    project_point(project_equatorial_azimuthal_equidistant, 0, 1, 12, 0.0f, 15.0f, out);   // 45 N
    EXPECT_POINT_NEAR(out, 90.0, 45.0);
    project_point(project_equatorial_azimuthal_equidistant, 0, 0, 12, 0.0f, 0.0f, out);
    EXPECT_POINT_NEAR(out, 90.0, 0.0);
}

TEST(ProjectPolarAzimuthalEqualArea, EquatorIsTheRimInEveryVariant)
{
    const double rim_y[] = { 0.0, 0.0, 0.0000020, 0.0000298 };
    float out[2];
    for (int variant : { 0, 2, 3 }) {
        SCOPED_TRACE(variant);
        project_point(project_polar_azimuthal_equal_area, variant, 2, 0, 0.0f, 30.0f, out);
        EXPECT_POINT_NEAR(out, 90.0, rim_y[variant]);
    }
    project_point(project_polar_azimuthal_equal_area, 1, 2, 0, 0.0f, 30.0f, out);   // Wiechel: turned by 45
    EXPECT_POINT_NEAR(out, 90.0 + 90.0 * 0.70710678, 90.0 - 90.0 * 0.70710678);
    project_point(project_polar_azimuthal_equal_area, 0, 5, 4, 0.0f, 30.0f, out);
    EXPECT_POINT_NEAR(out, 270.0, 90.0);
}

TEST(ProjectEquatorialAzimuthalEqualArea, HemispheresAreDiscsOfRadius90)
{
    float out[2];
    project_point(project_equatorial_azimuthal_equal_area, 0, 2, 12, 0.0f, 30.0f, out);
    EXPECT_POINT_NEAR(out, 90.0, 90.0);
    project_point(project_equatorial_azimuthal_equal_area, 0, 1, 12, 0.0f, 15.0f, out);
    EXPECT_POINT_NEAR(out, 90.0, 41.292351);
    project_point(project_equatorial_azimuthal_equal_area, 0, 0, 12, 0.0f, 0.0f, out);
    EXPECT_POINT_NEAR(out, 90.0, 0.0);
}

// 2. Invariants: the oblique views stay on their disc, pushed points included.
static void expect_every_kept_point_on_disc(ProjectionFormula formula)
{
    float frame[2 * FRAME_POINT_COUNT];
    frame_points(frame);
    float out[2 * FRAME_POINT_COUNT];
    for (int band = 0; band < BAND_COUNT; ++band)
        for (int sector = 0; sector < SECTOR_COUNT; ++sector) {
            const int kept = run_formula(formula, 0, band, sector, 0, frame, FRAME_POINT_COUNT, out);
            for (int i = 0; i < kept; ++i)
                ASSERT_LE(distance_from(out + 2 * i, 180.0, 90.0), 90.0 + PROJECTED_TOLERANCE)
                    << "band " << band << ", sector " << sector << ", point " << i;
        }
}

TEST(ObliqueAzimuthals, EveryKeptPointLiesOnTheDisc)
{
    expect_every_kept_point_on_disc(project_oblique_orthographic);
    expect_every_kept_point_on_disc(project_oblique_stereographic);
}

