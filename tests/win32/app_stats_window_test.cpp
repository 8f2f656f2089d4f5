// tests/win32/app_stats_window_test.cpp: the statistics window after the real start-up: its
// template, the lists' enabling rules, and the datasheet's columns, rows, sorting and selection.
#include <gtest/gtest.h>
#include <string>
#include <vector>
#include "app/app.h"
#include "view/map_view.h"
#include "app/stats_dialog_template.h"
#include "geo/countries.h"
#include "stats/row_compare.h"
#include "tests/win32/running_application.h"

namespace {
const int FRANCE = 65, JAPAN = 97, SWEDEN = 171, AUSTRALIA = 12, TASMANIA = 218;
const int POPULATION = 14;

std::string text_of(HWND window)
{
    char text[256] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

std::string class_of(HWND window)
{
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

class StatsWindow : public RunningApplication {
protected:
    HWND list() { return GetDlgItem(stats_window, ID_DATASHEET); }
    int rows() { return int(SendMessageA(list(), LVM_GETITEMCOUNT, 0, 0)); }
    int code_at(int row)
    {
        LVITEMA item = {};
        item.mask = LVIF_PARAM;
        item.iItem = row;
        SendMessageA(list(), LVM_GETITEMA, 0, LPARAM(&item));
        return int(item.lParam);
    }
    std::string cell(int row, int column)
    {
        char text[128] = {};
        LVITEMA item = {};
        item.iSubItem = column;
        item.pszText = text;
        item.cchTextMax = sizeof text;
        SendMessageA(list(), LVM_GETITEMTEXTA, row, LPARAM(&item));
        return text;
    }
    int row_of(int code)
    {
        for (int row = 0; row < rows(); ++row)
            if (code_at(row) == code) return row;
        return -1;
    }
    // A choice in one of the four lists, as the user makes it.
    void choose(int id, int item)
    {
        SendDlgItemMessageA(stats_window, id, CB_SETCURSEL, item, 0);
        SendMessageA(stats_window, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), LPARAM(GetDlgItem(stats_window, id)));
    }
    void click_column(int column)
    {
        NMLISTVIEW click = {};
        click.hdr.hwndFrom = list();
        click.hdr.idFrom = ID_DATASHEET;
        click.hdr.code = LVN_COLUMNCLICK;
        click.iItem = -1;
        click.iSubItem = column;
        SendMessageA(stats_window, WM_NOTIFY, ID_DATASHEET, LPARAM(&click));
    }
    void select_row(int code, bool selected)
    {
        LVITEMA state = {};
        state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
        state.state = selected ? LVIS_SELECTED | LVIS_FOCUSED : 0;
        SendMessageA(list(), LVM_SETITEMSTATE, row_of(code), LPARAM(&state));
    }
    void press(WPARAM key) { SendMessageA(list(), WM_KEYDOWN, key, 0); }
    // The map's colour of a polygon of country code.
    Colour map_colour_of(int code)
    {
        for (int p = 1; p < polygon_count; ++p)
            if (polygons[p].country == code) return country_colour(map_colouring, polygons, p, 0, 0);
        return NO_COLOUR;
    }
    int selected_count()
    {
        int n = 0;
        for (int code = 0; code <= COUNTRY_COUNT; ++code) n += map_colouring.selected_countries[code];
        return n;
    }
    void expect_sorted(int key)
    {
        const RowTable table = {country_stats, country_names, stat_columns, user_text_order};
        for (int row = 1; row < rows(); ++row)
            ASSERT_LT(compare_rows(table, code_at(row - 1), code_at(row), key), 0) << "row " << row << " key " << key;
    }
};
}  // namespace

// 1. The window and its template.
TEST_F(StatsWindow, StandsRightOfTheMapWindowWithTheTemplatesControls)
{
    EXPECT_EQ(class_of(stats_window), "OrbilyDialog");
    EXPECT_EQ(text_of(stats_window), "Orbily - Statistics");
    EXPECT_TRUE(IsWindowVisible(stats_window));
    const DWORD frame = WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MAXIMIZEBOX;
    EXPECT_EQ(DWORD(GetWindowLongA(stats_window, GWL_STYLE)) & (frame | WS_MINIMIZEBOX), frame);
    RECT main_rect, own;
    GetWindowRect(main_window, &main_rect);
    GetWindowRect(stats_window, &own);
    EXPECT_EQ(own.left, main_rect.right);
    EXPECT_EQ(own.top, 0);

    struct Expected {
        const char* class_name;
        int id;
        const char* text;
        DWORD style;
    } expected[] = {
        {"SysListView32", 104, "", WS_VISIBLE | LVS_REPORT | LVS_SHOWSELALWAYS | LVS_AUTOARRANGE},
        {"Static", 1, "Colours:", WS_VISIBLE | SS_RIGHT},
        {"ComboBox", 100, "Political", WS_VISIBLE | CBS_DROPDOWNLIST},
        {"Static", 1, "Statistic:", WS_VISIBLE | SS_RIGHT},
        {"ComboBox", 102, "(None)", WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWNLIST},
        {"Static", 1, "Mode:", WS_VISIBLE | SS_RIGHT},
        {"ComboBox", 101, "Standard", WS_VISIBLE | CBS_DROPDOWNLIST},
        {"Static", 1, "Divisor:", WS_VISIBLE | SS_RIGHT},
        {"ComboBox", 103, "(None)", WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWNLIST},
    };
    ASSERT_EQ(STATS_CONTROL_COUNT, 9);
    HWND control = GetWindow(stats_window, GW_CHILD);
    for (int i = 0; i < 9; ++i, control = GetWindow(control, GW_HWNDNEXT)) {
        const Expected& e = expected[i];
        ASSERT_TRUE(control) << i;
        EXPECT_EQ(class_of(control), e.class_name) << i;
        EXPECT_EQ(GetDlgCtrlID(control), e.id) << i;
        EXPECT_EQ(text_of(control), e.text) << i;
        EXPECT_EQ(STATS_CONTROLS[i].style, e.style) << i;
        // a combo box hands WS_VSCROLL on to its drop-down list
        const DWORD style = DWORD(GetWindowLongA(control, GWL_STYLE)), kept = e.style & ~WS_VSCROLL;
        EXPECT_EQ(style & kept, kept) << i;
        EXPECT_EQ(style & (WS_TABSTOP | WS_GROUP | LVS_SINGLESEL), 0u) << i;
        // the place in dialog units, through the dialog's own font; the list is moved by WM_SIZE
        const DialogControl& t = STATS_CONTROLS[i];
        RECT place = {t.x, t.y, t.x + t.cx, t.y + t.cy}, actual;
        MapDialogRect(stats_window, &place);
        GetWindowRect(control, &actual);
        MapWindowPoints(NULL, stats_window, (POINT*)&actual, 2);
        EXPECT_EQ(actual.left, place.left) << i;
        EXPECT_EQ(actual.top, place.top) << i;
        if (i > 0) EXPECT_EQ(actual.right, place.right) << i;
    }
    EXPECT_EQ(GetWindowLongA(list(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE, WS_EX_CLIENTEDGE);
    EXPECT_EQ(SendDlgItemMessageA(stats_window, ID_COLOURS, CB_GETCOUNT, 0, 0), 9);
    EXPECT_EQ(SendDlgItemMessageA(stats_window, ID_MODE, CB_GETCOUNT, 0, 0), 3);
    EXPECT_EQ(SendDlgItemMessageA(stats_window, ID_STATISTIC, CB_GETCOUNT, 0, 0), 95);
    EXPECT_EQ(SendDlgItemMessageA(stats_window, ID_DIVISOR, CB_GETCOUNT, 0, 0), 95);
}

// 2. The lists' enabling rules and the colours they give.
TEST_F(StatsWindow, ListsAreEnabledByTheSchemeAndTheStatistic)
{
    struct Case {
        int scheme, statistic;
        bool statistic_enabled, mode_enabled, divisor_enabled;
    } cases[] = {
        {0, 0, false, false, false}, {1, 0, false, false, false}, {1, 5, false, false, false},
        {2, 0, true, false, false},  {8, 0, true, false, false},  {2, 1, true, true, true},
        {0, 1, false, false, false},
    };
    for (const Case& c : cases) {
        choose(ID_STATISTIC, c.statistic);
        choose(ID_COLOURS, c.scheme);
        EXPECT_EQ(bool(IsWindowEnabled(GetDlgItem(stats_window, ID_STATISTIC))), c.statistic_enabled) << c.scheme;
        EXPECT_EQ(bool(IsWindowEnabled(GetDlgItem(stats_window, ID_MODE))), c.mode_enabled) << c.scheme;
        EXPECT_EQ(bool(IsWindowEnabled(GetDlgItem(stats_window, ID_DIVISOR))), c.divisor_enabled) << c.scheme;
        // a disabled list keeps its selection
        EXPECT_EQ(SendDlgItemMessageA(stats_window, ID_STATISTIC, CB_GETCURSEL, 0, 0), c.statistic);
    }
    choose(ID_STATISTIC, 0);
    choose(ID_COLOURS, 2);   // "Spectrum" without a statistic: every country without a value
    EXPECT_EQ(map_colour_of(FRANCE), NO_VALUE_COLOURS.normal);
    EXPECT_EQ(cell(row_of(FRANCE), COLUMN_STATISTIC), "");
    choose(ID_STATISTIC, 1);   // "Population: Total"
    EXPECT_NE(map_colour_of(FRANCE), NO_VALUE_COLOURS.normal);
    EXPECT_EQ(cell(row_of(FRANCE), COLUMN_STATISTIC), cell(row_of(FRANCE), POPULATION));
}

// 3. The datasheet.
TEST_F(StatsWindow, DatasheetHasEveryColumnAndEveryCountry)
{
    HWND header = HWND(SendMessageA(list(), LVM_GETHEADER, 0, 0));
    EXPECT_EQ(SendMessageA(header, HDM_GETITEMCOUNT, 0, 0), STAT_COLUMN_COUNT);
    ASSERT_EQ(rows(), COUNTRY_COUNT);
    for (int row = 0; row < COUNTRY_COUNT; row += 53) EXPECT_EQ(code_at(row), row + 1);
    EXPECT_EQ(cell(FRANCE - 1, COLUMN_NAME), "France");
    EXPECT_EQ(SendMessageA(list(), LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0) & 0x31, 0x31);
    EXPECT_TRUE(SendMessageA(list(), LVM_GETIMAGELIST, LVSIL_SMALL, 0));
    struct ColumnCase {
        int column;
        int format;
        int digits;   // the width in average digits
    } columns[] = {{0, LVCFMT_LEFT, 4}, {1, LVCFMT_LEFT, 13}, {2, LVCFMT_RIGHT, 11}, {3, LVCFMT_RIGHT, 5},
                   {13, LVCFMT_RIGHT, 6}, {107, LVCFMT_RIGHT, stat_columns[107].width + 4}};
    const int flag_width = int(SendMessageA(list(), LVM_GETCOLUMNWIDTH, 0, 0));
    for (const ColumnCase& c : columns) {
        LVCOLUMNA column = {};
        column.mask = LVCF_FMT | LVCF_WIDTH;
        SendMessageA(list(), LVM_GETCOLUMNA, c.column, LPARAM(&column));
        EXPECT_EQ(column.fmt & LVCFMT_JUSTIFYMASK, c.format) << c.column;
        EXPECT_EQ(column.cx * 4, flag_width * c.digits) << c.column;
    }
}

TEST_F(StatsWindow, ColumnClickSortsAndASecondClickReverses)
{
    click_column(POPULATION);
    EXPECT_EQ(last_sort_key, POPULATION);
    expect_sorted(POPULATION);
    const int smallest = code_at(0);
    click_column(POPULATION);
    EXPECT_EQ(last_sort_key, -POPULATION);
    expect_sorted(-POPULATION);
    EXPECT_NE(code_at(0), smallest);
    EXPECT_EQ(cell(rows() - 1, POPULATION), "");   // missing values last both ways
    click_column(COLUMN_NAME);
    expect_sorted(COLUMN_NAME);
    click_column(COLUMN_FLAG);   // the flag column does not sort
    EXPECT_EQ(last_sort_key, COLUMN_NAME);
    expect_sorted(COLUMN_NAME);
}

// 4. Selection, Escape and Enter.
TEST_F(StatsWindow, SelectedRowsAreDrawnInTheirSelectedColourUntilCleared)
{
    const Colour france_normal = map_colour_of(FRANCE);
    for (int code : {FRANCE, JAPAN, SWEDEN}) select_row(code, true);
    EXPECT_EQ(selected_count(), 3);
    EXPECT_EQ(selected_country, SWEDEN);   // the focused row's flag
    const ColourPair political = political_colours(stats_of(FRANCE).political_class);
    EXPECT_EQ(france_normal, political.normal);
    EXPECT_EQ(map_colour_of(FRANCE), political.selected);
    select_row(JAPAN, false);
    EXPECT_EQ(map_colouring.selected_countries[JAPAN], 0);
    EXPECT_EQ(selected_count(), 2);

    press(VK_ESCAPE);
    EXPECT_EQ(selected_count(), 0);
    EXPECT_EQ(selected_country, 0);
    EXPECT_EQ(SendMessageA(list(), LVM_GETSELECTEDCOUNT, 0, 0), 0);
    EXPECT_EQ(map_colour_of(FRANCE), france_normal);

    click_country(TASMANIA);   // the map passes a region's country to the list
    EXPECT_EQ(selected_country, AUSTRALIA);
    EXPECT_EQ(SendMessageA(list(), LVM_GETNEXTITEM, WPARAM(-1), LVNI_SELECTED), row_of(AUSTRALIA));
    EXPECT_EQ(selected_count(), 1);
    run_command(COMMAND_SELECT_NONE);
    EXPECT_EQ(selected_country, 0);
    EXPECT_EQ(selected_count(), 0);
}

TEST_F(StatsWindow, EnterZoomsToTheOneSelectedRowOnly)
{
    select_country_in_list(JAPAN);
    select_row(SWEDEN, true);
    press(VK_RETURN);   // two rows: nothing
    EXPECT_EQ(map_view.zoom, 1.0f);
    select_country_in_list(JAPAN);
    press(VK_RETURN);
    EXPECT_GT(map_view.zoom, 1.0f);
}

// 5. Resizing and hiding keep the window and its list.
TEST_F(StatsWindow, ListFillsTheResizedWindowAndCloseOnlyHides)
{
    RECT before;
    GetWindowRect(list(), &before);
    MapWindowPoints(NULL, stats_window, (POINT*)&before, 2);
    SetWindowPos(stats_window, NULL, 0, 0, 600, 500, SWP_NOZORDER | SWP_NOMOVE);
    RECT client, after;
    GetClientRect(stats_window, &client);
    GetWindowRect(list(), &after);
    MapWindowPoints(NULL, stats_window, (POINT*)&after, 2);
    EXPECT_EQ(after.left, 0);
    EXPECT_EQ(after.top, before.top);
    EXPECT_EQ(after.right, client.right);
    EXPECT_EQ(after.bottom, client.bottom);

    SendMessageA(stats_window, WM_CLOSE, 0, 0);
    EXPECT_TRUE(IsWindow(stats_window));
    EXPECT_FALSE(IsWindowVisible(stats_window));
    run_command(COMMAND_DATASHEET);
    EXPECT_TRUE(IsWindowVisible(stats_window));
    EXPECT_EQ(rows(), COUNTRY_COUNT);
}
