// projection/math.cpp: the routines that the formulas share. Each Newton iteration runs at most
// NEWTON_STEPS times, applies the step of the iteration that meets the tolerance, and returns it.
#include "projection/math.h"

static const int NEWTON_STEPS = 8;
static const double NEWTON_TOLERANCE = 0.000001f;   // on |f|, the residual before the step
static const float HALF_PI_BELOW = 1.5707963f;       // the float just below pi/2

float min_f(float a, float b)
{
    return a < b ? a : b;
}

double sign_of(float x)
{
    if (x < 0.0f) return -1.0;
    if (x > 0.0f) return 1.0;
    return 0.0;
}

double sqrt_or_zero(float x)
{
    return x > 0.0f ? sqrt_d(x) : 0.0;
}

// The root of 1 - z^2, taken as 0 when rounding (or a caller) puts |z| above 1.
static double cosine_of_sine(double z)
{
    const double c = 1.0 - z * z;
    return c > 0.0 ? sqrt_d(c) : 0.0;
}

double asin_d(double z)
{
    return atan2_d(z, cosine_of_sine(z));
}

double acos_d(double z)
{
    return atan2_d(cosine_of_sine(z), z);
}

// theta + sin theta = a, from theta0: f = theta + sin theta - a, theta -= f / (cos theta + 1).
double solve_theta_plus_sin(float a, float theta0)
{
    double theta = theta0;
    for (int i = 0; i < NEWTON_STEPS; ++i) {
        const double f = theta + sin_d(theta) - a;
        theta -= f / (cos_d(theta) + 1.0);
        if (abs_d(f) < NEWTON_TOLERANCE) break;
    }
    return theta;
}

// Beyond the float below pi/2 the answer is +-1.5707964; otherwise half the root of
// 2 theta + sin 2 theta = pi sin phi, started from 2 asin(2 phi / pi).
double mollweide_theta(float phi)
{
    if (abs_d(phi) > HALF_PI_BELOW) return sign_of(phi) * 1.5707964f;
    const double p = phi;
    return 0.5 * solve_theta_plus_sin(float(3.1415927f * sin_d(p)), float(2.0 * asin_d(0.63661975f * p)));
}

// theta + sin theta (cos theta + 2) = 3.5707963 sin phi, started from a quartic in phi.
double eckert4_theta(float phi)
{
    const double p = phi;
    const double p2 = p * p;
    const double target = 3.5707963f * sin_d(p);
    double theta = 0.895168f * p + 0.0218849f * p2 + 0.00826809f * (p2 * p2);
    for (int i = 0; i < NEWTON_STEPS; ++i) {
        const double s = sin_d(theta);
        const double c = cos_d(theta);
        const double f = theta + s * (c + 2.0) - target;
        theta -= f / (c * (c + 2.0) + 1.0 - s * s);
        if (abs_d(f) < NEWTON_TOLERANCE) break;
    }
    return theta;
}

// Half the root of theta + sin theta = x, started from x / 2.
double half_theta(float x)
{
    return 0.5 * solve_theta_plus_sin(x, float(x / 2.0));
}

// theta + sin theta (cos theta - 1) = 0.5 x 1.2283697 sin phi, started from a quartic in phi.
double putnins_theta(float phi)
{
    const double p = phi;
    const double p2 = p * p;
    const double target = 0.5 * 1.2283697f * sin_d(p);
    double theta = 0.615709f * p + 0.00909953f * p2 + 0.0046292f * (p2 * p2);
    for (int i = 0; i < NEWTON_STEPS; ++i) {
        const double s = sin_d(theta);
        const double c = cos_d(theta);
        const double f = theta + s * (c - 1.0) - target;
        theta -= f / (1.0 - s * s + c * (c - 1.0));
        if (abs_d(f) < NEWTON_TOLERANCE) break;
    }
    return theta;
}

// Beyond the float below pi/2 the answer is +-1.7320508; otherwise the root c of
// c (a - r) - ln(c + r) = b sin phi with r = sqrt(c^2 + 1), started from c = 1.1026578 phi.
double putnins_hyperbolic_theta(float a, float b, float phi)
{
    if (abs_d(phi) > HALF_PI_BELOW) return sign_of(phi) * 1.7320508f;
    const double p = phi;
    const double target = b * sin_d(p);
    double c = 1.1026578f * p;
    for (int i = 0; i < NEWTON_STEPS; ++i) {
        const double r = sqrt_d(c * c + 1.0);
        const double f = c * (a - r) - log_d(c + r) - target;
        c -= f / (a - 2.0 * r);
        if (abs_d(f) < NEWTON_TOLERANCE) break;
    }
    return c;
}

void set_longitudes(const ProjectionContext& ctx)
{
    const int offset = 15 * display_sector(ctx);
    const float* in = ctx.input;
    float* out = ctx.output;
    for (int i = 0; i < ctx.count; ++i, in += 2, out += 2) out[0] = in[0] + offset;
}
