// tests/projection_harness.cpp: one-piece runs of a formula, shared by the projection tests.
#include "tests/projection_harness.h"

int run_formula(ProjectionFormula formula, int variant, int band, int sector, int rotation,
                const float* input, int count, float* output)
{
    const ProjectionEntry entry = { uint32_t(variant) << 16, formula };
    const ProjectionContext ctx = { &entry, sector, band, input, output, count, rotation };
    return formula(ctx);
}

int run_entry(int index, int band, int sector, int rotation, const float* input, int count,
              float* output)
{
    const ProjectionContext ctx = { &PROJECTION_CATALOGUE[index], sector, band, input, output,
                                    count, rotation };
    return PROJECTION_CATALOGUE[index].formula(ctx);
}

void frame_points(float* points)
{
    int n = 0;
    auto add = [&](int x, int y) { points[2 * n] = float(x); points[2 * n + 1] = float(y); ++n; };
    for (int x = 0; x < 15; ++x) add(x, 0);
    for (int y = 0; y < 30; ++y) add(15, y);
    for (int x = 15; x > 0; --x) add(x, 30);
    for (int y = 30; y >= 0; --y) add(0, y);
}
