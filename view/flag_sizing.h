// view/flag_sizing.h: the flag window's size rules: a client of 2:1 while a border is dragged,
// never less than 240 x 120, and its place under the map window at start-up.
#pragma once
#include "platform/draw.h"

const int FLAG_MIN_CLIENT_WIDTH = 240;
const int FLAG_MIN_CLIENT_HEIGHT = 120;

// The edge or corner being dragged: the values of a WM_SIZING wParam.
enum SizingEdge {
    SIZING_LEFT = 1, SIZING_RIGHT, SIZING_TOP, SIZING_TOP_LEFT, SIZING_TOP_RIGHT, SIZING_BOTTOM,
    SIZING_BOTTOM_LEFT, SIZING_BOTTOM_RIGHT
};

// The window's frame (outer size less client size) and the screen it stays on.
struct FlagFrame {
    int frame_width;
    int frame_height;
    int screen_width;
    int screen_height;
};

// Makes the proposed outer rectangle (screen coordinates) hold a 2:1 client. Side edges and
// bottom corners keep the dragged width and move the bottom; the top and bottom edges keep the
// height and move the right edge; the top corners keep the width and move the top. Where that
// crosses the screen's right edge, bottom or top, the rectangle stops there and the other extent
// follows. The left edge never moves.
void keep_flag_aspect(int edge, DeviceRect& rect, const FlagFrame& frame);

// The smallest outer size: the frame around a 240 x 120 client.
DevicePoint flag_window_minimum(const FlagFrame& frame);

// The outer rectangle at start-up: a 480 x 240 client, right-aligned with the outer rectangle
// of the main window, directly below it.
DeviceRect flag_window_start(const DeviceRect& main_window, const FlagFrame& frame);
