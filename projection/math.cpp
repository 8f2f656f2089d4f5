// projection/math.cpp: the routines that the formulas share. Each Newton iteration runs at most
// NEWTON_STEPS times, applies the step of the iteration that meets the tolerance, and returns it.
#include "projection/math.h"

static const int NEWTON_STEPS = 8;
static const double NEWTON_TOLERANCE = 0.000001f;   // on |f|, the residual before the step
static const float HALF_PI_BELOW = 1.5707963f;       // the float just below pi/2

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

struct TwiceThetaPlusSin {   // 2 theta + sin 2 theta = 2 theta + 2 sin theta cos theta
    static double residual(double theta, double s, double c) { return 2.0 * theta + 2.0 * s * c; }
    static double slope(double, double c) { return 4.0 * c * c; }   // 2 + 2 cos 2 theta
};

struct Eckert4Equation {   // theta + sin theta (cos theta + 2)
    static double residual(double theta, double s, double c) { return theta + s * (c + 2.0); }
    static double slope(double s, double c) { return c * (c + 2.0) + 1.0 - s * s; }
};

struct PutninsEquation {   // theta + sin theta (cos theta - 1)
    static double residual(double theta, double s, double c) { return theta + s * (c - 1.0); }
    static double slope(double s, double c) { return 1.0 - s * s + c * (c - 1.0); }
};

static const int START_INTERVALS = 64;

