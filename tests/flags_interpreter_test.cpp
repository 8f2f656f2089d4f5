// tests/flags_interpreter_test.cpp
#include <gtest/gtest.h>
#include "tests/flags_harness.h"

// On a 240 x 240 picture flag point (x, y) is pixel (x + 120, 120 - y).
namespace {
const int SQUARE = 240;

// Drawing and measuring both consume the whole description.
void expect_consumed_whole(const Bytes& description)
{
    FlagPicture picture(SQUARE, SQUARE);
    EXPECT_EQ(picture.draw(description).consumed, int(description.size()));
    EXPECT_EQ(measured_size(description), int(description.size()));
}
}   // namespace

// 1. Anchors: what each command consumes, with and without a canvas.
TEST(RunFlag, EveryCommandConsumesTheSameBytesWithAndWithoutCanvas)
{
    const Bytes commands[] = {
        {0x01},                                    // Canton
        {0x02, 0x9C, 0x9C, 0x64, 0x64},            // RightTriangle
        {0x03, 0x9C, 0x9C, 0x64, 0x64},            // Rectangle
        {0x04, 0x88, 0xF7, 0xEC, 0x78},            // SubFrame
        {0x13, 0xD8, 0x28},                        // HorizontalBand
        {0x24, 0xD8, 0x28},                        // VerticalBand
        {0x35, 0x00, 0x00},                        // Disc, radius in n
        {0x30, 0x00, 0x00, 0x48},                  // Disc, radius byte
        {0x47},                                    // SetColour
        {0x59, 0x0F, 0xE2},                        // Cross
        {0x60, 0x88, 0x78, 0xF7, 0x09, 0x00, 0x00, 0x80},        // Path, lines
        {0x61, 0xC4, 0x07, 0x83, 0x0F, 0x3D, 0xE0, 0xEC, 0x28,   // Path, curves, mirrored
         0xF4, 0x03, 0xCF, 0xC4, 0x14, 0x80},
        {0x60, 0x00, 0x00, 0x83, 0x0F, 0x3D, 0xE0, 0xEC, 0x28,   // Path, curve then smooth
         0x82, 0x05, 0x05, 0x10, 0x10, 0x80},
        {0x73, 0x1B},                              // Diagonals
        {0x8E},                                    // FillAll
        {0x94, 0x03, 0x00, 0x00, 0x10, 0x10},      // Rotate, count in n
        {0x90, 0x07, 0x35, 0x10, 0x10},            // Rotate, count byte
        {0x90, 0x00, 0x35, 0x10, 0x10},            // Rotate 0, then an ordinary Disc
        {0xA0, 0x3C, 0x03, 0x00, 0x00, 0x10, 0x10},              // Scale, mirrored
        {0xA2, 0x64, 0x35, 0x10, 0x10},            // Scale, stretched
        {0xB3, 0x0A, 0x00, 0x35, 0x10, 0x10},      // Repeat
        {0xB5, 0x00, 0xD0, 0xB6, 0x28, 0x00, 0xDF, 0x9C, 0x60},  // Repeat of Repeat
        {0x93, 0xA0, 0x3C, 0xB2, 0x05, 0x05, 0x35, 0x10, 0x10},  // Rotate of Scale of Repeat
        {0xC8, 0x1E, 0x14, 0x00, 0xC4, 0xC2},      // Star
        {0xDF, 0x9C, 0x60},                        // FivePointStar, radius in n
        {0xD0, 0x40, 0x00, 0x00},                  // FivePointStar, radius byte
        {0xE2, 0x2D, 0x0E},                        // HorizontalStripes, even n: a pad nibble
        {0xF3, 0x83, 0x1E},                        // VerticalStripes, odd n
        {0xE7, 0x13, 0x21, 0x43, 0x65},            // seven colours
        {0xE1, 0x40},                              // k = 0
    };
    build_flag_index();   // for the Canton
    for (const Bytes& command : commands) {
        SCOPED_TRACE(testing::Message() << "command 0x" << std::hex << int(command[0]));
        expect_consumed_whole(described(command));
    }
}

TEST(RunFlag, StopsAfterEndLeavingTheRestUnread)
{
    const Bytes description = {SQUARE_ASPECT, 0x8E, 0x00, 0x81};
    EXPECT_EQ(measured_size(description), 3);
    FlagPicture picture(SQUARE, SQUARE);
    EXPECT_EQ(picture.draw(description).consumed, 3);
}

TEST(RunFlag, InvalidCommandEndsTheDescriptionThere)
{
    FlagPicture picture(SQUARE, SQUARE);
    EXPECT_EQ(picture.draw({SQUARE_ASPECT, 0x05, 0x81, 0x00}).consumed, 2);
    EXPECT_EQ(picture.at(120, 120), BACKGROUND);
}

TEST(RunFlag, DescriptionZeroLeavesTheBackground)
{
    FlagPicture picture(SQUARE, SQUARE);
    picture.draw({174, 0});
    EXPECT_EQ(picture.count(BACKGROUND), SQUARE * SQUARE);
}

TEST(RunFlag, EndsWithWhiteBrushAndBlackPenSelected)
{
    FlagPicture picture(SQUARE, SQUARE);
    picture.draw(described({0x41, 0x35, 0x00, 0x00}));
    EXPECT_EQ(picture.canvas.brush, 0x00FFFFFFu);
    EXPECT_EQ(picture.canvas.pen, 0x00000000u);
}

