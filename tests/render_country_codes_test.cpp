// tests/render_country_codes_test.cpp: country codes on orbily-render's command line.
#include <gtest/gtest.h>
#include <string>
#include "tests/render_harness.h"

// The two-letter codes come from the embedded statistics (their "ISO/2" column); France and the
// United States have aspects of their own, so a wrong lookup shows.
TEST(ParseCountryCode, AcceptsCodesAndIsoCodesInEitherCase)
{
    const std::string france = run_render("flag 65 --aspect").output, usa = run_render("flag 200 --aspect").output;
    ASSERT_NE(france, usa);
    EXPECT_EQ(run_render("flag FR --aspect").output, france);
    EXPECT_EQ(run_render("flag fR --aspect").output, france);
    EXPECT_EQ(run_render("flag us --aspect").output, usa);
    EXPECT_NE(run_render("flag 0 --aspect").status, 2);
    EXPECT_NE(run_render("flag ZW --aspect").status, 2);   // the last country
    for (const char* bad : {"-1", "65x", "F", "FRA", "ZZ", "215"})
        EXPECT_EQ(run_render(std::string("flag ") + bad + " --aspect").status, 2) << bad;
}
