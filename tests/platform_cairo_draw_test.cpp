// tests/platform_cairo_draw_test.cpp
#include <gtest/gtest.h>
#include <cstdio>
#include <fstream>
#include <string>
#include "platform/cairo_draw.h"

namespace {
const Colour RED = 0x020000FFu;        // palette-relative, as the program passes colours
const Colour BLUE = 0x02FF0000u;
const Colour BLACK = 0x00000000u;

// An image canvas that closes itself at the end of a test.
struct ImageCanvas {
    Canvas canvas{};
    ImageCanvas(int width, int height, cairo_format_t format = CAIRO_FORMAT_RGB24)
    {
        EXPECT_TRUE(create_image_canvas(canvas, format, width, height));
    }
    ~ImageCanvas() { close_canvas(canvas); }
    Colour at(int x, int y) { return read_pixel(canvas, x, y); }
    int count(Colour colour)
    {
        int n = 0;
        for (int y = 0; y < canvas.image.height; ++y)
            for (int x = 0; x < canvas.image.width; ++x) n += at(x, y) == (colour & 0xFFFFFFu);
        return n;
    }
};

std::string file_start(const std::string& path, size_t length)
{
    std::ifstream file(path, std::ios::binary);
    std::string bytes(length, '\0');
    file.read(&bytes[0], std::streamsize(length));
    bytes.resize(size_t(file.gcount()));
    return bytes;
}

std::string temporary_path(const char* name)
{
    return ::testing::TempDir() + name;
}
}

// 1. Anchors
TEST(CreateImageCanvas, StartsBlackWithWhiteBrushAndBlackPen)
{
    ImageCanvas image(6, 4);
    EXPECT_EQ(image.count(BLACK), 24);
    EXPECT_EQ(image.canvas.brush, 0x00FFFFFFu);
    EXPECT_EQ(image.canvas.pen, BLACK);
}

TEST(FillRect, ExcludesRightAndBottomEdges)
{
    ImageCanvas image(16, 8);
    fill_rect(image.canvas, DeviceRect{ 2, 1, 6, 4 }, RED);
    EXPECT_EQ(image.at(2, 1), 0x0000FFu);
    EXPECT_EQ(image.at(5, 3), 0x0000FFu);
    EXPECT_EQ(image.at(6, 3), BLACK);
    EXPECT_EQ(image.at(5, 4), BLACK);
    EXPECT_EQ(image.count(RED), 12);
}

TEST(ReadPixel, GivesNoColourOutsideTheCanvas)
{
    ImageCanvas image(4, 4);
    EXPECT_EQ(image.at(-1, 0), NO_COLOUR);
    EXPECT_EQ(image.at(4, 0), NO_COLOUR);
    EXPECT_EQ(image.at(0, 4), NO_COLOUR);
    EXPECT_EQ(image.at(3, 3), BLACK);
}

TEST(ReadPixel, GivesEveryPickingGreyBackExactly)
{
    for (cairo_format_t format : { CAIRO_FORMAT_RGB24, CAIRO_FORMAT_ARGB32 }) {
        ImageCanvas image(32, 32, format);
        // each level painted as the picking surface paints a piece: brush and pen of that grey,
        // here a 2 x 2 square per level
        for (int level = 0; level < 256; ++level) {
            const Colour grey = 0x02000000u + uint32_t(level) * 0x010101u;
            select_brush(image.canvas, grey);
            select_pen(image.canvas, grey);
            const int x = level % 16 * 2, y = level / 16 * 2;
            const DevicePoint square[] = { { x, y }, { x + 1, y }, { x + 1, y + 1 }, { x, y + 1 } };
            draw_polygon(image.canvas, square, 4);
        }
        for (int level = 0; level < 256; ++level)
            for (int corner = 0; corner < 4; ++corner)
                ASSERT_EQ(image.at(level % 16 * 2 + corner % 2, level / 16 * 2 + corner / 2),
                          uint32_t(level) * 0x010101u) << level;
    }
}

TEST(DrawPolygon, FillsByTheAlternateRuleAndOutlinesWithOnePixel)
{
    ImageCanvas image(41, 41);
    select_brush(image.canvas, RED);
    select_pen(image.canvas, BLUE);
    const DevicePoint star[] = { { 20, 0 }, { 32, 38 }, { 0, 14 }, { 40, 14 }, { 8, 38 } };
    draw_polygon(image.canvas, star, 5);
    EXPECT_EQ(image.at(20, 22), BLACK);   // the centre is crossed twice: empty
    EXPECT_EQ(image.at(20, 6), 0x0000FFu);
    for (const DevicePoint& p : star) EXPECT_EQ(image.at(p.x, p.y), 0xFF0000u);   // the pen covers every vertex
    // the top edge of the horizontal stroke is one pixel of pen, with fill below it
    EXPECT_EQ(image.at(3, 14), 0xFF0000u);
    EXPECT_EQ(image.at(3, 13), BLACK);
    EXPECT_EQ(image.at(5, 15), 0x0000FFu);
}

