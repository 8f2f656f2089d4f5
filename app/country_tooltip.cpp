// app/country_tooltip.cpp: the tracking tooltip that follows the mouse over the map and names the
// country under it. Its text is rebuilt only when the country changes; other moves only move it.
#include "app/app.h"
#include <commctrl.h>
#include "geo/countries.h"
#include "stats/cell_text.h"
#include "view/country_tooltip_text.h"

HWND country_tooltip;

static const char TOOLTIP_TITLE[] = "Orbily";
// The tip sits this far left of and below the mouse.
static const int TIP_OFFSET_X = -16, TIP_OFFSET_Y = 24;
// As a maximum width, this makes the tip multi-line without wrapping anything else.
static const LPARAM TIP_MAX_WIDTH = 32767;

static TOOLINFOA tool;
static int last_code = -1;   // -1: none shown since the mouse entered the window
static char tip_text[TOOLTIP_TEXT_CAPACITY];

const char* country_tooltip_text(int code)
{
    return format_country_tooltip(tip_text, code, country_names, statistic_text(country_of(code), true));
}

HWND create_country_tooltip()
{
    InitCommonControls();   // the tooltip class comes with the common controls
    country_tooltip = CreateWindowExA(0, TOOLTIPS_CLASSA, TOOLTIP_TITLE, TTS_NOPREFIX, CW_USEDEFAULT,
                                      CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, main_window, NULL, NULL, NULL);
    last_code = -1;
    if (!country_tooltip) return NULL;
    tool = TOOLINFOA{};
    tool.cbSize = TTTOOLINFOA_V1_SIZE;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS | TTF_TRACK | TTF_ABSOLUTE | TTF_TRANSPARENT;
    tool.hwnd = country_tooltip;
    tool.uId = UINT_PTR(main_window);
    GetClientRect(country_tooltip, &tool.rect);
    tool.lpszText = const_cast<char*>(TOOLTIP_TITLE);
    SendMessageA(country_tooltip, TTM_ADDTOOLA, 0, LPARAM(&tool));
    SendMessageA(country_tooltip, TTM_TRACKACTIVATE, TRUE, LPARAM(&tool));
    SendMessageA(country_tooltip, TTM_SETMAXTIPWIDTH, 0, TIP_MAX_WIDTH);
    return country_tooltip;
}

void update_country_tooltip(int code, POINT screen_point)
{
    if (code != last_code) {
        if (last_code < 0) {   // the mouse has come (back) in: ask to hear when it leaves
            TRACKMOUSEEVENT leave = {sizeof leave, TME_LEAVE, main_window, 0};
            TrackMouseEvent(&leave);
        }
        if (code > 0) {
            tool.lpszText = const_cast<char*>(country_tooltip_text(code));
            SendMessageA(country_tooltip, TTM_UPDATETIPTEXTA, 0, LPARAM(&tool));
        } else {
            ShowWindow(country_tooltip, SW_HIDE);
        }
        last_code = code;
    }
    // each word is cut to 16 bits; the tooltip reads them back as signed
    if (code > 0)
        SendMessageA(country_tooltip, TTM_TRACKPOSITION, 0,
                     MAKELPARAM(screen_point.x + TIP_OFFSET_X, screen_point.y + TIP_OFFSET_Y));
}
