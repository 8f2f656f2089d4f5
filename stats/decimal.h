// stats/decimal.h: exact powers of ten and truncation, the arithmetic under decoding and formatting.
// Independent of the maths library so that both builds give the same digits.
#pragma once

// 10^e: exact for 0 <= e <= 22, the nearest double to it for -22 <= e < 0 (one division);
// outside that range a chain of such steps, infinity or zero past the range of doubles.
double power_of_ten(int e);

// a × 10^e, in steps small enough that no intermediate power overflows.
double scale_by_power_of_ten(double a, int e);

// x with its fraction dropped (toward zero).
double truncate_toward_zero(double x);
