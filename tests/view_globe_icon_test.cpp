// tests/view_globe_icon_test.cpp
#include <gtest/gtest.h>
#include "platform/cairo_draw.h"
#include "view/globe_icon.h"
#include "view/world.h"

// 1. Anchors: map x 90..270 and y 0..180 fill 0..254, truncated.
TEST(MapPointsToIcon, GlobeFillsZeroToTwoFiftyFour)
{
    const float points[] = {90.0f, 0.0f, 270.0f, 180.0f, 180.0f, 90.0f, 89.0f, 1.0f};
    const ProjectedMap map = {nullptr, 0, points, 4};
    DevicePoint out[4];
    map_points_to_icon(map, out);
    EXPECT_EQ(out[0].x, 0);
    EXPECT_EQ(out[0].y, 0);
    EXPECT_EQ(out[1].x, 254);
    EXPECT_EQ(out[1].y, 254);
    EXPECT_EQ(out[2].x, 127);
    EXPECT_EQ(out[2].y, 127);
    EXPECT_EQ(out[3].x, -1);
    EXPECT_EQ(out[3].y, 1);
}

// 2. Invariants of the real globe: opaque exactly where sea or land is drawn, a disc of them.
TEST(PaintIcon, GreenLandOnBlueSeaInsideATransparentCorneredDisc)
{
    prepare_world();
    const ProjectedMap globe = project_all(ICON_PROJECTION, 0);
    Canvas mask{}, colours{};
    ASSERT_TRUE(create_image_canvas(mask, CAIRO_FORMAT_RGB24, ICON_SIZE, ICON_SIZE));
    ASSERT_TRUE(create_image_canvas(colours, CAIRO_FORMAT_RGB24, ICON_SIZE, ICON_SIZE));
    paint_icon_mask(mask, globe);
    paint_icon_colours(colours, globe);
    int land = 0, sea = 0;
    for (int y = 0; y < ICON_SIZE; ++y)
        for (int x = 0; x < ICON_SIZE; ++x) {
            const Colour m = read_pixel(mask, x, y), c = read_pixel(colours, x, y);
            ASSERT_TRUE(m == 0 || m == 0xFFFFFFu) << x << "," << y;
            ASSERT_EQ(m == 0, c != 0) << x << "," << y;   // opaque exactly where something is drawn
            ASSERT_TRUE(c == 0 || c == ICON_SEA || c == ICON_LAND) << x << "," << y;
            land += c == ICON_LAND;
            sea += c == ICON_SEA;
            const double dx = x - 127.5, dy = y - 127.5, r2 = dx * dx + dy * dy;
            if (r2 > 130.0 * 130.0) EXPECT_EQ(m, 0xFFFFFFu) << "outside the disc " << x << "," << y;
            if (r2 < 120.0 * 120.0) EXPECT_EQ(m, 0u) << "inside the disc " << x << "," << y;
        }
    EXPECT_GT(land, 5000);   // the globe shows continents as well as oceans
    EXPECT_GT(sea, land);
    close_canvas(mask);
    close_canvas(colours);
}