// 2. Invariants: colours and selection.
TEST(StepFlag, ShapesStartInWhite)
{
    FlagPicture picture(SQUARE, SQUARE);
    picture.draw(described({0x35, 0x00, 0x00}));
    EXPECT_EQ(picture.at(120, 120), palette(14));
}

TEST(StepFlag, SetColourInsideRotateScaleOrRepeatKeepsItsEffect)
{
    const Bytes prefixes[] = {{0x91}, {0xA2, 0x3C}, {0xB1, 0x00, 0x00}};
    for (const Bytes& prefix : prefixes) {
        Bytes commands = prefix;
        commands.push_back(0x41);                                   // SetColour red
        commands.insert(commands.end(), {0x35, 0x00, 0x00});        // Disc of radius 5
        FlagPicture picture(SQUARE, SQUARE);
        picture.draw(described(commands));
        EXPECT_EQ(picture.at(120, 120), palette(1)) << "prefix 0x" << std::hex << int(prefix[0]);
    }
}

TEST(StepFlag, BandsUseTheirOwnColourAndKeepTheSelection)
{
    // Disc in green, a red band, then another disc: still green
    FlagPicture picture(SQUARE, SQUARE);
    picture.draw(described({0x44, 0x35, 0x9C, 0x00, 0x21, 0xF6, 0x0A, 0x35, 0x64, 0x00}));
    EXPECT_EQ(picture.at(20, 120), palette(4));
    EXPECT_EQ(picture.at(120, 10), palette(1));
    EXPECT_EQ(picture.at(220, 120), palette(4));
}

// 3. The shapes each command draws, at chosen pixels.
TEST(StepFlag, RectangleAndRightTriangle)
{
    FlagPicture picture(SQUARE, SQUARE);
    // Rectangle (-100, -100)-(-60, -60); RightTriangle in the box (20, 20)-(100, 100): right
    // angle at (20, 20), since y1 < y2 holds and x2 < x1 does not
    picture.draw(described({0x03, 0x9C, 0x9C, 0xC4, 0xC4, 0x02, 0x14, 0x14, 0x64, 0x64}));
    EXPECT_EQ(picture.at_flag(-80, -80), palette(14));
    EXPECT_EQ(picture.at_flag(-50, -80), BACKGROUND);
    EXPECT_EQ(picture.at_flag(25, 25), palette(14));
    EXPECT_EQ(picture.at_flag(95, 95), BACKGROUND);
    EXPECT_EQ(picture.at_flag(30, 80), palette(14));
    EXPECT_EQ(picture.at_flag(80, 30), palette(14));
}

TEST(StepFlag, RightTriangleTurnsItsRightAngleWithTheBox)
{
    FlagPicture picture(SQUARE, SQUARE);
    // box (100, 20)-(20, 100): x2 < x1 and y1 < y2 both hold, so the right angle is at (20, 100)
    picture.draw(described({0x02, 0x64, 0x14, 0x14, 0x64}));
    EXPECT_EQ(picture.at_flag(25, 95), palette(14));
    EXPECT_EQ(picture.at_flag(95, 25), BACKGROUND);
}

TEST(StepFlag, DiagonalsDrawTheBandsTheirBitsName)
{
    const struct { unsigned char command; bool falling, rising; } cases[] = {
        {0x71, true, false}, {0x72, false, true}, {0x73, true, true}};
    for (const auto& c : cases) {
        FlagPicture picture(SQUARE, SQUARE);
        picture.draw(described({c.command, 0x14}));
        EXPECT_EQ(picture.at(2, 2) == palette(14), c.falling) << int(c.command);
        EXPECT_EQ(picture.at(2, 237) == palette(14), c.rising) << int(c.command);
        EXPECT_EQ(picture.at(120, 2), BACKGROUND);
    }
}

TEST(StepFlag, CrossArmsAreEquallyWideOnTheDevice)
{
    // Sweden at 320 x 200: w = 15 at x = -30; h = trunc(15 * 1.59843 + 0.5) = 24
    FlagPicture picture(320, 200);
    picture.draw({0x73, 0x86, 0x59, 0x0F, 0xE2, 0x00});
    const Colour blue = palette(6), yellow = palette(9);
    EXPECT_EQ(picture.at(99, 10), blue);
    EXPECT_EQ(picture.at(100, 10), yellow);
    EXPECT_EQ(picture.at(139, 10), yellow);
    EXPECT_EQ(picture.at(140, 10), blue);
    EXPECT_EQ(picture.at(10, 79), blue);
    EXPECT_EQ(picture.at(10, 80), yellow);
    EXPECT_EQ(picture.at(10, 119), yellow);
    EXPECT_EQ(picture.at(10, 120), blue);
    EXPECT_EQ(picture.count(yellow), 40 * 200 + 40 * 320 - 40 * 40);
}

TEST(StepFlag, StripeCommandWithEvenCountIgnoresThePadNibble)
{
    // two colours (red, green), pad nibble 9 would be yellow if it were read as a colour
    FlagPicture picture(SQUARE, SQUARE);
    picture.draw(described({0xF2, 0x13, 0x94}));
    EXPECT_EQ(picture.at(10, 10), palette(1));
    EXPECT_EQ(picture.at(130, 10), palette(4));
    EXPECT_EQ(picture.at(230, 10), palette(1));
    EXPECT_EQ(picture.count(palette(9)), 0);
}
