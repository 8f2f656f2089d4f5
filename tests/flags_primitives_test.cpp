// tests/flags_primitives_test.cpp
#include <gtest/gtest.h>
#include <cmath>
#include "tests/flags_harness.h"

namespace {
const Colour WHITE = 0x00FFFFFF;

// A context on a width x height picture with the given aspect, current colour white.
FlagContext context_on(FlagPicture& picture, double aspect)
{
    FlagContext ctx = device_context(picture.canvas, picture.width, picture.height, nullptr);
    ctx.transform.aspect = aspect;
    ctx.current_colour = 14;
    ctx.selected_colour = -1;
    return ctx;
}
}   // namespace

// 1. Anchors.
TEST(ToDevice, CentreOfAHundredByFiftyRectangle)
{
    FlagPicture picture(100, 50);
    const DevicePoint p = picture.pixel_of(0, 0);
    EXPECT_EQ(p.x, 50);
    EXPECT_EQ(p.y, 25);
}

TEST(ToDevice, TruncatesTowardZero)
{
    // on 240 x 240, X = x + 120.5 and Y = 120.5 - y
    FlagPicture picture(240, 240);
    EXPECT_EQ(picture.pixel_of(-120, 120).x, 0);
    EXPECT_EQ(picture.pixel_of(-121, 0).x, 0);      // -0.5 truncates up to 0
    EXPECT_EQ(picture.pixel_of(-122, 0).x, -1);     // -1.5 truncates up to -1
    EXPECT_EQ(picture.pixel_of(0, 121).y, 0);
    EXPECT_EQ(picture.pixel_of(0, 122.9).y, -2);
    EXPECT_EQ(picture.pixel_of(0.4, -0.4).x, 120);
    EXPECT_EQ(picture.pixel_of(120, -120).x, 240);
    EXPECT_EQ(picture.pixel_of(120, -120).y, 240);
}

TEST(ColourBrush, IsThePaletteEntryAsAPaletteRelativeColour)
{
    EXPECT_EQ(colour_brush(0), 0x02000000u);
    EXPECT_EQ(colour_brush(6), 0x02FF9933u);
    EXPECT_EQ(colour_brush(12), 0x02003366u);
    EXPECT_EQ(colour_brush(14), 0x02FFFFFFu);
}

TEST(FillRect, FillAllCoversExactlyTheRectangle)
{
    for (int size : {1, 2, 37, 100, 241}) {
        FlagPicture picture(size, size / 2 + 1, size + 3, size + 3);
        picture.draw({174, 0x81, 0x00});
        EXPECT_EQ(picture.count(palette(1)), size * (size / 2 + 1)) << size;
        EXPECT_EQ(picture.at(size - 1, size / 2), palette(1)) << size;
        EXPECT_EQ(picture.at(size, 0), BACKGROUND) << size;
        EXPECT_EQ(picture.at(0, size / 2 + 1), BACKGROUND) << size;
    }
}

TEST(FillRect, LeavesTheSelectionAlone)
{
    FlagPicture picture(240, 240);
    FlagContext ctx = context_on(picture, 1.0);
    select_colour(ctx);
    fill_rect(ctx, 1, -10, -10, 10, 10);
    EXPECT_EQ(ctx.selected_colour, 14);
    EXPECT_EQ(picture.canvas.brush, colour_brush(14));
    EXPECT_EQ(picture.at(120, 120), palette(1));
}

TEST(SelectColour, SelectsOnlyWhenTheColourChanges)
{
    FlagPicture picture(240, 240);
    FlagContext ctx = context_on(picture, 1.0);
    ctx.current_colour = 4;
    select_colour(ctx);
    EXPECT_EQ(ctx.selected_colour, 4);
    EXPECT_EQ(picture.canvas.brush, colour_brush(4));
    EXPECT_EQ(picture.canvas.pen, colour_brush(4));
    select_brush(picture.canvas, 0x00123456);   // the canvas changed behind the context's back
    select_colour(ctx);
    EXPECT_EQ(picture.canvas.brush, 0x00123456u);
}

TEST(Disc, JapanDiscRadiusAtThreeByTwo)
{
    // 300 x 200: rx = trunc(1.25 · 72 / 1.49696 + 0.5) = 60, ry = trunc(200/240 · 72 + 0.5) = 60,
    // centre (150, 100): the box (90, 40)-(210, 160), filled from 90 to 209 and 40 to 159
    FlagPicture picture(300, 200);
    picture.draw({0x64, 0x8E, 0x41, 0x30, 0x00, 0x00, 0x48, 0x00});
    const Colour red = palette(1), white = palette(14);
    EXPECT_EQ(picture.at(89, 100), white);
    EXPECT_EQ(picture.at(90, 100), red);
    EXPECT_EQ(picture.at(209, 100), red);
    EXPECT_EQ(picture.at(210, 100), white);
    EXPECT_EQ(picture.at(150, 39), white);
    EXPECT_EQ(picture.at(150, 40), red);
    EXPECT_EQ(picture.at(150, 159), red);
    EXPECT_EQ(picture.at(150, 160), white);
    EXPECT_EQ(picture.at(0, 0), white);
}

