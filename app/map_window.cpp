// app/map_window.cpp: the main map window's procedure. Closing the window ends the message loop
// with exit code 0.
#include "app/app.h"

HWND main_window;

LRESULT CALLBACK map_window_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam)
{
    switch (message) {
    case WM_CLOSE:
    case WM_DESTROY: PostQuitMessage(0); return 0;
    }
    return DefWindowProcA(window, message, wparam, lparam);
}
