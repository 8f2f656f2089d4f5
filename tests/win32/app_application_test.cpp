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
