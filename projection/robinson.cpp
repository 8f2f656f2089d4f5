// projection/robinson.cpp: Robinson's table of lengths and spacings at 5-degree steps, with
// cubic coefficients per degree inside each step.
#include "projection/conventions.h"
#include "projection/formulas.h"

struct RobinsonRow {
    float length[4];    // P0 (published parallel length) and P1..P3
    float spacing[4];   // Q0 (published parallel spacing) and Q1..Q3
};

static const RobinsonRow ROBINSON_TABLE[] = {
    {{1.0f, -5.67239e-12f, -7.15511e-05f, 3.11028e-06f}, {0.0f, 0.0124f, 3.72529e-10f, 1.15484e-09f}},             // 0
    {{0.9986f, -0.000482241f, -2.4897e-05f, -1.33094e-06f}, {0.062f, 0.0124001f, 1.76951e-08f, -5.92321e-09f}},    // 5
    {{0.9954f, -0.000831031f, -4.4861e-05f, -9.86588e-07f}, {0.124f, 0.0123998f, -7.09668e-08f, 2.25753e-08f}},    // 10
    {{0.99f, -0.00135363f, -5.96598e-05f, 3.67749e-06f}, {0.186f, 0.0124008f, 2.66917e-07f, -8.44523e-08f}},       // 15
    {{0.9822f, -0.00167442f, -4.4975e-06f, -5.72394e-06f}, {0.248f, 0.0123971f, -9.99682e-07f, 3.15569e-07f}},     // 20
    {{0.973f, -0.00214869f, -9.03565e-05f, 1.88767e-08f}, {0.31f, 0.0124108f, 3.73349e-06f, -1.1779e-06f}},        // 25
    {{0.96f, -0.00305084f, -9.00732e-05f, 1.64869e-06f}, {0.372f, 0.0123598f, -1.3935e-05f, 4.39588e-06f}},        // 30
    {{0.9427f, -0.00382792f, -6.53428e-05f, -2.61493e-06f}, {0.434f, 0.0125501f, 5.20034e-05f, -1.00051e-05f}},    // 35
    {{0.9216f, -0.00467747f, -0.000104566f, 4.8122e-06f}, {0.4968f, 0.0123198f, -9.80735e-05f, 9.22397e-06f}},     // 40
    {{0.8962f, -0.00536222f, -3.23834e-05f, -5.43445e-06f}, {0.5571f, 0.0120308f, 4.02857e-05f, -5.2901e-06f}},    // 45
    {{0.8679f, -0.00609364f, -0.0001139f, 3.32521e-06f}, {0.6176f, 0.0120369f, -3.90662e-05f, 7.36117e-07f}},      // 50
    {{0.835f, -0.00698325f, -6.40219e-05f, 9.34582e-07f}, {0.6769f, 0.0117015f, -2.80246e-05f, -8.54283e-07f}},    // 55
    {{0.7986f, -0.00755337f, -5.00038e-05f, 9.35532e-07f}, {0.7346f, 0.0113572f, -4.08389e-05f, -5.18524e-07f}},   // 60
    {{0.7597f, -0.00798325f, -3.59716e-05f, -2.27604e-06f}, {0.7903f, 0.0109099f, -4.86169e-05f, -1.0718e-06f}},   // 65
    {{0.7186f, -0.00851366f, -7.0112e-05f, -8.63072e-06f}, {0.8435f, 0.0103433f, -6.46934e-05f, 5.36384e-09f}},    // 70
    {{0.6732f, -0.00986209f, -0.000199572f, 1.91978e-05f}, {0.8936f, 0.00969679f, -6.46129e-05f, -8.54894e-06f}},  // 75
    {{0.6213f, -0.010418f, 8.83948e-05f, 6.24031e-06f}, {0.9394f, 0.00840949f, -0.000192847f, -4.21023e-06f}},     // 80
    {{0.5722f, -0.00906601f, 0.000181999f, 6.24033e-06f}, {0.9761f, 0.00616525f, -0.000256001f, -4.21021e-06f}},   // 85
    {{0.5322f, 0.0f, 0.0f, 0.0f}, {1.0f, 0.0f, 0.0f, 0.0f}},                                                       // 90
};
static_assert(sizeof ROBINSON_TABLE / sizeof ROBINSON_TABLE[0] == 19, "one row per 5 degrees from 0 to 90");

// c0 + t (c1 + t (c2 + t c3))
static double cubic(const float* c, double t) { return c[0] + t * (c[1] + t * (c[2] + t * c[3])); }

// Robinson: row trunc(|phi| / 5), t the degrees beyond the row's latitude; the sign of the
// northing comes from the hemisphere of the band.
int project_robinson(const ProjectionContext& ctx)
{
    const double s = north_edge_deg(ctx) > 0 ? 90.0 : -90.0;
    return project_each_point(ctx, [s](const PiecePoint& p, float* out) {
        const double a = abs_d(p.phi_deg);
        int row = int(0.2f * a);
        if (row > 18) row = 18;   // never past the pole's row, whatever the input
        const double t = a - 5.0 * row;
        out[0] = float(p.lambda_deg * cubic(ROBINSON_TABLE[row].length, t) + 180.0);
        out[1] = float(90.0 - s * cubic(ROBINSON_TABLE[row].spacing, t));
    });
}
