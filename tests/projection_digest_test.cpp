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
    if (const char* path = std::getenv("ORBILY_WRITE_PROJECTION_DIGESTS")) {
        FILE* table = std::fopen(path, "w");
        ASSERT_NE(table, nullptr) << path;
        for (int index = 0; index < PROJECTION_COUNT; ++index)
            for (int rotation = 0; rotation < ROTATION_STEPS; ++rotation)
                write_digest_row(table, digest_pass(index, rotation), index, rotation);
        std::fclose(table);
        GTEST_SKIP() << "wrote " << path;
    }
    int identical = 0;
    double worst = 0.0;
    ASSERT_NO_FATAL_FAILURE(expect_every_pass_matches_table(NATIVE_PER_POINT_TOLERANCE, worst, identical));
    // not a failure: a rewrite by an identity may still move a float by its last bit
    std::printf("%d of %d passes bit-identical; largest change of a sum per point: %g map units\n", identical,
                PROJECTION_COUNT * ROTATION_STEPS, worst);
}
