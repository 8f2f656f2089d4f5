// tests/projection_second_group_points.h: projects single points, for the anchor tests.
#pragma once
#include "tests/projection_harness.h"

struct MapPoint {
    float x, y;
};

// The point (x, y) of a piece in the given band and display sector, rotation 0.
inline MapPoint project_point(ProjectionFormula formula, int variant, int band, int sector, float x, float y)
{
    const float in[2] = {x, y};
    float out[2] = {-1e9f, -1e9f};
    EXPECT_EQ(run_formula(formula, variant, band, sector, 0, in, 1, out), 1);
    return MapPoint{out[0], out[1]};
}

#define EXPECT_MAP_POINT_NEAR(point, expected_x, expected_y) \
    do {                                                     \
        const MapPoint p_ = (point);                         \
        EXPECT_NEAR(p_.x, (expected_x), PROJECTED_TOLERANCE); \
        EXPECT_NEAR(p_.y, (expected_y), PROJECTED_TOLERANCE); \
    } while (0)
