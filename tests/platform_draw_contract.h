// tests/platform_draw_contract.h: what every back end of platform/draw.h promises, written once and
// run against Cairo (tests/platform_cairo_draw_test.cpp) and GDI (tests/win32/platform_win32_draw_test.cpp).
// The including file first defines PixelCanvas: a black width x height pixel canvas with a fresh
// selection in its member canvas, released when it goes out of scope.
#pragma once
#include <gtest/gtest.h>
#include <algorithm>
#include <stdint.h>
#include "platform/draw.h"

namespace draw_contract {
const Colour RED = 0x020000FFu;        // palette-relative, as the program passes colours
const Colour BLUE = 0x02FF0000u;
const Colour BLACK = 0x00000000u;
const Colour WHITE = 0x00FFFFFFu;
const Colour READ_RED = 0x0000FFu;     // the same colours as read_pixel gives them back
const Colour READ_BLUE = 0xFF0000u;

inline int count(Canvas& canvas, Colour colour)
{
    int n = 0;
    for (int y = 0; y < canvas.image.height; ++y)
        for (int x = 0; x < canvas.image.width; ++x) n += read_pixel(canvas, x, y) == (colour & 0xFFFFFFu);
    return n;
}

// Draws a 4 x 4 square with whatever pen and brush are selected and expects the fresh selection:
// a white inside and the black pen on the far vertex.
inline void expect_fresh_selection(Canvas& canvas)
{
    const DevicePoint square[] = { { 0, 0 }, { 3, 0 }, { 3, 3 }, { 0, 3 } };
    draw_polygon(canvas, square, 4);
    EXPECT_EQ(read_pixel(canvas, 1, 1), WHITE);
    EXPECT_EQ(read_pixel(canvas, 3, 3), BLACK);   // the black pen covers the vertex
}

// Paints the 256 picking greys as the picking surface paints pieces (brush and pen of the grey),
// a 2 x 2 square per level on a 32 x 32 canvas, and expects each back exactly.
inline void expect_every_picking_grey_back(Canvas& canvas)
{
    for (int level = 0; level < 256; ++level) {
        const Colour grey = 0x02000000u + uint32_t(level) * 0x010101u;
        select_brush(canvas, grey);
        select_pen(canvas, grey);
        const int x = level % 16 * 2, y = level / 16 * 2;
        const DevicePoint square[] = { { x, y }, { x + 1, y }, { x + 1, y + 1 }, { x, y + 1 } };
        draw_polygon(canvas, square, 4);
    }
    release_pen_and_brush(canvas);
    for (int level = 0; level < 256; ++level)
        for (int corner = 0; corner < 4; ++corner)
            ASSERT_EQ(read_pixel(canvas, level % 16 * 2 + corner % 2, level / 16 * 2 + corner / 2),
                      uint32_t(level) * 0x010101u) << level;
}
}   // namespace draw_contract

// 1. Anchors
TEST(DrawContract, FreshCanvasIsBlackWithWhiteBrushAndBlackPen)
{
    using namespace draw_contract;
    PixelCanvas image(6, 4);
    EXPECT_EQ(count(image.canvas, BLACK), 24);
    expect_fresh_selection(image.canvas);
}

TEST(DrawContract, FillRectExcludesRightAndBottomEdges)
{
    using namespace draw_contract;
    PixelCanvas image(16, 8);
    fill_rect(image.canvas, DeviceRect{ 2, 1, 6, 4 }, RED);
    EXPECT_EQ(read_pixel(image.canvas, 2, 1), READ_RED);
    EXPECT_EQ(read_pixel(image.canvas, 5, 3), READ_RED);
    EXPECT_EQ(read_pixel(image.canvas, 6, 3), BLACK);
    EXPECT_EQ(read_pixel(image.canvas, 5, 4), BLACK);
    EXPECT_EQ(count(image.canvas, RED), 12);
}

TEST(DrawContract, ReadPixelGivesNoColourOutsideTheCanvas)
{
    PixelCanvas image(4, 4);
    for (const DevicePoint& outside : { DevicePoint{ -1, 0 }, DevicePoint{ 4, 0 }, DevicePoint{ 0, 4 }, DevicePoint{ 0, -1 } })
        EXPECT_EQ(read_pixel(image.canvas, outside.x, outside.y), NO_COLOUR) << outside.x << "," << outside.y;
    EXPECT_EQ(read_pixel(image.canvas, 3, 3), draw_contract::BLACK);
}

