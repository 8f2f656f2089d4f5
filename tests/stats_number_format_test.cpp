// tests/stats_number_format_test.cpp
#include <gtest/gtest.h>
#include <cfloat>
#include <cmath>
#include <algorithm>
#include <cstring>
#include <string>
#include "stats/country_stats.h"
#include "stats/number_format.h"

// 1. Anchors: the worked examples.
TEST(FormatNumber, WorkedExamples)
{
    struct Case { double value; int flags; const char* text; };
    const Case cases[] = {
        {0, 0, "0"}, {0, 1, "0.0"}, {0, 3, "0.0%"}, {12, 3, "12.0%"}, {3.5, 3, "3.5%"},
        {-2.5, 3, "-2.5%"}, {75, 1, "75.0"}, {75.25, 1, "75.25"}, {0.5, 0, "0.5"},
        {0.05, 0, "0.05"}, {0.000123456789, 0, "0.000123457"}, {1234.5, 0, "1,234.5"},
        {1234.5678, 0, "1,234.57"}, {1234567, 0, "1,234,570"}, {12300000, 0, "12,300,000"},
        {2.5e11, 0, "250,000,000,000"}, {999999.7, 0, "1,000,000"}, {0.99999997, 0, "1"},
        {-1000, 0, "-1,000"}, {MISSING_VALUE, 3, ""},
    };
    for (const Case& c : cases) {
        EXPECT_STREQ(format_number(c.flags, c.value), c.text) << c.value << " flags " << c.flags;
    }
}

TEST(FormatNumber, PowersOfTenKeepTheirDigitCount)
{
    EXPECT_STREQ(format_number(0, 1), "1");
    EXPECT_STREQ(format_number(0, 10), "10");
    EXPECT_STREQ(format_number(0, 100), "100");
    EXPECT_STREQ(format_number(0, 1000), "1,000");
    EXPECT_STREQ(format_number(0, 1e6), "1,000,000");
    EXPECT_STREQ(format_number(0, 1e15), "1,000,000,000,000,000");
    EXPECT_STREQ(format_number(0, 0.1), "0.1");
    EXPECT_STREQ(format_number(0, 0.01), "0.01");
    EXPECT_STREQ(format_number(0, 0.001), "0.001");
    EXPECT_STREQ(format_number(0, 1e-9), "0.000000001");
    double p = 1.0;
    std::string expected = "1";
    for (int e = 1; e <= 22; ++e) {
        p *= 10.0;
        expected += "0";
        std::string digits = format_number(0, p);
        digits.erase(std::remove(digits.begin(), digits.end(), ','), digits.end());
        EXPECT_EQ(digits, expected) << "10^" << e;
    }
}

TEST(FormatNumber, SixSignificantDigitsRoundHalfUp)
{
    EXPECT_STREQ(format_number(0, 1234565), "1,234,570");
    EXPECT_STREQ(format_number(0, 1234564), "1,234,560");
    EXPECT_STREQ(format_number(0, 123456), "123,456");
    EXPECT_STREQ(format_number(0, 12345.65), "12,345.7");
    EXPECT_STREQ(format_number(0, 9.999995), "10");
    EXPECT_STREQ(format_number(0, 0.0999999), "0.0999999");
}

TEST(FormatNumber, CarryIntoASeventhDigitMovesThePoint)
{
    EXPECT_STREQ(format_number(0, 999999.7), "1,000,000");
    EXPECT_STREQ(format_number(1, 999999.7), "1,000,000.0");
    EXPECT_STREQ(format_number(0, 99999.97), "100,000");
    EXPECT_STREQ(format_number(0, 0.99999997), "1");
    EXPECT_STREQ(format_number(0, 0.0099999997), "0.01");
    EXPECT_STREQ(format_number(0, -9999999.9), "-10,000,000");
}