TEST(DrawPolygon, WithoutPenOrBrushDrawsOnlyTheOther)
{
    ImageCanvas image(10, 10);
    const DevicePoint square[] = { { 1, 1 }, { 8, 1 }, { 8, 8 }, { 1, 8 } };
    select_brush(image.canvas, NO_COLOUR);
    select_pen(image.canvas, BLUE);
    draw_polygon(image.canvas, square, 4);
    EXPECT_EQ(image.count(BLUE), 4 * 7);
    EXPECT_EQ(image.at(4, 4), BLACK);
    select_brush(image.canvas, RED);
    select_pen(image.canvas, NO_COLOUR);
    draw_polygon(image.canvas, square, 4);
    EXPECT_EQ(image.count(RED), 7 * 7);    // fill only: right and bottom edges stay blue
    EXPECT_EQ(image.count(BLUE), 8 + 7);
}

TEST(DrawEllipse, StaysInsideItsBoxAndTouchesEverySide)
{
    ImageCanvas image(40, 30);
    select_brush(image.canvas, RED);
    select_pen(image.canvas, BLUE);
    const DeviceRect box{ 5, 4, 35, 24 };   // 30 x 20: columns 5..34, rows 4..23
    draw_ellipse(image.canvas, box);
    int left = 40, right = -1, top = 30, bottom = -1;
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 40; ++x)
            if (image.at(x, y) != BLACK) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    EXPECT_EQ(left, 5);
    EXPECT_EQ(right, 34);
    EXPECT_EQ(top, 4);
    EXPECT_EQ(bottom, 23);
    EXPECT_EQ(image.at(20, 14), 0x0000FFu);   // filled inside
    EXPECT_EQ(image.at(5, 4), BLACK);         // corners of the box stay empty
    EXPECT_EQ(image.at(34, 23), BLACK);
    // mirror symmetric across the box's centre lines
    for (int y = 4; y < 24; ++y)
        for (int x = 5; x < 35; ++x) {
            ASSERT_EQ(image.at(x, y), image.at(39 - x, y)) << x << "," << y;
            ASSERT_EQ(image.at(x, y), image.at(x, 27 - y)) << x << "," << y;
        }
}

TEST(FillPath, FillsBezierOutlineWithoutPen)
{
    ImageCanvas image(40, 40);
    select_brush(image.canvas, RED);
    select_pen(image.canvas, BLUE);
    // a lens: two curves between (4, 20) and (36, 20), bulging up and down
    begin_path(image.canvas);
    path_move_to(image.canvas, DevicePoint{ 4, 20 });
    path_bezier_to(image.canvas, DevicePoint{ 14, 4 }, DevicePoint{ 26, 4 }, DevicePoint{ 36, 20 });
    path_bezier_to(image.canvas, DevicePoint{ 26, 36 }, DevicePoint{ 14, 36 }, DevicePoint{ 4, 20 });
    fill_path(image.canvas);
    EXPECT_EQ(image.count(BLUE), 0);           // paths are never outlined
    EXPECT_EQ(image.at(20, 20), 0x0000FFu);
    EXPECT_EQ(image.at(20, 9), 0x0000FFu);     // the curve's top is at y = 8
    EXPECT_EQ(image.at(20, 6), BLACK);
    EXPECT_EQ(image.at(2, 20), BLACK);
    EXPECT_EQ(image.at(38, 20), BLACK);
}

TEST(FillPath, SelfOverlappingBowTieFillsBothTriangles)
{
    ImageCanvas image(30, 20);
    select_brush(image.canvas, RED);
    begin_path(image.canvas);
    path_move_to(image.canvas, DevicePoint{ 0, 0 });
    path_line_to(image.canvas, DevicePoint{ 30, 20 });
    path_line_to(image.canvas, DevicePoint{ 30, 0 });
    path_line_to(image.canvas, DevicePoint{ 0, 20 });
    fill_path(image.canvas);   // closed back to (0, 0); the diagonals cross at (15, 10)
    EXPECT_EQ(image.at(3, 10), 0x0000FFu);
    EXPECT_EQ(image.at(26, 10), 0x0000FFu);
    EXPECT_EQ(image.at(15, 3), BLACK);
    EXPECT_EQ(image.at(15, 16), BLACK);
}

TEST(ReleasePenAndBrush, RestoresTheFreshSelection)
{
    ImageCanvas image(4, 4);
    select_brush(image.canvas, RED);
    select_pen(image.canvas, NO_COLOUR);
    release_pen_and_brush(image.canvas);
    const DevicePoint square[] = { { 0, 0 }, { 3, 0 }, { 3, 3 }, { 0, 3 } };
    draw_polygon(image.canvas, square, 4);
    EXPECT_EQ(image.at(1, 1), 0xFFFFFFu);
    EXPECT_EQ(image.at(3, 3), BLACK);   // the black pen covers the vertex
}