TEST(DrawContract, ReadPixelGivesEveryPickingGreyBackExactly)
{
    PixelCanvas image(32, 32);
    draw_contract::expect_every_picking_grey_back(image.canvas);
}

TEST(DrawContract, PolygonFillsByTheAlternateRuleAndOutlinesWithOnePixel)
{
    using namespace draw_contract;
    PixelCanvas image(41, 41);
    select_brush(image.canvas, RED);
    select_pen(image.canvas, BLUE);
    const DevicePoint star[] = { { 20, 0 }, { 32, 38 }, { 0, 14 }, { 40, 14 }, { 8, 38 } };
    draw_polygon(image.canvas, star, 5);
    release_pen_and_brush(image.canvas);
    EXPECT_EQ(read_pixel(image.canvas, 20, 22), BLACK);   // the centre is crossed twice: empty
    EXPECT_EQ(read_pixel(image.canvas, 20, 6), READ_RED);
    for (const DevicePoint& p : star) EXPECT_EQ(read_pixel(image.canvas, p.x, p.y), READ_BLUE);   // the pen covers every vertex
    // the top edge of the horizontal stroke is one pixel of pen, with fill below it
    EXPECT_EQ(read_pixel(image.canvas, 3, 14), READ_BLUE);
    EXPECT_EQ(read_pixel(image.canvas, 3, 13), BLACK);
    EXPECT_EQ(read_pixel(image.canvas, 5, 15), READ_RED);
}

TEST(DrawContract, PolygonWithoutPenOrBrushDrawsOnlyTheOther)
{
    using namespace draw_contract;
    PixelCanvas image(10, 10);
    const DevicePoint square[] = { { 1, 1 }, { 8, 1 }, { 8, 8 }, { 1, 8 } };
    select_brush(image.canvas, NO_COLOUR);
    select_pen(image.canvas, BLUE);
    draw_polygon(image.canvas, square, 4);
    EXPECT_EQ(count(image.canvas, BLUE), 4 * 7);
    EXPECT_EQ(read_pixel(image.canvas, 4, 4), BLACK);
    select_brush(image.canvas, RED);
    select_pen(image.canvas, NO_COLOUR);
    draw_polygon(image.canvas, square, 4);
    release_pen_and_brush(image.canvas);
    EXPECT_EQ(count(image.canvas, RED), 7 * 7);    // fill only: right and bottom edges stay blue
    EXPECT_EQ(count(image.canvas, BLUE), 8 + 7);
}

TEST(DrawContract, EllipseStaysInsideItsBoxAndTouchesEverySide)
{
    using namespace draw_contract;
    PixelCanvas image(40, 30);
    select_brush(image.canvas, RED);
    select_pen(image.canvas, BLUE);
    draw_ellipse(image.canvas, DeviceRect{ 5, 4, 35, 24 });   // 30 x 20: columns 5..34, rows 4..23
    release_pen_and_brush(image.canvas);
    int left = 40, right = -1, top = 30, bottom = -1;
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 40; ++x)
            if (read_pixel(image.canvas, x, y) != BLACK) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    EXPECT_EQ(left, 5);
    EXPECT_EQ(right, 34);
    EXPECT_EQ(top, 4);
    EXPECT_EQ(bottom, 23);
    EXPECT_EQ(read_pixel(image.canvas, 20, 14), READ_RED);   // filled inside
    EXPECT_EQ(read_pixel(image.canvas, 5, 4), BLACK);        // corners of the box stay empty
    EXPECT_EQ(read_pixel(image.canvas, 34, 23), BLACK);
}

