// tests/win32/platform_win32_draw_test.cpp: the GDI canvases draw what the Cairo canvases draw:
// the same edges, fills, pen, greys and shrink, here through GDI into DIB sections.
#include <gtest/gtest.h>
#include <cstdio>
#include <random>
#include <string>
#include <vector>
#include "platform/raster.h"
#include "platform/win32_draw.h"

namespace {
const Colour RED = 0x020000FFu;
const Colour BLUE = 0x02FF0000u;
const Colour BLACK = 0x00000000u;

// A DIB surface that releases itself at the end of a test.
struct Surface {
    Canvas canvas{};
    Surface(int width, int height) { EXPECT_TRUE(create_dib_canvas(canvas, width, height)); }
    ~Surface() { release_dib_canvas(canvas); }
    Colour at(int x, int y) { return read_pixel(canvas, x, y); }
    int count(Colour colour)
    {
        int n = 0;
        for (int y = 0; y < canvas.image.height; ++y)
            for (int x = 0; x < canvas.image.width; ++x) n += at(x, y) == (colour & 0xFFFFFFu);
        return n;
    }
};

std::string picture(Canvas& canvas)
{
    std::string s;
    for (int y = 0; y < canvas.image.height; ++y) {
        for (int x = 0; x < canvas.image.width; ++x) {
            const Colour c = read_pixel(canvas, x, y);
            s += c == BLACK ? '.' : c == (BLUE & 0xFFFFFFu) ? 'o' : '#';
        }
        s += '\n';
    }
    return s;
}
}

// 1. Anchors
TEST(CreateDibCanvas, StartsBlackWithStockWhiteBrushAndBlackPen)
{
    Surface surface(6, 4);
    ASSERT_NE(surface.canvas.image.pixels, nullptr);
    EXPECT_EQ(surface.count(BLACK), 24);
    EXPECT_EQ(GetCurrentObject(surface.canvas.dc, OBJ_BRUSH), GetStockObject(WHITE_BRUSH));
    EXPECT_EQ(GetCurrentObject(surface.canvas.dc, OBJ_PEN), GetStockObject(BLACK_PEN));
}

TEST(FillRect, ExcludesRightAndBottomEdges)
{
    Surface surface(16, 8);
    fill_rect(surface.canvas, DeviceRect{ 2, 1, 6, 4 }, RED);
    EXPECT_EQ(surface.at(2, 1), 0x0000FFu);
    EXPECT_EQ(surface.at(5, 3), 0x0000FFu);
    EXPECT_EQ(surface.at(6, 3), BLACK);
    EXPECT_EQ(surface.at(5, 4), BLACK);
    EXPECT_EQ(surface.count(RED), 12);
    EXPECT_EQ(surface.at(16, 0), NO_COLOUR);
}

TEST(ReadPixel, GivesEveryPickingGreyBackExactly)
{
    Surface surface(32, 32);
    for (int level = 0; level < 256; ++level) {
        const Colour grey = 0x02000000u + uint32_t(level) * 0x010101u;
        select_brush(surface.canvas, grey);
        select_pen(surface.canvas, grey);
        const int x = level % 16 * 2, y = level / 16 * 2;
        const DevicePoint square[] = { { x, y }, { x + 1, y }, { x + 1, y + 1 }, { x, y + 1 } };
        draw_polygon(surface.canvas, square, 4);
    }
    release_pen_and_brush(surface.canvas);
    for (int level = 0; level < 256; ++level)
        for (int corner = 0; corner < 4; ++corner)
            ASSERT_EQ(surface.at(level % 16 * 2 + corner % 2, level / 16 * 2 + corner / 2),
                      uint32_t(level) * 0x010101u) << level;
    // GetPixel agrees with the direct read
    EXPECT_EQ(GetPixel(surface.canvas.dc, 31, 31) & 0xFFFFFFu, 255u * 0x010101u);
}

TEST(DrawPolygon, FillsByTheAlternateRuleAndOutlinesWithOnePixel)
{
    Surface surface(41, 41);
    select_brush(surface.canvas, RED);
    select_pen(surface.canvas, BLUE);
    const DevicePoint star[] = { { 20, 0 }, { 32, 38 }, { 0, 14 }, { 40, 14 }, { 8, 38 } };
    draw_polygon(surface.canvas, star, 5);
    release_pen_and_brush(surface.canvas);
    EXPECT_EQ(surface.at(20, 22), BLACK) << picture(surface.canvas);
    EXPECT_EQ(surface.at(20, 6), 0x0000FFu);
    for (const DevicePoint& p : star) EXPECT_EQ(surface.at(p.x, p.y), 0xFF0000u);
}

