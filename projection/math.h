// projection/math.h: the numerical routines shared by the formulas. Every iteration has a
// fixed bound and returns its last value when the bound is reached. Constants are single
// precision (written with an f suffix); the arithmetic runs in double.
#pragma once
#include "platform/math.h"
#include "projection/projection.h"

// An angle in radians with its sine and cosine, so that a caller needs no second evaluation.
struct Angle {
    double radians;
    double sine;
    double cosine;
};

// The routines below take single-precision arguments: a caller's double is rounded on the way in.
// They are inline, so that a loop can start its root while other work goes on.
inline float min_f(float a, float b) { return a < b ? a : b; }
inline double sign_of(float x) { return x < 0.0f ? -1.0 : x > 0.0f ? 1.0 : 0.0; }   // -1, 0 or +1
inline double sqrt_or_zero(float x) { return x > 0.0f ? sqrt_d(x) : 0.0; }          // 0 for x <= 0
// sqrt(1 - z^2), 0 where |z| >= 1
inline double cosine_of_sine(double z)
{
    const double c = 1.0 - z * z;
    return c > 0.0 ? sqrt_d(c) : 0.0;
}
inline Angle angle_of(double radians) { return { radians, sin_d(radians), cos_d(radians) }; }
// asin_d(z) and acos_d(z) with their sine and cosine; beyond [-1, 1] the clamped angle, whose
// sine and cosine are 0 and +-1
inline Angle arcsine_of(double z)
{
    const double c = cosine_of_sine(z);
    if (c > 0.0) return { asin_d(z), z, c };
    return { z > 0.0 ? 1.5707963267948966 : -1.5707963267948966, z > 0.0 ? 1.0 : -1.0, 0.0 };
}
inline Angle arccosine_of(double z)
{
    const double c = cosine_of_sine(z);
    if (c > 0.0) return { acos_d(z), c, z };
    return { z > 0.0 ? 0.0 : 3.1415926535897931, 0.0, z > 0.0 ? 1.0 : -1.0 };
}
// atan2(y, x) as one arctangent of y / x, turned by pi when x < 0; on an axis the signs of the
// zeros decide
inline double arctangent_of(double y, double x)
{
    if (x > 0.0) return atan_d(y / x);
    if (x < 0.0 && y != 0.0) return atan_d(y / x) + (y < 0.0 ? -3.1415926535897931 : 3.1415926535897931);
    return atan2_d(y, x);
}
// The angle rounded to single precision, its sine and cosine carried over the rounding.
Angle rounded_to_single(const Angle& angle);

// The Newton solvers start from a table of roots where the target lies inside it and from their
// own start value beyond (near the poles, where the derivative vanishes).
Angle solve_theta_plus_sin(float a, float theta0);   // theta + sin theta = a
// 2 theta + sin 2 theta = pi sin phi, with sin phi from the caller (who may need its cosine too)
Angle mollweide_theta(float phi, double sin_phi);
Angle eckert4_theta(float phi);             // theta + sin theta (cos theta + 2) = (2 + pi/2) sin phi
Angle half_theta(float x);                  // theta with 2 theta + sin 2 theta = x
Angle putnins_theta(float phi);             // theta + sin theta (cos theta - 1) = 0.61418485 sin phi
// A root of an equation at a tabulated target, and d root / d target there.
struct StartNode {
    float theta;
    float slope;
};
// c (a - sqrt(c^2 + 1)) - ln(c + sqrt(c^2 + 1)) = b sin phi, with the roots at targets
// k x reach / 64 (k = 0..64) to start from
struct HyperbolicEquation {
    float a;
    float b;
    const StartNode* starts;
    float reach;
};
extern const HyperbolicEquation PUTNINS_P6;         // a = 4, b = 2.1471436
extern const HyperbolicEquation PUTNINS_P6_PRIME;   // a = 6, b = 5.61125
double putnins_hyperbolic_theta(const HyperbolicEquation& equation, float phi);
// output x = input x + 15 x display sector for every point; y is left to the caller
void set_longitudes(const ProjectionContext& ctx);
