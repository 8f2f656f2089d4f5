// app/flag_window.cpp: the flag window under the map: the selected country's flag on the dark
// teal background, kept at a 2:1 client while a border is dragged. Closing it only hides it.
#include "app/app.h"
#include "flags/flags.h"
#include "view/flag_sizing.h"

HWND flag_window;
ViewSurface flag_surface;

static const char FLAG_CLASS_NAME[] = "OrbilyFlagWindow";
static const char FLAG_CAPTION[] = "Orbily - Flag";
static const DWORD FLAG_STYLE = WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MAXIMIZEBOX;   // no minimise box
static const DWORD FLAG_EX_STYLE = WS_EX_CLIENTEDGE;

// The frame around the client, from the outer size of the smallest client, and the screen.
static FlagFrame flag_frame()
{
    return FlagFrame{flag_surface.outer_width - FLAG_MIN_CLIENT_WIDTH,
                     flag_surface.outer_height - FLAG_MIN_CLIENT_HEIGHT, screen_width, screen_height};
}

void paint_flag_surface()
{
    Canvas& canvas = flag_surface.canvas;
    const RECT& used = flag_surface.fill;
    fill_rect(canvas, DeviceRect{0, 0, used.right, used.bottom}, BACKGROUND_COLOUR);
    // stretched over the whole used area, whatever the flag's own proportions
    if (selected_country > 0) draw_flag(canvas, used.right, used.bottom, selected_country);
    finish_surface(flag_surface);
}

static void on_size(HWND window, WPARAM wparam, LPARAM lparam)
{
    if (wparam == SIZE_MINIMIZED) return;
    GetClientRect(window, &flag_surface.client);
    fit_surface(flag_surface, LOWORD(lparam), HIWORD(lparam));
    InvalidateRect(window, NULL, FALSE);
}

static void on_paint(HWND window)
{
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window, &ps);
    if (!dc) return;
    // before the surface exists (the window's first paint can come before it) there is nothing to show
    if (flag_surface.canvas.dc) {
        if (flag_surface.dirty) paint_flag_surface();   // draws off-screen only
        show_surface(flag_surface, dc);
    }
    EndPaint(window, &ps);
}

LRESULT CALLBACK flag_window_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam)
{
    switch (message) {
    case WM_SIZE: on_size(window, wparam, lparam); break;   // then DefWindowProcA
    case WM_PAINT: on_paint(window); break;
    case WM_CLOSE: ShowWindow(window, SW_HIDE); return 0;   // hidden, never destroyed
    case WM_GETMINMAXINFO: {
        const DevicePoint minimum = flag_window_minimum(flag_frame());
        ((MINMAXINFO*)lparam)->ptMinTrackSize = POINT{minimum.x, minimum.y};
        return 0;
    }
    case WM_SIZING: keep_flag_aspect(int(wparam), *(DeviceRect*)lparam, flag_frame()); return TRUE;
    }
    return DefWindowProcA(window, message, wparam, lparam);
}

HWND create_flag_window(HICON icon)
{
    HINSTANCE module = HINSTANCE(GetWindowLongPtrA(main_window, GWLP_HINSTANCE));
    register_window_class(FLAG_CLASS_NAME, flag_window_proc, CS_VREDRAW | CS_HREDRAW | CS_OWNDC, 0, icon);

    RECT smallest = {0, 0, FLAG_MIN_CLIENT_WIDTH, FLAG_MIN_CLIENT_HEIGHT};
    AdjustWindowRectEx(&smallest, FLAG_STYLE, FALSE, FLAG_EX_STYLE);
    flag_surface.outer_width = smallest.right - smallest.left;
    flag_surface.outer_height = smallest.bottom - smallest.top;
    RECT main_rect;
    GetWindowRect(main_window, &main_rect);
    const DeviceRect main_edges = {main_rect.left, main_rect.top, main_rect.right, main_rect.bottom};
    const DeviceRect start = flag_window_start(main_edges, flag_frame());
    flag_window = CreateWindowExA(FLAG_EX_STYLE, FLAG_CLASS_NAME, FLAG_CAPTION, FLAG_STYLE, start.left, start.top,
                                  start.right - start.left, start.bottom - start.top, main_window, NULL, module, NULL);
    ShowWindow(flag_window, SW_SHOWNORMAL);
    return flag_window;
}
