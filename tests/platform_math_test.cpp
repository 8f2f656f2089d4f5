// tests/platform_math_test.cpp: the native build's own sine and cosine and the clamped arcsine
// and arccosine agree with the C library's over the ranges the formulas use and beyond.
#include <gtest/gtest.h>
#include <cmath>
#include "platform/math.h"

TEST(NativeMath, SineCosineAndTangentWithinAnUlpOrTwo)
{
    // steps that land near every multiple of pi/32, a far argument and the library's own range
    const struct { double from, to, step; } sweeps[] = {
        { -7.0, 7.0, 0.000987 }, { -1e-3, 1e-3, 1.3e-7 }, { 99000.0, 100000.0, 0.731 }, { 1e5, 1e7, 99991.0 },
    };
    for (const auto& sweep : sweeps)
        for (double x = sweep.from; x <= sweep.to; x += sweep.step) {
            double s, c;
            sine_and_cosine_d(x, s, c);
            EXPECT_NEAR(s, std::sin(x), 3e-16) << x;
            EXPECT_NEAR(c, std::cos(x), 3e-16) << x;
            EXPECT_EQ(sin_d(x), s);
            EXPECT_EQ(cos_d(x), c);
            if (std::fabs(c) > 1e-3) EXPECT_NEAR(tan_d(x), std::tan(x), 1e-15 * std::fabs(1.0 / (c * c))) << x;
        }
    const double pi = 3.14159265358979323846;
    for (int k = -64; k <= 64; ++k) {   // near the multiples, and the zeros, the reduction is exact
        const double x = k * (pi / 32);
        EXPECT_NEAR(sin_d(x), std::sin(x), 1e-15 * std::fabs(std::sin(x)) + 1e-25) << k;
        EXPECT_NEAR(cos_d(x), std::cos(x), 1e-15 * std::fabs(std::cos(x)) + 1e-25) << k;
    }
    EXPECT_TRUE(std::signbit(sin_d(-0.0)));
    EXPECT_EQ(cos_d(-0.0), 1.0);
    EXPECT_TRUE(std::isnan(sin_d(NAN)));
}

TEST(NativeMath, ArcsineAndArccosineClampTheirArgument)
{
    for (double z = -1.0; z <= 1.0; z += 0.00123) {
        EXPECT_EQ(asin_d(z), std::asin(z));
        EXPECT_EQ(acos_d(z), std::acos(z));
    }
    const double half_pi = 1.5707963267948966;
    const struct { double z, asin, acos; } beyond[] = { { 1.0000001, half_pi, 0.0 }, { -1.5, -half_pi, 2 * half_pi } };
    for (const auto& b : beyond) {
        EXPECT_EQ(asin_d(b.z), b.asin);
        EXPECT_EQ(acos_d(b.z), b.acos);
    }
}
