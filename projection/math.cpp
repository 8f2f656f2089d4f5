// projection/math.cpp: the routines that the formulas share. Each Newton iteration runs at most
// NEWTON_STEPS times, applies the step of the iteration that meets the tolerance, and returns it.
#include "projection/math.h"

static const int NEWTON_STEPS = 8;
static const double NEWTON_TOLERANCE = 0.000001f;   // on |f|, the residual before the step
static const float HALF_PI_BELOW = 1.5707963f;       // the float just below pi/2
static const double HALF_PI = 1.5707963267948966;
static const double PI = 3.1415926535897931;

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

double cosine_of_sine(double z)
{
    const double c = 1.0 - z * z;
    return c > 0.0 ? sqrt_d(c) : 0.0;
}

double asin_d(double z)
{
    return arcsine_of(z).radians;
}

double acos_d(double z)
{
    return arccosine_of(z).radians;
}

Angle angle_of(double radians)
{
    return { radians, sin_d(radians), cos_d(radians) };
}

// atan2(z, c) = atan(z / c) for c > 0: one arctangent without the quadrant search
Angle arcsine_of(double z)
{
    const double c = cosine_of_sine(z);
    if (c > 0.0) return { atan_d(z / c), z, c };
    return { z > 0.0 ? HALF_PI : -HALF_PI, z > 0.0 ? 1.0 : -1.0, 0.0 };
}

// atan2(c, z) with c >= 0: atan(c / z) for z > 0, pi - atan(c / -z) for z < 0
Angle arccosine_of(double z)
{
    const double c = cosine_of_sine(z);
    if (c == 0.0) return { z > 0.0 ? 0.0 : PI, 0.0, z > 0.0 ? 1.0 : -1.0 };
    if (z > 0.0) return { atan_d(c / z), c, z };
    if (z < 0.0) return { PI - atan_d(c / -z), c, z };
    return { HALF_PI, 1.0, 0.0 };
}

double arctangent_of(double y, double x)
{
    if (x > 0.0) return atan_d(y / x);
    if (x < 0.0) return atan_d(y / x) + (y < 0.0 ? -PI : PI);
    return atan2_d(y, x);
}

// cos(t/2) = sqrt((1 + cos t) / 2) >= 0; sin(t/2) = sin t / (2 cos(t/2)) while cos(t/2) >= 1/2,
// sqrt((1 - cos t) / 2) with the sign of t beyond, where that division would lose digits
Angle half_of(const Angle& angle)
{
    const double c = sqrt_d(0.5 * (1.0 + angle.cosine));
    double s;
    if (c >= 0.5) s = angle.sine / (2.0 * c);
    else s = (angle.radians < 0.0 ? -1.0 : 1.0) * sqrt_d(0.5 * (1.0 - angle.cosine));
    return { 0.5 * angle.radians, s, c };
}

// The rounding d is below 1e-7, so the Taylor terms up to d^2 are exact to double rounding.
Angle rounded_to_single(const Angle& angle)
{
    const double rounded = float(angle.radians);
    const double d = rounded - angle.radians;
    const double half_d2 = 0.5 * d * d;
    return { rounded, angle.sine + d * angle.cosine - half_d2 * angle.sine,
             angle.cosine - d * angle.sine - half_d2 * angle.cosine };
}

// The sine and cosine after the last Newton step from those before it: a step below 1e-4 turns
// them by its Taylor terms up to the third (what is left out is below 1e-17); a larger one,
// which only the crawl near a pole takes, is evaluated afresh.
static Angle after_step(double theta, double s, double c, double step)
{
    if (abs_d(step) >= 1e-4) return angle_of(theta);
    const double step2 = step * step;
    const double cos_step = 1.0 - 0.5 * step2;
    const double sin_step = step * (1.0 - step2 / 6.0);
    return { theta, s * cos_step - c * sin_step, c * cos_step + s * sin_step };
}

// Newton's iteration for residual(theta) = target from theta: f = residual - target,
// theta -= f / slope, stopping after the step taken with |f| below the tolerance.
template <typename Equation>
static Angle newton(double theta, double target, Equation equation)
{
    for (int i = 0; i < NEWTON_STEPS; ++i) {
        const double s = sin_d(theta);
        const double c = cos_d(theta);
        const double f = equation.residual(theta, s, c) - target;
        const double step = f / equation.slope(s, c);
        theta -= step;
        if (abs_d(f) < NEWTON_TOLERANCE) return after_step(theta, s, c, step);
    }
    return angle_of(theta);
}

