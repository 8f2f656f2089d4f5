// tests/platform_math_test.cpp: the native build's clamped arcsine and arccosine agree with the
// C library's inside [-1, 1] and give the end angles beyond it; its batched sines and cosines
// agree with the scalar ones for every batch length.
#include <gtest/gtest.h>
#include <cmath>
#include "platform/math.h"

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

TEST(NativeMath, BatchedSinesAndCosinesMatchTheScalarOnesAtEveryLength)
{
    double x[33], s[33], c[33];
    for (int i = 0; i < 33; ++i) x[i] = -7.0 + 0.437 * i;
    for (int n = 0; n <= 33; ++n) {
        for (int i = 0; i < 33; ++i) s[i] = c[i] = 5.0;   // outside the range of either
        sines_and_cosines_d(x, s, c, n);
        for (int i = 0; i < 33; ++i) {
            SCOPED_TRACE(testing::Message() << "length " << n << ", point " << i);
            EXPECT_NEAR(s[i], i < n ? std::sin(x[i]) : 5.0, 1e-15);
            EXPECT_NEAR(c[i], i < n ? std::cos(x[i]) : 5.0, 1e-15);
        }
    }
}
