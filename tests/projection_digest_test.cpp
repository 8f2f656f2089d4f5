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
    double worst = 0.0;
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
            const double change = change_per_point(d, expected);
            EXPECT_LE(change, NATIVE_PER_POINT_TOLERANCE);
            worst = change > worst ? change : worst;
            identical += d.bits == expected.bits;
        }
    if (table) {
        std::fclose(table);
        GTEST_SKIP() << "wrote " << path;
    }
    // not a failure: a rewrite by an identity may still move a float by its last bit
    std::printf("%d of %d passes bit-identical; largest change of a sum per point: %g map units\n", identical,
                PROJECTION_COUNT * ROTATION_STEPS, worst);
}
