// tests/platform_math_test.cpp: the native build's clamped arcsine and arccosine agree with the
// C library's inside [-1, 1] and give the end angles beyond it.
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