TEST(ShrinkCanvas, CheckerboardByTwoIsGrey)
{
    ImageCanvas source(8, 8), target(4, 4);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            if ((x + y) % 2) fill_rect(source.canvas, DeviceRect{ x, y, x + 1, y + 1 }, 0x02FFFFFFu);
    shrink_canvas(source.canvas, 8, 8, target.canvas, 4, 4);
    EXPECT_EQ(target.count(0x808080u), 16);
}

TEST(ShrinkCanvas, UsesOnlyTheUsedArea)
{
    ImageCanvas source(10, 10), target(4, 4);
    fill_rect(source.canvas, DeviceRect{ 0, 0, 10, 10 }, RED);
    fill_rect(source.canvas, DeviceRect{ 0, 0, 6, 3 }, BLUE);   // used area 6 x 3, k = 3
    fill_rect(target.canvas, DeviceRect{ 0, 0, 4, 4 }, 0x02FFFFFFu);
    shrink_canvas(source.canvas, 6, 3, target.canvas, 2, 1);
    EXPECT_EQ(target.at(0, 0), 0xFF0000u);
    EXPECT_EQ(target.at(1, 0), 0xFF0000u);
    EXPECT_EQ(target.at(2, 0), 0xFFFFFFu);
    EXPECT_EQ(target.at(0, 1), 0xFFFFFFu);
}

TEST(ShrinkCanvas, FallsBackToSmoothScalingForOtherSizes)
{
    ImageCanvas source(9, 9), target(4, 4);
    fill_rect(source.canvas, DeviceRect{ 0, 0, 9, 9 }, BLUE);
    shrink_canvas(source.canvas, 9, 9, target.canvas, 4, 4);   // 9 / 4 is no whole factor
    EXPECT_EQ(target.count(BLUE), 16);   // a plain area stays plain
}

TEST(WriteCanvasPng, WritesAPngFile)
{
    ImageCanvas image(8, 8);
    fill_rect(image.canvas, DeviceRect{ 0, 0, 4, 4 }, RED);
    const std::string path = temporary_path("orbily_canvas.png");
    ASSERT_TRUE(write_canvas_png(image.canvas, path.c_str()));
    EXPECT_EQ(file_start(path, 4), "\x89PNG");
    std::remove(path.c_str());
}

TEST(CreateSvgCanvas, RecordsTheCallsIntoAnSvgFile)
{
    Canvas canvas{};
    const std::string path = temporary_path("orbily_canvas.svg");
    ASSERT_TRUE(create_svg_canvas(canvas, path.c_str(), 200, 100));
    select_brush(canvas, RED);
    select_pen(canvas, BLUE);
    const DevicePoint triangle[] = { { 10, 10 }, { 190, 10 }, { 100, 90 } };
    draw_polygon(canvas, triangle, 3);
    draw_ellipse(canvas, DeviceRect{ 20, 20, 60, 60 });
    fill_rect(canvas, DeviceRect{ 0, 0, 5, 5 }, BLUE);
    begin_path(canvas);
    path_move_to(canvas, DevicePoint{ 100, 50 });
    path_bezier_to(canvas, DevicePoint{ 120, 30 }, DevicePoint{ 140, 70 }, DevicePoint{ 160, 50 });
    fill_path(canvas);
    EXPECT_EQ(read_pixel(canvas, 5, 5), NO_COLOUR);
    EXPECT_FALSE(write_canvas_png(canvas, path.c_str()));
    ASSERT_TRUE(close_canvas(canvas));
    const std::string svg = file_start(path, 100000);
    EXPECT_NE(svg.find("<svg"), std::string::npos);
    EXPECT_NE(svg.find("rgb(100%,0%,0%)"), std::string::npos);   // the red brush
    EXPECT_NE(svg.find("rgb(0%,0%,100%)"), std::string::npos);   // the blue pen
    EXPECT_NE(svg.find("evenodd"), std::string::npos);
    std::remove(path.c_str());
}

TEST(CreatePdfCanvas, RecordsTheCallsIntoAPdfFile)
{
    Canvas canvas{};
    const std::string path = temporary_path("orbily_canvas.pdf");
    ASSERT_TRUE(create_pdf_canvas(canvas, path.c_str(), 240, 160));
    select_brush(canvas, RED);
    const DevicePoint triangle[] = { { 10, 10 }, { 200, 10 }, { 100, 150 } };
    draw_polygon(canvas, triangle, 3);
    ASSERT_TRUE(close_canvas(canvas));
    EXPECT_EQ(file_start(path, 5), "%PDF-");
    std::remove(path.c_str());
}

TEST(CreateSvgCanvas, FailsForAnUnwritablePath)
{
    Canvas canvas{};
    const bool created = create_svg_canvas(canvas, "/nonexistent-directory/map.svg", 10, 10);
    if (created) EXPECT_FALSE(close_canvas(canvas));   // Cairo may report the failure only at the end
}
