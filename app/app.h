// app/app.h: the shell's shared entry points and state, one declaration each.
// Only app/ and tests include it; the core never names a Win32 type.
#pragma once
#include <windows.h>
#include "platform/win32_draw.h"
#include "stats/colouring.h"
#include "view/map_colours.h"
#include "view/map_drawing.h"
#include "view/map_view.h"
#include <commctrl.h>

// Start-up, message loop, shutdown (application.cpp).
// The whole life of the program: start-up, the message loop, shutdown; returns the quit code.
int run_application(int show_command);
// Everything before the loop: static data, menus, accelerators, surfaces, the main window with
// projection 0 and the whole map in view, shown with show_command.
void start_application(int show_command);
// Releases the surfaces; the windows stay until the process ends.
void shut_down_application();
// Registers a class of this module with the arrow cursor and no background brush; window_extra
// bytes per window (a dialog class needs DLGWINDOWEXTRA).
void register_window_class(const char* name, WNDPROC procedure, UINT style, int window_extra, HICON icon);
extern HACCEL accelerators;
extern HWND main_window;
extern int screen_width, screen_height;   // read once at start-up; they size every surface
extern int current_projection;            // catalogue index 0..127
extern int current_rotation;              // 0..23 steps of 15 degrees; the scroll bar shows it
extern ProjectedMap projected_map;        // the pass of the projection and rotation shown
extern MapView map_view;                  // the part of the map the main window shows
extern int selected_country;              // country code, 0 for none
extern OutlineMode outline_mode;          // OUTLINE_CELL_FRAMES or OUTLINE_BOUNDARIES

// The menu's command numbers, in the order of the menu script.
enum Command {
    COMMAND_SHOW_BOUNDARIES = 1,
    COMMAND_SAVE_MAP,
    COMMAND_SAVE_STATISTICS,
    COMMAND_SAVE_FLAG,
    COMMAND_ABOUT,
    COMMAND_EXIT,
    COMMAND_ORIGINAL_SIZE,
    COMMAND_SHOW_ALL,
    COMMAND_SELECT_NONE,
    COMMAND_FLAGS,
    COMMAND_DATASHEET,
    COMMAND_PREVIOUS_PROJECTION,
    COMMAND_NEXT_PROJECTION,
};
// Projection items carry 256 x menu group + catalogue index.
const int FIRST_PROJECTION_COMMAND = 256;
const int LAST_PROJECTION_COMMAND = 1407;

// The menu bar from the menu script and the projection catalogue (menu_bar.cpp).
HMENU build_menu_bar();

// The main map window's procedure (map_window.cpp).
LRESULT CALLBACK main_window_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);

// An off-screen surface of the screen's size, drawn k times larger than the client it serves
// (view_surface.cpp). A window's surface keeps a second one holding the picture shrunk to the
// client, so that a paint without changes is one blit.
struct ViewSurface {
    int outer_width, outer_height;   // map: the start-up outer size; flag: the smallest outer size
    RECT client;                     // the served window's client rectangle
    Canvas canvas;                   // the drawing, screen-sized
    Canvas shown;                    // the picture at client size; window surfaces only
    RECT fill;                       // (0, 0, used width, used height): what is drawn and shown
    int dirty;                       // redraw before the next paint
};
extern ViewSurface map_surface, picking_surface, flag_surface;

// Makes the surface's bitmaps; with a window, also the client-size picture it is shown from.
void create_surface(ViewSurface& surface, HWND window);
// Used size := the largest whole multiple of the client that fits the screen (never a division
// by zero); the shown picture is stale from then on.
void fit_surface(ViewSurface& surface, int client_width, int client_height);
// Frees what create_surface made; harmless on a surface never created.
void release_surface(ViewSurface& surface);
// Shrinks a freshly drawn surface into its shown picture by averaging and clears dirty.
void finish_surface(ViewSurface& surface);
// Copies the shown picture into the window's paint DC.
void show_surface(ViewSurface& surface, HDC dc);

