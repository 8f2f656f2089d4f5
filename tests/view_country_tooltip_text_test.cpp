// tests/view_country_tooltip_text_test.cpp
#include <gtest/gtest.h>
#include <string>
#include "geo/countries.h"
#include "view/country_tooltip_text.h"

// 1. Anchors: a country, a region with its parent, with and without a figure.
TEST(FormatCountryTooltip, NameParentAndValueLines)
{
    build_country_names();
    struct Case { int code; const char* value; const char* expected; };
    const Case cases[] = {
        {1, "", "Andorra"},
        {214, "12,345 (7th)", "Zimbabwe\r\n12,345 (7th)"},
        {236, "", "Alaska (United States of America)"},
        {236, "331,449,281 (=3rd)", "Alaska (United States of America)\r\n331,449,281 (=3rd)"},
    };
    for (const Case& c : cases) {
        char out[TOOLTIP_TEXT_CAPACITY];
        EXPECT_EQ(format_country_tooltip(out, c.code, country_names, c.value), out);
        EXPECT_STREQ(out, c.expected) << c.code;
    }
}

// 2. Invariant: however long the figure, the text ends inside the buffer.
TEST(FormatCountryTooltip, LongTextIsCutAtTheBuffer)
{
    build_country_names();
    const std::string value(400, '9');
    char out[TOOLTIP_TEXT_CAPACITY + 1];
    out[TOOLTIP_TEXT_CAPACITY] = 'x';   // the byte past the buffer stays untouched
    format_country_tooltip(out, 236, country_names, value.c_str());
    EXPECT_EQ(std::string(out).size(), size_t(TOOLTIP_TEXT_CAPACITY - 1));
    EXPECT_EQ(out[TOOLTIP_TEXT_CAPACITY], 'x');
    EXPECT_EQ(std::string(out).substr(0, 35), "Alaska (United States of America)\r\n");
}
