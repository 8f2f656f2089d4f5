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
float min_f(float a, float b);
double sign_of(float x);                    // -1, 0 or +1
double sqrt_or_zero(float x);               // 0 for x <= 0
double cosine_of_sine(double z);            // sqrt(1 - z^2), 0 where |z| >= 1
inline Angle angle_of(double radians) { return { radians, sin_d(radians), cos_d(radians) }; }
// asin_d(z) and acos_d(z) with their sine and cosine; beyond [-1, 1] the clamped angle, whose
// sine and cosine are 0 and +-1
Angle arcsine_of(double z);                 // asin_d(z), its sine z and cosine sqrt(1 - z^2)
Angle arccosine_of(double z);               // acos_d(z), its sine sqrt(1 - z^2) and cosine z
// atan2(y, x) as one arctangent of y / x, turned by pi when x < 0
double arctangent_of(double y, double x);
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
