// tests/win32/platform_math_test.cpp: the x87 maths of the Windows build agrees with the C
// library's over the ranges the formulas use.
#include <gtest/gtest.h>
#include <cmath>
#include "platform/math.h"

static const double RELATIVE_TOLERANCE = 1e-14;
static const double PI = 3.14159265358979323846;

static void expect_close(double actual, double expected, double argument)
{
    const double scale = std::fabs(expected) > 1.0 ? std::fabs(expected) : 1.0;
    EXPECT_NEAR(actual, expected, RELATIVE_TOLERANCE * scale) << "at " << argument;
}

TEST(X87Math, TrigonometryOverTwoTurns)
{
    for (double x = -2 * PI; x <= 2 * PI; x += 0.01) {
        expect_close(sin_d(x), std::sin(x), x);
        expect_close(cos_d(x), std::cos(x), x);
        if (std::fabs(std::cos(x)) > 1e-3) expect_close(tan_d(x), std::tan(x), x);
    }
}

TEST(X87Math, ArcTangentKeepsTheQuadrant)
{
    for (double a = -PI; a < PI; a += 0.05) {
        const double y = 3.0 * std::sin(a), x = 3.0 * std::cos(a);
        expect_close(atan2_d(y, x), std::atan2(y, x), a);
        expect_close(atan_d(y), std::atan(y), y);
        expect_close(asin_d(std::sin(a) * 0.999), std::asin(std::sin(a) * 0.999), a);
        expect_close(acos_d(std::cos(a) * 0.999), std::acos(std::cos(a) * 0.999), a);
    }
    expect_close(asin_d(1.0000001), PI / 2, 1.0000001);   // beyond [-1, 1] the clamped angle
    expect_close(acos_d(-1.5), PI, -1.5);
    EXPECT_EQ(atan2_d(0.0, 1.0), 0.0);
    expect_close(atan2_d(1.0, 0.0), PI / 2, 0.0);
    expect_close(atan2_d(0.0, -1.0), PI, 0.0);
}

TEST(X87Math, RootsAndLogarithms)
{
    for (double x = 1e-6; x < 1e6; x *= 1.37) {
        expect_close(sqrt_d(x), std::sqrt(x), x);
        expect_close(log_d(x), std::log(x), x);
        expect_close(log10_d(x), std::log10(x), x);
    }
    EXPECT_EQ(sqrt_d(0.0), 0.0);
    EXPECT_EQ(log10_d(1000.0), 3.0);
}

TEST(X87Math, Exponentials)
{
    for (double x = -20.0; x <= 20.0; x += 0.173) expect_close(exp_d(x), std::exp(x), x);
    EXPECT_EQ(exp_d(0.0), 1.0);
    EXPECT_EQ(abs_d(-2.5), 2.5);
}
