// tests/projection_robinson_test.cpp
#include <gtest/gtest.h>
#include "projection/formulas.h"
#include "tests/projection_second_group_points.h"

TEST(ProjectRobinson, TableRowsAtWholeSteps)
{
    // pole: row 18, t = 0: P = 0.5322, Q = 1
    EXPECT_MAP_POINT_NEAR(project_point(project_robinson, 0, 0, 18, 0, 0), 180.0 + 90.0 * 0.5322f, 0.0);
    EXPECT_MAP_POINT_NEAR(project_point(project_robinson, 0, 5, 6, 0, 30), 180.0 - 90.0 * 0.5322f, 180.0);
    // equator: row 0, t = 0
    EXPECT_MAP_POINT_NEAR(project_point(project_robinson, 0, 3, 18, 0, 0), 270.0, 90.0);
    // 45 N: row 9
    EXPECT_MAP_POINT_NEAR(project_point(project_robinson, 0, 1, 18, 0, 15), 180.0 + 90.0 * 0.8962f, 90.0 - 90.0 * 0.5571f);
}

TEST(ProjectRobinson, SouthernHalfMirrorsTheNorthern)
{
    for (float y = 0.0f; y <= 30.0f; y += 2.5f) {   // 90..60 N and 60..90 S, 30..0 N and 0..30 S
        for (int band = 0; band < 3; ++band) {
            const MapPoint north = project_point(project_robinson, 0, band, 18, 3.0f, y);
            const MapPoint south = project_point(project_robinson, 0, 5 - band, 18, 3.0f, 30.0f - y);
            EXPECT_EQ(north.x, south.x);
            EXPECT_NEAR(north.y, 180.0 - south.y, PROJECTED_TOLERANCE);
        }
    }
}
