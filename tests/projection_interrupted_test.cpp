// tests/projection_interrupted_test.cpp
#include <cmath>
#include <gtest/gtest.h>
#include "projection/formulas.h"
#include "tests/projection_second_group_points.h"

static MapPoint project_rotated(ProjectionFormula formula, int variant, int band, int sector, int rotation,
                                float x, float y)
{
    const float in[2] = {x, y};
    float out[2] = {0, 0};
    EXPECT_EQ(run_formula(formula, variant, band, sector, rotation, in, 1, out), 1);
    return MapPoint{out[0], out[1]};
}

// 1. Anchors of the uninterrupted maps (layout 0: every lobe centred at X = 180).
TEST(ProjectSinusoidalMollweide, UninterruptedKinds)
{
    // sinusoidal: X = cos(phi) lambda + 180, Y = 90 - phi; 60 N, 90 E
    EXPECT_MAP_POINT_NEAR(project_point(project_sinusoidal_mollweide, 0, 1, 18, 0, 0), 225.0, 30.0);
    // Mollweide: the equator at full width, the pole at the top
    EXPECT_MAP_POINT_NEAR(project_point(project_sinusoidal_mollweide, 1, 3, 23, 15, 0), 360.0, 90.0);
    EXPECT_MAP_POINT_NEAR(project_point(project_sinusoidal_mollweide, 1, 0, 23, 15, 0), 180.0, 0.0);
    // Homolosine: sinusoidal below 40.73666 degrees, scaled by 1.0958349
    EXPECT_MAP_POINT_NEAR(project_point(project_sinusoidal_mollweide, 2, 2, 18, 0, 0), 180.0 + 90.0 * std::cos(3.1415927f * 0.0055555557f * 30.0),
                          90.0 - 1.0958349f * 30.0);
    // the central meridian stays at X = 180 for every kind
    for (int variant : {0, 1, 2, 3})
        EXPECT_NEAR(project_point(project_sinusoidal_mollweide, variant, 1, 12, 0, 7).x, 180.0, PROJECTED_TOLERANCE);
}

TEST(ProjectSinusoidalMollweide, HomolosineJoinsAtTheSwitchLatitude)
{
    // just below and above 40.73666 N the two parts give nearly the same point
    const float y_switch = float(60.0 - 40.73666);
    const MapPoint below = project_point(project_sinusoidal_mollweide, 2, 1, 18, 0, y_switch + 0.001f);
    const MapPoint above = project_point(project_sinusoidal_mollweide, 2, 1, 18, 0, y_switch - 0.001f);
    EXPECT_NEAR(below.y, above.y, 0.05);
    EXPECT_NEAR(below.x, above.x, 0.05);
}

// 2. Interrupted layouts: a point on a lobe's central meridian lands on the lobe's central X.
TEST(ProjectSinusoidalMollweide, LobeCentres)
{
    // Interrupted Sinusoidal (layout 1), north lobe of j 0..8 centred at 79.5: j = 5, x = 4.5
    EXPECT_NEAR(project_point(project_sinusoidal_mollweide, 10, 1, 5, 4.5f, 10).x, 79.5, PROJECTED_TOLERANCE);
    // layout 1, south lobe of j 17..23 centred at 330: j = 22, x = 0
    EXPECT_NEAR(project_point(project_sinusoidal_mollweide, 10, 4, 22, 0.0f, 10).x, 330.0, PROJECTED_TOLERANCE);
    // layout 2 differs from layout 1 in the north at j 9..23: 210
    EXPECT_NEAR(project_point(project_sinusoidal_mollweide, 21, 0, 14, 0.0f, 10).x, 210.0, PROJECTED_TOLERANCE);
    // layout 3 shifts by 11 sectors: stored sector 0 is j = 11, in the north lobe centred at 174,
    // whose central meridian 15 j + x = 174 lies at x = 9
    EXPECT_NEAR(project_point(project_sinusoidal_mollweide, 32, 0, 0, 9.0f, 20).x, 174.0, PROJECTED_TOLERANCE);
    // south of it, j 8..18 share the lobe centred at 207: stored sector 2 (j = 13) at x = 12
    EXPECT_NEAR(project_point(project_sinusoidal_mollweide, 32, 5, 2, 12.0f, 20).x, 207.0, PROJECTED_TOLERANCE);
}

