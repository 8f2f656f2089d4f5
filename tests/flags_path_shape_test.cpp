// tests/flags_path_shape_test.cpp
#include <gtest/gtest.h>
#include "tests/flags_harness.h"

// On a 240 x 240 picture flag point (x, y) is pixel (x + 120, 120 - y).
namespace {
const Colour WHITE = 0x00FFFFFF;

// Pixels of colour whose mirror image about column axis (c -> 2·axis - c) differs.
int asymmetric_pixels(FlagPicture& picture, Colour colour, int axis)
{
    int n = 0;
    for (int y = 0; y < picture.canvas.image.height; ++y)
        for (int x = 0; x < picture.canvas.image.width; ++x)
            n += picture.at(x, y) == colour && picture.at(2 * axis - x, y) != colour;
    return n;
}
}   // namespace

TEST(PathShape, LinesFillByTheAlternateRule)
{
    // a bow tie (-100, 100) (100, -100) (100, 100) (-100, -100): two triangles meeting at the centre
    FlagPicture picture(240, 240);
    picture.draw(described({0x60, 0x9C, 0x64, 0x64, 0x9C, 0x64, 0x64, 0x9C, 0x9C, 0x80}));
    EXPECT_EQ(picture.at_flag(-80, 0), WHITE);
    EXPECT_EQ(picture.at_flag(80, 0), WHITE);
    EXPECT_EQ(picture.at_flag(0, 80), BACKGROUND);
    EXPECT_EQ(picture.at_flag(0, -80), BACKGROUND);
}

TEST(PathShape, MirrorAddsTheReflectionAboutTheStartColumn)
{
    // half a roof from (0, -60) to (-80, -60), (0, 60), mirrored about x = 0
    FlagPicture half(240, 240), whole(240, 240);
    half.draw(described({0x60, 0x00, 0xC4, 0xB0, 0xC4, 0x00, 0x3C, 0x80}));
    whole.draw(described({0x61, 0x00, 0xC4, 0xB0, 0xC4, 0x00, 0x3C, 0x80}));
    EXPECT_EQ(half.at_flag(-30, -40), WHITE);
    EXPECT_EQ(half.at_flag(30, -40), BACKGROUND);
    EXPECT_EQ(whole.at_flag(-30, -40), WHITE);
    EXPECT_EQ(whole.at_flag(30, -40), WHITE);
    EXPECT_LT(asymmetric_pixels(whole, WHITE, 120), whole.count(WHITE) / 100);
}

TEST(PathShape, MirrorJoinsAnOffAxisEndDirectlyIntoTheMirroredHalf)
{
    // (0, 0) to (60, 0) to (60, 60): ends off the axis, so the mirror pass runs from (60, 60)
    // straight to (-60, 0)... that is, the reflection of the point before the last
    FlagPicture picture(240, 240);
    picture.draw(described({0x61, 0x00, 0x00, 0x3C, 0x00, 0x3C, 0x3C, 0x80}));
    // the outline (0,0) (60,0) (60,60) (-60,0) (0,0) (closing): the edge (60,60)-(-60,0) crosses
    // x = 0 at y = 30, so the point (0, 15) lies inside and (-30, 30) outside
    EXPECT_EQ(picture.at_flag(40, 10), WHITE);
    EXPECT_EQ(picture.at_flag(0, 15), WHITE);
    EXPECT_EQ(picture.at_flag(-30, 30), BACKGROUND);
}

TEST(PathShape, SmoothCurveStartsWithTheNegatedControlBeforeIt)
{
    // a curve from (-100, 0) to (-40, 0) bulging up (c1 (0, 40), c2 (0, 16)), then a smooth curve
    // to (40, 0) with c2 (0, -20): its first control is (-40, 0) - (0, 16), which pulls its start
    // down; near t = 0.2 it passes (-32, -8)
    const Bytes curve_then_smooth = described({0x60, 0x9C, 0x00, 0x83, 0x00, 0xDD, 0xFF, 0xD8, 0x00,
                                               0x82, 0x00, 0xEC, 0x28, 0x00, 0x80});
    FlagPicture picture(240, 240);
    EXPECT_EQ(picture.draw(curve_then_smooth).consumed, int(curve_then_smooth.size()));
    EXPECT_EQ(picture.at_flag(-70, 10), WHITE);
    EXPECT_EQ(picture.at_flag(-70, -5), BACKGROUND);
    EXPECT_EQ(picture.at_flag(0, -5), WHITE);
    EXPECT_EQ(picture.at_flag(0, 5), BACKGROUND);
    EXPECT_EQ(picture.at_flag(-32, -5), WHITE);
}

TEST(PathShape, WithoutCanvasConsumesTheWholePath)
{
    const Bytes moon = described({0x61, 0xC4, 0x07, 0x83, 0x0F, 0x3D, 0xE0, 0xEC, 0x28,
                                  0xF4, 0x03, 0xCF, 0xC4, 0x14, 0x80, 0x81});
    EXPECT_EQ(measured_size(moon), int(moon.size()));
}

TEST(PathShape, FirstByteAfterTheStartIsNeverTheEnd)
{
    // 0x80 right after the start point is a line to (-128, 0), then the real end follows
    const Bytes path = described({0x60, 0x00, 0x3C, 0x80, 0x00, 0x00, 0x3C, 0x80});
    FlagPicture picture(240, 240);
    EXPECT_EQ(picture.draw(path).consumed, int(path.size()));
    EXPECT_EQ(measured_size(path), int(path.size()));
}
