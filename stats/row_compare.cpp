// stats/row_compare.cpp: the three comparisons of the datasheet's sort. The direction only flips
// the order of present entries: missing values, empty texts and the tie-break by code keep theirs.
#include "stats/row_compare.h"

// Case and accents of code page 1252 bytes 0x80..0xFF: the letter each stands for, lower case;
// 0 keeps the byte itself.
static const char BASE_LETTERS[128 + 1] =
    "\0\0\0\0\0\0\0\0\0\0s\0o\0z\0"          // 0x80: S caron, OE, Z caron
    "\0\0\0\0\0\0\0\0\0\0s\0o\0zy"           // 0x90: s caron, oe, z caron, Y diaeresis
    "\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0"
    "\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0"
    "aaaaaaaceeeeiiii"                       // 0xC0: A grave .. I diaeresis
    "dnooooo\0ouuuuyts"                      // 0xD0: Eth .. sharp s; 0xD7 is the times sign
    "aaaaaaaceeeeiiii"                       // 0xE0
    "dnooooo\0ouuuuyty";                     // 0xF0; 0xF7 is the division sign
static_assert(sizeof BASE_LETTERS == 128 + 1, "one entry per byte 0x80..0xFF");

// The byte in lower case: ASCII and the capitals of code page 1252.
static unsigned char lower_case(unsigned char c)
{
    if (c >= 'A' && c <= 'Z') return c + 32;
    if (c == 0x8A || c == 0x8C || c == 0x8E) return c + 16;
    if (c == 0x9F) return 0xFF;
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return c + 32;
    return c;
}

static unsigned char base_letter(unsigned char c)
{
    if (c >= 0x80 && BASE_LETTERS[c - 0x80] != 0) return (unsigned char)BASE_LETTERS[c - 0x80];
    return lower_case(c);
}

int compare_text_ignoring_case(const char* s1, const char* s2)
{
    const unsigned char* a = (const unsigned char*)s1;
    const unsigned char* b = (const unsigned char*)s2;
    int accents = 0;   // the first difference of accent, used when the letters agree
    for (;; ++a, ++b) {
        const int d = base_letter(*a) - base_letter(*b);
        if (d != 0) return d;
        if (*a == 0) return accents;
        if (accents == 0) accents = lower_case(*a) - lower_case(*b);
    }
}

// Missing values last; otherwise by value in the key's direction, equal values by code.
static int compare_numbers(double x1, double x2, int code1, int code2, int key)
{
    if (x1 == x2) return code1 - code2;
    if (x1 == MISSING_VALUE) return 1;
    if (x2 == MISSING_VALUE) return -1;
    return x1 > x2 ? key : -key;
}

// Empty texts last; otherwise case-insensitive in the key's direction, equal texts by code.
static int compare_texts(TextOrder order, const char* s1, const char* s2, int code1, int code2, int key)
{
    const int r = order(s1, s2);
    if (r == 0) return code1 - code2;
    if (*s1 == 0) return 1;
    if (*s2 == 0) return -1;
    return key < 0 ? -r : r;
}

// "+05:30": 100 x '0' + 10 x '5' + '3' by character codes, negated for "-": an offset to the
// ten minutes, in order.
static int zone_order(const char* t)
{
    const int z = 100 * t[1] + 10 * t[2] + t[4];
    return t[0] == '-' ? -z : z;
}

static int compare_zones(const char* t1, const char* t2, int code1, int code2, int key)
{
    const int z1 = zone_order(t1), z2 = zone_order(t2);
    if (z1 == z2) return code1 - code2;
    return z1 < z2 ? -key : key;
}

int compare_rows(const RowTable& rows, int code1, int code2, int key)
{
    const int column = key < 0 ? -key : key;
    const TextOrder order = rows.text_order ? rows.text_order : compare_text_ignoring_case;
    const CountryStats& a = rows.stats[code1 - 1];
    const CountryStats& b = rows.stats[code2 - 1];
    if (column == COLUMN_NAME) return compare_texts(order, rows.names[code1 - 1], rows.names[code2 - 1], code1, code2, key);
    if (column == COLUMN_STATISTIC) return compare_numbers(a.current, b.current, code1, code2, key);
    if (column < FIRST_VALUE_COLUMN) {
        const char* t1 = code_text(a, column);
        const char* t2 = code_text(b, column);
        if (rows.columns[column].kind == KIND_TIME_ZONE) return compare_zones(t1, t2, code1, code2, key);
        return compare_texts(order, t1, t2, code1, code2, key);
    }
    return compare_numbers(column_value(a, column), column_value(b, column), code1, code2, key);
}
