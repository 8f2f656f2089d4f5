// tests/flags_draw_flag_test.cpp
#include <gtest/gtest.h>
#include <vector>
#include "tests/flags_harness.h"

namespace {
const int UNITED_KINGDOM = 67, NEPAL = 146, UNITED_STATES = 200;

// Connected areas (4-neighbours) of colour inside the box [0, width) x [0, height).
int areas_of(FlagPicture& picture, Colour colour, int width, int height)
{
    std::vector<char> seen(width * height, 0);
    std::vector<int> stack;
    int areas = 0;
    for (int start = 0; start < width * height; ++start) {
        if (seen[start] || picture.at(start % width, start / width) != colour) continue;
        ++areas;
        stack.push_back(start);
        seen[start] = 1;
        while (!stack.empty()) {
            const int p = stack.back();
            stack.pop_back();
            const int x = p % width, y = p / width;
            const int next[4][2] = {{x - 1, y}, {x + 1, y}, {x, y - 1}, {x, y + 1}};
            for (const auto& n : next) {
                if (n[0] < 0 || n[1] < 0 || n[0] >= width || n[1] >= height) continue;
                const int q = n[1] * width + n[0];
                if (seen[q] || picture.at(n[0], n[1]) != colour) continue;
                seen[q] = 1;
                stack.push_back(q);
            }
        }
    }
    return areas;
}
}   // namespace

TEST(DrawFlag, IndexZeroLeavesTheBackground)
{
    build_flag_index();
    FlagPicture picture(120, 60);
    picture.draw_index(0);
    EXPECT_EQ(picture.count(BACKGROUND), 120 * 60);
}

TEST(DrawFlag, UnitedKingdomDiagonalsAndCrosses)
{
    // 480 x 240: X = 2x + 240.5, Y = 120.5 - y
    build_flag_index();
    FlagPicture picture(480, 240);
    picture.draw_index(UNITED_KINGDOM);
    const Colour navy = palette(8), white = palette(14), crimson = palette(2);
    // white cross: columns 200..279, rows 80..159; crimson cross: columns 216..263, rows 96..143
    EXPECT_EQ(picture.at(199, 10), navy);
    EXPECT_EQ(picture.at(200, 10), white);
    EXPECT_EQ(picture.at(215, 10), white);
    EXPECT_EQ(picture.at(216, 10), crimson);
    EXPECT_EQ(picture.at(263, 10), crimson);
    EXPECT_EQ(picture.at(264, 10), white);
    EXPECT_EQ(picture.at(280, 10), navy);
    EXPECT_EQ(picture.at(10, 79), navy);
    EXPECT_EQ(picture.at(10, 80), white);
    EXPECT_EQ(picture.at(10, 96), crimson);
    EXPECT_EQ(picture.at(10, 143), crimson);
    EXPECT_EQ(picture.at(10, 144), white);
    EXPECT_EQ(picture.at(10, 160), navy);
    // the diagonals: white bands, with the crimson stripe on the clockwise side of each arm
    EXPECT_EQ(picture.at_flag(-60, 69), white);
    EXPECT_EQ(picture.at_flag(-60, 51), crimson);
    EXPECT_EQ(picture.at_flag(-60, 90), navy);
    EXPECT_EQ(picture.at_flag(60, 69), crimson);
    EXPECT_EQ(picture.at_flag(60, 51), white);
    EXPECT_EQ(picture.at_flag(60, -69), white);
    EXPECT_EQ(picture.at_flag(60, -51), crimson);
    EXPECT_EQ(picture.at_flag(-60, -69), crimson);
    EXPECT_EQ(picture.at_flag(-60, -51), white);
}

TEST(DrawFlag, UnitedStatesHasThirteenStripesAndFiftySeparateStars)
{
    build_flag_index();
    FlagPicture picture(760, 400);
    picture.draw_index(UNITED_STATES);
    // the canton: SubFrame (-120, -9)-(-20, 120) ends at X = trunc(760/240 · -20 + 380.5) = 317
    // and Y = trunc(400/240 · 9 + 200.5) = 215
    EXPECT_EQ(picture.at(316, 0), palette(8));
    EXPECT_EQ(picture.at(317, 0), palette(2));
    EXPECT_EQ(picture.at(0, 214), palette(8));
    EXPECT_EQ(picture.at(0, 215), palette(14));
    EXPECT_EQ(areas_of(picture, palette(14), 317, 215), 50);
    int stripes = 1;
    for (int y = 1; y < 400; ++y) stripes += picture.at(700, y) != picture.at(700, y - 1);
    EXPECT_EQ(stripes, 13);
}

TEST(DrawFlag, NepalMoonIsMirroredAboutItsMiddle)
{
    // 480 x 585 (aspect 32:39): X = 2x + 240.5, so the moon's axis x = -60 is column 120
    build_flag_index();
    FlagPicture picture(480, 585);
    picture.draw_index(NEPAL);
    const Colour white = palette(14);
    EXPECT_EQ(picture.at_flag(-60, 12), white);           // the bowl's bottom, on the axis
    EXPECT_EQ(picture.at_flag(-60, 30), palette(2));      // inside the crescent's opening
    EXPECT_EQ(picture.at_flag(-30, 26), white);           // both horns
    EXPECT_EQ(picture.at_flag(-90, 26), white);
    int moon = 0, asymmetric = 0;
    const int top = picture.pixel_of(0, 45).y, bottom = picture.pixel_of(0, 0).y;
    for (int y = top; y < bottom; ++y)
        for (int x = 20; x <= 220; ++x) {
            if (picture.at(x, y) != white) continue;
            ++moon;
            asymmetric += picture.at(240 - x, y) != white;
        }
    EXPECT_GT(moon, 2000);
    EXPECT_LT(asymmetric, moon / 50);
    // outside the pennants the caller's background stays
    EXPECT_EQ(picture.at(470, 10), BACKGROUND);
}