TEST(Disc, StretchesWithAPictureOfOtherProportions)
{
    // Japan at 832 x 416: rx = trunc(832/240 · 72 / 1.49696 + 0.5) = 167, ry = trunc(124.8 + 0.5) = 125
    FlagPicture picture(832, 416);
    picture.draw({0x64, 0x8E, 0x41, 0x30, 0x00, 0x00, 0x48, 0x00});
    const DevicePoint centre = picture.pixel_of(0, 0);
    EXPECT_EQ(picture.at(centre.x - 167, centre.y), palette(1));
    EXPECT_EQ(picture.at(centre.x - 168, centre.y), palette(14));
    EXPECT_EQ(picture.at(centre.x, centre.y - 125), palette(1));
    EXPECT_EQ(picture.at(centre.x, centre.y - 126), palette(14));
}

TEST(Disc, KeepsItsRadiiWhenTurned)
{
    // a disc at the centre turned by any of 3 copies covers the same pixels as one unturned
    FlagPicture turned(480, 240), plain(480, 240);
    turned.draw({174, 0x93, 0x30, 0x00, 0x00, 0x40, 0x00});
    plain.draw({174, 0x30, 0x00, 0x00, 0x40, 0x00});
    EXPECT_EQ(turned.count(WHITE), plain.count(WHITE));
}

TEST(StarPolygon, InnerRadiusIsThreeEightyFiveThousandthsOfTheOuter)
{
    // five-point star of radius 100 on a square picture of aspect 1
    FlagPicture picture(240, 240);
    FlagContext ctx = context_on(picture, 1.0);
    star_polygon(ctx, 100, 0, 0, 5, 0, 0);
    const double pi = 3.141592653589793;
    auto along = [&](double angle, double r) { return picture.at_flag(r * std::sin(angle), r * std::cos(angle)); };
    EXPECT_EQ(along(0, 97), WHITE);                 // the top point
    EXPECT_EQ(along(0, 103), BACKGROUND);
    EXPECT_EQ(along(pi / 5, 35), WHITE);            // towards an inner vertex at 38.5
    EXPECT_EQ(along(pi / 5, 42), BACKGROUND);
    EXPECT_EQ(along(2 * pi / 5, 95), WHITE);        // the next point, clockwise on the device
}

TEST(StarPolygon, TurnsByTheGivenAngleClockwise)
{
    FlagPicture picture(240, 240);
    FlagContext ctx = context_on(picture, 1.0);
    star_polygon(ctx, 100, 20, 60 * 0.02617993877991494, 4, 0, 0);   // a quarter turn: a point right
    EXPECT_EQ(picture.at_flag(95, 0), WHITE);
    EXPECT_EQ(picture.at_flag(0, 95), WHITE);
    EXPECT_EQ(picture.at_flag(60, 60), BACKGROUND);
}

TEST(Stripes, ThirteenStripesOverlapAndFillTheField)
{
    // w = 241/13 = 18.538 units, 18.455 apart; on 760 x 400 each is about 30.8 pixels high
    FlagPicture picture(760, 400);
    picture.draw({0x9F, 0xE2, 0x2D, 0x0E, 0x00});
    int runs = 1;
    Colour previous = picture.at(700, 0);
    EXPECT_EQ(previous, palette(2));
    for (int y = 1; y < 400; ++y) {
        const Colour c = picture.at(700, y);
        EXPECT_TRUE(c == palette(2) || c == palette(14)) << y;
        runs += c != previous;
        previous = c;
    }
    EXPECT_EQ(runs, 13);
    EXPECT_EQ(previous, palette(2));
    EXPECT_EQ(picture.count(BACKGROUND), 0);
}

TEST(Stripes, CountZeroDrawsNothing)
{
    FlagPicture picture(240, 240);
    FlagContext ctx = context_on(picture, 1.0);
    const int colours[] = {1};
    stripes(ctx, true, 0, colours, 1);
    stripes(ctx, false, 3, colours, 0);
    EXPECT_EQ(picture.count(BACKGROUND), 240 * 240);
}

TEST(Stripes, VerticalStripesOfFranceMeetAtThirds)
{
    // 300 x 200: stripe edges at trunc(1.25·x + 150.5): 0..99 navy, 100..199 white, 200..299 red
    FlagPicture picture(300, 200);
    picture.draw({0x64, 0xF3, 0x83, 0x1E, 0x00});
    for (int y : {0, 100, 199}) {
        EXPECT_EQ(picture.at(0, y), palette(8));
        EXPECT_EQ(picture.at(99, y), palette(8));
        EXPECT_EQ(picture.at(100, y), palette(14));
        EXPECT_EQ(picture.at(199, y), palette(14));
        EXPECT_EQ(picture.at(200, y), palette(1));
        EXPECT_EQ(picture.at(299, y), palette(1));
    }
}

TEST(DiagonalBand, FollowsTheTrueDiagonalOfAWideField)
{
    FlagPicture picture(480, 240);
    FlagContext ctx = context_on(picture, 2.0);
    select_colour(ctx);
    diagonal_band(ctx, 20, +1);   // bottom-left to top-right
    for (int x = -100; x <= 100; x += 25) EXPECT_EQ(picture.at_flag(x, x), WHITE) << x;
    EXPECT_EQ(picture.at_flag(-60, 60), BACKGROUND);
    EXPECT_EQ(picture.at_flag(60, -60), BACKGROUND);
}
