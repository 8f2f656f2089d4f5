// stats/decimal.cpp: powers of ten from exact products, and truncation without a runtime.
#include "stats/decimal.h"
#include <stdint.h>

// 10^22 is the largest power of ten that a double holds exactly.
static const int EXACT_POWER_LIMIT = 22;

static double exact_power_of_ten(int e)   // 0 <= e <= 22
{
    double p = 1.0;
    for (int i = 0; i < e; ++i) p *= 10.0;
    return p;
}

double power_of_ten(int e)
{
    return scale_by_power_of_ten(1.0, e);
}

double scale_by_power_of_ten(double a, int e)
{
    for (; e > EXACT_POWER_LIMIT; e -= EXACT_POWER_LIMIT) a *= exact_power_of_ten(EXACT_POWER_LIMIT);
    for (; e < -EXACT_POWER_LIMIT; e += EXACT_POWER_LIMIT) a /= exact_power_of_ten(EXACT_POWER_LIMIT);
    return e >= 0 ? a * exact_power_of_ten(e) : a / exact_power_of_ten(-e);
}

double truncate_toward_zero(double x)
{
    // 2^62: beyond it every double is an integer already, and the cast would overflow
    const double integral_from = 4611686018427387904.0;
    if (x >= integral_from || x <= -integral_from) return x;
    return double(int64_t(x));
}
