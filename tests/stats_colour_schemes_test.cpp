// tests/stats_colour_schemes_test.cpp
#include <gtest/gtest.h>
#include <cstring>
#include "stats/colour_schemes.h"
#include "stats/time_zones.h"

namespace {

Colour rgb(int red, int green, int blue) { return 0x02000000u | blue << 16 | green << 8 | red; }

int count_texts(const char* list)
{
    int count = 0;
    for (; *list; list += std::strlen(list) + 1) ++count;
    return count;
}

}  // namespace

// 1. Anchors: the worked examples, each as (normal, selected).
TEST(HsvColour, WorkedExamples)
{
    struct Case { const char* what; ColourPair got; ColourPair expected; };
    ZonePalette zones;
    fill_zone_palette(zones);
    auto zone = [&](int z, int a, int b) { return ColourPair{zones.colours[z][a], zones.colours[z][b]}; };
    const Case cases[] = {
        {"political 0", political_colours(0), {rgb(191, 191, 255), rgb(0, 0, 255)}},
        {"political 1", political_colours(1), {rgb(191, 255, 191), rgb(0, 255, 0)}},
        {"political 2", political_colours(2), {rgb(255, 255, 191), rgb(255, 255, 0)}},
        {"political 3", political_colours(3), {rgb(255, 191, 191), rgb(255, 0, 0)}},
        {"zone 0 land", zone(0, ZONE_LAND, ZONE_SELECTED_LAND), {rgb(255, 191, 191), rgb(255, 0, 0)}},
        {"zone 0 sea", zone(0, ZONE_SEA, ZONE_SEA), {rgb(127, 95, 95), rgb(127, 95, 95)}},
        {"zone 8 land", zone(8, ZONE_LAND, ZONE_SELECTED_LAND), {rgb(223, 255, 191), rgb(127, 255, 0)}},
        {"zone 8 sea", zone(8, ZONE_SEA, ZONE_SEA), {rgb(111, 127, 95), rgb(111, 127, 95)}},
        {"zone 22 land", zone(22, ZONE_LAND, ZONE_SELECTED_LAND), {rgb(199, 191, 255), rgb(31, 0, 255)}},
        {"zone 22 sea", zone(22, ZONE_SEA, ZONE_SEA), {rgb(99, 95, 127), rgb(99, 95, 127)}},
        {"spectrum 0", statistic_colours(SCHEME_SPECTRUM, 0), {rgb(127, 63, 63), rgb(255, 0, 0)}},
        {"spectrum 0.5", statistic_colours(SCHEME_SPECTRUM, 0.5), {rgb(63, 127, 102), rgb(0, 255, 153)}},
        {"spectrum 1", statistic_colours(SCHEME_SPECTRUM, 1), {rgb(127, 63, 114), rgb(255, 0, 203)}},
        {"blue to red 0", statistic_colours(SCHEME_BLUE_TO_RED, 0), {rgb(127, 0, 0), rgb(255, 0, 0)}},
        {"blue to red 0.5", statistic_colours(SCHEME_BLUE_TO_RED, 0.5), {rgb(127, 127, 127), rgb(255, 255, 255)}},
        {"blue to red 1", statistic_colours(SCHEME_BLUE_TO_RED, 1), {rgb(0, 0, 127), rgb(0, 0, 255)}},
        {"red yellow green 0.5", statistic_colours(SCHEME_RED_YELLOW_GREEN, 0.5), {rgb(178, 178, 53), rgb(255, 255, 0)}},
        {"grey 0.25", statistic_colours(SCHEME_GREY_SCALE, 0.25), {rgb(159, 159, 159), rgb(159, 0, 0)}},
        {"green scale 0", statistic_colours(SCHEME_GREEN_SCALE, 0), {rgb(255, 255, 255), rgb(255, 255, 255)}},
        {"green scale 1", statistic_colours(SCHEME_GREEN_SCALE, 1), {rgb(0, 255, 0), rgb(255, 0, 0)}},
        {"green to magenta 0", statistic_colours(SCHEME_GREEN_TO_MAGENTA, 0), {rgb(0, 127, 0), rgb(0, 255, 0)}},
        {"brown to blue 1", statistic_colours(SCHEME_BROWN_TO_BLUE, 1), {rgb(0, 127, 127), rgb(0, 255, 255)}},
        {"hue 1 wraps to red; no saturation is grey", {hsv_colour(1, 1, 1), hsv_colour(0.5, 0, 0.5)},
         {rgb(255, 0, 0), rgb(127, 127, 127)}},
        // the six-decimal factors show: 2/3 would give red 255, 1/3 would swap 50 and 51
        {"blue to red 0.25", statistic_colours(SCHEME_BLUE_TO_RED, 0.25), {rgb(127, 127, 63), rgb(254, 255, 127)}},
        {"green scale 0.8", statistic_colours(SCHEME_GREEN_SCALE, 0.8), {rgb(51, 255, 50), rgb(255, 50, 50)}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.got.normal, c.expected.normal) << c.what << std::hex << " got " << c.got.normal;
        EXPECT_EQ(c.got.selected, c.expected.selected) << c.what << std::hex << " got " << c.got.selected;
    }
}

TEST(ColourSchemeNames, OneTextPerListItem)
{
    EXPECT_EQ(count_texts(COLOUR_SCHEME_NAMES), COLOUR_SCHEME_COUNT);
    EXPECT_EQ(count_texts(SHADE_MODE_NAMES), SHADE_MODE_COUNT);
}
