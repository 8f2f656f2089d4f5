// tests/win32/app_map_window_test.cpp: the map window's keys, buttons, wheel, scroll bar,
// commands and caption, sent to a window after the real start-up.
#include <gtest/gtest.h>
#include <string>
#include "app/app.h"
#include "geo/countries.h"
#include "projection/names.h"
#include "tests/win32/running_application.h"

namespace {

LPARAM at(int x, int y) { return MAKELPARAM(x, y); }

std::string caption()
{
    char text[256] = {};
    GetWindowTextA(main_window, text, sizeof text);
    return text;
}

std::string projection_caption(int index)
{
    char text[256] = "Orbily - ";
    format_projection_label(index, text, ' ');
    return text;
}

class MapWindow : public RunningApplication {
protected:
    LRESULT send(UINT message, WPARAM wparam = 0, LPARAM lparam = 0)
    {
        return SendMessageA(main_window, message, wparam, lparam);
    }
    int rotation() { return GetScrollPos(main_window, SB_HORZ); }
    // The client point over the first land pixel of a code on the picking surface, or (-1, -1).
    POINT find_client_point(int code)
    {
        for (int y = 0; y < map_surface.client.bottom; y += 2)
            for (int x = 0; x < map_surface.client.right; x += 2)
                if (pick_country(at(x, y)) == code) return POINT{x, y};
        return POINT{-1, -1};
    }
    // Any client point over land: its code and position.
    int find_land(POINT& point)
    {
        for (int y = 0; y < map_surface.client.bottom; y += 3)
            for (int x = 0; x < map_surface.client.right; x += 3) {
                const int code = pick_country(at(x, y));
                if (code > 0 && code < 215) {
                    point = POINT{x, y};
                    return code;
                }
            }
        return 0;
    }
    bool whole_map()
    {
        return map_view.left == 0.0f && map_view.top == 0.0f && map_view.right == 360.0f &&
               map_view.bottom == 180.0f && map_view.zoom == 1.0f;
    }
};

}  // namespace

// 1. Projection keys, buttons and commands.
TEST_F(MapWindow, DownAtTheLastProjectionGivesTheFirst)
{
    set_projection(127, 0);
    EXPECT_EQ(send(WM_KEYDOWN, VK_DOWN), 0);
    EXPECT_EQ(current_projection, 0);
    EXPECT_EQ(caption(), projection_caption(0));
}

TEST_F(MapWindow, UpAtTheFirstProjectionGivesTheLast)
{
    send(WM_KEYDOWN, VK_UP);
    EXPECT_EQ(current_projection, 127);
    send(WM_RBUTTONDOWN);   // the right button is the next projection
    EXPECT_EQ(current_projection, 0);
    send(WM_MBUTTONDOWN);   // the middle button the previous one
    EXPECT_EQ(current_projection, 127);
}

TEST_F(MapWindow, ProjectionItemSetsProjectionCaptionAndWholeMapAtStepZero)
{
    rotate_by(+1);
    zoom_about(180.0f, 90.0f, 4.0f);
    send(WM_COMMAND, 257);   // Cylindrical group: 256 + entry 1
    EXPECT_EQ(current_projection, 1);
    EXPECT_EQ(caption(), "Orbily - Mercator (Ch'ien Lo-Chih, c.940AD)");
    EXPECT_EQ(rotation(), 0);
    EXPECT_TRUE(whole_map());
    send(WM_COMMAND, 768 + 30);   // Azimuthal group
    EXPECT_EQ(current_projection, 30);
}

TEST_F(MapWindow, CommandsOutsideTheTableDoNothing)
{
    for (int number : {0, 14, 255, 256 + 200, 1408, 0xFFFF}) send(WM_COMMAND, WPARAM(number));
    EXPECT_EQ(current_projection, 0);
    EXPECT_EQ(caption(), "Orbily - World Map Viewer");
}

TEST_F(MapWindow, ShowBoundariesTogglesTheOutlineMode)
{
    send(WM_COMMAND, COMMAND_SHOW_BOUNDARIES);
    EXPECT_EQ(outline_mode, OUTLINE_BOUNDARIES);
    EXPECT_EQ(map_surface.dirty, 1);
    send(WM_COMMAND, COMMAND_SHOW_BOUNDARIES);
    EXPECT_EQ(outline_mode, OUTLINE_CELL_FRAMES);
}

