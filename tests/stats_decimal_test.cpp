// tests/stats_decimal_test.cpp
#include <gtest/gtest.h>
#include <cfloat>
#include "stats/decimal.h"

TEST(PowerOfTen, ExactWherePossible)
{
    double p = 1.0;
    for (int e = 0; e <= 22; ++e, p *= 10.0) EXPECT_EQ(power_of_ten(e), p) << e;
    EXPECT_EQ(power_of_ten(-1), 0.1);
    EXPECT_EQ(power_of_ten(-3), 0.001);
    EXPECT_EQ(power_of_ten(-22), 1e-22);
}

TEST(ScaleByPowerOfTen, ReachesTheEndsOfTheDoubleRange)
{
    EXPECT_NEAR(scale_by_power_of_ten(DBL_MAX, -303) / 1.7976931348623157e5, 1.0, 1e-12);
    EXPECT_NEAR(scale_by_power_of_ten(4.9406564584124654e-324, 329) / 4.9406564584124654e5, 1.0, 1e-12);
    EXPECT_EQ(scale_by_power_of_ten(1234.0, -3), 1.234);
    EXPECT_EQ(scale_by_power_of_ten(0.25, 2), 25.0);
}

TEST(TruncateTowardZero, DropsTheFractionOnBothSides)
{
    EXPECT_EQ(truncate_toward_zero(2.9), 2.0);
    EXPECT_EQ(truncate_toward_zero(-2.9), -2.0);
    EXPECT_EQ(truncate_toward_zero(3075000.5), 3075000.0);
    EXPECT_EQ(truncate_toward_zero(1e300), 1e300);
    EXPECT_EQ(truncate_toward_zero(-1e19), -1e19);
}
