// projection/math.h: the numerical routines shared by the formulas. Every iteration has a
// fixed bound and returns its last value when the bound is reached.
#pragma once
#include "platform/math.h"
#include "projection/projection.h"

float min_f(float a, float b);
double sign_of(double x);                   // -1, 0 or +1
double sqrt_or_zero(double x);              // 0 for x <= 0
double asin_d(double z);                    // atan2(z, sqrt(1 - z^2))
double acos_d(double z);                    // atan2(sqrt(1 - z^2), z)
double solve_theta_plus_sin(double a, double theta0);   // theta + sin theta = a
double mollweide_theta(double phi);         // 2 theta + sin 2 theta = pi sin phi
double eckert4_theta(double phi);
double half_theta(double x);
double putnins_theta(double phi);
double putnins_hyperbolic_theta(double a, double b, double phi);
// output x = input x + 15 x display sector for every point; y is left to the caller
void set_longitudes(const ProjectionContext& ctx);
