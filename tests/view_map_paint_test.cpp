// tests/view_map_paint_test.cpp
#include <gtest/gtest.h>
#include "geo/cells.h"
#include "platform/cairo_draw.h"
#include "view/map_colours.h"
#include "view/map_paint.h"

namespace {

const Colour SEA = 0x020000FFu, LAND = 0x0200FF00u;

Colour test_colour(const void*, int polygon, int, int)
{
    return polygon == 0 ? SEA : LAND;
}

// The sea, and the polygon of the land square below: country 7.
const PolygonEntry POLYGONS[2] = {{0, 0}, {7, 0}};

// Cell 0's frame around (0, 0)..(15, 30) in map units, and one land square (5, 5)..(10, 10).
struct OneCell {
    int32_t list[4] = {0, FRAME_POINT_COUNT, 1, 4};
    float points[2 * (FRAME_POINT_COUNT + 4)];
    OneCell()
    {
        const float corners[4][2] = {{0, 0}, {15, 0}, {15, 30}, {0, 30}};
        for (int i = 0; i < FRAME_POINT_COUNT; ++i) {
            points[2 * i] = corners[i * 4 / FRAME_POINT_COUNT][0];
            points[2 * i + 1] = corners[i * 4 / FRAME_POINT_COUNT][1];
        }
        const float square[8] = {5, 5, 10, 5, 10, 10, 5, 10};
        for (int i = 0; i < 8; ++i) points[2 * FRAME_POINT_COUNT + i] = square[i];
    }
    ProjectedMap map() const { return ProjectedMap{list, 4, points, FRAME_POINT_COUNT + 4}; }
};

}  // namespace

// Each row: a view of a 360 x 180 surface, a pixel, and its colour in the map and picking paints.
TEST(PaintMap, BackgroundSeaAndLandWhereTheViewPutsThem)
{
    struct Case {
        MapView view;
        int x, y;
        Colour map, picking;
    };
    const MapView zoomed = {0.0f, 0.0f, 20.0f, 10.0f, 18.0f};   // 18 pixels per unit
    const Case cases[] = {
        {WHOLE_MAP_VIEW, 100, 100, BACKGROUND_COLOUR, BLACK},   // beyond every piece
        {WHOLE_MAP_VIEW, 2, 20, SEA, BLACK},
        {WHOLE_MAP_VIEW, 7, 7, LAND, 0x02070707u},              // the grey of country 7
        {zoomed, 130, 130, LAND, 0x02070707u},
        {zoomed, 60, 60, SEA, BLACK},
        {zoomed, 300, 60, BACKGROUND_COLOUR, BLACK},
    };
    const OneCell cell;
    Canvas canvas = {};
    ASSERT_TRUE(create_image_canvas(canvas, CAIRO_FORMAT_RGB24, 360, 180));
    for (const Case& c : cases) {
        paint_map(canvas, 360, 180, cell.map(), c.view, PieceColouring{test_colour, nullptr}, OUTLINE_PLAIN);
        EXPECT_EQ(read_pixel(canvas, c.x, c.y), c.map & 0xFFFFFF) << c.x << " " << c.y;
        paint_picking_map(canvas, 360, 180, cell.map(), c.view, POLYGONS);
        EXPECT_EQ(read_pixel(canvas, c.x, c.y), c.picking & 0xFFFFFF) << c.x << " " << c.y;
    }
    close_canvas(canvas);
}
