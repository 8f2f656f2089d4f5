// tests/projection_modified_azimuthal_test.cpp
#include <cmath>
#include <gtest/gtest.h>
#include "projection/formulas.h"
#include "tests/projection_second_group_points.h"

TEST(ProjectAiry, CentreAndUnitCircle)
{
    // 30 N on the rotated meridian 0 is the centre
    EXPECT_MAP_POINT_NEAR(project_point(project_airy, 0, 2, 12, 0, 0), 180.0, 90.0);
    // every kept point stays within the unit circle of radius 90 around the centre
    for (int band = 0; band < 6; ++band)
        for (int sector = 0; sector < 24; ++sector) {
            const float in[2] = {15, 30};
            float out[2];
            if (run_formula(project_airy, 0, band, sector, 0, in, 1, out) == 0) continue;
            EXPECT_LE(std::hypot(out[0] - 180.0, out[1] - 90.0), 90.0 + PROJECTED_TOLERANCE);
        }
}

// 2. Winkel Tripel, Wagner VII and Briesemeister: centre, symmetry, width.
TEST(ModifiedAzimuthals, CentreOfTheMap)
{
    for (ProjectionFormula f : {project_winkel_tripel, project_wagner_7})
        EXPECT_MAP_POINT_NEAR(project_point(f, 0, 3, 12, 0, 0), 180.0, 90.0);
    // Briesemeister is centred at 45 N, 0: q = 0 there
    EXPECT_NEAR(project_point(project_briesemeister, 0, 1, 12, 0, 15).y, 90.0, PROJECTED_TOLERANCE);
}

TEST(ModifiedAzimuthals, EquatorEnds)
{
    // Wagner VII reaches the frame's sides at longitude +-180 on the equator
    EXPECT_MAP_POINT_NEAR(project_point(project_wagner_7, 0, 3, 23, 15, 0), 360.0, 90.0);
    EXPECT_MAP_POINT_NEAR(project_point(project_wagner_7, 0, 3, 0, 0, 0), 0.0, 90.0);
    // Winkel Tripel: 70 (pi/2 + 1) + 180 at longitude 180 on the equator
    EXPECT_NEAR(project_point(project_winkel_tripel, 0, 3, 23, 15, 0).x, 180.0 + 70.0 * (3.1415927f / 2 + 1.0), 2e-3);
    // and its pole line is 30 (pi/2 + pi/2) above the centre: slightly outside the frame
    EXPECT_NEAR(project_point(project_winkel_tripel, 0, 0, 12, 0, 0).y, 90.0 - 30.0 * 3.1415927f, 2e-3);
}

TEST(ModifiedAzimuthals, MirrorSymmetry)
{
    for (ProjectionFormula f : {project_winkel_tripel, project_wagner_7, project_briesemeister}) {
        const MapPoint east = project_point(f, 0, 1, 16, 5, 10);   // 50 N, 65 E
        const MapPoint west = project_point(f, 0, 1, 7, 10, 10);   // 50 N, 65 W
        EXPECT_NEAR(east.x - 180.0, 180.0 - west.x, PROJECTED_TOLERANCE);
        EXPECT_NEAR(east.y, west.y, PROJECTED_TOLERANCE);
    }
}

TEST(ProjectBriesemeister, HalvesMeetAndNothingIsLost)
{
    // the western half is mirrored: display sectors 0..11 stay left of X = 180
    for (int sector = 0; sector < 24; ++sector)
        for (int band = 0; band < 6; ++band) {
            const MapPoint p = project_point(project_briesemeister, 0, band, sector, 7.5f, 15);
            EXPECT_TRUE(std::isfinite(p.x) && std::isfinite(p.y));
            if (sector < 12) EXPECT_LE(p.x, 180.0f);
            else EXPECT_GE(p.x, 180.0f);
        }
    // 45 N on the date line reaches q = 1, where o = 0: still a finite point, on the rim
    const MapPoint rim = project_point(project_briesemeister, 0, 1, 23, 15, 15);
    EXPECT_TRUE(std::isfinite(rim.x) && std::isfinite(rim.y));
}
