// tests/win32/platform_win32_draw_test.cpp: the drawing contract on GDI DIB sections, then what only
// GDI does: stock objects and freeing what the canvas made, pixels equal to the portable
// rasteriser's, blits and enhanced metafiles.
#include <gtest/gtest.h>
#include <cstdio>
#include <random>
#include <string>
#include <vector>
#include "platform/raster.h"
#include "platform/win32_draw.h"

namespace {
// A DIB surface that releases itself at the end of a test.
struct PixelCanvas {
    Canvas canvas{};
    PixelCanvas(int width, int height) { EXPECT_TRUE(create_dib_canvas(canvas, width, height)); }
    ~PixelCanvas() { release_dib_canvas(canvas); }
};
}

#include "tests/platform_draw_contract.h"
using namespace draw_contract;

namespace {
// The canvas as text, for failure messages: '.' black, 'o' blue, '#' anything else.
std::string picture(Canvas& canvas)
{
    std::string s;
    for (int y = 0; y < canvas.image.height; ++y) {
        for (int x = 0; x < canvas.image.width; ++x) {
            const Colour c = read_pixel(canvas, x, y);
            s += c == BLACK ? '.' : c == READ_BLUE ? 'o' : '#';
        }
        s += '\n';
    }
    return s;
}
}

// 1. Anchors beyond the contract
TEST(CreateDibCanvas, SelectsTheStockWhiteBrushAndBlackPen)
{
    PixelCanvas surface(6, 4);
    ASSERT_NE(surface.canvas.image.pixels, nullptr);
    EXPECT_EQ(GetCurrentObject(surface.canvas.dc, OBJ_BRUSH), GetStockObject(WHITE_BRUSH));
    EXPECT_EQ(GetCurrentObject(surface.canvas.dc, OBJ_PEN), GetStockObject(BLACK_PEN));
}

TEST(ReadPixel, AgreesWithGetPixel)
{
    PixelCanvas surface(4, 4);
    fill_rect(surface.canvas, DeviceRect{ 1, 1, 3, 3 }, RED);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            EXPECT_EQ(GetPixel(surface.canvas.dc, x, y) & 0xFFFFFFu, read_pixel(surface.canvas, x, y)) << x << "," << y;
}

// 2. Invariants: what the canvas makes it frees
TEST(SelectBrush, DeletesTheBrushMadeBefore)
{
    PixelCanvas surface(4, 4);
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
    PixelCanvas surface(4, 4);
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
        PixelCanvas gdi(40, 40);
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
                differences += read_pixel(gdi.canvas, x, y) != (pixels[y * 40 + x] == 0 ? BLACK : colour_of_pixel(pixels[y * 40 + x]));
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
            PixelCanvas gdi(50, 40);
            select_brush(gdi.canvas, RED);
            select_pen(gdi.canvas, BLUE);
            draw_ellipse(gdi.canvas, box);
            release_pen_and_brush(gdi.canvas);
            std::vector<uint32_t> pixels(50 * 40, 0);
            draw_ellipse_pixels(PixelBuffer{ pixels.data(), 50, 40, 50 }, box, true, pixel_of_colour(RED),
                                true, pixel_of_colour(BLUE));
            for (int y = 0; y < 40; ++y)
                for (int x = 0; x < 50; ++x) {
                    const bool by_gdi = read_pixel(gdi.canvas, x, y) != BLACK, portable = pixels[y * 50 + x] != 0;
                    covered += by_gdi || portable;
                    differences += by_gdi != portable;
                }
        }
    EXPECT_LT(differences * 100, covered);   // under one pixel in a hundred
}

TEST(BlitCanvas, CopiesPixelsUnchanged)
{
    PixelCanvas source(6, 6), target(6, 6);
    fill_rect(source.canvas, DeviceRect{ 1, 1, 3, 3 }, RED);
    blit_canvas(source.canvas, target.canvas.dc, 4, 4);
    EXPECT_EQ(count(target.canvas, RED), 4);
    EXPECT_EQ(read_pixel(target.canvas, 2, 2), 0x0000FFu);
}

TEST(CreateMetafileCanvas, WritesAnEnhancedMetafile)
{
    char directory[MAX_PATH];
    GetTempPathA(MAX_PATH, directory);
    const std::string path = std::string(directory) + "orbily_canvas.emf";
    Canvas canvas{};
    ASSERT_TRUE(create_metafile_canvas(canvas, path.c_str(), "Orbily\0test\0"));
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
    ASSERT_TRUE(close_metafile_canvas(canvas));
    HENHMETAFILE metafile = GetEnhMetaFileA(path.c_str());
    ASSERT_NE(metafile, nullptr);
    ENHMETAHEADER header{};
    ASSERT_NE(GetEnhMetaFileHeader(metafile, sizeof header, &header), 0u);
    EXPECT_EQ(header.dSignature, DWORD(ENHMETA_SIGNATURE));
    EXPECT_GT(header.nRecords, 8u);   // header, objects, polygon, ellipse, path, end of file
    EXPECT_GE(header.rclBounds.right, 2399);
    DeleteEnhMetaFile(metafile);
    DeleteFileA(path.c_str());
}
