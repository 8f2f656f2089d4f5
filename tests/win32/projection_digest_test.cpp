// tests/win32/projection_digest_test.cpp: the x87 build projects the embedded cells as the
// native build does, every entry at every rotation, within the x87 build's own tolerance.
#include <gtest/gtest.h>
#include "tests/projection_digest.h"

// x87 keeps intermediates in extended precision and has its own sine and logarithm, so a float
// may come out a last bit apart from the native build's; the sums stay within 1e-6 per point.
static const double X87_PER_POINT_TOLERANCE = 1e-5;

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
            const double change = change_per_point(d, expected);
            EXPECT_LE(change, X87_PER_POINT_TOLERANCE);
            worst = change > worst ? change : worst;
        }
    std::printf("largest change of a sum per point: %g map units\n", worst);
}
