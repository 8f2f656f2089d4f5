// tests/win32/app_application_test.cpp: start-up creates the main window and the message loop
// ends with the quit code.
#include <gtest/gtest.h>
#include "app/app.h"

static const UINT_PTR SOON_MS = 50;

// Runs from the message loop's DispatchMessageA, so the loop is really running by then.
static void CALLBACK close_main_window(HWND, UINT, UINT_PTR timer, DWORD)
{
    KillTimer(NULL, timer);
    PostMessageA(main_window, WM_CLOSE, 0, 0);
}

static void destroy_main_window()
{
    DestroyWindow(main_window);
    MSG message;
    while (PeekMessageA(&message, NULL, 0, 0, PM_REMOVE)) {}   // drops the WM_QUIT it posts
    main_window = NULL;
}

TEST(RunApplication, LoopReturnsTheQuitCode)
{
    PostQuitMessage(7);
    EXPECT_EQ(run_application(SW_HIDE), 7);
    destroy_main_window();
}

TEST(RunApplication, MainWindowHasItsClassCaptionAndStyle)
{
    PostQuitMessage(0);
    run_application(SW_HIDE);
    ASSERT_NE(main_window, nullptr);
    char text[64] = {};
    GetClassNameA(main_window, text, sizeof text);
    EXPECT_STREQ(text, "OrbilyWindow");
    GetWindowTextA(main_window, text, sizeof text);
    EXPECT_STREQ(text, "Orbily - World Map Viewer");
    const LONG style = GetWindowLongA(main_window, GWL_STYLE);
    EXPECT_EQ(style & WS_OVERLAPPEDWINDOW, WS_OVERLAPPEDWINDOW);
    EXPECT_TRUE(style & WS_HSCROLL);
    EXPECT_TRUE(GetWindowLongA(main_window, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
    RECT outer;
    GetWindowRect(main_window, &outer);
    EXPECT_EQ(outer.left, 0);
    EXPECT_EQ(outer.top, 0);
    destroy_main_window();
}

TEST(RunApplication, ClientIsHalfTheScreenWide)
{
    PostQuitMessage(0);
    run_application(SW_HIDE);
    RECT client;
    GetClientRect(main_window, &client);
    EXPECT_EQ(client.right, GetSystemMetrics(SM_CXSCREEN) / 2);
    destroy_main_window();
}

TEST(RunApplication, ClosingTheMainWindowEndsWithZero)
{
    SetTimer(NULL, 0, SOON_MS, close_main_window);
    EXPECT_EQ(run_application(SW_SHOWNORMAL), 0);
    destroy_main_window();
}

// Runs from the message loop, like a click on the menu item.
static void CALLBACK choose_exit(HWND, UINT, UINT_PTR timer, DWORD)
{
    KillTimer(NULL, timer);
    PostMessageA(main_window, WM_COMMAND, COMMAND_EXIT, 0);
}

TEST(RunApplication, ExitCommandEndsWithZero)
{
    SetTimer(NULL, 0, SOON_MS, choose_exit);
    EXPECT_EQ(run_application(SW_SHOWNORMAL), 0);
    destroy_main_window();
}

TEST(StartApplication, ClassStylesGiveOwnDcAndDoubleClicks)
{
    start_application(SW_HIDE);
    EXPECT_EQ(GetClassLongA(main_window, GCL_STYLE), DWORD(CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS | CS_OWNDC));
    shut_down_application();
    destroy_main_window();
}

TEST(StartApplication, ClientIsNineSixtyByFourEightyAtTheTopLeftOfAWideScreen)
{
    if (GetSystemMetrics(SM_CXSCREEN) != 1920) GTEST_SKIP() << "needs a screen 1920 pixels wide";
    start_application(SW_SHOWNORMAL);
    RECT client;
    GetClientRect(main_window, &client);
    EXPECT_EQ(client.right, 960);
    EXPECT_EQ(client.bottom, 480);
    POINT origin = {0, 0};
    ClientToScreen(main_window, &origin);
    RECT outer;
    GetWindowRect(main_window, &outer);
    EXPECT_EQ(outer.left, 0);
    EXPECT_EQ(outer.top, 0);
    EXPECT_EQ(outer.right - outer.left, map_surface.outer_width);
    EXPECT_EQ(outer.bottom - outer.top, map_surface.outer_height);
    EXPECT_GT(origin.y, 0);   // below the caption and the menu bar
    // both map surfaces are twice the client each way
    EXPECT_EQ(map_surface.fill.right, 1920);
    EXPECT_EQ(map_surface.fill.bottom, 960);
    EXPECT_EQ(picking_surface.fill.right, 1920);
    EXPECT_EQ(picking_surface.fill.bottom, 960);
    shut_down_application();
    destroy_main_window();
}

TEST(StartApplication, TenAcceleratorsInOrder)
{
    start_application(SW_HIDE);
    ACCEL table[16] = {};
    ASSERT_EQ(CopyAcceleratorTableA(accelerators, table, 16), 10);
    const struct { BYTE flags; WORD key; WORD command; } expected[] = {
        {FVIRTKEY | FCONTROL, 'A', 8}, {FVIRTKEY | FCONTROL, 'B', 1}, {FVIRTKEY | FCONTROL, 'D', 11},
        {FVIRTKEY | FCONTROL, 'F', 10}, {FVIRTKEY | FCONTROL, 'O', 7}, {FVIRTKEY | FCONTROL, 'S', 2},
        {FVIRTKEY | FCONTROL, 'T', 3}, {FVIRTKEY | FCONTROL, 'V', 4}, {FVIRTKEY, VK_ESCAPE, 9},
        {FVIRTKEY, VK_F1, 5},
    };
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(table[i].fVirt & ~0x80, expected[i].flags) << i;   // 0x80 marks the last entry
        EXPECT_EQ(table[i].key, expected[i].key) << i;
        EXPECT_EQ(table[i].cmd, expected[i].command) << i;
    }
    shut_down_application();
    destroy_main_window();
}

TEST(StartApplication, StartsWithTheWholeMapOfProjectionZeroAndNoSelection)
{
    start_application(SW_HIDE);
    EXPECT_EQ(current_projection, 0);
    EXPECT_EQ(selected_country, 0);
    EXPECT_EQ(outline_mode, OUTLINE_CELL_FRAMES);
    EXPECT_EQ(GetScrollPos(main_window, SB_HORZ), 0);
    int low = -1, high = -1;
    GetScrollRange(main_window, SB_HORZ, &low, &high);
    EXPECT_EQ(low, 0);
    EXPECT_EQ(high, 23);
    char caption[64] = {};
    GetWindowTextA(main_window, caption, sizeof caption);
    EXPECT_STREQ(caption, "Orbily - World Map Viewer");   // no projection caption yet
    shut_down_application();
    destroy_main_window();
}
