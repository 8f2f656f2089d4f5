// app/datasheet.cpp: the statistics window's list: one row per country with its small flag, one
// column per catalogue entry. Its selection drives the map's highlights and the flag window.
#include "app/app.h"
#include "app/stats_dialog_template.h"
#include "stats/cell_text.h"
#include "stats/row_compare.h"
#include "view/flag_images.h"
#include <commctrl.h>

int last_sort_key;

static const DWORD DATASHEET_EX_STYLES = LVS_EX_GRIDLINES | LVS_EX_HEADERDRAGDROP | LVS_EX_FULLROWSELECT;
static const int FALLBACK_DIGIT_WIDTH = 8;

static HWND datasheet() { return GetDlgItem(stats_window, ID_DATASHEET); }

// The country code a row carries as its item data.
static int code_of_row(HWND list, int row)
{
    LVITEMA item = {};
    item.mask = LVIF_PARAM;
    item.iItem = row;
    SendMessageA(list, LVM_GETITEMA, 0, LPARAM(&item));
    return int(item.lParam);
}

static void set_cell(HWND list, int row, int column, const char* text)
{
    LVITEMA item = {};
    item.mask = LVIF_TEXT;
    item.iItem = row;
    item.iSubItem = column;
    item.pszText = const_cast<char*>(text);
    SendMessageA(list, LVM_SETITEMA, 0, LPARAM(&item));
}

HIMAGELIST build_flag_images()
{
    HIMAGELIST images = ImageList_Create(FLAG_IMAGE_WIDTH, FLAG_IMAGE_HEIGHT, ILC_COLOR24, COUNTRY_COUNT, 0);
    Canvas large, small;
    create_dib_canvas(large, FLAG_CANVAS_WIDTH, FLAG_CANVAS_HEIGHT);
    create_dib_canvas(small, FLAG_IMAGE_WIDTH, FLAG_IMAGE_HEIGHT);
    for (int code = 1; code <= COUNTRY_COUNT; ++code) {
        render_flag_image(large, small, code);
        GdiFlush();
        // a bitmap selected into a DC cannot be copied into the image list
        SelectObject(small.dc, small.previous_bitmap);
        ImageList_Add(images, small.bitmap, NULL);
        SelectObject(small.dc, small.bitmap);
    }
    release_dib_canvas(large);
    release_dib_canvas(small);
    return images;
}

// The width of an average digit in the list's DC: "0000" measured, rounded, over four.
static int digit_width(HWND list)
{
    HDC dc = GetDC(list);
    SIZE size = {};
    const BOOL measured = GetTextExtentPointA(dc, "0000", 4, &size);
    ReleaseDC(list, dc);
    return measured ? (size.cx + 2) / 4 : FALLBACK_DIGIT_WIDTH;
}

// Left-aligned until the first column that is not text ("Statistic"), right-aligned from there on.
static void insert_columns(HWND list)
{
    const int cw = digit_width(list);
    int format = LVCFMT_LEFT;
    for (int c = 0; c < STAT_COLUMN_COUNT; ++c) {
        const StatColumn& column = stat_columns[c];
        if (column.kind != KIND_TEXT) format = LVCFMT_RIGHT;
        LVCOLUMNA header = {};
        header.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT;
        header.fmt = format;
        header.cx = (column.width + 4) * cw;
        header.pszText = const_cast<char*>(column.title);
        SendMessageA(list, LVM_INSERTCOLUMNA, WPARAM(c), LPARAM(&header));
    }
}

void fill_datasheet(HWND window)
{
    HWND list = GetDlgItem(window, ID_DATASHEET);
    SendMessageA(list, LVM_SETEXTENDEDLISTVIEWSTYLE, DATASHEET_EX_STYLES, DATASHEET_EX_STYLES);
    SendMessageA(list, LVM_SETIMAGELIST, LVSIL_SMALL, LPARAM(build_flag_images()));
    insert_columns(list);
    SendMessageA(list, WM_SETREDRAW, FALSE, 0);   // no repaint work for each of the 22,898 texts
    for (int row = 0; row < COUNTRY_COUNT; ++row) {
        const int code = row + 1;
        LVITEMA item = {};
        item.mask = LVIF_IMAGE | LVIF_PARAM;
        item.iItem = row;
        item.iImage = row;
        item.lParam = code;
        SendMessageA(list, LVM_INSERTITEMA, 0, LPARAM(&item));
        for (int column = 1; column < STAT_COLUMN_COUNT; ++column) set_cell(list, row, column, cell_text(code, column));
    }
    SendMessageA(list, WM_SETREDRAW, TRUE, 0);
}

