// tests/projection_math_test.cpp
#include <gtest/gtest.h>
#include <cmath>
#include "projection/math.h"
#include "tests/projection_harness.h"

// The residual that the Newton solvers promise to bring below their tolerance of 1e-6; the step
// taken after the last check only shrinks it.
const double RESIDUAL_TOLERANCE = 1e-6;
const double ANGLE_TOLERANCE = 1e-12;

static float latitude(int degrees) { return float(degrees * M_PI / 180.0); }

// 1. Anchors.
TEST(MinF, ReturnsTheSmaller)
{
    EXPECT_EQ(min_f(2.0f, -3.0f), -3.0f);
    EXPECT_EQ(min_f(-3.0f, 2.0f), -3.0f);
}

TEST(SignOf, GivesMinusOneZeroOrOne)
{
    EXPECT_EQ(sign_of(-0.5f), -1.0);
    EXPECT_EQ(sign_of(0.0f), 0.0);
    EXPECT_EQ(sign_of(1e-30f), 1.0);
}

TEST(SqrtOrZero, IsZeroForNegativeAndZero)
{
    EXPECT_EQ(sqrt_or_zero(-4.0f), 0.0);
    EXPECT_EQ(sqrt_or_zero(0.0f), 0.0);
    EXPECT_EQ(sqrt_or_zero(6.25f), 2.5);
}

TEST(AsinD, MatchesTheLibraryInsideTheRangeAndClampsOutside)
{
    for (double z = -1.0; z <= 1.0; z += 0.125) {
        EXPECT_NEAR(asin_d(z), std::asin(z), ANGLE_TOLERANCE) << z;
        EXPECT_NEAR(acos_d(z), std::acos(z), ANGLE_TOLERANCE) << z;
    }
    EXPECT_NEAR(asin_d(1.0000001), M_PI / 2, ANGLE_TOLERANCE);
    EXPECT_NEAR(asin_d(-1.0000001), -M_PI / 2, ANGLE_TOLERANCE);
    EXPECT_NEAR(acos_d(1.0000001), 0.0, ANGLE_TOLERANCE);
    EXPECT_NEAR(acos_d(-1.0000001), M_PI, ANGLE_TOLERANCE);
    EXPECT_NEAR(arctangent_of(-1.0, -1.0), std::atan2(-1.0, -1.0), ANGLE_TOLERANCE);
    EXPECT_NEAR(arctangent_of(2.0, -1.0), std::atan2(2.0, -1.0), ANGLE_TOLERANCE);
    EXPECT_EQ(arctangent_of(1.0, 0.0), std::atan2(1.0, 0.0));
}

TEST(MollweideTheta, PolesGiveTheFixedAngle)
{
    EXPECT_EQ(mollweide_theta(1.5707964f, 1.0).radians, double(1.5707964f));
    EXPECT_EQ(mollweide_theta(-1.5707964f, -1.0).radians, -double(1.5707964f));
    EXPECT_EQ(mollweide_theta(0.0f, 0.0).radians, 0.0);
}

TEST(PutninsHyperbolicTheta, PolesGiveRootThree)
{
    EXPECT_EQ(putnins_hyperbolic_theta(PUTNINS_P6, 1.5707964f), double(1.7320508f));
    EXPECT_EQ(putnins_hyperbolic_theta(PUTNINS_P6_PRIME, -1.5707964f), -double(1.7320508f));
}

TEST(SetLongitudes, AddsFifteenDegreesPerDisplaySector)
{
    const float in[] = { 0.0f, 7.0f, 15.0f, 8.0f, 2.5f, 9.0f };
    float out[6] = { -1, -1, -1, -1, -1, -1 };
    const ProjectionEntry entry = { 0, nullptr };
    const ProjectionContext ctx = { &entry, 5, 1, in, out, 3, 22 };   // display sector 3
    set_longitudes(ctx);
    EXPECT_EQ(out[0], 45.0f);
    EXPECT_EQ(out[2], 60.0f);
    EXPECT_EQ(out[4], 47.5f);
    EXPECT_EQ(out[1], -1.0f);   // y is the caller's
}

// 2. Invariants: each solver's result satisfies its equation over the whole range of its
// target, and the sine and cosine it hands back are those of its angle.
struct SolverCase {
    const char* name;
    Angle (*solve)(double t);     // t runs over -1..1 (a latitude over -89..89 degrees)
    double (*residual)(double theta, double t);
    double tolerance;
};

static float latitude_of(double t) { return float(t * 89.0 * M_PI / 180.0); }

