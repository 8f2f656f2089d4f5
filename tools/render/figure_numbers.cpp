// tools/render/figure_numbers.cpp: a number is rewritten into the plain form "-123.45e6", then
// converted as the program decodes its own figures (see to_double).
#include "tools/render/figure_numbers.h"
#include <cmath>
#include <cstdlib>
#include <cstring>
#include "stats/decimal.h"

namespace {

// Spaces that may stand around a number or between its groups of digits.
const char* const SPACES[] = {" ", "\t", "\xC2\xA0", "\xE2\x80\xAF"};   // space, tab, no-break, narrow no-break

size_t space_at(const std::string& text, size_t i)
{
    for (const char* space : SPACES)
        if (text.compare(i, std::strlen(space), space) == 0) return std::strlen(space);
    return 0;
}

// The length of the thousands separator at i (0 if none): a space of any kind, "'", or the mark
// that is not the decimal mark.
size_t group_separator_at(const std::string& text, size_t i, DecimalMark mark)
{
    if (i >= text.size()) return 0;
    if (text[i] == '\'' || text[i] == (mark == DECIMAL_POINT ? ',' : '.')) return 1;
    return text[i] == '\t' ? 0 : space_at(text, i);
}

bool is_digit(const std::string& text, size_t i)
{
    return i < text.size() && text[i] >= '0' && text[i] <= '9';
}

size_t digits_from(const std::string& text, size_t i)
{
    size_t n = 0;
    while (is_digit(text, i + n)) ++n;
    return n;
}

// text without the blanks around it, and without a trailing "%" (and the blanks before it).
std::string core_of(const std::string& text)
{
    size_t first = 0, last = text.size();
    for (size_t n; first < last && (n = space_at(text, first)) > 0;) first += n;
    for (bool trimmed = true; trimmed;) {
        trimmed = false;
        for (const char* space : SPACES) {
            const size_t n = std::strlen(space);
            if (last - first >= n && text.compare(last - n, n, space) == 0) last -= n, trimmed = true;
        }
    }
    if (last > first && text[last - 1] == '%') {
        --last;
        while (last > first && (text[last - 1] == ' ' || text[last - 1] == '\t')) --last;
    }
    return text.substr(first, last - first);
}

// The integer part at i into plain: digits, or 1..3 digits followed by groups of three that one
// and the same separator introduces. Moves i past it.
void read_integer_part(const std::string& text, size_t& i, DecimalMark mark, std::string& plain)
{
    const size_t lead = digits_from(text, i);
    plain.append(text, i, lead);
    i += lead;
    const size_t separator_length = group_separator_at(text, i, mark);
    // a group of thousands never starts with 0: "0,125" and "012,345" are no groupings
    if (lead == 0 || lead > 3 || separator_length == 0 || text[i - lead] == '0') return;
    const std::string separator = text.substr(i, separator_length);
    while (text.compare(i, separator_length, separator) == 0 && digits_from(text, i + separator_length) == 3) {
        plain.append(text, i + separator_length, 3);
        i += separator_length + 3;
    }
}

// The plain form as a double: up to 15 significant digits as a whole number times a power of
// ten, the arithmetic of the program's own figures, so that its export reads back to the very
// doubles it was written from; longer numbers as strtod rounds them.
double to_double(const std::string& plain)
{
    std::string digits;   // all of them, zeros in front included
    int fraction_digits = 0;
    long exponent = 0;
    bool in_fraction = false;
    for (size_t i = 0; i < plain.size() && plain[i] != 'e'; ++i) {
        if (plain[i] == '.') in_fraction = true;
        if (plain[i] < '0' || plain[i] > '9') continue;
        digits += plain[i];
        fraction_digits += in_fraction;
    }
    const size_t e = plain.find('e');
    if (e != std::string::npos) exponent = std::strtol(plain.c_str() + e + 1, nullptr, 10);
    const size_t first_significant = std::min(digits.find_first_not_of('0'), digits.size());
    if (digits.size() - first_significant > 15 || exponent > 400 || exponent < -400)
        return std::strtod(plain.c_str(), nullptr);
    const double whole = double(std::strtoll(digits.c_str() + first_significant, nullptr, 10));
    const double magnitude = whole * power_of_ten(int(exponent) - fraction_digits);
    return plain[0] == '-' ? -magnitude : magnitude;
}

}  // namespace

bool parse_figure(const std::string& text, DecimalMark mark, double& value)
{
    const std::string core = core_of(text);
    std::string plain;
    size_t i = 0;
    if (i < core.size() && (core[i] == '-' || core[i] == '+')) plain += core[i++];
    else if (core.compare(0, 3, "\xE2\x88\x92") == 0) plain += '-', i += 3;   // the minus sign U+2212
    const size_t integer_start = plain.size();
    read_integer_part(core, i, mark, plain);
    const bool has_integer = plain.size() > integer_start;
    size_t fraction = 0;
    if (i < core.size() && core[i] == (mark == DECIMAL_POINT ? '.' : ',')) {
        fraction = digits_from(core, i + 1);
        plain += '.';
        plain.append(core, i + 1, fraction);
        i += 1 + fraction;
    }
    if (!has_integer && fraction == 0) return false;
    if (i < core.size() && (core[i] == 'e' || core[i] == 'E')) {
        size_t k = i + 1;
        if (k < core.size() && (core[k] == '-' || core[k] == '+')) ++k;
        const size_t exponent = digits_from(core, k);
        if (exponent == 0) return false;
        plain += 'e';
        plain.append(core, i + 1, k + exponent - i - 1);
        i = k + exponent;
    }
    if (i != core.size()) return false;
    value = to_double(plain);
    return std::isfinite(value);
}

DecimalMark decimal_mark_of(const std::vector<std::string>& cells)
{
    double value;
    for (const std::string& cell : cells)
        if (!parse_figure(cell, DECIMAL_POINT, value) && parse_figure(cell, DECIMAL_COMMA, value)) return DECIMAL_COMMA;
    return DECIMAL_POINT;
}