// The map on its surfaces (map_surface.cpp).
// Converts the points for the view, redraws the picking surface and invalidates the map.
void refresh_map();
// Marks the map surface dirty and invalidates the main window's client.
void invalidate_map();
// Redraws the map surface when dirty: background, pieces in the colouring, outlines, shrink.
void paint_map_surface();
// The country code under the client point of a mouse message; 0 for the sea, the background and
// anything outside the picking surface.
int pick_country(LPARAM lparam);

// Commands (commands.cpp).
void run_command(int number);
void select_country(int code);
void click_country(int code);
void toggle_window(HWND window);

// Projection, rotation and view navigation (navigation.cpp).
void set_projection(int index, int rotation);
// The whole map at zoom 1.
void show_whole_map();
void set_rotation(int step);
void rotate_by(int delta);
void zoom_about(float px, float py, float new_zoom);
void wheel_zoom(int client_x, int client_y, bool zoom_out);
bool zoom_to_country(int code);
void double_click_country(int code);

// The statistics window (stats_window.cpp): the four lists that choose the colouring.
extern HWND stats_window;
extern MapColouring map_colouring;   // what the map is coloured with, and the selected rows
// Creates the window beside the map, loads the statistics, fills the lists and the datasheet.
HWND create_stats_window(HICON icon);
INT_PTR CALLBACK stats_dialog_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
// Adds the texts of a packed list (ended by an empty text) to drop-down list id; selects item 0.
void fill_combo(const char* packed, HWND window, int id);
// Reads the four lists, enables them by the choice, recomputes the colouring and the datasheet's
// "Statistic" column. The caller invalidates the map.
void apply_colouring();

// The datasheet (datasheet.cpp).
extern int last_sort_key;   // the column of the last sort, negative when descending; 0 unsorted
void fill_datasheet(HWND window);
// The 214 small flags as an image list, image i for country i + 1.
HIMAGELIST build_flag_images();
// The "Statistic" column of every row from the current values, in display order.
void update_statistic_column();
// The datasheet's order of names and code texts: lstrcmpiA, by the user's locale.
int user_text_order(const char* s1, const char* s2);
// The list's WM_NOTIFY: selection, sorting, Enter, Escape and double-click.
LRESULT stats_notify(const NMHDR* notification);
// Selects, focuses and reveals the row of country code 1..214; 0 clears the selection.
void select_country_in_list(int code);

// The flag window (flag_window.cpp).
extern HWND flag_window;
HWND create_flag_window(HICON icon);
LRESULT CALLBACK flag_window_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
// Redraws the flag surface: the background and the selected country's flag.
void paint_flag_surface();

// Captions (captions.cpp).
void set_projection_caption(int index);

// Save As and the exports (save_dialog.cpp, exports.cpp). A failed save leaves the previous file
// as it was and tells the user, naming the file; cancelling the dialog does nothing.
const int SAVE_PATH_CAPACITY = 2048;
// The Save As dialog over the main window, starting without a name; path (SAVE_PATH_CAPACITY
// bytes) gets the chosen name. filter holds (description, pattern) pairs, each text
// zero-terminated, then a further zero. Non-zero when the user chose a name.
int choose_save_file(char* path, const char* filter, const char* default_extension);
// The message of a failed save: the file's name and the system's reason for error.
const char* save_failure_text(const char* path, int error);
void report_save_failure(const char* path, int error);
// The whole map at 91 units per map unit in the current projection, rotation, colouring and
// outline mode; the flag of country 1..214, 24000 units wide; the statistics file.
bool export_map_metafile(const char* path);
bool export_flag_metafile(const char* path, int country);
bool export_statistics(const char* path);
// Commands 2, 4 and 3: the dialog, then the export.
void save_map_metafile();
void save_flag_metafile();
void save_statistics();

// The drawn globe icon of all three windows (app_icon.cpp); runs a projection pass of its own.
HICON build_app_icon();
extern HICON app_icon;

// The country tooltip (country_tooltip.cpp); null when it could not be made.
extern HWND country_tooltip;
HWND create_country_tooltip();
// code: the country under the mouse, 0 for the sea, -1 when the mouse left the window or its
// screen position is unknown; screen_point: the mouse on the screen.
void update_country_tooltip(int code, POINT screen_point);
// The tip of country code 1..237: its name (a region's with its parent's) and the current
// statistic's value and rank on a second line.
const char* country_tooltip_text(int code);