struct ThetaPlusSin {   // theta + sin theta
    static double residual(double theta, double s, double) { return theta + s; }
    static double slope(double, double c) { return c + 1.0; }
};

struct Eckert4Equation {   // theta + sin theta (cos theta + 2)
    static double residual(double theta, double s, double c) { return theta + s * (c + 2.0); }
    static double slope(double s, double c) { return c * (c + 2.0) + 1.0 - s * s; }
};

struct PutninsEquation {   // theta + sin theta (cos theta - 1)
    static double residual(double theta, double s, double c) { return theta + s * (c - 1.0); }
    static double slope(double s, double c) { return 1.0 - s * s + c * (c - 1.0); }
};

// A root of an equation at a tabulated target, and d theta / d target there.
struct StartNode {
    float theta;
    float slope;
};

static const int START_INTERVALS = 64;

// Roots of theta + sin theta = k x 3.1 / 64 for k = 0..64, in single precision; beyond 3.1 the
// slope grows without bound towards theta = pi.
static const float THETA_PLUS_SIN_REACH = 3.1f;
static const StartNode THETA_PLUS_SIN_STARTS[65] = {
    {0.0f, 0.5f}, {0.024219934f, 0.5000733f}, {0.048446975f, 0.5002935f}, {0.072688246f, 0.500661f},
    {0.0969509f, 0.5011768f}, {0.12124216f, 0.50184197f}, {0.14556928f, 0.5026582f}, {0.16993964f, 0.50362738f},
    {0.19436069f, 0.5047519f}, {0.21884003f, 0.5060345f}, {0.24338539f, 0.5074783f}, {0.26800465f, 0.5090869f},
    {0.2927059f, 0.5108644f}, {0.31749744f, 0.51281534f}, {0.34238777f, 0.5149448f}, {0.3673857f, 0.51725845f},
    {0.39250026f, 0.5197625f}, {0.41774087f, 0.5224639f}, {0.44311726f, 0.52537026f}, {0.46863956f, 0.52848994f},
    {0.4943183f, 0.5318322f}, {0.52016456f, 0.5354072f}, {0.54618982f, 0.53922604f}, {0.57240622f, 0.5433011f},
    {0.59882647f, 0.5476458f}, {0.625464f, 0.5522752f}, {0.65233299f, 0.55720558f}, {0.6794484f, 0.5624552f},
    {0.7068263f, 0.56804408f}, {0.73448355f, 0.5739945f}, {0.76243826f, 0.58033115f}, {0.7907098f, 0.58708153f},
    {0.81931896f, 0.5942763f}, {0.84828805f, 0.6019497f}, {0.8776412f, 0.61014026f}, {0.9074044f, 0.6188912f},
    {0.9376061f, 0.6282514f}, {0.96827701f, 0.63827616f}, {0.99945085f, 0.64902853f}, {1.03116456f, 0.66058046f},
    {1.0634588f, 0.6730146f}, {1.0963786f, 0.68642635f}, {1.1299739f, 0.70092637f}, {1.16430051f, 0.7166439f},
    {1.1994209f, 0.7337309f}, {1.2354057f, 0.752367287f}, {1.2723349f, 0.7727677f}, {1.3103002f, 0.7951907f},
    {1.3494067f, 0.8199507f}, {1.3897768f, 0.8474343f}, {1.4315536f, 0.87812256f}, {1.4749064f, 0.91262273f},
    {1.5200379f, 0.9517133f}, {1.567194f, 0.9964106f}, {1.61667735f, 1.0480696f}, {1.6688676f, 1.108542f},
    {1.7242511f, 1.18043297f}, {1.7834667f, 1.267541f}, {1.84738145f, 1.3756523f}, {1.9172192f, 1.5140856f},
    {1.99480155f, 1.698988f}, {2.083041f, 1.9613036f}, {2.1871105f, 2.3698444f}, {2.31790766f, 3.120342f},
    {2.5077738f, 5.1485826f},
};
// Roots of theta + sin theta (cos theta + 2) = k x 3.5 / 64; the equation ends at 2 + pi/2.
static const float ECKERT4_REACH = 3.5f;
static const StartNode ECKERT4_STARTS[65] = {
    {0.0f, 0.25f}, {0.013672514f, 0.25003505f}, {0.027348863f, 0.2501403f}, {0.04103289f, 0.25031596f},
    {0.054728462f, 0.25056244f}, {0.06843946f, 0.2508803f}, {0.08216981f, 0.25127026f}, {0.095923476f, 0.2517332f},
    {0.10970448f, 0.25227023f}, {0.1235169f, 0.25288255f}, {0.13736491f, 0.25357162f}, {0.15125273f, 0.25433907f},
    {0.1651847f, 0.25518676f}, {0.179165282f, 0.25611676f}, {0.19319902f, 0.25713137f}, {0.207290614f, 0.25823316f},
    {0.2214449f, 0.25942496f}, {0.23566692f, 0.26070989f}, {0.24996182f, 0.2620914f}, {0.264335f, 0.26357326f},
    {0.27879205f, 0.26515964f}, {0.2933388f, 0.2668551f}, {0.3079814f, 0.26866464f}, {0.3227262f, 0.2705938f},
    {0.33757989f, 0.27264857f}, {0.35254954f, 0.27483565f}, {0.36764258f, 0.2771623f}, {0.38286686f, 0.27963667f},
    {0.3982307f, 0.28226757f}, {0.4137429f, 0.28506484f}, {0.4294129f, 0.2880394f}, {0.44525066f, 0.29120323f},
    {0.46126694f, 0.29456982f}, {0.4774732f, 0.2981541f}, {0.49388182f, 0.30197277f}, {0.5105061f, 0.30604458f},
    {0.52736044f, 0.31039056f}, {0.5444605f, 0.3150345f}, {0.56182326f, 0.3200033f}, {0.57946733f, 0.32532757f},
    {0.59741307f, 0.3310423f}, {0.6156829f, 0.337187544f}, {0.63430165f, 0.34380966f}, {0.65329677f, 0.35096236f},
    {0.672699f, 0.35870833f}, {0.692542643f, 0.36712128f}, {0.7128666f, 0.3762885f}, {0.7337148f, 0.38631419f},
    {0.7551376f, 0.39732385f}, {0.77719283f, 0.40947025f}, {0.79994756f, 0.42294136f}, {0.8234804f, 0.43797145f},
    {0.8478845f, 0.45485671f}, {0.87327107f, 0.47397782f}, {0.8997755f, 0.49583333f}, {0.9275647f, 0.5210908f},
    {0.9568483f, 0.5506675f}, {0.987896f, 0.5858641f}, {1.021064f, 0.6285968f}, {1.0568391f, 0.6818266f},
    {1.0959167f, 0.7504219f}, {1.1393504f, 0.8430806f}, {1.1888737f, 0.9772983f}, {1.2477278f, 1.1954f},
    {1.3235129f, 1.6410459f},
};
// Roots of theta + sin theta (cos theta - 1) = k x 0.6 / 64; the equation ends at 0.61418485.
static const float PUTNINS_REACH = 0.6f;
static const StartNode PUTNINS_STARTS[65] = {
    {0.0f, 1.0f}, {0.009375412f, 1.0001319f}, {0.018753297f, 1.0005277f}, {0.028136135f, 1.0011885f},
    {0.037526414f, 1.0021156f}, {0.04692664f, 1.003311f}, {0.056339343f, 1.0047776f}, {0.06576708f, 1.0065185f},
    {0.075212434f, 1.0085377f}, {0.08467804f, 1.0108397f}, {0.09416658f, 1.0134299f}, {0.103680773f, 1.0163143f},
    {0.11322341f, 1.0194998f}, {0.122797357f, 1.0229938f}, {0.13240554f, 1.02680497f}, {0.14205097f, 1.0309427f},
    {0.15173677f, 1.0354173f}, {0.16146613f, 1.0402403f}, {0.1712424f, 1.04542443f}, {0.18106901f, 1.05098345f},
    {0.19094956f, 1.05693265f}, {0.20088777f, 1.0632888f}, {0.21088755f, 1.0700701f}, {0.22095298f, 1.077297f},
    {0.23108833f, 1.0849913f}, {0.241298103f, 1.0931776f}, {0.25158703f, 1.1018824f}, {0.26196011f, 1.1111353f},
    {0.27242263f, 1.1209686f}, {0.2829802f, 1.13141828f}, {0.29363877f, 1.1425239f}, {0.3044047f, 1.1543293f},
    {0.3152848f, 1.1668833f}, {0.3262863f, 1.1802403f}, {0.33741699f, 1.1944609f}, {0.34868533f, 1.209613f},
    {0.3601004f, 1.22577279f}, {0.371671987f, 1.2430263f}, {0.38341084f, 1.2614707f}, {0.39532863f, 1.2812165f},
    {0.4074381f, 1.3023895f}, {0.41975334f, 1.3251341f}, {0.4322898f, 1.3496165f}, {0.4450647f, 1.3760294f},
    {0.45809708f, 1.4045969f}, {0.47140842f, 1.4355824586f}, {0.48502278f, 1.4692969f}, {0.4989674f, 1.5061108f},
    {0.5132734f, 1.5464691f}, {0.52797647f, 1.590912f}, {0.5431178f, 1.6401022f}, {0.55874577f, 1.69486277f},
    {0.57491713f, 1.7562305f}, {0.59169984f, 1.82553204f}, {0.609176f, 1.9044966f}, {0.6274465f, 1.9954264f},
    {0.6466373f, 2.10146435f}, {0.66690974f, 2.227032f}, {0.688475f, 2.378581f}, {0.7116195f, 2.5659633f},
    {0.7367475f, 2.80512704f}, {0.7644622f, 3.1239746f}, {0.7957349f, 3.5769465f}, {0.8323206f, 4.289428f},
    {0.8780771f, 5.6474934f},
};

