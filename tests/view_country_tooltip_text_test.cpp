// tests/view_country_tooltip_text_test.cpp
#include <gtest/gtest.h>
#include <string>
#include "geo/countries.h"
#include "view/country_tooltip_text.h"

// The name and figure lines are checked by the Windows tooltip test; here, however long the
// figure, the text ends inside the buffer.
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
