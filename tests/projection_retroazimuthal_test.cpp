// tests/projection_retroazimuthal_test.cpp
#include <cmath>
#include <gtest/gtest.h>
#include "projection/formulas.h"
#include "tests/projection_second_group_points.h"

static double radians(double degrees) { return degrees * double(3.1415927f) * double(0.0055555557f); }

TEST(ProjectLittrow, CentralMeridianAndClamp)
{
    // on longitude 0: X = 180, Y = 90 - 37 tan(phi)
    EXPECT_MAP_POINT_NEAR(project_point(project_littrow, 0, 1, 12, 0, 15), 180.0, 90.0 - 37.0 * std::tan(radians(45)));
    // beyond 80 degrees the latitude is held at 80
    const MapPoint pole = project_point(project_littrow, 0, 0, 12, 0, 0);
    const MapPoint eighty = project_point(project_littrow, 0, 0, 12, 0, 10);
    EXPECT_MAP_POINT_NEAR(pole, eighty.x, eighty.y);
}

TEST(ProjectMeccaRetroazimuthal, CentreMeridianOfMecca)
{
    // alpha = 0 on longitude 45 E: q = 1, Y = 97.69266 (1 - sin(beta) x 1 + 0.3955 cos(beta))
    const MapPoint equator = project_point(project_mecca_retroazimuthal, 0, 3, 15, 0, 0);
    EXPECT_MAP_POINT_NEAR(equator, 180.0, 97.69266f + 97.69266f * 0.3955f);
    const MapPoint north = project_point(project_mecca_retroazimuthal, 0, 1, 15, 0, 0);   // 60 N
    EXPECT_NEAR(north.y, 97.69266f - 97.69266f * (float(std::sin(radians(60))) - 0.3955f * std::cos(radians(60))),
                PROJECTED_TOLERANCE);
}

TEST(ProjectHinksReeves, CentralMeridianAndClampNearTheCentre)
{
    // on longitude 0: X = 180
    EXPECT_NEAR(project_point(project_hinks_reeves, 0, 2, 12, 0, 10).x, 180.0, PROJECTED_TOLERANCE);
    // the centre (cos distance 1) is clamped to 0.999999, so z / sin z stays finite
    const double centre_deg = std::atan2(0.782608f, 0.622515f) * 180.0 / 3.14159265358979;   // about 51.5 N
    const float y = float(60.0 - centre_deg);
    const MapPoint p = project_point(project_hinks_reeves, 0, 1, 12, 0, y);
    EXPECT_TRUE(std::isfinite(p.x) && std::isfinite(p.y));
    EXPECT_NEAR(p.x, 180.0, PROJECTED_TOLERANCE);
}
