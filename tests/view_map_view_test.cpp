// tests/view_map_view_test.cpp
#include <cstring>
#include <gtest/gtest.h>
#include "view/map_view.h"

static uint32_t bits_of(float f)
{
    uint32_t b;
    std::memcpy(&b, &f, sizeof b);
    return b;
}

static MapView map_view;

static void expect_view(float left, float top, float right, float bottom, float zoom)
{
    EXPECT_FLOAT_EQ(map_view.left, left);
    EXPECT_FLOAT_EQ(map_view.top, top);
    EXPECT_FLOAT_EQ(map_view.right, right);
    EXPECT_FLOAT_EQ(map_view.bottom, bottom);
    EXPECT_FLOAT_EQ(map_view.zoom, zoom);
}

// 1. Zooming about a point.
TEST(ZoomViewAbout, KeepsThePointUnderTheSameClientPoint)
{
    map_view = WHOLE_MAP_VIEW;
    zoom_view_about(map_view, 90.0f, 45.0f, 2.0f);
    expect_view(45.0f, 22.5f, 225.0f, 112.5f, 2.0f);
}

TEST(ZoomViewAbout, PushesTheViewBackInsideTheFrame)
{
    map_view = WHOLE_MAP_VIEW;
    zoom_view_about(map_view, 360.0f, 180.0f, 4.0f);   // the far corner stays the corner
    expect_view(270.0f, 135.0f, 360.0f, 180.0f, 4.0f);
    map_view = MapView{10.0f, 5.0f, 100.0f, 50.0f, 4.0f};
    zoom_view_about(map_view, 20.0f, 10.0f, 1.5f);      // the near edges would go below 0
    expect_view(0.0f, 0.0f, 240.0f, 120.0f, 1.5f);
}

// 2. The wheel.
TEST(WheelZoomView, FactorsAreTheStatedFloats)
{
    EXPECT_EQ(bits_of(WHEEL_ZOOM_IN), 0x3F8CCCCDu);
    EXPECT_EQ(bits_of(WHEEL_ZOOM_OUT), 0x3F68BA2Eu);
}

TEST(WheelZoomView, StepsBackEndAtExactlyTheWholeMap)
{
    map_view = WHOLE_MAP_VIEW;
    for (int i = 0; i < 30; ++i) ASSERT_TRUE(wheel_zoom_view(map_view, 900, 100, 960, 480, false));
    EXPECT_GT(map_view.zoom, 17.0f);
    EXPECT_FLOAT_EQ(map_view.right - map_view.left, 2.0f * (map_view.bottom - map_view.top));
    for (int i = 0; i < 60; ++i) wheel_zoom_view(map_view, 950, 470, 960, 480, true);
    expect_view(0.0f, 0.0f, 360.0f, 180.0f, 1.0f);
}

TEST(WheelZoomView, BelowElevenTenthsOneStepBackShowsEverything)
{
    map_view = WHOLE_MAP_VIEW;
    zoom_view_about(map_view, 100.0f, 50.0f, 1.05f);
    EXPECT_TRUE(wheel_zoom_view(map_view, 10, 10, 960, 480, true));
    expect_view(0.0f, 0.0f, 360.0f, 180.0f, 1.0f);
}

TEST(WheelZoomView, StopsZoomingInAtTheLimitAndKeepsTheRightEdge)
{
    map_view = WHOLE_MAP_VIEW;
    int steps = 0;
    while (wheel_zoom_view(map_view, 960, 240, 960, 480, false)) {   // at the client's right edge
        ++steps;
        ASSERT_NEAR(map_view.right, 360.0f, 1e-3);
        ASSERT_LE(map_view.right, 360.0f);
        ASSERT_LE(map_view.zoom, 220.0f);
    }
    EXPECT_GE(map_view.zoom, 200.0f);
    EXPECT_EQ(steps, 56);   // 1.1^55 < 200 <= 1.1^56
}

