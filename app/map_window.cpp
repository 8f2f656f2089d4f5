// app/map_window.cpp: the main map window: keys, mouse, wheel, scroll bar and menu commands.
// Closing it ends the message loop with code 0; it is never destroyed while the program runs.
#include "app/app.h"
#include <windowsx.h>

HWND main_window;

static const POINT MINIMUM_TRACKING_SIZE = {256, 192};

// Both map surfaces follow the client; a minimised window keeps what it had.
static void on_size(HWND window, WPARAM wparam, LPARAM lparam)
{
    if (wparam == SIZE_MINIMIZED) return;
    GetClientRect(window, &map_surface.client);
    picking_surface.client = map_surface.client;
    fit_surface(map_surface, LOWORD(lparam), HIWORD(lparam));
    fit_surface(picking_surface, LOWORD(lparam), HIWORD(lparam));
    refresh_map();
}

static void on_paint(HWND window)
{
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window, &ps);
    if (!dc) return;
    if (map_surface.dirty) paint_map_surface();   // draws off-screen only
    show_surface(map_surface, dc);
    EndPaint(window, &ps);
}

static bool on_key_down(WPARAM key)
{
    switch (key) {
    case VK_LEFT: rotate_by(-1); return true;
    case VK_RIGHT: rotate_by(+1); return true;
    case VK_UP: run_command(COMMAND_PREVIOUS_PROJECTION); return true;
    case VK_DOWN: run_command(COMMAND_NEXT_PROJECTION); return true;
    }
    return false;
}

static bool on_horizontal_scroll(WPARAM wparam)
{
    switch (LOWORD(wparam)) {
    case SB_LINELEFT:
    case SB_PAGELEFT: rotate_by(-1); return true;
    case SB_LINERIGHT:
    case SB_PAGERIGHT: rotate_by(+1); return true;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK: set_rotation(HIWORD(wparam)); return true;   // reprojects while dragging
    }
    return false;
}

// Ctrl turns the globe; otherwise one notch is one zoom step about the point under the cursor.
static void on_mouse_wheel(HWND window, WPARAM wparam, LPARAM lparam)
{
    const int delta = short(HIWORD(wparam));
    if (LOWORD(wparam) & MK_CONTROL) {
        rotate_by(delta >= 0 ? +1 : -1);
        return;
    }
    // screen coordinates, negative on a monitor left of or above the primary one
    POINT cursor = {GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)};
    ScreenToClient(window, &cursor);
    wheel_zoom(cursor.x, cursor.y, delta < 0);
}

// The tooltip names the country under the mouse; -1 when the point has no place on the screen.
static void on_mouse_move(HWND window, LPARAM lparam)
{
    int code = pick_country(lparam);
    POINT point = {GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)};
    if (!ClientToScreen(window, &point)) code = -1;
    update_country_tooltip(code, point);
}

// Mouse moves and WM_MOUSELEAVE only feed the country tooltip; without one they need nothing here.
LRESULT CALLBACK main_window_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam)
{
    switch (message) {
    case WM_SIZE: on_size(window, wparam, lparam); break;   // then DefWindowProcA
    case WM_PAINT: on_paint(window); break;
    case WM_CLOSE: PostQuitMessage(0); return 0;            // the window stays
    case WM_GETMINMAXINFO: reinterpret_cast<MINMAXINFO*>(lparam)->ptMinTrackSize = MINIMUM_TRACKING_SIZE; return 0;
    case WM_KEYDOWN:
        if (on_key_down(wparam)) return 0;
        break;
    case WM_COMMAND: run_command(LOWORD(wparam)); return 0;
    case WM_HSCROLL:
        if (on_horizontal_scroll(wparam)) return 0;
        break;
    case WM_LBUTTONDOWN: click_country(pick_country(lparam)); return 0;
    case WM_LBUTTONDBLCLK: double_click_country(pick_country(lparam)); return 0;
    case WM_RBUTTONDOWN: run_command(COMMAND_NEXT_PROJECTION); return 0;
    case WM_MBUTTONDOWN: run_command(COMMAND_PREVIOUS_PROJECTION); return 0;
    case WM_MOUSEWHEEL: on_mouse_wheel(window, wparam, lparam); return 0;
    case WM_MOUSEMOVE:
        if (country_tooltip) on_mouse_move(window, lparam);
        break;
    case WM_MOUSELEAVE:
        if (country_tooltip) update_country_tooltip(-1, POINT{});
        break;
    }
    return DefWindowProcA(window, message, wparam, lparam);
}