// The cubic through the two nodes around target (0..reach) with their slopes: good to about
// 1e-7 away from the table's end, so that one Newton step mostly suffices.
static double start_from(const StartNode* nodes, float reach, double target)
{
    const double u = target * (START_INTERVALS / reach);
    const int k = int(u) < START_INTERVALS ? int(u) : START_INTERVALS - 1;
    const double t = u - k;
    const double h = reach / START_INTERVALS;
    const StartNode& n0 = nodes[k];
    const StartNode& n1 = nodes[k + 1];
    const double t2 = t * t;
    const double t3 = t2 * t;
    return (2.0 * t3 - 3.0 * t2 + 1.0) * n0.theta + (t3 - 2.0 * t2 + t) * h * n0.slope +
           (3.0 * t2 - 2.0 * t3) * n1.theta + (t3 - t2) * h * n1.slope;
}

// The start for an odd equation: the table's where |target| <= reach, with the target's sign.
static bool start_inside(const StartNode* nodes, float reach, double target, double& theta)
{
    const double magnitude = abs_d(target);
    if (magnitude > reach) return false;
    const double start = start_from(nodes, reach, magnitude);
    theta = target < 0.0 ? -start : start;
    return true;
}

Angle solve_theta_plus_sin(float a, float theta0)
{
    double theta = theta0;
    start_inside(THETA_PLUS_SIN_STARTS, THETA_PLUS_SIN_REACH, a, theta);
    return newton(theta, a, ThetaPlusSin());
}

