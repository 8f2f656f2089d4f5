// tests/render_map_legend_test.cpp
#include <gtest/gtest.h>
#include <vector>
#include "stats/colour_schemes.h"
#include "tools/render/map_legend.h"

// The labels at the ends and the middle of the ramp, for a descending list of values.
TEST(LegendLabels, ExtremesAndMiddleOfEachMode)
{
    struct Case {
        const char* what;
        std::vector<double> values;   // descending, as the ranking holds them
        int mode;
        std::vector<LegendLabel> expected;
    };
    const Case cases[] = {
        {"standard: smallest, halfway, largest, as the datasheet writes them", {1234567, 10, 0.5}, SHADE_STANDARD,
         {{"0.5", 0}, {"617,284", 0.5}, {"1,234,570", 1}}},
        {"negative figures", {-1000, -3000}, SHADE_STANDARD, {{"-3,000", 0}, {"-2,000", 0.5}, {"-1,000", 1}}},
        {"logarithmic: the middle of the ramp is (sqrt(10) - 1) / 9 of the range", {9, 0}, SHADE_LOGARITHMIC,
         {{"0", 0}, {"2.16228", 0.5}, {"9", 1}}},
        {"ranked: first and last rank; a tie at the bottom shares its best rank and shade", {5, 4, 3, 3},
         SHADE_RANKED, {{"1st", 0}, {"2nd", 1.0 / 3}, {"3rd", 2.0 / 3}}},
        {"ranked: the middle of a tie is its first", {9, 8, 8, 8, 1}, SHADE_RANKED,
         {{"1st", 0}, {"2nd", 0.25}, {"5th", 1}}},
        {"ranked: two values have no middle", {5, 4}, SHADE_RANKED, {{"1st", 0}, {"2nd", 1}}},
        {"all equal: one label where every shade is", {7, 7}, SHADE_STANDARD, {{"7", 1}}},
        {"all equal, ranked", {7, 7, 7}, SHADE_RANKED, {{"1st", 1}}},
        {"no value at all", {}, SHADE_LOGARITHMIC, {}},
    };
    for (const Case& c : cases) {
        DescendingValues ranking = {};
        for (double v : c.values) ranking.values[ranking.count++] = v;
        const std::vector<LegendLabel> got = legend_labels(c.mode, ranking);
        ASSERT_EQ(got.size(), c.expected.size()) << c.what;
        for (size_t i = 0; i < got.size(); ++i) {
            EXPECT_EQ(got[i].text, c.expected[i].text) << c.what;
            EXPECT_DOUBLE_EQ(got[i].shade, c.expected[i].shade) << c.what;
        }
    }
}