// 2. Rotation: keys, scroll bar, Ctrl+wheel.
TEST_F(MapWindow, LeftAtStepZeroGivesStepTwentyThreeAndTwentyFourRightsComeBack)
{
    EXPECT_EQ(send(WM_KEYDOWN, VK_LEFT), 0);
    EXPECT_EQ(rotation(), 23);
    for (int i = 0; i < 24; ++i) send(WM_KEYDOWN, VK_RIGHT);
    EXPECT_EQ(rotation(), 23);
    rotate_by(+1);
    EXPECT_EQ(rotation(), 0);
}

TEST_F(MapWindow, ScrollBarTurnsByStepsAndFollowsTheThumb)
{
    send(WM_HSCROLL, SB_LINERIGHT);
    send(WM_HSCROLL, SB_PAGERIGHT);
    EXPECT_EQ(rotation(), 2);
    send(WM_HSCROLL, SB_PAGELEFT);
    EXPECT_EQ(rotation(), 1);
    send(WM_HSCROLL, MAKEWPARAM(SB_THUMBTRACK, 17));
    EXPECT_EQ(rotation(), 17);
    send(WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 5));
    EXPECT_EQ(rotation(), 5);
}

TEST_F(MapWindow, RotationKeepsTheView)
{
    zoom_about(100.0f, 50.0f, 2.0f);
    const MapView before = map_view;
    rotate_by(+1);
    EXPECT_EQ(map_view.left, before.left);
    EXPECT_EQ(map_view.zoom, before.zoom);
}

TEST_F(MapWindow, ControlWheelTurnsTheGlobe)
{
    send(WM_MOUSEWHEEL, MAKEWPARAM(MK_CONTROL, WHEEL_DELTA), at(100, 100));
    EXPECT_EQ(rotation(), 1);
    send(WM_MOUSEWHEEL, MAKEWPARAM(MK_CONTROL, -WHEEL_DELTA), at(100, 100));
    send(WM_MOUSEWHEEL, MAKEWPARAM(MK_CONTROL, -WHEEL_DELTA), at(100, 100));
    EXPECT_EQ(rotation(), 23);
    EXPECT_TRUE(whole_map());
}

// 3. Zoom.
TEST_F(MapWindow, WheelZoomsInAndBackToExactlyTheWholeMap)
{
    POINT centre = {map_surface.client.right / 2, map_surface.client.bottom / 2};
    ClientToScreen(main_window, &centre);
    for (int i = 0; i < 5; ++i) send(WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), at(centre.x, centre.y));
    EXPECT_GT(map_view.zoom, 1.6f);
    EXPECT_EQ(map_surface.dirty, 1);
    for (int i = 0; i < 8; ++i) send(WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), at(centre.x, centre.y));
    EXPECT_TRUE(whole_map());
}

// A monitor left of and above the primary one has negative screen coordinates; the wheel zooms
// about the cursor there as anywhere else.
TEST_F(MapWindow, WheelLeftOfAndAboveThePrimaryMonitorZoomsAboutTheCursor)
{
    SetWindowPos(main_window, NULL, -900, -700, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    const POINT client = {map_surface.client.right / 4, map_surface.client.bottom / 4};
    POINT screen = client;
    ClientToScreen(main_window, &screen);
    ASSERT_LT(screen.x, 0);
    ASSERT_LT(screen.y, 0);
    send(WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), at(screen.x, screen.y));
    const MapView by_wheel = map_view;
    send(WM_COMMAND, COMMAND_SHOW_ALL);
    wheel_zoom(client.x, client.y, false);
    EXPECT_EQ(by_wheel.left, map_view.left);
    EXPECT_EQ(by_wheel.top, map_view.top);
    EXPECT_EQ(by_wheel.zoom, map_view.zoom);
}

TEST_F(MapWindow, ShowAllResetsTheView)
{
    zoom_about(300.0f, 20.0f, 8.0f);
    EXPECT_FALSE(whole_map());
    send(WM_COMMAND, COMMAND_SHOW_ALL);
    EXPECT_TRUE(whole_map());
}

TEST_F(MapWindow, DoubleClickOnACountryZoomsToItAndOnTheSeaShowsAll)
{
    POINT land;
    const int code = find_land(land);
    ASSERT_GT(code, 0);
    send(WM_LBUTTONDBLCLK, 0, at(land.x, land.y));
    EXPECT_GT(map_view.zoom, 1.0f);
    // the country is now in the middle of the view
    EXPECT_EQ(pick_country(at(map_surface.client.right / 2, map_surface.client.bottom / 2)) > 0, true);
    POINT sea = find_client_point(0);
    ASSERT_GE(sea.x, 0);
    send(WM_LBUTTONDBLCLK, 0, at(sea.x, sea.y));
    EXPECT_TRUE(whole_map());
}