// 3. Fitting a country: polygons and a projected piece list made up for the test.
class FitViewToCountry : public ::testing::Test {
protected:
    PolygonEntry polygons[8] = {};
    int32_t list[16];
    float points[64];
    ProjectedMap map = {list, 0, points, 0};
    void SetUp() override { map_view = WHOLE_MAP_VIEW; }
    // one polygon of the code, projected as the axis-parallel box (x0, y0)..(x1, y1), its last
    // corner repeated to make it a larger piece
    void add_piece(int code, float x0, float y0, float x1, float y1, bool dropped = false, int repeats = 0)
    {
        const int polygon = map.list_length / 2 + 1;
        polygons[polygon].country = code;
        list[map.list_length++] = polygon;
        list[map.list_length++] = dropped ? 0 : 4 + repeats;
        if (dropped) return;
        const float box[8] = {x0, y0, x1, y0, x1, y1, x0, y1};
        std::memcpy(points + 2 * map.point_count, box, sizeof box);
        map.point_count += 4;
        for (int i = 0; i < repeats; ++i, ++map.point_count) {
            points[2 * map.point_count] = x0;
            points[2 * map.point_count + 1] = y1;
        }
    }
    bool fit(int code) { return fit_view_to_country(map_view, map, polygons, code); }
};

TEST_F(FitViewToCountry, CountryFillsTheMiddleHalf)
{
    add_piece(5, 100, 50, 110, 55);
    add_piece(6, 0, 0, 360, 180);
    ASSERT_TRUE(fit(5));
    expect_view(95.0f, 47.5f, 115.0f, 57.5f, 18.0f);
}

TEST_F(FitViewToCountry, TallBoxWidensToTwoToOne)
{
    add_piece(5, 100, 50, 110, 70);   // W 10, H 20: W becomes 40 about x = 105
    ASSERT_TRUE(fit(5));
    expect_view(65.0f, 40.0f, 145.0f, 80.0f, 4.5f);
}

TEST_F(FitViewToCountry, RegionPiecesCountOnlyNearTheBox)
{
    add_piece(200, 100, 50, 110, 55);   // United States of America
    add_piece(236, 300, 150, 302, 151);   // Alaska, far from both bands: left out
    add_piece(237, 108, 100, 109, 101);   // Hawaii, inside the x band: taken
    ASSERT_TRUE(fit(200));
    EXPECT_FLOAT_EQ(map_view.bottom - map_view.top, 2.0f * 51.0f);
    EXPECT_LT(map_view.right, 300.0f);
    // a region alone is fitted by its own code
    ASSERT_TRUE(fit(236));
    EXPECT_FLOAT_EQ(map_view.left, 300.0f - 1.0f);   // half the 2-unit box on each side
}

TEST_F(FitViewToCountry, EdgesPushInsideOrFail)
{
    add_piece(5, 1, 80, 11, 85);   // left edge: view 0..20
    ASSERT_TRUE(fit(5));
    EXPECT_FLOAT_EQ(map_view.left, 0.0f);
    EXPECT_FLOAT_EQ(map_view.right, 20.0f);
    add_piece(7, 0, 0, 200, 10);   // wider than half the frame cannot be fitted
    const MapView before = map_view;
    EXPECT_FALSE(fit(7));
    EXPECT_EQ(std::memcmp(&before, &map_view, sizeof before), 0);
}

TEST_F(FitViewToCountry, AnyDroppedPieceRefuses)
{
    add_piece(5, 100, 50, 110, 55);
    add_piece(8, 0, 0, 0, 0, true);
    EXPECT_FALSE(fit(5));
    expect_view(0.0f, 0.0f, 360.0f, 180.0f, 1.0f);
    EXPECT_FALSE(fit(9));   // a code without pieces: an empty box
}

TEST_F(FitViewToCountry, HeartlandLeavesOutOverseasPiecesSpreadWiderThanTheFrame)
{
    add_piece(65, 300, 120, 301, 121);           // overseas, first in the list
    add_piece(65, 175, 40, 185, 50, false, 4);   // the largest piece
    add_piece(65, 120, 43, 121, 44);             // close in y only: left out
    add_piece(223, 188, 48, 189, 49);            // a region near in y: taken, as always
    add_piece(65, 184, 49, 186, 51);             // close both ways: taken
    EXPECT_FALSE(fit(65));
    ASSERT_TRUE(fit_view_to_heartland(map_view, map, polygons, 65));
    expect_view(160.0f, 34.5f, 204.0f, 56.5f, 360.0f / 44.0f);   // the box 175..189 x 40..51
}

TEST(DoubleClickFallback, AntarcticaRussiaAndTheRest)
{
    EXPECT_EQ(double_click_fallback(9).projection, 30);
    EXPECT_EQ(double_click_fallback(9).rotation, 0);
    EXPECT_EQ(double_click_fallback(165).projection, 27);
    EXPECT_EQ(double_click_fallback(165).rotation, 18);
    EXPECT_EQ(double_click_fallback(65).projection, 0);
    EXPECT_EQ(double_click_fallback(65).rotation, 0);
}
