// app/app.h: the shell's shared entry points and state, one declaration each.
// Only app/ and tests include it; the core never names a Win32 type.
#pragma once
#include <windows.h>

// The whole life of the program: start-up, message loop, shutdown; returns the quit code.
int run_application(int show_command);

// The main map window's procedure and the window it serves.
LRESULT CALLBACK map_window_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
extern HWND main_window;
