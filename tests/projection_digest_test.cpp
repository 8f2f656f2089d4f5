// tests/projection_digest_test.cpp: every catalogue entry at every rotation still projects the
// embedded cells as the table of digests holds: no point may move by more than 1e-5 map units.
#include <gtest/gtest.h>
#include <cstdlib>
#include "tests/projection_digest.h"

static const double NATIVE_PER_POINT_TOLERANCE = 1e-5;

TEST(ProjectionDigest, EveryEntryAtEveryRotationKeepsItsPoints)
{
    prepare_embedded_cells();
    // ORBILY_WRITE_PROJECTION_DIGESTS=file writes the table instead of checking it
    const char* path = std::getenv("ORBILY_WRITE_PROJECTION_DIGESTS");
    FILE* table = path ? std::fopen(path, "w") : nullptr;
    if (path) ASSERT_NE(table, nullptr) << path;
    int identical = 0;
    for (int index = 0; index < PROJECTION_COUNT; ++index)
        for (int rotation = 0; rotation < ROTATION_STEPS; ++rotation) {
            const PassDigest d = digest_pass(index, rotation);
            if (table) {
                write_digest_row(table, d, index, rotation);
                continue;
            }
            const PassDigest& expected = PROJECTION_DIGESTS[index * ROTATION_STEPS + rotation];
            SCOPED_TRACE(testing::Message() << "entry " << index << ", rotation " << rotation);
            ASSERT_EQ(d.points, expected.points);
            EXPECT_EQ(d.pieces, expected.pieces);
            const double tolerance = sum_tolerance(expected, NATIVE_PER_POINT_TOLERANCE);
            EXPECT_NEAR(d.sum_x, expected.sum_x, tolerance);
            EXPECT_NEAR(d.sum_y, expected.sum_y, tolerance);
            EXPECT_NEAR(d.alternate_x, expected.alternate_x, tolerance);
            EXPECT_NEAR(d.alternate_y, expected.alternate_y, tolerance);
            identical += d.bits == expected.bits;
        }
    if (table) {
        std::fclose(table);
        GTEST_SKIP() << "wrote " << path;
    }
    // not a failure: a rewrite by an identity may still move a float by its last bit
    std::printf("%d of %d passes bit-identical\n", identical, PROJECTION_COUNT * ROTATION_STEPS);
}
