// tests/projection_harness.h: runs one piece through a formula, and the tolerance for map units.
// Formula tests build a context here instead of going through the cell list.
#pragma once
#include <gtest/gtest.h>
#include "projection/projection.h"

// x87 extended precision and the native double build may differ in the last float bits.
const double PROJECTED_TOLERANCE = 1e-3;

// Projects count cell-local points (x, y pairs) of one piece in the given band and stored sector
// with the formula and variant (or catalogue entry) given; returns the formula's result.
int run_formula(ProjectionFormula formula, int variant, int band, int sector, int rotation,
                const float* input, int count, float* output);
int run_entry(int index, int band, int sector, int rotation, const float* input, int count,
              float* output);

// The 91 points of a cell frame: clockwise from (0, 0) in 1-degree steps, closed.
void frame_points(float* points);

#define EXPECT_POINT_NEAR(point, x, y)                     \
    do {                                                   \
        EXPECT_NEAR((point)[0], (x), PROJECTED_TOLERANCE); \
        EXPECT_NEAR((point)[1], (y), PROJECTED_TOLERANCE); \
    } while (0)
