// tests/stats_time_zones_test.cpp
#include <gtest/gtest.h>
#include <set>
#include <string>
#include "geo/countries.h"
#include "stats/time_zones.h"

// 1. Anchors: offsets by hand, as colour indices (quarter hours modulo 32).
TEST(ZoneOfPiece, OffsetsOfTheMultiZoneCountriesAndTheirRegions)
{
    struct Case { int sector, code, band, index; const char* what; };
    const Case cases[] = {
        {0, 0, 3, 18, "the sea in sector 0: -46"}, {12, 0, 0, 2, "the sea in sector 12: +2"},
        {12, 60, 1, 2, "a one-zone country's piece: the sector's mean time"},
        {17, 165, 1, 28, "Russia, sector 17, band 1"}, {17, 165, 0, 24, "Russia, sector 17, band 0"},
        {19, 165, 0, 8, "Russia, sector 19, band 0: 40"}, {19, 165, 2, 0, "Russia, sector 19, band 2: 32"},
        {13, 165, 1, 16, "Russia, sector 13"}, {15, 165, 1, 16, "Russia, sector 15"},
        {14, 165, 1, 16, "Russia, sector 14: 4 x 14 - 40"}, {22, 165, 1, 12, "Russia, sector 22: 44"},
        {23, 165, 1, 12, "Russia, sector 23: 44"}, {15, 231, 1, 12, "Kaliningrad"},
        {5, 67, 1, 0, "United Kingdom"}, {11, 225, 1, 0, "Northern Ireland"}, {7, 224, 4, 20, "Falklands: -12"},
        {19, 12, 4, 0, "Australia, sector 19: 32"}, {20, 12, 4, 6, "Australia, sector 20: 38"},
        {21, 218, 4, 8, "Tasmania: 40"}, {7, 27, 3, 16, "Brazil, sector 7: -16"}, {8, 27, 3, 20, "Brazil: -12"},
        {2, 33, 1, 0, "Canada, sector 2: -32"}, {7, 200, 1, 12, "United States, sector 7: -20"},
        {8, 33, 1, 16, "Canada, sector 8: -16"}, {4, 200, 1, 4, "United States, sector 4: -28"},
        {2, 236, 1, 28, "Alaska: -36"}, {1, 237, 2, 24, "Hawaii: -40"},
        {20, 87, 2, 0, "Indonesia, sector 20: 32"}, {21, 87, 2, 4, "Indonesia, sector 21: 36"},
        {19, 87, 2, 28, "Indonesia: 28"}, {15, 108, 1, 20, "Kazakhstan, sector 15"}, {16, 108, 1, 24, "Kazakhstan"},
        {0, 9, 5, 16, "Antarctica, sector 0: +12 h"}, {2, 9, 5, 8, "Antarctica, sector 2: -6 h"},
        {9, 9, 5, 20, "Antarctica, sector 9: -3 h"}, {11, 9, 5, 0, "Antarctica, sector 11"},
        {21, 9, 5, 8, "Antarctica, sector 21: +10 h"},
    };
    for (const Case& c : cases) EXPECT_EQ(zone_of_piece(c.sector, c.code, c.band), c.index) << c.what;
    EXPECT_EQ(zone_index(22), 22);   // +05:30
    EXPECT_EQ(zone_index(-14), 18);  // -04:30
}

// 2. Invariants: the codes of the rules are the countries they name.
TEST(HasSeveralZones, ExactlyTheNineCountriesByName)
{
    build_country_names();
    const std::set<std::string> several = {"Antarctica", "Australia", "Brazil", "Canada", "United Kingdom",
                                           "Indonesia", "Kazakhstan", "Russian Federation",
                                           "United States of America"};
    int count = 0;
    for (int code = 1; code <= COUNTRY_COUNT; ++code) {
        EXPECT_EQ(has_several_zones(code), several.count(country_names[code - 1]) == 1) << country_names[code - 1];
        count += has_several_zones(code);
    }
    EXPECT_EQ(count, 9);
    const struct { int code; const char* name; } regions[] = {
        {218, "Tasmania"}, {224, "Falklands"}, {225, "Northern Ireland"}, {231, "Kaliningrad"},
        {236, "Alaska"}, {237, "Hawaii"}};
    for (const auto& region : regions) EXPECT_STREQ(country_names[region.code - 1], region.name);
}