TEST(DrawEllipse, StaysInsideItsBoxAndTouchesEverySide)
{
    Surface surface(40, 30);
    select_brush(surface.canvas, RED);
    select_pen(surface.canvas, BLUE);
    draw_ellipse(surface.canvas, DeviceRect{ 5, 4, 35, 24 });
    release_pen_and_brush(surface.canvas);
    int left = 40, right = -1, top = 30, bottom = -1;
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 40; ++x)
            if (surface.at(x, y) != BLACK) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    EXPECT_EQ(left, 5) << picture(surface.canvas);
    EXPECT_EQ(right, 34);
    EXPECT_EQ(top, 4);
    EXPECT_EQ(bottom, 23);
    EXPECT_EQ(surface.at(20, 14), 0x0000FFu);
    EXPECT_EQ(surface.at(5, 4), BLACK);
}

TEST(FillPath, FillsBezierOutlineWithoutPen)
{
    Surface surface(40, 40);
    select_brush(surface.canvas, RED);
    select_pen(surface.canvas, BLUE);
    begin_path(surface.canvas);
    path_move_to(surface.canvas, DevicePoint{ 4, 20 });
    path_bezier_to(surface.canvas, DevicePoint{ 14, 4 }, DevicePoint{ 26, 4 }, DevicePoint{ 36, 20 });
    path_bezier_to(surface.canvas, DevicePoint{ 26, 36 }, DevicePoint{ 14, 36 }, DevicePoint{ 4, 20 });
    fill_path(surface.canvas);
    release_pen_and_brush(surface.canvas);
    EXPECT_EQ(surface.count(BLUE), 0) << picture(surface.canvas);
    EXPECT_EQ(surface.at(20, 20), 0x0000FFu);
    EXPECT_EQ(surface.at(20, 9), 0x0000FFu);
    EXPECT_EQ(surface.at(20, 6), BLACK);
    EXPECT_EQ(surface.at(2, 20), BLACK);
}

TEST(FillPath, SelfOverlappingBowTieFillsBothTriangles)
{
    Surface surface(30, 20);
    select_brush(surface.canvas, RED);
    begin_path(surface.canvas);
    path_move_to(surface.canvas, DevicePoint{ 0, 0 });
    path_line_to(surface.canvas, DevicePoint{ 30, 20 });
    path_line_to(surface.canvas, DevicePoint{ 30, 0 });
    path_line_to(surface.canvas, DevicePoint{ 0, 20 });
    fill_path(surface.canvas);
    release_pen_and_brush(surface.canvas);
    EXPECT_EQ(surface.at(3, 10), 0x0000FFu);
    EXPECT_EQ(surface.at(26, 10), 0x0000FFu);
    EXPECT_EQ(surface.at(15, 3), BLACK);
    EXPECT_EQ(surface.at(15, 16), BLACK);
}

// 2. Invariants: what the canvas makes it frees
TEST(SelectBrush, DeletesTheBrushMadeBefore)
{
    Surface surface(4, 4);
    select_brush(surface.canvas, RED);
    HBRUSH first = surface.canvas.brush;
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(GetCurrentObject(surface.canvas.dc, OBJ_BRUSH), first);
    select_brush(surface.canvas, BLUE);
    EXPECT_EQ(GetObjectType(first), 0u);   // deleted
    select_brush(surface.canvas, NO_COLOUR);
    EXPECT_EQ(GetCurrentObject(surface.canvas.dc, OBJ_BRUSH), GetStockObject(NULL_BRUSH));
    EXPECT_EQ(surface.canvas.brush, nullptr);
}

TEST(ReleasePenAndBrush, SelectsStockObjectsAndDeletesWhatWasMade)
{
    Surface surface(4, 4);
    select_brush(surface.canvas, RED);
    select_pen(surface.canvas, BLUE);
    HBRUSH brush = surface.canvas.brush;
    HPEN pen = surface.canvas.pen;
    release_pen_and_brush(surface.canvas);
    EXPECT_EQ(GetCurrentObject(surface.canvas.dc, OBJ_BRUSH), GetStockObject(WHITE_BRUSH));
    EXPECT_EQ(GetCurrentObject(surface.canvas.dc, OBJ_PEN), GetStockObject(BLACK_PEN));
    EXPECT_EQ(GetObjectType(brush), 0u);
    EXPECT_EQ(GetObjectType(pen), 0u);
}

// 2. Invariants: GDI sets the pixels that the portable rasteriser (the Cairo back end's) sets
TEST(DrawPolygon, MatchesThePortableRasteriser)
{
    std::mt19937 random(13);
    std::uniform_int_distribution<int> coordinate(-4, 44), size(3, 8);
    for (int trial = 0; trial < 200; ++trial) {
        std::vector<DevicePoint> ring(size(random));
        for (DevicePoint& p : ring) p = DevicePoint{ coordinate(random), coordinate(random) };
        const int n = int(ring.size());
        const bool outline = trial % 2 == 1;
        Surface gdi(40, 40);
        select_brush(gdi.canvas, RED);
        select_pen(gdi.canvas, outline ? BLUE : NO_COLOUR);
        draw_polygon(gdi.canvas, ring.data(), n);
        release_pen_and_brush(gdi.canvas);
        std::vector<uint32_t> pixels(40 * 40, 0);
        const PixelBuffer portable{ pixels.data(), 40, 40, 40 };
        fill_rings(portable, ring.data(), &n, 1, pixel_of_colour(RED));
        if (outline) outline_ring(portable, ring.data(), n, pixel_of_colour(BLUE));
        int differences = 0;
        for (int y = 0; y < 40; ++y)
            for (int x = 0; x < 40; ++x)
                differences += gdi.at(x, y) != (pixels[y * 40 + x] == 0 ? BLACK : colour_of_pixel(pixels[y * 40 + x]));
        EXPECT_EQ(differences, 0) << "trial " << trial << "\n" << picture(gdi.canvas);
    }
}

