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

TEST(ProjectRobinson, CubicBetweenRows)
{
    // 47 N: row 9, t = 2
    const double t = 2.0;
    const double p = 0.8962f + t * (-0.00536222f + t * (-3.23834e-05f + t * -5.43445e-06f));
    const double q = 0.5571f + t * (0.0120308f + t * (4.02857e-05f + t * -5.2901e-06f));
    EXPECT_MAP_POINT_NEAR(project_point(project_robinson, 0, 1, 18, 0, 13), 180.0 + 90.0 * p, 90.0 - 90.0 * q);
    // the southern half mirrors it
    EXPECT_MAP_POINT_NEAR(project_point(project_robinson, 0, 4, 18, 0, 17), 180.0 + 90.0 * p, 90.0 + 90.0 * q);
}
