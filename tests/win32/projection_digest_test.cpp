// tests/win32/projection_digest_test.cpp: the x87 build projects the embedded cells as the
// native build does, every entry at every rotation, within the x87 build's own tolerance.
#include <gtest/gtest.h>
#include <cmath>
#include "tests/projection_digest.h"

// x87 keeps intermediates in extended precision and has its own sine and logarithm, so a float
// may come out a few last bits apart from the native build's.
static const double X87_PER_POINT_TOLERANCE = 1e-4;

TEST(ProjectionDigest, EveryEntryAtEveryRotationMatchesTheNativeBuild)
{
    prepare_embedded_cells();
    double worst = 0.0;   // the largest change of a sum, per projected point
    for (int index = 0; index < PROJECTION_COUNT; ++index)
        for (int rotation = 0; rotation < ROTATION_STEPS; ++rotation) {
            const PassDigest d = digest_pass(index, rotation);
            const PassDigest& expected = PROJECTION_DIGESTS[index * ROTATION_STEPS + rotation];
            SCOPED_TRACE(testing::Message() << "entry " << index << ", rotation " << rotation);
            ASSERT_EQ(d.points, expected.points);
            EXPECT_EQ(d.pieces, expected.pieces);
            const double tolerance = sum_tolerance(expected, X87_PER_POINT_TOLERANCE);
            const double changes[] = { d.sum_x - expected.sum_x, d.sum_y - expected.sum_y,
                                       d.alternate_x - expected.alternate_x, d.alternate_y - expected.alternate_y };
            for (double change : changes) {
                EXPECT_LE(std::fabs(change), tolerance);
                if (d.points > 0 && std::fabs(change) / d.points > worst) worst = std::fabs(change) / d.points;
            }
        }
    std::printf("largest change of a sum per point: %g map units\n", worst);
}