TEST(ProjectSinusoidalMollweide, LobesFollowTheRotation)
{
    // the lobe is chosen from rotation + sector, so rotating by one sector and storing one
    // sector less gives the same point
    const MapPoint a = project_rotated(project_sinusoidal_mollweide, 22, 1, 6, 0, 3, 12);
    const MapPoint b = project_rotated(project_sinusoidal_mollweide, 22, 1, 5, 1, 3, 12);
    EXPECT_MAP_POINT_NEAR(b, a.x, a.y);
}

TEST(ProjectSinusoidalMollweide, EumorphicShiftOnlyWhenInterrupted)
{
    // layout 4, north, j = 10 (15 j = 150), lobe centre 240. Beyond 40 N the offset grows by 30
    // and the centre moves to 215.8: o = 150 - 240 + 30 = -60 against the uninterrupted -30.
    const MapPoint interrupted = project_point(project_sinusoidal_mollweide, 43, 0, 10, 0, 10);   // 80 N
    const MapPoint whole = project_point(project_sinusoidal_mollweide, 3, 0, 10, 0, 10);
    EXPECT_NEAR(interrupted.y, whole.y, PROJECTED_TOLERANCE);
    EXPECT_NEAR(interrupted.x - 215.8, 2.0 * (whole.x - 180.0), 2e-3);
    // below 40 N there is no shift: o = -90 against -30, centre 240
    const MapPoint low = project_point(project_sinusoidal_mollweide, 43, 2, 10, 0, 0);   // 30 N
    const MapPoint low_whole = project_point(project_sinusoidal_mollweide, 3, 2, 10, 0, 0);
    EXPECT_NEAR(low.x - 240.0, 3.0 * (low_whole.x - 180.0), 2e-3);
}

// 3. Stars.
TEST(ProjectStar, NorthernHemisphereIsAzimuthalEquidistant)
{
    // Petermann, rotation 0: stored sector 1 gives j = 12, arm turn -7.5 degrees; the North Pole
    // is the centre and the radius is half the colatitude
    EXPECT_MAP_POINT_NEAR(project_point(project_star, 0, 0, 1, 0, 0), 180.0, 90.0);
    const MapPoint p = project_point(project_star, 0, 1, 1, 7.5f, 20);   // colatitude 50
    EXPECT_NEAR(std::hypot(p.x - 180.0, p.y - 90.0), 25.0, PROJECTED_TOLERANCE);
    // azimuth: theta = 15 x 12 + 7.5 = 187.5 degrees, turned by -7.5: straight down
    EXPECT_MAP_POINT_NEAR(p, 180.0, 90.0 - 25.0);
}

TEST(ProjectStar, SouthernPointsFoldIntoTheirArm)
{
    // at the equator the fold changes nothing
    const MapPoint equator = project_point(project_star, 0, 3, 1, 3.0f, 0);
    EXPECT_NEAR(std::hypot(equator.x - 180.0, equator.y - 90.0), 45.0, PROJECTED_TOLERANCE);
    // at the South Pole every point of the arm collapses onto the arm's tip at radius 90
    const MapPoint tip1 = project_point(project_star, 0, 5, 1, 0.0f, 30);
    const MapPoint tip2 = project_point(project_star, 0, 5, 1, 15.0f, 30);
    EXPECT_MAP_POINT_NEAR(tip2, tip1.x, tip1.y);
    EXPECT_NEAR(std::hypot(tip1.x - 180.0, tip1.y - 90.0), 90.0, PROJECTED_TOLERANCE);
}

TEST(ProjectStar, RotationTurnsTheWholeStar)
{
    for (int variant : {0, 1}) {
        const MapPoint a = project_rotated(project_star, variant, 4, 9, 0, 6, 12);
        const MapPoint b = project_rotated(project_star, variant, 4, 9, 2, 6, 12);
        // turning by 30 degrees clockwise on the map about (180, 90)
        const double angle = 30.0 * 3.14159265358979 / 180.0;
        const double dx = a.x - 180.0, dy = a.y - 90.0;
        EXPECT_NEAR(b.x - 180.0, dx * std::cos(angle) + dy * std::sin(angle), 2e-3);
        EXPECT_NEAR(b.y - 90.0, -dx * std::sin(angle) + dy * std::cos(angle), 2e-3);
    }
}