TEST(FormatNumber, PointZeroOnlyWithoutFractionDigits)
{
    EXPECT_STREQ(format_number(FORMAT_POINT_ZERO, 12.5), "12.5");
    EXPECT_STREQ(format_number(FORMAT_POINT_ZERO, 1234567), "1,234,570.0");
    EXPECT_STREQ(format_number(FORMAT_POINT_ZERO, 0.5), "0.5");
    EXPECT_STREQ(format_number(FORMAT_POINT_ZERO | FORMAT_PERCENT, 12), "12.0%");
    EXPECT_STREQ(format_number(FORMAT_PERCENT, 12), "12%");
    EXPECT_STREQ(format_number(FORMAT_PERCENT, -0.25), "-0.25%");
}

TEST(FormatMagnitude, ThousandsSeparatorsNeverLead)
{
    EXPECT_STREQ(format_magnitude(123, false), "123");
    EXPECT_STREQ(format_magnitude(1234, false), "1,234");
    EXPECT_STREQ(format_magnitude(123456, false), "123,456");
    EXPECT_STREQ(format_magnitude(1234567, false), "1,234,570");
    EXPECT_STREQ(format_magnitude(123456.5, false), "123,457");
    EXPECT_STREQ(format_magnitude(12345.6, true), "12,345.6");
}

TEST(FormatOrdinal, Suffixes)
{
    struct Case { int rank; const char* text; };
    const Case cases[] = {
        {1, "1st"}, {2, "2nd"}, {3, "3rd"}, {4, "4th"}, {11, "11th"}, {12, "12th"},
        {13, "13th"}, {21, "21st"}, {22, "22nd"}, {101, "101st"}, {111, "111th"},
        {112, "112th"}, {113, "113th"}, {212, "212th"}, {213, "213th"}, {1000, "1000th"},
    };
    for (const Case& c : cases) EXPECT_STREQ(format_ordinal(c.rank), c.text);
}

// 2. Invariants: the rule never depends on the magnitude; anything finite gets a text.
TEST(FormatNumber, NegativeIsTheMinusSignBeforeThePositive)
{
    for (double x : {0.5, 3.25, 1234.5678, 1e9, 7.7e-7, 999999.7}) {
        for (int flags = 0; flags < 4; ++flags) {
            const std::string positive = format_number(flags, x);
            EXPECT_EQ(format_number(flags, -x), "-" + positive) << x;
        }
    }
}

TEST(FormatNumber, EveryFiniteDoubleFitsItsBuffer)
{
    const double largest = std::nextafter(MISSING_VALUE, 0.0);   // MISSING_VALUE itself is empty
    const double extremes[] = {largest, -DBL_MAX, DBL_MIN, 4.9406564584124654e-324, 1e300, 1e-300};
    for (double x : extremes) {
        const std::string text = format_number(FORMAT_POINT_ZERO | FORMAT_PERCENT, x);
        EXPECT_FALSE(text.empty()) << x;
        EXPECT_LT(text.size(), size_t(NUMBER_TEXT_SIZE)) << x;
    }
    EXPECT_EQ(std::string(format_number(0, largest)).substr(0, 8), "179,769,");
    EXPECT_EQ(std::strlen(format_number(0, 1e300)), 301u + 100u);
    const std::string tiny = format_number(0, 1e-300);   // "0.", 299 zeros, "1"
    EXPECT_EQ(tiny.size(), 302u);
    EXPECT_EQ(tiny.substr(0, 4) + tiny.substr(300), "0.0001");
}

TEST(FormatNumber, NotANumberAndInfinitiesGiveTheEmptyText)
{
    EXPECT_STREQ(format_number(3, NAN), "");
    EXPECT_STREQ(format_number(3, INFINITY), "");
    EXPECT_STREQ(format_number(3, -INFINITY), "");
}

// 3. Sweep: the text reads back as the value within six significant digits.
TEST(FormatNumber, TextReadsBackWithinSixDigits)
{
    double x = 1.234567e-12;
    for (int i = 0; i < 400; ++i, x *= 1.37) {
        std::string text = format_number(0, x);
        text.erase(std::remove(text.begin(), text.end(), ','), text.end());
        const double back = std::strtod(text.c_str(), nullptr);
        EXPECT_NEAR(back / x, 1.0, 5.1e-6) << x << " -> " << text;
    }
}
