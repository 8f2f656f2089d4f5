// app/stats_window.cpp: the statistics window, a modeless dialog beside the map: four drop-down
// lists that choose the map's colouring, above the datasheet. Closing it only hides it.
#include "app/app.h"
#include "app/stats_dialog_template.h"
#include <commctrl.h>

HWND stats_window;
MapColouring map_colouring;

static const char NONE_ITEM[] = "(None)\0";
static const POINT MINIMUM_TRACKING_SIZE = {256, 256};

// A side rounded up to an even number of pixels.
static int even(int n) { return n + (n & 1); }

void fill_combo(const char* packed, HWND window, int id)
{
    HWND list = GetDlgItem(window, id);
    do {   // the first text even when it is empty
        SendMessageA(list, CB_ADDSTRING, 0, LPARAM(packed));
        while (*packed) ++packed;
        ++packed;
    } while (*packed);
    SendMessageA(list, CB_SETCURSEL, 0, 0);
}

// "Statistic:" and "Divisor:": "(None)", then every statistic's title in catalogue order, so that
// item i is column 13 + i.
static void fill_statistic_list(HWND window, int id)
{
    fill_combo(NONE_ITEM, window, id);
    HWND list = GetDlgItem(window, id);
    for (int column = FIRST_VALUE_COLUMN; column < STAT_COLUMN_COUNT; ++column)
        SendMessageA(list, CB_ADDSTRING, 0, LPARAM(stat_columns[column].title));
}

static int selection_of(int id) { return int(SendDlgItemMessageA(stats_window, id, CB_GETCURSEL, 0, 0)); }

void apply_colouring()
{
    const ColouringChoice choice = {selection_of(ID_COLOURS), selection_of(ID_MODE), selection_of(ID_STATISTIC),
                                    selection_of(ID_DIVISOR)};
    const ListEnabling enabled = enabled_lists(choice);
    EnableWindow(GetDlgItem(stats_window, ID_STATISTIC), enabled.statistic);
    EnableWindow(GetDlgItem(stats_window, ID_MODE), enabled.mode);
    EnableWindow(GetDlgItem(stats_window, ID_DIVISOR), enabled.divisor);
    colour_countries(choice, country_stats, map_colouring);
    update_statistic_column();
}

// The window fills the screen right of the main window, from the top to the bottom of the work
// area: centring put its edges' sums at the work area's.
static void place_beside_main_window(HWND window)
{
    RECT main_rect, own;
    GetWindowRect(main_window, &main_rect);
    GetWindowRect(window, &own);
    MoveWindow(window, main_rect.right, 0, even(own.left + own.right) - main_rect.right, even(own.top + own.bottom),
               FALSE);
}

// The datasheet below the drop-down lists fills the rest of the client area.
static void on_size(HWND window, WPARAM wparam, LPARAM lparam)
{
    if (wparam == SIZE_MINIMIZED) return;
    HWND list = GetDlgItem(window, ID_DATASHEET);
    RECT rect;
    GetWindowRect(list, &rect);
    MapWindowPoints(NULL, window, (POINT*)&rect, 2);
    MoveWindow(list, 0, rect.top, LOWORD(lparam), HIWORD(lparam) - rect.top, TRUE);
}

INT_PTR CALLBACK stats_dialog_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam)
{
    switch (message) {
    case WM_SIZE: on_size(window, wparam, lparam); return TRUE;
    case WM_CLOSE: ShowWindow(window, SW_HIDE); return FALSE;   // hidden, never destroyed
    case WM_GETMINMAXINFO: ((MINMAXINFO*)lparam)->ptMinTrackSize = MINIMUM_TRACKING_SIZE; return TRUE;
    case WM_NOTIFY:
        if (wparam != ID_DATASHEET) return FALSE;
        return stats_notify((const NMHDR*)lparam);
    case WM_COMMAND:
        if (HIWORD(wparam) == CBN_SELCHANGE && LOWORD(wparam) >= ID_COLOURS && LOWORD(wparam) <= ID_DIVISOR) {
            apply_colouring();
            invalidate_map();
        }
        return FALSE;
    }
    return FALSE;
}

HWND create_stats_window(HICON icon)
{
    stats_window = NULL;
    last_sort_key = 0;
    for (int code = 0; code <= COUNTRY_COUNT; ++code) map_colouring.selected_countries[code] = 0;
    InitCommonControls();
    // the class gives the dialog its icon and a private DC; DefDlgProcA runs the dialog
    register_window_class(STATS_DIALOG_CLASS, DefDlgProcA, CS_OWNDC | CS_HREDRAW | CS_VREDRAW, DLGWINDOWEXTRA, icon);
    HWND window = CreateDialogIndirectParamA(NULL, stats_dialog_template(), main_window, stats_dialog_proc, 0);
    stats_window = window;
    place_beside_main_window(window);
    load_statistics();
    fill_combo(COLOUR_SCHEME_NAMES, window, ID_COLOURS);
    fill_combo(SHADE_MODE_NAMES, window, ID_MODE);
    fill_statistic_list(window, ID_STATISTIC);
    fill_statistic_list(window, ID_DIVISOR);
    fill_datasheet(window);
    ShowWindow(window, SW_SHOWNORMAL);
    return window;
}
