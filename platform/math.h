// platform/math.h: the elementary maths of the core, in double precision.
// Natively it forwards to the C library but for sine and cosine, which it works out inline; in
// the Windows build it is x87 instructions, no runtime.
#pragma once

#if defined(ORBILY_WIN32)

inline double sqrt_d(double x) { double r; __asm__("fsqrt" : "=t"(r) : "0"(x)); return r; }
inline double sin_d(double x) { double r; __asm__("fsin" : "=t"(r) : "0"(x)); return r; }
inline double cos_d(double x) { double r; __asm__("fcos" : "=t"(r) : "0"(x)); return r; }
// fptan pushes 1.0 above the tangent; the pop leaves the tangent
inline double tan_d(double x) { double r; __asm__("fptan\n\tfstp %%st(0)" : "=t"(r) : "0"(x)); return r; }
// fpatan: atan(st1 / st0) with the quadrant of (st0, st1), popping st1
inline double atan2_d(double y, double x) { double r; __asm__("fpatan" : "=t"(r) : "0"(x), "u"(y) : "st(1)"); return r; }
inline double atan_d(double x) { return atan2_d(x, 1.0); }
// asin and acos as fpatan forms of the root sqrt(1 - z^2), taken as 0 beyond [-1, 1]: the
// clamped angle instead of a NaN
inline double asin_d(double z) { const double c = 1.0 - z * z; return atan2_d(z, c > 0.0 ? sqrt_d(c) : 0.0); }
inline double acos_d(double z) { const double c = 1.0 - z * z; return atan2_d(c > 0.0 ? sqrt_d(c) : 0.0, z); }
// fyl2x: st1 * log2(st0); with st1 = ln 2 or log10 2 it gives the natural or common logarithm
inline double log_d(double x) { double r; __asm__("fldln2\n\tfxch\n\tfyl2x" : "=t"(r) : "0"(x) : "st(1)"); return r; }
inline double log10_d(double x) { double r; __asm__("fldlg2\n\tfxch\n\tfyl2x" : "=t"(r) : "0"(x) : "st(1)"); return r; }
inline double round_to_integer_d(double x) { double r; __asm__("frndint" : "=t"(r) : "0"(x)); return r; }
// 2^x = 2^i * 2^f with i the nearest integer and |f| <= 1/2, the range of f2xm1
inline double exp2_d(double x)
{
    const double i = round_to_integer_d(x);
    double f = x - i;
    __asm__("f2xm1" : "=t"(f) : "0"(f));
    double r;
    __asm__("fscale" : "=t"(r) : "0"(f + 1.0), "u"(i));
    return r;
}
inline double exp_d(double x) { return exp2_d(x * 1.4426950408889634); }   // log2(e)

#else

extern "C" {
double sqrt(double);
double sin(double);
double cos(double);
double atan(double);
double atan2(double, double);
double asin(double);
double acos(double);
double log(double);
double log10(double);
double exp(double);
}

// Sine and cosine are inlined, branch-free and table-driven: the library's calls cost more than
// most formulas around them, and the quadrant of one point tells nothing of the next.

// sin(k pi/32), k = 0..63, each the nearest double; sin 0 as -0, which keeps the sign of a zero
inline constexpr double SINE_OF_32NDS[64] = {
    -0.0, 0.0980171403295606, 0.19509032201612828, 0.2902846772544624,
    0.3826834323650898, 0.47139673682599764, 0.5555702330196022, 0.6343932841636455,
    0.7071067811865476, 0.773010453362737, 0.8314696123025452, 0.881921264348355,
    0.9238795325112867, 0.9569403357322088, 0.9807852804032304, 0.9951847266721969,
    1.0, 0.9951847266721969, 0.9807852804032304, 0.9569403357322088,
    0.9238795325112867, 0.881921264348355, 0.8314696123025452, 0.773010453362737,
    0.7071067811865476, 0.6343932841636455, 0.5555702330196022, 0.47139673682599764,
    0.3826834323650898, 0.2902846772544624, 0.19509032201612828, 0.0980171403295606,
    0.0, -0.0980171403295606, -0.19509032201612828, -0.2902846772544624,
    -0.3826834323650898, -0.47139673682599764, -0.5555702330196022, -0.6343932841636455,
    -0.7071067811865476, -0.773010453362737, -0.8314696123025452, -0.881921264348355,
    -0.9238795325112867, -0.9569403357322088, -0.9807852804032304, -0.9951847266721969,
    -1.0, -0.9951847266721969, -0.9807852804032304, -0.9569403357322088,
    -0.9238795325112867, -0.881921264348355, -0.8314696123025452, -0.773010453362737,
    -0.7071067811865476, -0.6343932841636455, -0.5555702330196022, -0.47139673682599764,
    -0.3826834323650898, -0.2902846772544624, -0.19509032201612828, -0.0980171403295606,
};

// sin and cos of x on |x| <= 1e5 (beyond, and for a NaN, the library's):
// x = k pi/32 + h with |h| <= pi/64 and pi/32 in two parts (33 and 53 bits, so h is off by
// less than 1e-26); sin and cos of k pi/32 from the table, of h by Taylor's terms (the rest is
// below 1e-19), joined by the angle-sum formulas. Good to about one ulp, or 1e-26 near a zero.
inline void sine_and_cosine_d(double x, double& s, double& c)
{
    if (!(__builtin_fabs(x) <= 1e5)) {
        s = sin(x);
        c = cos(x);
        return;
    }
    const double shifted = x * 10.185916357881302 + 6755399441055744.0;   // 32/pi; 1.5 x 2^52 rounds
    const double n = shifted - 6755399441055744.0;
    const double h = (x - n * (1.57079632673412561417 / 16)) - n * (6.07710050650619224932e-11 / 16);
    const double z = h * h;
    const double z2 = z * z;
    const double sh = h * (1.0 + z * ((-1.0 / 6 + z * (1.0 / 120)) + z2 * (-1.0 / 5040 + z * (1.0 / 362880))));
    const double ch = 1.0 + (z * -0.5 + z2 * ((1.0 / 24 + z * (-1.0 / 720)) + z2 * (1.0 / 40320)));
    unsigned long long k;
    __builtin_memcpy(&k, &shifted, 8);   // n in the low bits
    const double sk = SINE_OF_32NDS[k & 63];
    const double ck = SINE_OF_32NDS[(k + 16) & 63];
    s = sk * ch + ck * sh;
    c = ck * ch - sk * sh;
}
inline double sin_d(double x) { double s, c; sine_and_cosine_d(x, s, c); return s; }
inline double cos_d(double x) { double s, c; sine_and_cosine_d(x, s, c); return c; }
inline double tan_d(double x) { double s, c; sine_and_cosine_d(x, s, c); return s / c; }
inline double sqrt_d(double x) { return sqrt(x); }
inline double atan_d(double x) { return atan(x); }
// asin and acos clamp their argument to [-1, 1], as the x87 forms do
inline double asin_d(double z) { return asin(z < -1.0 ? -1.0 : z > 1.0 ? 1.0 : z); }
inline double acos_d(double z) { return acos(z < -1.0 ? -1.0 : z > 1.0 ? 1.0 : z); }
inline double atan2_d(double y, double x) { return atan2(y, x); }
inline double log_d(double x) { return log(x); }
inline double log10_d(double x) { return log10(x); }
inline double exp_d(double x) { return exp(x); }

#endif

inline double abs_d(double x) { return x < 0.0 ? -x : x; }
