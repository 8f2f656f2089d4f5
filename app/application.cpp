// app/application.cpp: start-up, the one message loop and shutdown.
// Every window of the thread goes through this loop; accelerators always act on the main window.
#include "app/app.h"
#include "view/startup_layout.h"
#include "view/world.h"

int screen_width, screen_height;
int current_projection;
int current_rotation;
ProjectedMap projected_map;
MapView map_view = WHOLE_MAP_VIEW;
int selected_country;
OutlineMode outline_mode;
HACCEL accelerators;
HICON app_icon;

static const char MAIN_CLASS_NAME[] = "OrbilyWindow";
static const char STARTUP_CAPTION[] = "Orbily - World Map Viewer";
static const DWORD MAIN_STYLE = WS_OVERLAPPEDWINDOW | WS_HSCROLL;
static const DWORD MAIN_EX_STYLE = WS_EX_CLIENTEDGE;

// Letter keys with Ctrl, then Esc and F1; the command numbers are the menu's.
static ACCEL ACCELERATORS[] = {
    {FVIRTKEY | FCONTROL, 'A', COMMAND_SHOW_ALL},
    {FVIRTKEY | FCONTROL, 'B', COMMAND_SHOW_BOUNDARIES},
    {FVIRTKEY | FCONTROL, 'D', COMMAND_DATASHEET},
    {FVIRTKEY | FCONTROL, 'F', COMMAND_FLAGS},
    {FVIRTKEY | FCONTROL, 'O', COMMAND_ORIGINAL_SIZE},
    {FVIRTKEY | FCONTROL, 'S', COMMAND_SAVE_MAP},
    {FVIRTKEY | FCONTROL, 'T', COMMAND_SAVE_STATISTICS},
    {FVIRTKEY | FCONTROL, 'V', COMMAND_SAVE_FLAG},
    {FVIRTKEY, VK_ESCAPE, COMMAND_SELECT_NONE},
    {FVIRTKEY, VK_F1, COMMAND_ABOUT},
};
static const int ACCELERATOR_COUNT = sizeof ACCELERATORS / sizeof ACCELERATORS[0];

void register_window_class(const char* name, WNDPROC procedure, UINT style, int window_extra, HICON icon)
{
    WNDCLASSA window_class = {};
    window_class.style = style;
    window_class.lpfnWndProc = procedure;
    window_class.cbWndExtra = window_extra;
    window_class.hInstance = GetModuleHandleA(NULL);
    window_class.hIcon = icon;
    window_class.hCursor = LoadCursorA(NULL, IDC_ARROW);
    window_class.lpszClassName = name;
    RegisterClassA(&window_class);
}

// The outer size for a client of half by a quarter of the screen width, with the menu bar and
// the scroll bar, which AdjustWindowRectEx leaves out.
static SIZE startup_outer_size()
{
    const DeviceRect client = startup_client_rect(screen_width);
    RECT outer = {client.left, client.top, client.right, client.bottom + GetSystemMetrics(SM_CYHSCROLL)};
    AdjustWindowRectEx(&outer, MAIN_STYLE, TRUE, MAIN_EX_STYLE);
    SIZE size = {outer.right - outer.left, outer.bottom - outer.top};
    return size;
}

// Runs until WM_QUIT (0) or an error (-1); returns the last message's wParam.
static int run_message_loop()
{
    MSG message = {};
    while (GetMessageA(&message, NULL, 0, 0) == 1) {
        if (TranslateAcceleratorA(main_window, accelerators, &message)) continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return int(message.wParam);
}

// Each step relies on the ones before it: creating the window already sizes both map surfaces
// and draws the picking surface, so that surface and the view must be ready by then.
void start_application(int show_command)
{
    HINSTANCE module = GetModuleHandleA(NULL);
    prepare_world();
    HMENU menu_bar = build_menu_bar();
    app_icon = build_app_icon();   // a projection pass of its own, before the map's first
    accelerators = CreateAcceleratorTableA(ACCELERATORS, ACCELERATOR_COUNT);
    // CS_OWNDC keeps one DC per window; CS_DBLCLKS gives the double-click zoom
    register_window_class(MAIN_CLASS_NAME, main_window_proc, CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS | CS_OWNDC, 0,
                          app_icon);
    outline_mode = OUTLINE_CELL_FRAMES;
    selected_country = 0;
    screen_width = GetSystemMetrics(SM_CXSCREEN);
    screen_height = GetSystemMetrics(SM_CYSCREEN);
    const SIZE outer = startup_outer_size();
    map_surface.outer_width = outer.cx;
    map_surface.outer_height = outer.cy;
    const DeviceRect client = startup_client_rect(screen_width);

    picking_surface = map_surface;   // sizes only: no handles exist yet
    create_surface(picking_surface, NULL);
    fit_surface(picking_surface, client.right, client.bottom);
    main_window = CreateWindowExA(MAIN_EX_STYLE, MAIN_CLASS_NAME, STARTUP_CAPTION, MAIN_STYLE, 0, 0, outer.cx,
                                  outer.cy, NULL, menu_bar, module, NULL);
    SetScrollRange(main_window, SB_HORZ, 0, ROTATION_STEPS - 1, TRUE);
    create_surface(map_surface, main_window);
    fit_surface(map_surface, client.right, client.bottom);
    create_country_tooltip();   // without one the map shows no tooltips
    create_stats_window(app_icon);
    create_flag_window(app_icon);
    // the window's first WM_SIZE came before its surface: fit it again
    create_surface(flag_surface, flag_window);
    fit_surface(flag_surface, client.right, client.bottom);

    current_projection = 0;
    map_view = WHOLE_MAP_VIEW;
    set_rotation(0);   // the map's projection pass: after anything else that projects pieces
    apply_colouring();   // the first paint shows the start-up colouring
    ShowWindow(main_window, show_command);
}

void shut_down_application()
{
    release_surface(map_surface);
    release_surface(picking_surface);
    release_surface(flag_surface);
}

int run_application(int show_command)
{
    start_application(show_command);
    const int quit_code = run_message_loop();
    shut_down_application();
    return quit_code;
}
