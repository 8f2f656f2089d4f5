// tests/projection_fans_test.cpp
#include <cmath>
#include <gtest/gtest.h>
#include "projection/formulas.h"
#include "tests/projection_second_group_points.h"

static const double PI_SINGLE = 3.1415927f;

TEST(ProjectBraun2, HalfDiscFanFromTheNorthPole)
{
    for (int variant : {0, 1}) {
        // the North Pole is the apex at (180, 0) for every longitude
        EXPECT_MAP_POINT_NEAR(project_point(project_braun_2, variant, 0, 3, 4, 0), 180.0, 0.0);
        EXPECT_MAP_POINT_NEAR(project_point(project_braun_2, variant, 0, 20, 4, 0), 180.0, 0.0);
    }
    // conical equal-area: the equator at radius 180 sin(pi/4); longitude 0 points straight down
    EXPECT_MAP_POINT_NEAR(project_point(project_braun_2, 0, 3, 12, 0, 0), 180.0, 180.0 * std::sin(0.7853982f));
    // Braun II: radius (0.8660254 - 0.5 tan(pi/12)) 155.88 at the equator
    const double rho = (0.8660254f - 0.5 * std::tan(0.5235988f * 0.5)) * 155.88f;
    EXPECT_MAP_POINT_NEAR(project_point(project_braun_2, 1, 3, 12, 0, 0), 180.0, rho);
    // the date line runs along the top edge on both sides
    EXPECT_NEAR(project_point(project_braun_2, 0, 3, 0, 0, 0).y, 0.0, PROJECTED_TOLERANCE);
    EXPECT_NEAR(project_point(project_braun_2, 0, 3, 23, 15, 0).y, 0.0, PROJECTED_TOLERANCE);
}

TEST(ProjectPolyconic, EquatorIsStraight)
{
    for (int variant : {0, 1}) {
        const double scale = variant == 0 ? 37.0 : 47.0;
        for (int sector : {0, 7, 12, 23}) {
            const double lambda_r = (15.0 * sector - 180.0 + 6.0) * PI_SINGLE * double(0.0055555557f);
            EXPECT_MAP_POINT_NEAR(project_point(project_polyconic, variant, 3, sector, 6, 0), scale * lambda_r + 180.0, 90.0);
        }
    }
}

TEST(ProjectPolyconic, PolesAndCentralMeridian)
{
    // the pole guard: u = 0, v = phi
    EXPECT_MAP_POINT_NEAR(project_point(project_polyconic, 0, 0, 3, 2, 0), 180.0, 90.0 - 37.0 * PI_SINGLE * 0.5);
    // on the central meridian E = 0, so v = phi: a true-scale straight meridian
    EXPECT_MAP_POINT_NEAR(project_point(project_polyconic, 1, 1, 12, 0, 0), 180.0,
                          90.0 - 47.0 * 60.0 * PI_SINGLE * double(0.0055555557f));
}

TEST(ProjectCycloidal, FanFromThePoleDownToTheEquator)
{
    // the North Pole is the centre of the fan's top; the equator on longitude 0 is 55 pi/2 x 2 down
    EXPECT_MAP_POINT_NEAR(project_point(project_cycloidal, 0, 0, 9, 3, 0), 180.0, 0.0);
    EXPECT_MAP_POINT_NEAR(project_point(project_cycloidal, 0, 3, 12, 0, 0), 180.0, 2.0 * 55.0 * PI_SINGLE * 0.5);
}
