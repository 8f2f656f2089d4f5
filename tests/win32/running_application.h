// tests/win32/running_application.h: a fixture that starts the program without its message loop,
// with the main window hidden but sized (the statistics and flag windows show themselves), and
// takes it all down again after each test.
#pragma once
#include <gtest/gtest.h>
#include "app/app.h"

class RunningApplication : public ::testing::Test {
protected:
    void SetUp() override
    {
        start_application(SW_HIDE);
        // a hidden window gets its first WM_SIZE when first shown; send it as showing would
        RECT client;
        GetClientRect(main_window, &client);
        SendMessageA(main_window, WM_SIZE, SIZE_RESTORED, MAKELPARAM(client.right, client.bottom));
    }
    void TearDown() override
    {
        shut_down_application();
        DestroyWindow(flag_window);
        DestroyWindow(stats_window);
        DestroyWindow(main_window);
        MSG message;
        while (PeekMessageA(&message, NULL, 0, 0, PM_REMOVE)) {}
        flag_window = stats_window = main_window = NULL;
    }
};
