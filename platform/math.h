// platform/math.h: the elementary maths of the core, in double precision.
// Natively it forwards to the C library; in the Windows build it is x87 instructions, no runtime.
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

inline void sines_and_cosines_d(const double* x, double* s, double* c, int n)
{
    for (int i = 0; i < n; ++i) {
        s[i] = sin_d(x[i]);
        c[i] = cos_d(x[i]);
    }
}

#else

extern "C" {
double sqrt(double);
double sin(double);
double cos(double);
double tan(double);
double atan(double);
double atan2(double, double);
double asin(double);
double acos(double);
double log(double);
double log10(double);
double exp(double);
}

inline double sin_d(double x) { return sin(x); }
inline double cos_d(double x) { return cos(x); }
inline double tan_d(double x) { return tan(x); }
inline double sqrt_d(double x) { return sqrt(x); }
inline double atan_d(double x) { return atan(x); }
// asin and acos clamp their argument to [-1, 1], as the x87 forms do
inline double asin_d(double z) { return asin(z < -1.0 ? -1.0 : z > 1.0 ? 1.0 : z); }
inline double acos_d(double z) { return acos(z < -1.0 ? -1.0 : z > 1.0 ? 1.0 : z); }
inline double atan2_d(double y, double x) { return atan2(y, x); }
inline double log_d(double x) { return log(x); }
inline double log10_d(double x) { return log10(x); }
inline double exp_d(double x) { return exp(x); }

// The C library's vector maths (libmvec): two lanes in SSE2 registers, four in AVX2 ones where
// the processor has them, each lane within 4 ulp of the scalar result.
typedef double DoublePair __attribute__((vector_size(16)));
typedef double DoubleQuad __attribute__((vector_size(32)));
extern "C" {
DoublePair _ZGVbN2v_sin(DoublePair);
DoublePair _ZGVbN2v_cos(DoublePair);
DoubleQuad _ZGVdN4v_sin(DoubleQuad) __attribute__((target("avx2")));
DoubleQuad _ZGVdN4v_cos(DoubleQuad) __attribute__((target("avx2")));
}

// the batch's quadruples through the AVX2 forms; returns how many points they took
__attribute__((target("avx2"))) inline int sines_and_cosines_by_four(const double* x, double* s, double* c, int n)
{
    int i = 0;
    for (; i + 4 <= n; i += 4) {
        DoubleQuad v;
        __builtin_memcpy(&v, x + i, sizeof v);
        const DoubleQuad sv = _ZGVdN4v_sin(v);
        const DoubleQuad cv = _ZGVdN4v_cos(v);
        __builtin_memcpy(s + i, &sv, sizeof sv);
        __builtin_memcpy(c + i, &cv, sizeof cv);
    }
    return i;
}

// s[i] = sin x[i] and c[i] = cos x[i] for a batch
inline void sines_and_cosines_d(const double* x, double* s, double* c, int n)
{
    int i = __builtin_cpu_supports("avx2") ? sines_and_cosines_by_four(x, s, c, n) : 0;
    for (; i + 2 <= n; i += 2) {
        DoublePair v;
        __builtin_memcpy(&v, x + i, sizeof v);
        const DoublePair sv = _ZGVbN2v_sin(v);
        const DoublePair cv = _ZGVbN2v_cos(v);
        __builtin_memcpy(s + i, &sv, sizeof sv);
        __builtin_memcpy(c + i, &cv, sizeof cv);
    }
    for (; i < n; ++i) {
        s[i] = sin(x[i]);
        c[i] = cos(x[i]);
    }
}

#endif

inline double abs_d(double x) { return x < 0.0 ? -x : x; }