TEST(DrawEllipse, StaysCloseToThePortableRasteriser)
{
    // GDI's ellipse algorithm is its own; the portable one differs in a few boundary pixels
    int covered = 0, differences = 0;
    for (int w = 1; w <= 40; ++w)
        for (int h = 1; h <= 30; h += 3) {
            const DeviceRect box{ 3, 2, 3 + w, 2 + h };
            Surface gdi(50, 40);
            select_brush(gdi.canvas, RED);
            select_pen(gdi.canvas, BLUE);
            draw_ellipse(gdi.canvas, box);
            release_pen_and_brush(gdi.canvas);
            std::vector<uint32_t> pixels(50 * 40, 0);
            draw_ellipse_pixels(PixelBuffer{ pixels.data(), 50, 40, 50 }, box, true, pixel_of_colour(RED),
                                true, pixel_of_colour(BLUE));
            for (int y = 0; y < 40; ++y)
                for (int x = 0; x < 50; ++x) {
                    const bool by_gdi = gdi.at(x, y) != BLACK, portable = pixels[y * 50 + x] != 0;
                    covered += by_gdi || portable;
                    differences += by_gdi != portable;
                }
        }
    EXPECT_LT(differences * 100, covered);   // under one pixel in a hundred
}

TEST(ShrinkCanvas, CheckerboardByTwoIsGrey)
{
    Surface source(8, 8), target(4, 4);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            if ((x + y) % 2) fill_rect(source.canvas, DeviceRect{ x, y, x + 1, y + 1 }, 0x02FFFFFFu);
    shrink_canvas(source.canvas, 8, 8, target.canvas, 4, 4);
    EXPECT_EQ(target.count(0x808080u), 16);
}

TEST(ShrinkCanvas, FallsBackToStretchBltForOtherSizes)
{
    Surface source(9, 9), target(4, 4);
    fill_rect(source.canvas, DeviceRect{ 0, 0, 9, 9 }, BLUE);
    shrink_canvas(source.canvas, 9, 9, target.canvas, 4, 4);
    EXPECT_EQ(target.count(BLUE), 16);
}

TEST(BlitCanvas, CopiesPixelsUnchanged)
{
    Surface source(6, 6), target(6, 6);
    fill_rect(source.canvas, DeviceRect{ 1, 1, 3, 3 }, RED);
    blit_canvas(source.canvas, target.canvas.dc, 4, 4);
    EXPECT_EQ(target.count(RED), 4);
    EXPECT_EQ(target.at(2, 2), 0x0000FFu);
}

TEST(CreateMetafileCanvas, RecordsAnEnhancedMetafile)
{
    Canvas canvas{};
    ASSERT_TRUE(create_metafile_canvas(canvas, NULL, "Orbily\0test\0"));
    select_brush(canvas, RED);
    select_pen(canvas, BLUE);
    const DevicePoint triangle[] = { { 0, 0 }, { 2400, 0 }, { 1200, 1200 } };
    draw_polygon(canvas, triangle, 3);
    draw_ellipse(canvas, DeviceRect{ 100, 100, 500, 400 });
    fill_rect(canvas, DeviceRect{ 0, 0, 50, 50 }, BLUE);
    begin_path(canvas);
    path_move_to(canvas, DevicePoint{ 0, 1200 });
    path_bezier_to(canvas, DevicePoint{ 600, 600 }, DevicePoint{ 1800, 1800 }, DevicePoint{ 2400, 1200 });
    fill_path(canvas);
    EXPECT_EQ(read_pixel(canvas, 10, 10), NO_COLOUR);
    HENHMETAFILE metafile = finish_metafile_canvas(canvas);
    ASSERT_NE(metafile, nullptr);
    ENHMETAHEADER header{};
    ASSERT_NE(GetEnhMetaFileHeader(metafile, sizeof header, &header), 0u);
    EXPECT_EQ(header.dSignature, DWORD(ENHMETA_SIGNATURE));
    EXPECT_GT(header.nRecords, 8u);   // header, objects, polygon, ellipse, path, end of file
    EXPECT_GE(header.rclBounds.right, 2399);
    DeleteEnhMetaFile(metafile);
}
