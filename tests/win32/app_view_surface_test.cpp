// tests/win32/app_view_surface_test.cpp: surface sizes, and the map painted k times larger and
// shown at client size by averaging.
#include <gtest/gtest.h>
#include "app/app.h"
#include "platform/pixel_buffer.h"
#include "tests/win32/running_application.h"

namespace {

struct ScreenSize {
    int width, height;
    ScreenSize(int w, int h) : width(screen_width), height(screen_height)
    {
        screen_width = w;
        screen_height = h;
    }
    ~ScreenSize()
    {
        screen_width = width;
        screen_height = height;
    }
};

RECT used(int client_width, int client_height)
{
    ViewSurface surface = {};
    fit_surface(surface, client_width, client_height);
    EXPECT_EQ(surface.dirty, 1);
    return surface.fill;
}

uint32_t pixel(const Canvas& canvas, int x, int y) { return canvas.image.pixels[y * canvas.image.stride + x]; }

}  // namespace

TEST(FitSurface, LargestWholeMultipleOfTheClientThatFitsTheScreen)
{
    ScreenSize screen(1920, 1080);
    EXPECT_EQ(used(960, 480).right, 1920);
    EXPECT_EQ(used(960, 480).bottom, 960);
    EXPECT_EQ(used(1000, 500).right, 1000);
    EXPECT_EQ(used(1000, 500).bottom, 1000);
    EXPECT_EQ(used(2500, 1200).right, 1920);   // wider and taller than the screen
    EXPECT_EQ(used(2500, 1200).bottom, 1080);
    EXPECT_EQ(used(0, 0).right, 1920);         // a client of nothing divides by nothing
    EXPECT_EQ(used(0, 0).bottom, 1080);
}

TEST(ReleaseSurface, HarmlessOnASurfaceNeverCreated)
{
    ViewSurface surface = {};
    release_surface(surface);
    EXPECT_EQ(surface.canvas.dc, nullptr);
}

class MapPaint : public RunningApplication {};

// Every shown pixel is the rounded mean of its k x k block of the drawing.
TEST_F(MapPaint, ShownPictureIsTheBoxAverageOfTheDrawing)
{
    ASSERT_GT(map_surface.client.right, 0);
    const int k = map_surface.fill.right / map_surface.client.right;
    ASSERT_GE(k, 1);
    ASSERT_EQ(map_surface.fill.bottom / map_surface.client.bottom, k);
    paint_map_surface();
    EXPECT_EQ(map_surface.dirty, 0);
    const int n = k * k;
    for (int y = 0; y < map_surface.client.bottom; y += 37)
        for (int x = 0; x < map_surface.client.right; x += 29) {
            uint32_t expected = 0;
            for (int shift = 0; shift < 24; shift += 8) {
                uint32_t sum = 0;
                for (int j = 0; j < k; ++j)
                    for (int i = 0; i < k; ++i) sum += pixel(map_surface.canvas, k * x + i, k * y + j) >> shift & 0xFF;
                expected |= (sum + n / 2) / n << shift;
            }
            EXPECT_EQ(pixel(map_surface.shown, x, y) & 0xFFFFFF, expected) << x << "," << y;
        }
}

TEST_F(MapPaint, AzimuthalMapLeavesTealCornersThatPickNoCountry)
{
    set_projection(30, 0);   // Polar Orthographic: a disc
    paint_map_surface();
    EXPECT_EQ(colour_of_pixel(pixel(map_surface.shown, 0, 0)), BACKGROUND_COLOUR & 0xFFFFFF);
    EXPECT_EQ(pick_country(MAKELPARAM(0, 0)), 0);
    EXPECT_EQ(pick_country(MAKELPARAM(map_surface.client.right - 1, map_surface.client.bottom - 1)), 0);
}

TEST_F(MapPaint, BoundariesModeRedrawsTheMapButNotThePickingSurface)
{
    paint_map_surface();
    const int width = map_surface.fill.right, height = map_surface.fill.bottom;
    int picking_sum = 0, black_before = 0;
    for (int y = 0; y < height; y += 7)
        for (int x = 0; x < width; x += 7) {
            picking_sum += pixel(picking_surface.canvas, x, y) & 0xFF;
            black_before += (pixel(map_surface.canvas, x, y) & 0xFFFFFF) == 0;
        }
    run_command(COMMAND_SHOW_BOUNDARIES);
    EXPECT_EQ(map_surface.dirty, 1);
    paint_map_surface();
    int picking_after = 0, black_after = 0;
    for (int y = 0; y < height; y += 7)
        for (int x = 0; x < width; x += 7) {
            picking_after += pixel(picking_surface.canvas, x, y) & 0xFF;
            black_after += (pixel(map_surface.canvas, x, y) & 0xFFFFFF) == 0;
        }
    EXPECT_EQ(picking_after, picking_sum);
    EXPECT_NE(black_after, black_before);   // country borders instead of cell frames
}

// A client larger than the screen (a window stretched over two monitors) still shows the map
// right to its edges.
TEST_F(MapPaint, ClientLargerThanTheScreenIsFilledToItsEdges)
{
    const RECT client = {0, 0, screen_width + 40, 300};
    map_surface.client = picking_surface.client = client;
    fit_surface(map_surface, client.right, client.bottom);
    fit_surface(picking_surface, client.right, client.bottom);
    refresh_map();
    EXPECT_EQ(map_surface.fill.right, screen_width);
    paint_map_surface();
    Canvas window = {};
    ASSERT_TRUE(create_dib_canvas(window, client.right, client.bottom));
    show_surface(map_surface, window.dc);
    const PixelBuffer shown = canvas_pixels(window);
    int blank = 0;   // a fresh DIB is black; no column of the map is black from top to bottom
    for (int y = 0; y < client.bottom; ++y) blank += (shown.pixels[y * shown.stride + client.right - 1] & 0xFFFFFF) == 0;
    EXPECT_LT(blank, client.bottom / 2);
    release_dib_canvas(window);
}