TEST(DrawContract, PathFillsABezierOutlineWithoutPen)
{
    using namespace draw_contract;
    PixelCanvas image(40, 40);
    select_brush(image.canvas, RED);
    select_pen(image.canvas, BLUE);
    // a lens: two curves between (4, 20) and (36, 20), bulging up and down
    begin_path(image.canvas);
    path_move_to(image.canvas, DevicePoint{ 4, 20 });
    path_bezier_to(image.canvas, DevicePoint{ 14, 4 }, DevicePoint{ 26, 4 }, DevicePoint{ 36, 20 });
    path_bezier_to(image.canvas, DevicePoint{ 26, 36 }, DevicePoint{ 14, 36 }, DevicePoint{ 4, 20 });
    fill_path(image.canvas);
    release_pen_and_brush(image.canvas);
    EXPECT_EQ(count(image.canvas, BLUE), 0);   // paths are never outlined
    EXPECT_EQ(read_pixel(image.canvas, 20, 20), READ_RED);
    EXPECT_EQ(read_pixel(image.canvas, 20, 9), READ_RED);   // the curve's top is at y = 8
    EXPECT_EQ(read_pixel(image.canvas, 20, 6), BLACK);
    EXPECT_EQ(read_pixel(image.canvas, 2, 20), BLACK);
    EXPECT_EQ(read_pixel(image.canvas, 38, 20), BLACK);
}

TEST(DrawContract, SelfOverlappingPathFillsBothTriangles)
{
    using namespace draw_contract;
    PixelCanvas image(30, 20);
    select_brush(image.canvas, RED);
    begin_path(image.canvas);
    path_move_to(image.canvas, DevicePoint{ 0, 0 });
    path_line_to(image.canvas, DevicePoint{ 30, 20 });
    path_line_to(image.canvas, DevicePoint{ 30, 0 });
    path_line_to(image.canvas, DevicePoint{ 0, 20 });
    fill_path(image.canvas);   // closed back to (0, 0); the diagonals cross at (15, 10)
    release_pen_and_brush(image.canvas);
    EXPECT_EQ(read_pixel(image.canvas, 3, 10), READ_RED);
    EXPECT_EQ(read_pixel(image.canvas, 26, 10), READ_RED);
    EXPECT_EQ(read_pixel(image.canvas, 15, 3), BLACK);
    EXPECT_EQ(read_pixel(image.canvas, 15, 16), BLACK);
}

TEST(DrawContract, ReleasePenAndBrushRestoresTheFreshSelection)
{
    using namespace draw_contract;
    PixelCanvas image(4, 4);
    select_brush(image.canvas, RED);
    select_pen(image.canvas, NO_COLOUR);
    release_pen_and_brush(image.canvas);
    expect_fresh_selection(image.canvas);
}

// 2. Invariants: whole-factor shrinks are the shared box average, other sizes still keep a plain area
TEST(DrawContract, ShrinkAveragesTheUsedAreaByWholeFactors)
{
    using namespace draw_contract;
    PixelCanvas checkerboard(8, 8), grey(4, 4);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            if ((x + y) % 2) fill_rect(checkerboard.canvas, DeviceRect{ x, y, x + 1, y + 1 }, 0x02FFFFFFu);
    shrink_canvas(checkerboard.canvas, 8, 8, grey.canvas, 4, 4);
    EXPECT_EQ(count(grey.canvas, 0x808080u), 16);

    PixelCanvas source(10, 10), target(4, 4);
    fill_rect(source.canvas, DeviceRect{ 0, 0, 10, 10 }, RED);
    fill_rect(source.canvas, DeviceRect{ 0, 0, 6, 3 }, BLUE);   // used area 6 x 3, k = 3
    fill_rect(target.canvas, DeviceRect{ 0, 0, 4, 4 }, 0x02FFFFFFu);
    shrink_canvas(source.canvas, 6, 3, target.canvas, 2, 1);
    EXPECT_EQ(read_pixel(target.canvas, 0, 0), READ_BLUE);
    EXPECT_EQ(read_pixel(target.canvas, 1, 0), READ_BLUE);
    EXPECT_EQ(read_pixel(target.canvas, 2, 0), WHITE);
    EXPECT_EQ(read_pixel(target.canvas, 0, 1), WHITE);
}

TEST(DrawContract, ShrinkByOtherFactorsKeepsAPlainAreaPlain)
{
    using namespace draw_contract;
    PixelCanvas source(9, 9), target(4, 4);
    fill_rect(source.canvas, DeviceRect{ 0, 0, 9, 9 }, BLUE);
    shrink_canvas(source.canvas, 9, 9, target.canvas, 4, 4);   // 9 / 4 is no whole factor
    EXPECT_EQ(count(target.canvas, BLUE), 16);
}
