// tests/stats_catalogue_test.cpp
#include <gtest/gtest.h>
#include <string>
#include "stats/catalogue.h"

class BuildCatalogue : public ::testing::Test {
protected:
    void SetUp() override { build_catalogue(); }
};

// 1. Anchors: entries of the catalogue table.
TEST_F(BuildCatalogue, FirstColumnsHaveNoUnit)
{
    EXPECT_STREQ(stat_columns[0].title, "Flag");
    EXPECT_EQ(stat_columns[0].kind, KIND_TEXT);
    EXPECT_EQ(stat_columns[0].width, 0);
    EXPECT_STREQ(stat_columns[1].title, "Country Name");
    EXPECT_EQ(stat_columns[1].width, 9);
    EXPECT_STREQ(stat_columns[2].title, "Statistic");
    EXPECT_EQ(stat_columns[2].kind, KIND_STATISTIC);
    EXPECT_EQ(stat_columns[2].width, 7);
    EXPECT_STREQ(stat_columns[13].title, "TZ");
    EXPECT_EQ(stat_columns[13].kind, KIND_TIME_ZONE);
}

TEST_F(BuildCatalogue, TitlesCarryTheUnitOfTheirKind)
{
    EXPECT_STREQ(stat_columns[101].title, "Oil: Production (bbl/day)");
    EXPECT_STREQ(stat_columns[41].title, "Land Area (km\xB2)");
    EXPECT_STREQ(stat_columns[46].title, "Total Renewable Water Resources (km\xB3)");
    EXPECT_STREQ(stat_columns[39].title, "Total Freshwater Withdrawal (km\xB3/yr)");
    EXPECT_STREQ(stat_columns[18].title, "Life Expectancy at Birth (yrs)");
    EXPECT_STREQ(stat_columns[75].title, "GDP Real Growth Rate (%)");
    EXPECT_STREQ(stat_columns[31].title, "Infant Mortality (/1000)");
    EXPECT_STREQ(stat_columns[69].title, "Reserves of Foreign Exchange and Gold (US$)");
    EXPECT_STREQ(stat_columns[14].title, "Population: Total");             // kind F has no unit
    EXPECT_STREQ(stat_columns[107].title, "Television Broadcast Stations");
}

TEST_F(BuildCatalogue, WidthsBeyondNineUseTheCharactersAfterTheDigits)
{
    EXPECT_EQ(stat_columns[61].width, 10);   // ':'
    EXPECT_EQ(stat_columns[62].width, 14);   // '>'
    EXPECT_EQ(stat_columns[41].width, 8);
}

TEST_F(BuildCatalogue, UnitKindsAndTheirFormatFlags)
{
    const char* units[UNIT_KIND_COUNT] = {"", "", "m", "km", "km\xB2", "", "pa", "yrs", "%", "US$",
                                          "m/f", "c/f", "kWh", "/1000", "km\xB3/yr", "km\xB3",
                                          "m\xB3", "bbl/day", "", ""};
    for (int k = 0; k < UNIT_KIND_COUNT; ++k) {
        EXPECT_STREQ(unit_kinds[k].unit, units[k]) << "kind " << char('A' + k);
        const int flags = k == 8 ? FORMAT_POINT_ZERO | FORMAT_PERCENT
                          : (k == 7 || k == 10 || k == 11) ? FORMAT_POINT_ZERO : 0;
        EXPECT_EQ(unit_kinds[k].flags, flags) << "kind " << char('A' + k);
    }
}

// 2. Invariants: built twice gives the same tables; every title fits with its terminator.
TEST_F(BuildCatalogue, RebuildingGivesTheSameTitles)
{
    std::string first;
    for (const StatColumn& c : stat_columns) first += std::string(c.title) + "|";
    build_catalogue();
    std::string second;
    for (const StatColumn& c : stat_columns) second += std::string(c.title) + "|";
    EXPECT_EQ(first, second);
}

TEST_F(BuildCatalogue, EveryColumnHasATitleAndAKnownKind)
{
    for (int c = 0; c < STAT_COLUMN_COUNT; ++c) {
        EXPECT_GT(std::string(stat_columns[c].title).size(), 1u) << "column " << c;
        EXPECT_GE(stat_columns[c].kind, 0);
        EXPECT_LT(stat_columns[c].kind, UNIT_KIND_COUNT);
        EXPECT_GE(stat_columns[c].width, 0);
        EXPECT_LE(stat_columns[c].width, 14);
    }
}
