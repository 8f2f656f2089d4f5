// view/flag_sizing.cpp: the flag window's 2:1 rule. A clamp at one screen edge hands the rule
// to the other extent; four passes settle every case.
#include "view/flag_sizing.h"

const int SIZING_PASSES = 4;

void keep_flag_aspect(int edge, DeviceRect& rect, const FlagFrame& frame)
{
    for (int pass = 0; pass < SIZING_PASSES; ++pass) {
        const int client_width = (rect.right - rect.left) - frame.frame_width;
        const int client_height = (rect.bottom - rect.top) - frame.frame_height;
        switch (edge) {
        case SIZING_TOP:
        case SIZING_BOTTOM:   // the height was dragged
            rect.right = rect.left + frame.frame_width + 2 * client_height;
            if (rect.right <= frame.screen_width) return;
            rect.right = frame.screen_width;
            edge = SIZING_RIGHT;
            break;
        case SIZING_TOP_LEFT:
        case SIZING_TOP_RIGHT:
            rect.top = rect.bottom - (frame.frame_height + client_width / 2);
            if (rect.top >= 0) return;
            rect.top = 0;
            edge = SIZING_BOTTOM;
            break;
        default:   // the side edges, the bottom corners
            rect.bottom = rect.top + frame.frame_height + client_width / 2;
            if (rect.bottom <= frame.screen_height) return;
            rect.bottom = frame.screen_height;
            edge = SIZING_BOTTOM;
            break;
        }
    }
}

DevicePoint flag_window_minimum(const FlagFrame& frame)
{
    return DevicePoint{frame.frame_width + FLAG_MIN_CLIENT_WIDTH, frame.frame_height + FLAG_MIN_CLIENT_HEIGHT};
}

DeviceRect flag_window_start(const DeviceRect& main_window, const FlagFrame& frame)
{
    const int width = frame.frame_width + 2 * FLAG_MIN_CLIENT_WIDTH;
    const int height = frame.frame_height + 2 * FLAG_MIN_CLIENT_HEIGHT;
    return DeviceRect{main_window.right - width, main_window.bottom, main_window.right, main_window.bottom + height};
}
