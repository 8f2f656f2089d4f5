// projection/math.h: the numerical routines shared by the formulas. Every iteration has a
// fixed bound and returns its last value when the bound is reached. Constants are single
// precision (written with an f suffix); the arithmetic runs in double.
#pragma once
#include "platform/math.h"
#include "projection/projection.h"

// The routines below take single-precision arguments: a caller's double is rounded on the way in.
float min_f(float a, float b);
double sign_of(float x);                    // -1, 0 or +1
double sqrt_or_zero(float x);               // 0 for x <= 0
// asin and acos as atan2 forms; beyond [-1, 1] the root is taken as 0, which gives the
// clamped angle (+-pi/2, or 0 and pi) instead of a NaN
double asin_d(double z);                    // atan2(z, sqrt(1 - z^2))
double acos_d(double z);                    // atan2(sqrt(1 - z^2), z)
double solve_theta_plus_sin(float a, float theta0);   // theta + sin theta = a
double mollweide_theta(float phi);          // 2 theta + sin 2 theta = pi sin phi
double eckert4_theta(float phi);            // theta + sin theta (cos theta + 2) = (2 + pi/2) sin phi
double half_theta(float x);                 // theta with 2 theta + sin 2 theta = x
double putnins_theta(float phi);            // theta + sin theta (cos theta - 1) = 0.61418485 sin phi
// c with c (a - sqrt(c^2 + 1)) - ln(c + sqrt(c^2 + 1)) = b sin phi
double putnins_hyperbolic_theta(float a, float b, float phi);
// output x = input x + 15 x display sector for every point; y is left to the caller
void set_longitudes(const ProjectionContext& ctx);
