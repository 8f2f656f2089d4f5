// tests/win32/app_flag_window_test.cpp: the flag window after the real start-up: its place, its
// 2:1 sizing, its minimum, the selected flag on its surface, and hiding instead of closing.
#include <gtest/gtest.h>
#include "app/app.h"
#include "tests/win32/running_application.h"

namespace {
const int FRANCE = 65;

class FlagWindow : public RunningApplication {
protected:
    SIZE frame()
    {
        RECT outer, client;
        GetWindowRect(flag_window, &outer);
        GetClientRect(flag_window, &client);
        return SIZE{(outer.right - outer.left) - client.right, (outer.bottom - outer.top) - client.bottom};
    }
    Colour shown_at(int x, int y) { return read_pixel(flag_surface.shown, x, y); }
};
}  // namespace

TEST_F(FlagWindow, StartsVisibleRightAlignedUnderTheMapWindow)
{
    EXPECT_TRUE(IsWindowVisible(flag_window));
    RECT main_rect, own, client;
    GetWindowRect(main_window, &main_rect);
    GetWindowRect(flag_window, &own);
    GetClientRect(flag_window, &client);
    EXPECT_EQ(own.right, main_rect.right);
    EXPECT_EQ(own.top, main_rect.bottom);
    EXPECT_EQ(client.right, 480);
    EXPECT_EQ(client.bottom, 240);
    EXPECT_EQ(GetWindowLongA(flag_window, GWL_STYLE) & WS_MINIMIZEBOX, 0);
}

TEST_F(FlagWindow, DraggingKeepsTheClientAtTwoToOne)
{
    const SIZE f = frame();
    struct Case {
        int edge;
        int client_width, client_height;   // proposed
        int want_width, want_height;
    } cases[] = {
        {WMSZ_RIGHT, 600, 240, 600, 300},
        {WMSZ_BOTTOM, 480, 200, 400, 200},
    };
    for (const Case& c : cases) {
        RECT r = {100, 300, 100 + f.cx + c.client_width, 300 + f.cy + c.client_height};
        EXPECT_EQ(SendMessageA(flag_window, WM_SIZING, c.edge, LPARAM(&r)), TRUE);
        EXPECT_EQ(r.left, 100);
        EXPECT_EQ(r.right - r.left - f.cx, c.want_width) << c.edge;
        EXPECT_EQ(r.bottom - r.top - f.cy, c.want_height) << c.edge;
    }
    MINMAXINFO limits = {};
    SendMessageA(flag_window, WM_GETMINMAXINFO, 0, LPARAM(&limits));
    EXPECT_EQ(limits.ptMinTrackSize.x, f.cx + 240);
    EXPECT_EQ(limits.ptMinTrackSize.y, f.cy + 120);
}

TEST_F(FlagWindow, ShowsTheSelectedCountrysFlagOnTheBackground)
{
    paint_flag_surface();
    EXPECT_EQ(shown_at(240, 120), BACKGROUND_COLOUR & 0xFFFFFFu);
    click_country(FRANCE);
    EXPECT_EQ(flag_surface.dirty, 1);
    paint_flag_surface();
    const Colour left = shown_at(40, 120), middle = shown_at(240, 120), right = shown_at(440, 120);
    EXPECT_EQ(middle, 0xFFFFFFu);
    EXPECT_GT(left >> 16 & 0xFF, left & 0xFF);     // blue
    EXPECT_GT(right & 0xFF, right >> 16 & 0xFF);   // red
}

TEST_F(FlagWindow, CloseHidesAndCtrlFShowsItAgainWithItsSize)
{
    RECT before, after;
    GetWindowRect(flag_window, &before);
    EXPECT_EQ(SendMessageA(flag_window, WM_CLOSE, 0, 0), 0);
    EXPECT_TRUE(IsWindow(flag_window));
    EXPECT_FALSE(IsWindowVisible(flag_window));
    MSG ctrl_f = {main_window, WM_KEYDOWN, 'F', 0};
    BYTE keys[256] = {};   // TranslateAccelerator reads Ctrl from the thread's key state
    GetKeyboardState(keys);
    keys[VK_CONTROL] = 0x80;
    SetKeyboardState(keys);
    EXPECT_TRUE(TranslateAcceleratorA(main_window, accelerators, &ctrl_f));
    keys[VK_CONTROL] = 0;
    SetKeyboardState(keys);
    EXPECT_TRUE(IsWindowVisible(flag_window));
    GetWindowRect(flag_window, &after);
    EXPECT_EQ(after.right - after.left, before.right - before.left);
    EXPECT_EQ(after.bottom - after.top, before.bottom - before.top);
}
