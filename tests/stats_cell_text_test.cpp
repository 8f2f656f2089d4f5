// tests/stats_cell_text_test.cpp
#include <gtest/gtest.h>
#include <string>
#include "geo/countries.h"
#include "stats/cell_text.h"
#include "stats/country_stats.h"

class CellTexts : public ::testing::Test {
protected:
    static const int GERMANY = 49;
    void SetUp() override
    {
        build_country_names();
        load_statistics();
    }
};

// 1. Anchors: the worked examples of the chosen statistic.
TEST_F(CellTexts, StatisticWithAndWithoutRank)
{
    CountryStats& s = stats_of(GERMANY);
    s.current = 1234;
    s.rank = 12;
    s.tied = 1;
    EXPECT_STREQ(statistic_text(GERMANY, true), "1,234 (=12th)");
    EXPECT_STREQ(statistic_text(GERMANY, false), "1,234");
    s.current = 0.25;
    s.rank = 1;
    s.tied = 0;
    EXPECT_STREQ(statistic_text(GERMANY, true), "0.25 (1st)");
    s.rank = 22;
    EXPECT_STREQ(statistic_text(GERMANY, true), "0.25 (22nd)");
    s.rank = 213;
    EXPECT_STREQ(statistic_text(GERMANY, true), "0.25 (213th)");
}

TEST_F(CellTexts, StatisticIgnoresTheUnitFlagsOfItsKind)
{
    stats_of(GERMANY).current = 12;   // a percentage would read 12.0%
    EXPECT_STREQ(statistic_text(GERMANY, false), "12");
}

TEST_F(CellTexts, StatisticWithoutValueIsEmptyInBothForms)
{
    EXPECT_STREQ(statistic_text(GERMANY, true), "");
    EXPECT_STREQ(statistic_text(GERMANY, false), "");
}

TEST_F(CellTexts, StatisticLeavesRoomForALineBreakInFront)
{
    CountryStats& s = stats_of(GERMANY);
    s.current = -123456789.0;
    s.rank = 2147483647;
    s.tied = 1;
    char* text = const_cast<char*>(statistic_text(GERMANY, true));
    text[-2] = '\r';   // what the tooltip does
    text[-1] = '\n';
    EXPECT_EQ(std::string(text - 2), "\r\n-123,457,000 (=2147483647th)");
}

TEST_F(CellTexts, CellsOfEveryColumnGroup)
{
    CountryStats& s = stats_of(GERMANY);
    s.current = 7;
    EXPECT_STREQ(cell_text(GERMANY, 1), "Germany");
    EXPECT_STREQ(cell_text(GERMANY, 2), "7");
    EXPECT_STREQ(cell_text(GERMANY, 3), code_text(s, 3));
    EXPECT_STREQ(cell_text(GERMANY, 13), code_text(s, 13));
    s.values[75 - FIRST_VALUE_COLUMN] = 12;    // a growth rate: ".0" and "%"
    EXPECT_STREQ(cell_text(GERMANY, 75), "12.0%");
    s.values[18 - FIRST_VALUE_COLUMN] = 81;    // years: ".0"
    EXPECT_STREQ(cell_text(GERMANY, 18), "81.0");
    s.values[14 - FIRST_VALUE_COLUMN] = 1e6;   // people: plain
    EXPECT_STREQ(cell_text(GERMANY, 14), "1,000,000");
    s.values[14 - FIRST_VALUE_COLUMN] = MISSING_VALUE;
    EXPECT_STREQ(cell_text(GERMANY, 14), "");
}

// 2. Sweep: every cell of every country has a text of sane length.
TEST_F(CellTexts, EveryCellFitsTheDatasheet)
{
    for (int k = 1; k <= COUNTRY_COUNT; ++k) {
        for (int c = 1; c < STAT_COLUMN_COUNT; ++c) {
            EXPECT_LT(std::string(cell_text(k, c)).size(), 64u) << "country " << k << " column " << c;
        }
    }
}