// Roots of theta + sin theta = k x 3.13 / 64 for k = 0..64, in single precision. Beyond 3.13 the
// slope grows without bound towards theta = pi, the iteration ends before it converges, and only
// the solver's own start reproduces where it ends.
static const float THETA_PLUS_SIN_REACH = 3.13f;
static const StartNode THETA_PLUS_SIN_STARTS[65] = {
    {0.0f, 0.5f}, {0.024454344f, 0.50007476f}, {0.048916f, 0.5002992f}, {0.07339231f, 0.5006739f},
    {0.09789063f, 0.5011997f}, {0.122418393f, 0.50187797f}, {0.14698308f, 0.5027103f}, {0.17159228f, 0.50369863f},
    {0.19625369f, 0.5048455f}, {0.22097512f, 0.50615377f}, {0.24576454f, 0.5076267f}, {0.2706301f, 0.509268f},
    {0.29558013f, 0.511082f}, {0.3206232f, 0.5130733f}, {0.3457681f, 0.51524735f}, {0.3710239f, 0.51760997f},
    {0.3964f, 0.5201677f}, {0.4219061f, 0.52292775f}, {0.4475523f, 0.5258981f}, {0.473349078f, 0.5290875f},
    {0.4993074f, 0.53250563f}, {0.52543869f, 0.53616314f}, {0.55175494f, 0.5400717f}, {0.57826876f, 0.5442443f},
    {0.6049934f, 0.5486951f}, {0.6319428f, 0.55343975f}, {0.65913177f, 0.55849564f}, {0.686576f, 0.56388191f},
    {0.7142922f, 0.5696198f}, {0.74229807f, 0.5757327f}, {0.7706126f, 0.582247f}, {0.79925612f, 0.5891918f},
    {0.82825047f, 0.5965997f}, {0.85761917f, 0.60450724f}, {0.88738765f, 0.61295548f}, {0.91758345f, 0.62199073f},
    {0.9482365f, 0.6316654f}, {0.9793796f, 0.64203905f}, {1.01104848f, 0.6531796f}, {1.0432825f, 0.6651649f},
    {1.0761251f, 0.67808458f}, {1.1096246f, 0.6920426f}, {1.14383444f, 0.7071599f}, {1.17881484f, 0.72357834f},
    {1.2146334f, 0.7414654f}, {1.2513666f, 0.7610204f}, {1.2891017f, 0.7824825f}, {1.3279389f, 0.80614142f},
    {1.367994f, 0.83235185f}, {1.409402f, 0.86155314f}, {1.45232234f, 0.89429678f}, {1.4969446f, 0.93128542f},
    {1.5434976f, 0.9734299f}, {1.59226162f, 1.0219344f}, {1.6435855f, 1.0784286f}, {1.6979121f, 1.1451785f},
    {1.7558177f, 1.2254414f}, {1.8180739f, 1.3240916f}, {1.8857526f, 1.4488026f}, {1.9604146f, 1.612475f},
    {2.044482f, 1.8388071f}, {2.1420662f, 2.17723f}, {2.261196f, 2.7536473f}, {2.422062f, 4.034131f},
    {2.72916974f, 11.9263905f},
};
// Roots of theta + sin theta (cos theta + 2) = k x 3.56 / 64; the equation ends at 2 + pi/2.
static const float ECKERT4_REACH = 3.56f;
static const StartNode ECKERT4_STARTS[65] = {
    {0.0f, 0.25f}, {0.013906922f, 0.25003627f}, {0.02781788f, 0.25014515f}, {0.0417369214f, 0.2503269f},
    {0.05566811f, 0.25058195f}, {0.069615534f, 0.25091089f}, {0.08358333f, 0.2513145f}, {0.09757567f, 0.2517937f},
    {0.1115968f, 0.2523497f}, {0.12565103f, 0.2529838f}, {0.13974273f, 0.25369756f}, {0.1538764f, 0.25449272f},
    {0.16805659f, 0.25537128f}, {0.18228803f, 0.25633546f}, {0.19657555f, 0.25738775f}, {0.2109241f, 0.2585309f},
    {0.22533885f, 0.25976799f}, {0.2398251f, 0.26110237f}, {0.25438836f, 0.262537765f}, {0.2690344f, 0.2640783f},
    {0.2837691f, 0.2657284f}, {0.2985988f, 0.2674931f}, {0.31352994f, 0.269377845f}, {0.3285694f, 0.2713886f},
    {0.34372438f, 0.27353198f}, {0.35900243f, 0.27581525f}, {0.37441156f, 0.27824643f}, {0.38996025f, 0.280834364f},
    {0.40565747f, 0.28358885f}, {0.4215128f, 0.28652073f}, {0.43753642f, 0.28964204f}, {0.45373924f, 0.2929662f},
    {0.47013294f, 0.29650807f}, {0.4867301f, 0.300284434f}, {0.5035443f, 0.304314f}, {0.5205901f, 0.3086178f},
    {0.5378835f, 0.3132197f}, {0.55544184f, 0.31814661f}, {0.5732839f, 0.32342924f}, {0.5914306f, 0.32910265f},
    {0.6099046f, 0.3352071f}, {0.628731222f, 0.34178913f}, {0.6479385f, 0.34890268f}, {0.66755766f, 0.356610847f},
    {0.68762384f, 0.36498782f}, {0.70817658f, 0.37412152f}, {0.7292608f, 0.38411703f}, {0.7509279f, 0.39510106f},
    {0.773237f, 0.40722797f}, {0.7962567f, 0.42068795f}, {0.8200676f, 0.43571841f}, {0.844765f, 0.45261995f},
    {0.8704634f, 0.4717796f}, {0.8973017f, 0.4937054f}, {0.9254519f, 0.51907915f}, {0.95513036f, 0.54884062f},
    {0.98661615f, 0.584327f}, {1.0202789f, 0.6275168f}, {1.0566261f, 0.6814847f}, {1.09638603f, 0.7513228f},
    {1.14067013f, 0.8462207f}, {1.19132645f, 0.98494007f}, {1.2518687f, 1.2140016f}, {1.3308187f, 1.6996791f},
    {1.4701641f, 4.522627f},
};
// Roots of theta + sin theta (cos theta - 1) = k x 0.612 / 64; the equation ends at 0.61418485.
static const float PUTNINS_REACH = 0.612f;
static const StartNode PUTNINS_STARTS[65] = {
    {0.0f, 1.0f}, {0.0095629373f, 1.0001372f}, {0.0191285f, 1.0005491f}, {0.028699317f, 1.0012366f},
    {0.038278032f, 1.0022013f}, {0.047867307f, 1.0034455f}, {0.057469827f, 1.004972f}, {0.067088307f, 1.0067843f},
    {0.076725502f, 1.0088868f}, {0.08638421f, 1.0112845f}, {0.09606728f, 1.013983f}, {0.105777614f, 1.016989f},
    {0.1155182f, 1.0203099f}, {0.1252920705f, 1.0239538f}, {0.13510237f, 1.0279302f}, {0.14495233f, 1.0322492f},
    {0.15484527f, 1.0369222f}, {0.16478463f, 1.0419618f}, {0.174773997f, 1.0473817f}, {0.18481707f, 1.0531973f},
    {0.19491771f, 1.05942527f}, {0.20507995f, 1.066084f}, {0.215308004f, 1.0731938f}, {0.22560629f, 1.0807769f},
    {0.23597945f, 1.0888578f}, {0.24643237f, 1.0974634f}, {0.2569702f, 1.1066235f}, {0.26759841f, 1.116371f},
    {0.2783228f, 1.126742f}, {0.28914947f, 1.1377769f}, {0.30008503f, 1.1495201f}, {0.31113646f, 1.1620213f},
    {0.32231127f, 1.1753356f}, {0.33361754f, 1.189525f}, {0.34506395f, 1.2046585f}, {0.3566599f, 1.2208141f},
    {0.36841556f, 1.2380797f}, {0.380342f, 1.2565547f}, {0.39245138f, 1.2763524f}, {0.40475688f, 1.2976019f},
    {0.4172731f, 1.3204518f}, {0.43001617f, 1.3450732f}, {0.44300392f, 1.3716648f}, {0.45625627f, 1.400458395f},
    {0.469795565f, 1.4317267f}, {0.48364696f, 1.4657927f}, {0.497838987f, 1.50304167f}, {0.51240424f, 1.5439383f},
    {0.5273802f, 1.589048f}, {0.54281042f, 1.6390668f}, {0.55874577f, 1.69486277f}, {0.57524655f, 1.7575338f},
    {0.592385f, 1.8284919f}, {0.6102487f, 1.90958838f}, {0.628945975f, 2.0033045f}, {0.64861287f, 2.113055f},
    {0.6694245f, 2.24369064f}, {0.6916125f, 2.4023745f}, {0.715494f, 2.6002117f}, {0.7415233f, 2.855539f},
    {0.7703913f, 3.2013212f}, {0.80324166f, 3.70448645f}, {0.84223494f, 4.5295154f}, {0.892546f, 6.2535504f},
    {0.97831654f, 15.326697f},
};

