// app/commands.cpp: the menu commands, the selection and the About box. Every key, button and
// menu item that acts on the map comes through run_command or one of these.
#include "app/app.h"
#include "geo/countries.h"
#include "projection/projection.h"

static const char ABOUT_TITLE[] = "About Orbily";
static const char ABOUT_TEXT[] =
    "Orbily World Map Viewer, copyright 2024-2026 the Orbily developers\r\n"
    "\r\n"
    "News, help and updates are on the Orbily web site.";

static void show_about_box()
{
    MessageBoxA(main_window, ABOUT_TEXT, ABOUT_TITLE, MB_ICONINFORMATION);
}

static void restore_original_size()
{
    ShowWindow(main_window, SW_RESTORE);
    SetWindowPos(main_window, NULL, 0, 0, map_surface.outer_width, map_surface.outer_height,
                 SWP_NOZORDER | SWP_NOMOVE);
}

// The exports are not part of the program yet: their commands do nothing.
void run_command(int number)
{
    switch (number) {
    case COMMAND_SHOW_BOUNDARIES:
        outline_mode = outline_mode == OUTLINE_CELL_FRAMES ? OUTLINE_BOUNDARIES : OUTLINE_CELL_FRAMES;
        invalidate_map();   // the picking surface does not depend on the outlines
        return;
    case COMMAND_ABOUT: show_about_box(); return;
    case COMMAND_EXIT: PostQuitMessage(0); return;
    case COMMAND_ORIGINAL_SIZE: restore_original_size(); return;
    case COMMAND_SHOW_ALL: show_whole_map(); return;
    case COMMAND_SELECT_NONE:
        select_country(0);
        select_country_in_list(0);
        return;
    case COMMAND_FLAGS: toggle_window(flag_window); return;
    case COMMAND_DATASHEET: toggle_window(stats_window); return;
    case COMMAND_PREVIOUS_PROJECTION:
        set_projection((current_projection + PROJECTION_COUNT - 1) % PROJECTION_COUNT, 0);
        return;
    case COMMAND_NEXT_PROJECTION: set_projection((current_projection + 1) % PROJECTION_COUNT, 0); return;
    }
    // a projection item's low byte is its catalogue index; a number whose low byte names no
    // entry is no projection item
    if (number >= FIRST_PROJECTION_COMMAND && number <= LAST_PROJECTION_COMMAND && number % 256 < PROJECTION_COUNT)
        set_projection(number % 256, 0);
}

void select_country(int code)
{
    if (code == selected_country) return;
    selected_country = code;
    flag_surface.dirty = 1;
    if (flag_window) InvalidateRect(flag_window, NULL, FALSE);
}

void click_country(int code)
{
    code = country_of(code);   // a region selects its parent country
    select_country(code);
    // the row's selection comes back as a notice that marks the country on the map
    select_country_in_list(code);
}

void toggle_window(HWND window)
{
    ShowWindow(window, IsWindowVisible(window) ? SW_HIDE : SW_SHOW);
}