static const SolverCase SOLVERS[] = {
    {"solve_theta_plus_sin", [](double t) { return solve_theta_plus_sin(float(3 * t), float(1.5 * t)); },
     [](double theta, double t) { return theta + std::sin(theta) - float(3 * t); }, RESIDUAL_TOLERANCE},
    {"mollweide_theta", [](double t) { return mollweide_theta(latitude_of(t), std::sin(latitude_of(t))); },
     [](double theta, double t) {   // the solver sees pi sin phi rounded to float
         return 2 * theta + std::sin(2 * theta) - float(3.1415927f * std::sin(double(latitude_of(t))));
     }, 2 * RESIDUAL_TOLERANCE},
    {"half_theta", [](double t) { return half_theta(float(3 * t)); },
     [](double theta, double t) { return 2 * theta + std::sin(2 * theta) - float(3 * t); }, RESIDUAL_TOLERANCE},
    {"eckert4_theta", [](double t) { return eckert4_theta(latitude_of(t)); },
     [](double theta, double t) {
         return theta + std::sin(theta) * (std::cos(theta) + 2) - 3.5707963f * std::sin(double(latitude_of(t)));
     }, RESIDUAL_TOLERANCE},
    {"putnins_theta", [](double t) { return putnins_theta(latitude_of(t)); },
     [](double theta, double t) {
         return theta + std::sin(theta) * (std::cos(theta) - 1) - 0.5 * 1.2283697f * std::sin(double(latitude_of(t)));
     }, RESIDUAL_TOLERANCE},
    {"arcsine_of", [](double t) { return arcsine_of(t); }, [](double theta, double t) { return std::sin(theta) - t; },
     ANGLE_TOLERANCE},
    {"arccosine_of", [](double t) { return arccosine_of(t); }, [](double theta, double t) { return std::cos(theta) - t; },
     ANGLE_TOLERANCE},
};

TEST(NewtonSolvers, SatisfyTheirEquationsAndCarryTheirSineAndCosine)
{
    for (const SolverCase& solver : SOLVERS)
        for (int i = -1000; i <= 1000; ++i) {
            const double t = i / 1000.0;
            const Angle theta = solver.solve(t);
            EXPECT_NEAR(solver.residual(theta.radians, t), 0.0, solver.tolerance) << solver.name << " " << t;
            EXPECT_NEAR(theta.sine, std::sin(theta.radians), ANGLE_TOLERANCE) << solver.name << " " << t;
            EXPECT_NEAR(theta.cosine, std::cos(theta.radians), ANGLE_TOLERANCE) << solver.name << " " << t;
        }
}

TEST(PutninsHyperbolicTheta, SatisfiesTheEquation)
{
    for (const HyperbolicEquation* equation : { &PUTNINS_P6, &PUTNINS_P6_PRIME })
        for (int deg = -89; deg <= 89; ++deg) {
            const float phi = latitude(deg);
            const double c = putnins_hyperbolic_theta(*equation, phi);
            const double r = std::sqrt(c * c + 1);
            const double residual = c * (equation->a - r) - std::log(c + r) - equation->b * std::sin(double(phi));
            EXPECT_NEAR(residual, 0.0, RESIDUAL_TOLERANCE) << equation->a << " " << deg;
        }
}

TEST(RoundedToSingle, CarriesSineAndCosineOverTheRounding)
{
    for (double a = -3.14; a <= 3.14; a += 0.01) {
        const Angle rounded = rounded_to_single(angle_of(a + 1e-9));
        EXPECT_EQ(rounded.radians, double(float(a + 1e-9)));
        EXPECT_NEAR(rounded.sine, std::sin(rounded.radians), 1e-15) << a;
        EXPECT_NEAR(rounded.cosine, std::cos(rounded.radians), 1e-15) << a;
    }
}

// At the poles the derivative vanishes: the eight steps end near, not at, theta = pi/2.
TEST(Eckert4Theta, EndsNearHalfPiAtThePoles)
{
    EXPECT_NEAR(eckert4_theta(latitude(90)).radians, M_PI / 2, 2e-3);   // a triple root: slow
    EXPECT_NEAR(eckert4_theta(latitude(-90)).radians, -M_PI / 2, 2e-3);
}

// The step of the iteration that meets the tolerance is still applied.
TEST(SolveThetaPlusSin, AppliesTheStepThatMeetsTheTolerance)
{
    // beyond the table (|a| > 3.1) the given start is used; from the root rounded to single the
    // residual is already below 1e-6, and the step then lands on the root itself
    const float a = 3.12f;
    double low = 0.0, high = M_PI;
    for (int i = 0; i < 200; ++i) {
        const double middle = 0.5 * (low + high);
        (middle + std::sin(middle) < a ? low : high) = middle;
    }
    const float start = float(low);
    ASSERT_NE(double(start), low);
    EXPECT_NEAR(solve_theta_plus_sin(a, start).radians, low, 1e-13);
}

// Near theta = pi the derivative vanishes and Newton crawls: the bound of eight steps ends it.
TEST(SolveThetaPlusSin, StopsAfterEightSteps)
{
    const float a = 3.1415927f;
    double expected = 2.0f;
    for (int i = 0; i < 8; ++i)
        expected -= (expected + std::sin(expected) - a) / (std::cos(expected) + 1);
    const double ninth = expected - (expected + std::sin(expected) - a) / (std::cos(expected) + 1);
    ASSERT_NE(expected, ninth);
    EXPECT_DOUBLE_EQ(solve_theta_plus_sin(a, 2.0f).radians, expected);
}
