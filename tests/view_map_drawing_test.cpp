// tests/view_map_drawing_test.cpp
#include <gtest/gtest.h>
#include "geo/cells.h"
#include "geo/outlines.h"
#include "platform/cairo_draw.h"
#include "view/map_colours.h"
#include "view/map_drawing.h"

// 1. Sizes and conversions.
TEST(UsedExtent, LargestWholeMultipleThatFitsTheScreen)
{
    EXPECT_EQ(used_extent(960, 1920), 1920);
    EXPECT_EQ(used_extent(480, 1080), 960);
    EXPECT_EQ(used_extent(1000, 1920), 1000);
    EXPECT_EQ(used_extent(500, 1080), 1000);
    EXPECT_EQ(used_extent(2500, 1920), 1920);   // wider than the screen
    EXPECT_EQ(used_extent(0, 1080), 1080);      // no division by a zero client
}

TEST(MapPointsToSurface, ScalesTheViewAndTruncatesTowardZero)
{
    const MapView view = {10.0f, 0.0f, 190.0f, 90.0f, 2.0f};
    const float points[] = {10.7f, 0.3f, 9.9f, -0.2f, 190.0f, 90.0f};
    const ProjectedMap map = {nullptr, 0, points, 3};
    DevicePoint surface_points[3];
    map_points_to_surface(map, view, 720, 360, surface_points);   // 4 pixels per unit
    EXPECT_EQ(surface_points[0].x, 2);
    EXPECT_EQ(surface_points[0].y, 1);
    EXPECT_EQ(surface_points[1].x, 0);   // -0.4 truncates to 0, not -1
    EXPECT_EQ(surface_points[1].y, 0);
    EXPECT_EQ(surface_points[2].x, 720);
    EXPECT_EQ(surface_points[2].y, 360);
    map_points_to_metafile(map, surface_points);   // 91 units per map unit, the whole frame
    EXPECT_EQ(surface_points[0].x, 973);
    EXPECT_EQ(surface_points[1].y, -18);   // truncated toward zero
    EXPECT_EQ(surface_points[2].x, 17290);
}

TEST(ClientToSurface, DividesFirstThenScales)
{
    const DevicePoint p = client_to_surface(959, 479, 960, 480, 1920, 960);
    EXPECT_EQ(p.x, 1918);
    EXPECT_EQ(p.y, 958);
    EXPECT_EQ(code_of_pixel(NO_COLOUR), 0);
    EXPECT_EQ(code_of_pixel(0x00D7D7D7u), 215);
}

// 2. draw_pieces on a piece list made up for the test: cells of 10 x 10 pixels.
class DrawPieces : public ::testing::Test {
protected:
    Canvas canvas = {};
    int32_t list[16];
    int list_length = 0;
    DevicePoint surface_points[512];
    int cursor = 0;

    void SetUp() override { ASSERT_TRUE(create_image_canvas(canvas, CAIRO_FORMAT_RGB24, 80, 40)); }
    void TearDown() override { close_canvas(canvas); }
    // the pieces added so far; only list and counts matter once the points are converted
    ProjectedMap map() const { return ProjectedMap{list, list_length, nullptr, cursor}; }
    void draw(const PieceColouring& colouring, OutlineMode mode)
    {
        draw_pieces(canvas, map(), surface_points, colouring, mode);
    }

    // a frame of 91 points around the 10 x 10 square at (x, y), or a dropped one
    void add_frame(int x, int y, bool dropped = false)
    {
        list[list_length++] = 0;
        list[list_length++] = dropped ? 0 : FRAME_POINT_COUNT;
        if (dropped) return;
        for (int i = 0; i < FRAME_POINT_COUNT; ++i) {
            const int side = i * 4 / FRAME_POINT_COUNT;
            const DevicePoint corners[4] = {{x, y}, {x + 9, y}, {x + 9, y + 9}, {x, y + 9}};
            surface_points[cursor++] = corners[side];
        }
    }
    void add_square(int polygon, int x, int y, int size)
    {
        list[list_length++] = polygon;
        list[list_length++] = 4;
        surface_points[cursor++] = {x, y};
        surface_points[cursor++] = {x + size, y};
        surface_points[cursor++] = {x + size, y + size};
        surface_points[cursor++] = {x, y + size};
    }
    Colour pixel(int x, int y) { return read_pixel(canvas, x, y); }
};

static int calls[8][3];
static int call_count;
static Colour recording_colour(const void*, int polygon, int sector, int band)
{
    calls[call_count][0] = polygon;
    calls[call_count][1] = sector;
    calls[call_count][2] = band;
    ++call_count;
    return polygon == 0 ? 0x02FF0000u : 0x020000FFu;
}

TEST_F(DrawPieces, DroppedFramesStillCountTheirCell)
{
    add_frame(0, 0, true);   // cell 0: its sea piece dropped
    add_square(1, 2, 2, 5);
    add_frame(10, 0);        // cell 1
    add_square(2, 12, 2, 5);
    call_count = 0;
    draw({recording_colour, nullptr}, OUTLINE_CELL_FRAMES);
    ASSERT_EQ(call_count, 3);
    EXPECT_EQ(calls[0][0], 1);
    EXPECT_EQ(calls[0][1], 0);   // sector 0
    EXPECT_EQ(calls[1][1], 1);   // the frame of sector 1
    EXPECT_EQ(calls[2][0], 2);
    EXPECT_EQ(calls[2][1], 1);
    // mode 1 frames the kept cell in black and not the dropped one
    EXPECT_EQ(pixel(10, 5), 0u);
    EXPECT_EQ(pixel(0, 5), 0u);   // never drawn: the canvas's black
    EXPECT_EQ(pixel(18, 8), 0xFF0000u);   // inside the frame: its blue sea
    EXPECT_EQ(pixel(4, 4), 0x0000FFu);   // the red piece in cell 0
}

TEST_F(DrawPieces, PlainModeEdgesInTheOwnColourBoundariesInBlack)
{
    fill_rect(canvas, DeviceRect{0, 0, 80, 40}, 0x02FFFFFFu);
    add_frame(0, 0);
    add_square(1, 2, 2, 5);
    draw({recording_colour, nullptr}, OUTLINE_PLAIN);
    EXPECT_EQ(pixel(0, 5), 0xFF0000u);   // the frame edge in the sea colour
    EXPECT_EQ(pixel(2, 4), 0x0000FFu);   // the piece edge in its own colour
    draw({recording_colour, nullptr}, OUTLINE_BOUNDARIES);
    EXPECT_EQ(pixel(2, 4), 0u);          // now edged in black
    EXPECT_EQ(pixel(4, 4), 0x0000FFu);
}

// picking_colour reads the polygon table it is given: polygon 1 is country 12, polygon 2 region 236
TEST_F(DrawPieces, PickingReadsTheCodeBack)
{
    const PolygonEntry table[3] = {{0, 0}, {12, 0}, {236, 4}};
    add_frame(0, 0);
    add_square(1, 2, 2, 5);
    add_square(2, 20, 20, 10);
    fill_rect(canvas, DeviceRect{0, 0, 80, 40}, BLACK);
    draw({picking_colour, table}, OUTLINE_PLAIN);
    EXPECT_EQ(code_of_pixel(pixel(4, 4)), 12);
    EXPECT_EQ(code_of_pixel(pixel(25, 25)), 236);   // a region keeps its own code
    EXPECT_EQ(code_of_pixel(pixel(15, 15)), 0);     // sea
    EXPECT_EQ(code_of_pixel(pixel(60, 30)), 0);     // background
    EXPECT_EQ(code_of_pixel(pixel(200, 30)), 0);    // outside the surface
}
