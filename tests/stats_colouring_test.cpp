// tests/stats_colouring_test.cpp
#include <gtest/gtest.h>
#include "stats/colouring.h"

namespace {

CountryStats countries[COUNTRY_COUNT];
MapColouring colouring;

// Polygons of a small world: 0 the sea, then countries and regions by code.
const PolygonEntry POLYGONS[] = {{0, 0}, {60, 0}, {12, 0}, {218, 0}, {165, 0}, {231, 0}, {61, 0}};
enum { SEA, ONE_ZONE, AUSTRALIA, TASMANIA, RUSSIA, KALININGRAD, NO_FIGURE };

// Country 60: class 1, "TZ" +05:30, value 10; country 61: class 3, no value; Australia (12):
// class 0, value 20; Russia (165): value 0. Divisor 2 everywhere.
void set_countries()
{
    for (CountryStats& c : countries) {
        c = CountryStats{};
        c.values[0] = MISSING_VALUE;
        c.values[1] = 2;
    }
    countries[59].political_class = 1;
    countries[59].zone_quarters = 22;
    countries[59].values[0] = 10;
    countries[60].political_class = 3;
    countries[11].values[0] = 20;
    countries[164].values[0] = 0;
}

}  // namespace

// 1. Anchors: the lists a choice enables.
TEST(EnabledLists, StatisticSchemesEnableTheRest)
{
    struct Case { int scheme, statistic; bool statistic_list, mode_and_divisor; };
    const Case cases[] = {
        {SCHEME_POLITICAL, 0, false, false}, {SCHEME_POLITICAL, 5, false, false}, {SCHEME_TIME_ZONE, 5, false, false},
        {SCHEME_SPECTRUM, 0, true, false},   {SCHEME_SPECTRUM, 1, true, true},    {SCHEME_GREY_SCALE, 94, true, true},
    };
    for (const Case& c : cases) {
        const ListEnabling enabled = enabled_lists(ColouringChoice{c.scheme, SHADE_LOGARITHMIC, c.statistic, 3});
        EXPECT_EQ(enabled.statistic, c.statistic_list) << c.scheme << " " << c.statistic;
        EXPECT_EQ(enabled.mode, c.mode_and_divisor) << c.scheme << " " << c.statistic;
        EXPECT_EQ(enabled.divisor, c.mode_and_divisor) << c.scheme << " " << c.statistic;
    }
}

// The colour of a piece after a choice, with Australia's row selected or not.
TEST(CountryColour, PiecesUnderEachKindOfScheme)
{
    ZonePalette zones;
    fill_zone_palette(zones);
    const ColouringChoice political = START_COLOURING;
    const ColouringChoice time_zone = {SCHEME_TIME_ZONE, SHADE_STANDARD, 1, 2};
    const ColouringChoice spectrum = {SCHEME_SPECTRUM, SHADE_STANDARD, 1, 2};
    const ColouringChoice grey = {SCHEME_GREY_SCALE, SHADE_STANDARD, 1, 0};
    struct Case {
        const char* what;
        ColouringChoice choice;
        bool australia_selected;
        int polygon, sector, band;
        Colour expected;
    };
    const Case cases[] = {
        {"political sea", political, false, SEA, 0, 0, PLAIN_SEA_COLOUR},
        {"political class 1", political, false, ONE_ZONE, 3, 1, political_colours(1).normal},
        {"political, selected", political, true, AUSTRALIA, 20, 4, political_colours(0).selected},
        {"a region follows its parent's selection", political, true, TASMANIA, 20, 4, political_colours(0).selected},
        {"time-zone sea, sector 0", time_zone, false, SEA, 0, 2, zones.colours[18][ZONE_SEA]},
        {"+05:30 is zone 22", time_zone, false, ONE_ZONE, 3, 1, zones.colours[22][ZONE_LAND]},
        {"Russia by piece", time_zone, false, RUSSIA, 17, 1, zones.colours[28][ZONE_LAND]},
        {"Kaliningrad by its own code", time_zone, false, KALININGRAD, 15, 1, zones.colours[12][ZONE_LAND]},
        {"Tasmania selected, by piece", time_zone, true, TASMANIA, 20, 4, zones.colours[6][ZONE_SELECTED_LAND]},
        {"statistic sea", spectrum, false, SEA, 0, 0, PLAIN_SEA_COLOUR},
        {"largest value", spectrum, false, AUSTRALIA, 20, 4, statistic_colours(SCHEME_SPECTRUM, 1).normal},
        {"middle value, divided", spectrum, false, ONE_ZONE, 3, 1, statistic_colours(SCHEME_SPECTRUM, 0.5).normal},
        {"smallest value, zero", spectrum, false, RUSSIA, 17, 1, statistic_colours(SCHEME_SPECTRUM, 0).normal},
        {"no value", spectrum, true, NO_FIGURE, 3, 1, NO_VALUE_COLOURS.normal},
        {"largest value, selected", spectrum, true, AUSTRALIA, 3, 1, statistic_colours(SCHEME_SPECTRUM, 1).selected},
        {"grey scale without a value", grey, false, NO_FIGURE, 3, 1, GREY_SCALE_NO_VALUE_COLOURS.normal},
        {"no divisor item: the plain value", grey, false, ONE_ZONE, 3, 1, statistic_colours(SCHEME_GREY_SCALE, 0.5).normal},
    };
    for (const Case& c : cases) {
        set_countries();
        colouring.selected_countries[12] = c.australia_selected;
        colour_countries(c.choice, countries, colouring);
        EXPECT_EQ(country_colour(colouring, POLYGONS, c.polygon, c.sector, c.band), c.expected) << c.what;
    }
}

// The statistic is ranked whatever the scheme, so the datasheet and tooltip follow the lists.
TEST(ColourCountries, RanksUnderPoliticalToo)
{
    set_countries();
    colour_countries(ColouringChoice{SCHEME_POLITICAL, SHADE_STANDARD, 1, 2}, countries, colouring);
    EXPECT_EQ(countries[11].current, 10.0);
    EXPECT_EQ(countries[11].rank, 1);
    EXPECT_EQ(countries[59].current, 5.0);
    EXPECT_EQ(countries[164].rank, 3);
    EXPECT_EQ(colouring.ranking.count, 3);
}
