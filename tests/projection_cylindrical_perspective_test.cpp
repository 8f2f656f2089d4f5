// tests/projection_cylindrical_perspective_test.cpp
#include <cmath>
#include <gtest/gtest.h>
#include "projection/formulas.h"
#include "tests/projection_second_group_points.h"

static const double PI_SINGLE = 3.1415927f;
static double radians(double degrees) { return degrees * PI_SINGLE * double(0.0055555557f); }

// 1. Anchors: the equator, the poles, and the clamps.
TEST(ProjectCylindricalNorthings, EquatorIsMidHeightAndXIsLongitude)
{
    for (ProjectionFormula f : {project_central_cylindrical, project_gall_stereographic, project_braun_1})
        EXPECT_MAP_POINT_NEAR(project_point(f, 0, 3, 5, 2.5f, 0.0f), 77.5, 90.0);
    for (int variant = 1; variant <= 3; ++variant)
        EXPECT_MAP_POINT_NEAR(project_point(project_miller, variant, 3, 23, 15.0f, 0.0f), 360.0, 90.0);
}

TEST(ProjectCylindricalNorthings, PolesAndClamps)
{
    EXPECT_NEAR(project_point(project_gall_stereographic, 0, 0, 0, 0, 0).y, 0.0, PROJECTED_TOLERANCE);
    // Miller I reaches the frame's top at the pole: 52.72078 (sin 45 + tan 45) = 90
    EXPECT_NEAR(project_point(project_miller, 1, 0, 0, 0, 0).y, 0.0, 2e-3);
    // Central Cylindrical stops at 66.33 degrees, Braun I at 85
    const double central = 90.0 - 39.451f * std::tan(radians(66.33f));
    EXPECT_NEAR(project_point(project_central_cylindrical, 0, 0, 0, 0, 0).y, central, PROJECTED_TOLERANCE);
    EXPECT_NEAR(project_point(project_central_cylindrical, 0, 0, 0, 0, 23.0f).y, central, PROJECTED_TOLERANCE);
    EXPECT_NEAR(project_point(project_central_cylindrical, 0, 5, 0, 0, 30.0f).y, 180.0 - central, PROJECTED_TOLERANCE);
    const double a = radians(85.0f);
    EXPECT_NEAR(project_point(project_braun_1, 0, 0, 0, 0, 2.0f).y, 90.0 - 45.0 * std::sin(a) / (std::cos(a) + 0.4f),
                PROJECTED_TOLERANCE);
}

TEST(ProjectMiller, VariantsGrowFromFirstToThird)
{
    // at 60 degrees north the three Millers lie in the order I, III, II of their northings
    const double first = project_point(project_miller, 1, 1, 0, 0, 0).y;
    const double second = project_point(project_miller, 2, 1, 0, 0, 0).y;
    const double third = project_point(project_miller, 3, 1, 0, 0, 0).y;
    EXPECT_NEAR(second, 90.0 - 68.33932f * std::log(std::tan(0.33333334f * radians(60) + 0.7853982f)), PROJECTED_TOLERANCE);
    EXPECT_NEAR(third, 90.0 - 48.840576f * std::log(std::tan(0.4f * radians(60) + 0.7853982f)), PROJECTED_TOLERANCE);
    EXPECT_LT(second, third);
    EXPECT_NE(first, third);
}

TEST(ProjectObliqueMercator, CentreAndFarSide)
{
    // longitude 0, latitude 45 is the centre of the map
    EXPECT_MAP_POINT_NEAR(project_point(project_oblique_mercator, 0, 1, 12, 0.0f, 15.0f), 180.0, 90.0);
    // the atan2 jump at the back of the globe is pulled to the map's edge on the piece's side
    const MapPoint east = project_point(project_oblique_mercator, 0, 3, 23, 14.0f, 20.0f);
    const MapPoint west = project_point(project_oblique_mercator, 0, 3, 0, 1.0f, 20.0f);
    EXPECT_GE(east.x, 180.0f);
    EXPECT_LE(west.x, 180.0f);
}

TEST(ProjectArdenClose, PolesAndEquator)
{
    // sector with j = 0 at rotation 0 is stored sector 17; beta = x, alpha = 0 on the equator
    EXPECT_MAP_POINT_NEAR(project_point(project_arden_close, 0, 3, 17, 0.0f, 0.0f), 180.0, 90.0);
    // at the North Pole d = alpha, so Y = 90 - 45 (2/pi x pi/2 + 1) = 0
    EXPECT_NEAR(project_point(project_arden_close, 0, 0, 17, 5.0f, 0.0f).y, 0.0, PROJECTED_TOLERANCE);
}