void update_statistic_column()
{
    HWND list = datasheet();
    const int rows = int(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
    for (int row = 0; row < rows; ++row) set_cell(list, row, COLUMN_STATISTIC, statistic_text(code_of_row(list, row), false));
}

// Names and codes in the user's order, as every other list of the system sorts them.
int user_text_order(const char* s1, const char* s2) { return lstrcmpiA(s1, s2); }

static int CALLBACK compare_list_rows(LPARAM code1, LPARAM code2, LPARAM key)
{
    static const RowTable rows = {country_stats, country_names, stat_columns, user_text_order};
    return compare_rows(rows, int(code1), int(code2), int(key));
}

// A second click on the same column reverses the order; the flag column does not sort.
static void sort_by_column(HWND list, int column)
{
    if (column <= COLUMN_FLAG) return;
    int key = column;
    if (key == last_sort_key) key = -column;
    last_sort_key = key;
    SendMessageA(list, LVM_SORTITEMS, WPARAM(key), LPARAM(compare_list_rows));
}

// Every row's selection into selected_countries; a change of the focus shows that flag.
static void on_item_changed(const NMLISTVIEW& change)
{
    if (change.uChanged & LVIF_STATE) {
        HWND list = change.hdr.hwndFrom;
        if (change.iItem >= 0) {
            const int code = code_of_row(list, change.iItem);
            const UINT state = UINT(SendMessageA(list, LVM_GETITEMSTATE, change.iItem, LVIS_SELECTED));
            map_colouring.selected_countries[code] = (state & LVIS_SELECTED) ? 1 : 0;
            if (change.uNewState & LVIS_FOCUSED) select_country(code);
        } else {   // one notice for every row at once
            const int rows = int(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
            for (int row = 0; row < rows; ++row) {
                const UINT state = UINT(SendMessageA(list, LVM_GETITEMSTATE, row, LVIS_SELECTED));
                map_colouring.selected_countries[code_of_row(list, row)] = (state & LVIS_SELECTED) ? 1 : 0;
            }
        }
    }
    // the colours and the "Statistic" column follow the four lists alone; a selection only
    // changes which countries the map shows highlighted
    invalidate_map();
}

static void on_key_down(HWND list, WORD key)
{
    if (key == VK_RETURN) {
        if (SendMessageA(list, LVM_GETSELECTEDCOUNT, 0, 0) != 1) return;
        const int row = int(SendMessageA(list, LVM_GETSELECTIONMARK, 0, 0));
        if (row >= 0) double_click_country(code_of_row(list, row));
    } else if (key == VK_ESCAPE) {
        select_country(0);
        select_country_in_list(0);
        invalidate_map();
    }
}

LRESULT stats_notify(const NMHDR* notification)
{
    switch (notification->code) {
    case LVN_ITEMCHANGED: on_item_changed(*(const NMLISTVIEW*)notification); return TRUE;
    case LVN_COLUMNCLICK:
        sort_by_column(notification->hwndFrom, ((const NMLISTVIEW*)notification)->iSubItem);
        return TRUE;
    case LVN_KEYDOWN: on_key_down(notification->hwndFrom, ((const NMLVKEYDOWN*)notification)->wVKey); return FALSE;
    case NM_DBLCLK: {
        const int row = ((const NMITEMACTIVATE*)notification)->iItem;
        if (row >= 0) double_click_country(code_of_row(notification->hwndFrom, row));
        return FALSE;
    }
    }
    return FALSE;
}

void select_country_in_list(int code)
{
    HWND list = datasheet();
    LVITEMA state = {};
    state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageA(list, LVM_SETITEMSTATE, WPARAM(-1), LPARAM(&state));
    // the mark is the row that Enter zooms to: none, or the row selected here
    if (code <= 0) {
        SendMessageA(list, LVM_SETSELECTIONMARK, 0, -1);
        return;
    }
    LVFINDINFOA find = {};
    find.flags = LVFI_PARAM;
    find.lParam = code;
    const int row = int(SendMessageA(list, LVM_FINDITEMA, WPARAM(-1), LPARAM(&find)));
    if (row < 0) return;
    state.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageA(list, LVM_SETITEMSTATE, WPARAM(row), LPARAM(&state));
    SendMessageA(list, LVM_SETSELECTIONMARK, 0, row);
    SendMessageA(list, LVM_ENSUREVISIBLE, WPARAM(row), FALSE);
}
