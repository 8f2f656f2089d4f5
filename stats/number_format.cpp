// stats/number_format.cpp: six significant digits, rounded half up, written right to left.
// The digit count of a value comes from exact comparisons, not from the logarithm alone.
#include "stats/number_format.h"
#include "stats/country_stats.h"
#include "stats/decimal.h"
#include "platform/math.h"
#include <stdint.h>

static const int SIGNIFICANT_DIGITS = 6;
static const double DIGITS_CARRIED = 1000000.0;   // rounding reached a seventh digit
static const double SMALLEST_DIGITS = 100000.0;

static char number_buffer[NUMBER_TEXT_SIZE];
static char magnitude_buffer[NUMBER_TEXT_SIZE];
static char ordinal_buffer[NUMBER_TEXT_SIZE];

// n with 10^(n-1) <= a < 10^n: the number of digits before the decimal point, or minus the
// number of zeros between the point and the first significant digit.
static int decimal_point_position(double a)
{
    const double l = log10_d(a);
    int n = int(l);                        // toward zero
    if (double(n) > l) --n;                // floor
    ++n;
    while (a >= power_of_ten(n)) ++n;      // the logarithm may be off by one at powers of ten
    while (a < power_of_ten(n - 1)) --n;
    return n;
}

// Prepends an integer part of `count` digits: the first digit_count are `digits`, the rest
// zeros, with "," before every group of three counted from the right.
static void prepend_integer_part(BackwardText& text, const char* digits, int digit_count, int count)
{
    for (int i = count - 1; i >= 0; --i) {
        prepend_char(text, i < digit_count ? digits[i] : '0');
        const int from_right = count - i;
        if (from_right % 3 == 0 && i > 0) prepend_char(text, ',');
    }
}

void prepend_magnitude(BackwardText& text, double a, bool point_zero)
{
    CORE_ASSERT(a > 0.0);
    int n = decimal_point_position(a);
    double f = truncate_toward_zero(scale_by_power_of_ten(a, SIGNIFICANT_DIGITS - n) + 0.5);
    if (f >= DIGITS_CARRIED) {
        f = SMALLEST_DIGITS;
        ++n;
    }
    int64_t significant = int64_t(f);
    int length = SIGNIFICANT_DIGITS;
    while (length > 1 && significant % 10 == 0) {
        significant /= 10;
        --length;
    }
    char digits[SIGNIFICANT_DIGITS];
    for (int i = length - 1; i >= 0; --i, significant /= 10) digits[i] = char('0' + significant % 10);

    if (n <= 0) {
        for (int i = length - 1; i >= 0; --i) prepend_char(text, digits[i]);
        for (int i = 0; i < -n; ++i) prepend_char(text, '0');
        prepend_text(text, "0.");
    } else if (n < length) {
        for (int i = length - 1; i >= n; --i) prepend_char(text, digits[i]);
        prepend_char(text, '.');
        prepend_integer_part(text, digits, n, n);
    } else {
        if (point_zero) prepend_text(text, ".0");
        prepend_integer_part(text, digits, length, n);
    }
}

void prepend_number(BackwardText& text, int flags, double x)
{
    const bool finite = x - x == 0.0;   // false for infinities and NaN
    if (x == MISSING_VALUE || !finite) return;
    if (flags & FORMAT_PERCENT) prepend_char(text, '%');
    const bool point_zero = (flags & FORMAT_POINT_ZERO) != 0;
    if (x == 0.0) {
        prepend_text(text, point_zero ? "0.0" : "0");
    } else if (x > 0.0) {
        prepend_magnitude(text, x, point_zero);
    } else {
        prepend_magnitude(text, -x, point_zero);
        prepend_char(text, '-');
    }
}

void prepend_ordinal(BackwardText& text, int r)
{
    CORE_ASSERT(r >= 1);
    const int last_two = r % 100;
    const int last = r % 10;
    if (last_two >= 11 && last_two <= 13) prepend_text(text, "th");
    else if (last == 1) prepend_text(text, "st");
    else if (last == 2) prepend_text(text, "nd");
    else if (last == 3) prepend_text(text, "rd");
    else prepend_text(text, "th");
    for (; r > 0; r /= 10) prepend_char(text, char('0' + r % 10));
}

const char* format_number(int flags, double x)
{
    BackwardText text = begin_backward_text(number_buffer, NUMBER_TEXT_SIZE, 0);
    prepend_number(text, flags, x);
    return text.start;
}

const char* format_magnitude(double a, bool point_zero)
{
    BackwardText text = begin_backward_text(magnitude_buffer, NUMBER_TEXT_SIZE, 0);
    prepend_magnitude(text, a, point_zero);
    return text.start;
}

const char* format_ordinal(int r)
{
    BackwardText text = begin_backward_text(ordinal_buffer, NUMBER_TEXT_SIZE, 0);
    prepend_ordinal(text, r);
    return text.start;
}
