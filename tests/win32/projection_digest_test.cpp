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
    int identical = 0;
    ASSERT_NO_FATAL_FAILURE(expect_every_pass_matches_table(X87_PER_POINT_TOLERANCE, worst, identical));
    std::printf("largest change of a sum per point: %g map units\n", worst);
}