// Antarctica and Russia span the whole width of the start-up map, so they cannot be fitted there.
TEST_F(MapWindow, DoubleClickOnAntarcticaTurnsToPolarOrthographic)
{
    double_click_country(9);
    EXPECT_EQ(current_projection, 30);
    EXPECT_EQ(rotation(), 0);
    EXPECT_EQ(caption(), projection_caption(30));
}

TEST_F(MapWindow, DoubleClickOnRussiaTurnsToPolyconicAtStepEighteenAndZooms)
{
    double_click_country(165);
    EXPECT_EQ(current_projection, 27);
    EXPECT_EQ(rotation(), 18);
    EXPECT_GT(map_view.zoom, 1.0f);
}

// France's and the United Kingdom's overseas pieces spread wider than the frame in every
// projection: the double-click shows the heartland in the middle of the view.
TEST_F(MapWindow, DoubleClickOnFranceOrTheUnitedKingdomZoomsToItsHeartland)
{
    for (int code : {65, 67}) {
        double_click_country(code);
        EXPECT_EQ(current_projection, 0);
        EXPECT_GT(map_view.zoom, 4.0f) << code;
        EXPECT_EQ(pick_country(at(map_surface.client.right / 2, map_surface.client.bottom / 2)), code);
        send(WM_COMMAND, COMMAND_SHOW_ALL);
    }
}

// 4. Selection and picking.
TEST_F(MapWindow, ClickSelectsAndEscapeThroughTheAcceleratorsClearsIt)
{
    POINT land;
    const int code = find_land(land);
    ASSERT_GT(code, 0);
    send(WM_LBUTTONDOWN, 0, at(land.x, land.y));
    EXPECT_EQ(selected_country, code);
    MSG escape = {main_window, WM_KEYDOWN, VK_ESCAPE, 1, 0, {0, 0}};
    EXPECT_TRUE(TranslateAcceleratorA(main_window, accelerators, &escape));
    EXPECT_EQ(selected_country, 0);
}

TEST_F(MapWindow, ClickOnARegionSelectsItsParent)
{
    for (int code = FIRST_REGION; code <= COUNTRY_CODE_COUNT; ++code) {
        click_country(code);
        EXPECT_EQ(selected_country, country_of(code)) << code;
        EXPECT_LT(selected_country, FIRST_REGION);
    }
}

TEST_F(MapWindow, PickingOutsideTheClientGivesNoCountry)
{
    EXPECT_EQ(pick_country(at(0xFFFF, 10)), 0);
    EXPECT_EQ(pick_country(at(10, 0xFFFF)), 0);
    EXPECT_EQ(pick_country(at(map_surface.client.right, map_surface.client.bottom)), 0);
}

TEST_F(MapWindow, MinimumTrackingSizeIsTwoFiftySixByOneNinetyTwo)
{
    MINMAXINFO info = {};
    EXPECT_EQ(send(WM_GETMINMAXINFO, 0, LPARAM(&info)), 0);
    EXPECT_EQ(info.ptMinTrackSize.x, 256);
    EXPECT_EQ(info.ptMinTrackSize.y, 192);
}

TEST_F(MapWindow, OriginalSizeRestoresTheStartUpOuterSize)
{
    SetWindowPos(main_window, NULL, 0, 0, 500, 400, SWP_NOZORDER | SWP_NOMOVE);
    send(WM_COMMAND, COMMAND_ORIGINAL_SIZE);
    RECT outer;
    GetWindowRect(main_window, &outer);
    EXPECT_EQ(outer.right - outer.left, map_surface.outer_width);
    EXPECT_EQ(outer.bottom - outer.top, map_surface.outer_height);
}

TEST_F(MapWindow, ResizingRefitsBothSurfaces)
{
    SetWindowPos(main_window, NULL, 0, 0, 700, 500, SWP_NOZORDER | SWP_NOMOVE);
    RECT client;
    GetClientRect(main_window, &client);
    EXPECT_EQ(map_surface.client.right, client.right);
    EXPECT_EQ(picking_surface.client.bottom, client.bottom);
    EXPECT_EQ(map_surface.fill.right, used_extent(client.right, screen_width));
    EXPECT_EQ(picking_surface.fill.bottom, used_extent(client.bottom, screen_height));
}
