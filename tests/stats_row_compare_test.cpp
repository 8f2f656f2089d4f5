// tests/stats_row_compare_test.cpp
#include <gtest/gtest.h>
#include <algorithm>
#include <cstring>
#include <vector>
#include "stats/row_compare.h"

namespace {

const double M = MISSING_VALUE;
CountryStats countries[COUNTRY_COUNT];
const char* names[COUNTRY_COUNT];

// Countries 1..8: names, "ISO/2", "ISO", "TZ", "Population: Total" and the current value.
struct Row { const char* name; const char* iso2; const char* iso; const char* tz; double population, current; };
const Row ROWS[] = {
    {"Zambia", "fr", "100", "+05:30", 5, 2},  {"C\xF4te", "", "20", "-03:30", M, M},
    {"cote", "DE", "4", "+00:00", 1, 7},      {"Cuba", "de", "36", "-10:00", 5, 2},
    {"Chad", "", "", "+05:45", M, -1},        {"\xC9quateur", "AT", "250", "-03:00", 3, M},
    {"Peru", "pe", "1", "+05:00", 0, 0},      {"Oman", "OM", "10", "+05:30", -2, 2},
};

void set_rows()
{
    build_catalogue();
    for (int i = 0; i < COUNTRY_COUNT; ++i) {
        countries[i] = CountryStats{};
        names[i] = "";
    }
    for (int i = 0; i < 8; ++i) {
        const Row& row = ROWS[i];
        CountryStats& c = countries[i];
        names[i] = row.name;
        std::strcpy(code_text(c, 3), row.iso2);
        std::strcpy(code_text(c, COLUMN_ISO_NUMBER), row.iso);
        std::strcpy(code_text(c, COLUMN_TIME_ZONE), row.tz);
        c.values[0] = row.population;
        c.current = row.current;
    }
}

std::vector<int> sorted_by(int key)
{
    const RowTable rows = {countries, names, stat_columns};
    std::vector<int> codes = {1, 2, 3, 4, 5, 6, 7, 8};
    std::sort(codes.begin(), codes.end(), [&](int a, int b) { return compare_rows(rows, a, b, key) < 0; });
    return codes;
}

}  // namespace

// 1. Anchors: one sort per key and direction over the eight rows.
TEST(CompareRows, OrdersOfEachComparison)
{
    set_rows();
    struct Case { int key; std::vector<int> order; const char* what; };
    const Case cases[] = {
        {1, {5, 3, 2, 4, 6, 8, 7, 1}, "names: case and accents second"},
        {-1, {1, 7, 8, 6, 4, 2, 3, 5}, "names descending"},
        {2, {5, 7, 1, 4, 8, 3, 2, 6}, "current values, missing last"},
        {-2, {3, 1, 4, 8, 7, 5, 2, 6}, "current values descending: equal by code, missing last"},
        {3, {6, 3, 4, 1, 8, 7, 2, 5}, "ISO/2: DE and de equal, empty last"},
        {-3, {7, 8, 1, 3, 4, 6, 2, 5}, "ISO/2 descending: equal still by code, empty still last"},
        {COLUMN_ISO_NUMBER, {7, 8, 1, 2, 6, 4, 3, 5}, "ISO as text: 100 before 20, 4 after 36"},
        {COLUMN_TIME_ZONE, {4, 2, 6, 3, 7, 1, 8, 5}, "TZ: west first, equal zones by code"},
        {-COLUMN_TIME_ZONE, {5, 1, 8, 7, 3, 6, 2, 4}, "TZ descending, equal zones by code"},
        {14, {8, 7, 3, 6, 1, 4, 2, 5}, "population, missing last"},
        {-14, {1, 4, 6, 3, 7, 8, 2, 5}, "population descending, missing last"},
    };
    for (const Case& c : cases) EXPECT_EQ(sorted_by(c.key), c.order) << c.what;
}

TEST(CompareTextIgnoringCase, CodePage1252Letters)
{
    EXPECT_EQ(compare_text_ignoring_case("Peru", "pERU"), 0);
    EXPECT_EQ(compare_text_ignoring_case("\xC9quateur", "\xE9QUATEUR"), 0);   // É and é
    EXPECT_LT(compare_text_ignoring_case("Equateur", "\xC9quateur"), 0);        // accent second
    EXPECT_LT(compare_text_ignoring_case("\xC9quateur", "Eritrea"), 0);         // letters first
    EXPECT_LT(compare_text_ignoring_case("Guinea", "Guinea-Bissau"), 0);
    EXPECT_GT(compare_text_ignoring_case("4", "36"), 0);
}