// Beyond the float below pi/2 the answer is +-1.5707964; otherwise half the root of
// 2 theta + sin 2 theta = pi sin phi, started from the table or from 2 asin(2 phi / pi).
Angle mollweide_theta(float phi)
{
    if (abs_d(phi) > HALF_PI_BELOW) return angle_of(sign_of(phi) * 1.5707964f);
    const double p = phi;
    const float a = float(3.1415927f * sin_d(p));
    double theta;
    if (!start_inside(THETA_PLUS_SIN_STARTS, THETA_PLUS_SIN_REACH, a, theta))
        theta = float(2.0 * asin_d(0.63661975f * p));
    return half_of(newton(theta, a, ThetaPlusSin()));
}

// theta + sin theta (cos theta + 2) = 3.5707963 sin phi, started from the table or from a
// quartic in phi.
Angle eckert4_theta(float phi)
{
    const double p = phi;
    const double target = 3.5707963f * sin_d(p);
    double theta;
    if (!start_inside(ECKERT4_STARTS, ECKERT4_REACH, target, theta)) {
        const double p2 = p * p;
        theta = 0.895168f * p + 0.0218849f * p2 + 0.00826809f * (p2 * p2);
    }
    return newton(theta, target, Eckert4Equation());
}

// Half the root of theta + sin theta = x, started from the table or from x / 2.
Angle half_theta(float x)
{
    return half_of(solve_theta_plus_sin(x, float(x / 2.0)));
}

// theta + sin theta (cos theta - 1) = 0.5 x 1.2283697 sin phi, started from the table or from a
// quartic in phi.
Angle putnins_theta(float phi)
{
    const double p = phi;
    const double target = 0.5 * 1.2283697f * sin_d(p);
    double theta;
    if (!start_inside(PUTNINS_STARTS, PUTNINS_REACH, target, theta)) {
        const double p2 = p * p;
        theta = 0.615709f * p + 0.00909953f * p2 + 0.0046292f * (p2 * p2);
    }
    return newton(theta, target, PutninsEquation());
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
