// stats/number_format.h: numbers as the datasheet shows them, independent of any locale:
// six significant digits, no trailing zeros, "," between thousands, "." before decimals.
#pragma once
#include "stats/backward_text.h"

// Room for every finite double: 309 integer digits with 102 separators, or "0." with 323 zeros
// and 6 digits, plus sign, ".0", "%", a rank such as " (=2147483647th)" and two free characters.
const int NUMBER_TEXT_SIZE = 448;

// x as text: MISSING_VALUE (and anything not finite) gives the empty text; flags are a unit
// kind's FORMAT_POINT_ZERO and FORMAT_PERCENT. The text lives until the next call.
const char* format_number(int flags, double x);

// The digits of a > 0 with separators, ".0" appended when point_zero and no fraction digits.
const char* format_magnitude(double a, bool point_zero);

// r >= 1 with its English ordinal suffix: 1st, 2nd, 3rd, 4th, 11th, 21st, 112th.
const char* format_ordinal(int r);

// The same texts, put in front of a text under construction.
void prepend_number(BackwardText& text, int flags, double x);
void prepend_magnitude(BackwardText& text, double a, bool point_zero);
void prepend_ordinal(BackwardText& text, int r);