// Roots c of c (4 - r) - ln(c + r) = k x 2.13 / 64, r = sqrt(c^2 + 1); the equation ends at
// 2.1471436 with a vanishing slope.
static const StartNode P6_STARTS[65] = {
    {0.0f, 0.5f}, {0.016641393f, 0.50006924f}, {0.033287396f, 0.5002771f}, {0.049942629f, 0.50062396f},
    {0.06661173f, 0.5011105f}, {0.08329936f, 0.5017377f}, {0.100010219f, 0.5025068f}, {0.116749057f, 0.5034193f},
    {0.13352068f, 0.50447698f}, {0.150329941f, 0.50568205f}, {0.1671818f, 0.5070369f}, {0.18408128f, 0.50854447f},
    {0.20103352f, 0.5102078f}, {0.218043753f, 0.5120304f}, {0.235117354f, 0.51401635f}, {0.25225983f, 0.51616997f},
    {0.26947683f, 0.5184961f}, {0.2867742f, 0.52100015f}, {0.30415794f, 0.523687986f}, {0.3216343f, 0.5265661f},
    {0.33920969f, 0.5296417f}, {0.35689084f, 0.5329225f}, {0.37468472f, 0.53641726f}, {0.3925986f, 0.5401354f},
    {0.41064007f, 0.54408724f}, {0.42881712f, 0.54828433f}, {0.4471381f, 0.5527392f}, {0.46561184f, 0.55746583f},
    {0.4842476f, 0.56247945f}, {0.50305525f, 0.56779705f}, {0.5220452f, 0.5734374f}, {0.5412285f, 0.5794213f},
    {0.56061698f, 0.5857719f}, {0.58022328f, 0.5925152f}, {0.60006094f, 0.5996798f}, {0.6201445f, 0.60729835f},
    {0.6404897f, 0.61540719f}, {0.66111344f, 0.6240475f}, {0.68203425f, 0.633266f}, {0.7032722f, 0.64311576f},
    {0.72484932f, 0.65365757f}, {0.74678974f, 0.6649613f}, {0.76912014f, 0.6771075f}, {0.7918701f, 0.69019012f},
    {0.81507252f, 0.7043189f}, {0.83876434f, 0.719623f}, {0.86298716f, 0.7362563f}, {0.8877882f, 0.75440262f},
    {0.9132213f, 0.77428466f}, {0.93934875f, 0.7961747f}, {0.9662427f, 0.8204097f}, {0.9939879f, 0.8474128f},
    {1.02268523f, 0.8777233f}, {1.0524558f, 0.9120415f}, {1.0834476f, 0.95129586f}, {1.115845f, 0.99674886f},
    {1.1498818f, 1.0501684f}, {1.1858632f, 1.1141221f}, {1.2241999f, 1.1925112f}, {1.265468f, 1.2916174f},
    {1.3105208f, 1.4223677f}, {1.3607218f, 1.605948035f}, {1.4185127f, 1.8908085f}, {1.489206f, 2.4248823f},
    {1.5908495f, 4.133696f},
};
// Roots c of c (6 - r) - ln(c + r) = k x 5.61125 / 64, up to the end of the equation at c = sqrt 3.
static const StartNode P6_PRIME_STARTS[65] = {
    {0.0f, 0.25f}, {0.021919823f, 0.25003003f}, {0.043844912f, 0.25012015f}, {0.06578054f, 0.250270443f},
    {0.08773199f, 0.25048106f}, {0.109704554f, 0.2507522f}, {0.13170356f, 0.251084134f}, {0.15373434f, 0.25147719f},
    {0.17580227f, 0.25193177f}, {0.19791278f, 0.25244832f}, {0.2200713f, 0.2530274f}, {0.24228337f, 0.2536696f},
    {0.26455453f, 0.2543756f}, {0.28689042f, 0.25514623f}, {0.30929673f, 0.2559823f}, {0.331779255f, 0.25688479f},
    {0.35434385f, 0.25785476f}, {0.3769965f, 0.2588934f}, {0.39974326f, 0.26000197f}, {0.422590334f, 0.26118191f},
    {0.445544045f, 0.26243476f}, {0.46861086f, 0.263762225f}, {0.4917974f, 0.26516615f}, {0.51511045f, 0.26664857f},
    {0.538557f, 0.2682117f}, {0.5621442f, 0.2698579f}, {0.5858795f, 0.27158986f}, {0.60977052f, 0.27341039f},
    {0.6338251f, 0.275322604f}, {0.65805154f, 0.2773299f}, {0.6824582f, 0.27943597f}, {0.7070541f, 0.28164483f},
    {0.73184824f, 0.28396087f}, {0.75685034f, 0.28638888f}, {0.7820704f, 0.28893409f}, {0.80751897f, 0.2916022f},
    {0.8332071f, 0.29439948f}, {0.85914635f, 0.2973328f}, {0.88534904f, 0.30040961f}, {0.9118281f, 0.30363823f},
    {0.9385972f, 0.30702774f}, {0.9656709f, 0.310588166f}, {0.99306462f, 0.31433059f}, {1.0207949f, 0.3182673f},
    {1.0488794f, 0.3224119f}, {1.0773369f, 0.32677956f}, {1.1061877f, 0.33138725f}, {1.1354537f, 0.3362539f},
    {1.1651585f, 0.34140086f}, {1.1953278f, 0.34685212f}, {1.22598926f, 0.3526349f}, {1.2571734f, 0.35878013f},
    {1.2889135f, 0.3653231f}, {1.32124621f, 0.37230438f}, {1.35421186f, 0.3797707f}, {1.3878553f, 0.3877764f},
    {1.4222267f, 0.396384854f}, {1.4573818f, 0.40567072f}, {1.493384f, 0.4157225f}, {1.5303049f, 0.42664596f},
    {1.5682262f, 0.43856894f}, {1.6072424f, 0.45164737f}, {1.6474627f, 0.46607386f}, {1.6890155f, 0.48208955f},
    {1.73205314f, 0.500001f},
};

const HyperbolicEquation PUTNINS_P6 = { 4.0f, 2.1471436f, P6_STARTS, 2.13f };
const HyperbolicEquation PUTNINS_P6_PRIME = { 6.0f, 5.61125f, P6_PRIME_STARTS, 5.61125f };

// The cubic through the two nodes around target (0..reach) with their slopes: good to about
// 1e-7 away from the table's end, so that one Newton step mostly suffices.
static inline double start_from(const StartNode* nodes, float reach, double target)
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
static inline bool start_inside(const StartNode* nodes, float reach, double target, double& theta)
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

// Beyond the float below pi/2 the answer is +-1.5707964; otherwise the root of
// 2 theta + sin 2 theta = pi sin phi, started from half the table's root or from asin(2 phi / pi)
// and iterated as in half_theta.
Angle mollweide_theta(float phi, double sin_phi)
{
    if (abs_d(phi) > HALF_PI_BELOW) return angle_of(sign_of(phi) * 1.5707964f);
    const float a = float(3.1415927f * sin_phi);
    double theta;
    if (!start_inside(THETA_PLUS_SIN_STARTS, THETA_PLUS_SIN_REACH, a, theta))
        theta = float(2.0 * asin_d(0.63661975f * double(phi)));
    return newton(0.5 * theta, a, TwiceThetaPlusSin());
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

// Half the root of theta + sin theta = x, started from the table or from x / 2, and iterated
// as the half angle itself (the same steps, halved), so that its own sine and cosine come out.
Angle half_theta(float x)
{
    double theta = float(x / 2.0);
    start_inside(THETA_PLUS_SIN_STARTS, THETA_PLUS_SIN_REACH, x, theta);
    return newton(0.5 * theta, x, TwiceThetaPlusSin());
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
// c (a - r) - ln(c + r) = b sin phi with r = sqrt(c^2 + 1), started from the table or from
// c = 1.1026578 phi.
double putnins_hyperbolic_theta(const HyperbolicEquation& equation, float phi)
{
    if (abs_d(phi) > HALF_PI_BELOW) return sign_of(phi) * 1.7320508f;
    const double p = phi;
    const double a = equation.a;
    const double target = equation.b * sin_d(p);
    double c;
    if (!start_inside(equation.starts, equation.reach, target, c)) c = 1.1026578f * p;
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
