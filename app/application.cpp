// app/application.cpp: start-up, the one message loop and shutdown.
// Every window of the thread goes through this loop; accelerators always act on the main window.
#include "app/app.h"
#include "app/startup_layout.h"

static const char MAIN_CLASS_NAME[] = "OrbilyWindow";
static const char STARTUP_CAPTION[] = "Orbily - World Map Viewer";
static const DWORD MAIN_STYLE = WS_OVERLAPPEDWINDOW | WS_HSCROLL;
static const DWORD MAIN_EX_STYLE = WS_EX_CLIENTEDGE;

// Letter keys with Ctrl, then Esc and F1; the command numbers are the menu's.
static ACCEL ACCELERATORS[] = {
    {FVIRTKEY | FCONTROL, 'A', 8},
    {FVIRTKEY | FCONTROL, 'B', 1},
    {FVIRTKEY | FCONTROL, 'D', 11},
    {FVIRTKEY | FCONTROL, 'F', 10},
    {FVIRTKEY | FCONTROL, 'O', 7},
    {FVIRTKEY | FCONTROL, 'S', 2},
    {FVIRTKEY | FCONTROL, 'T', 3},
    {FVIRTKEY | FCONTROL, 'V', 4},
    {FVIRTKEY, VK_ESCAPE, 9},
    {FVIRTKEY, VK_F1, 5},
};
static const int ACCELERATOR_COUNT = sizeof ACCELERATORS / sizeof ACCELERATORS[0];

static void register_main_class(HINSTANCE module)
{
    WNDCLASSA window_class = {};
    window_class.style = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS | CS_OWNDC;
    window_class.lpfnWndProc = map_window_proc;
    window_class.hInstance = module;
    window_class.hCursor = LoadCursorA(NULL, IDC_ARROW);
    window_class.lpszClassName = MAIN_CLASS_NAME;
    RegisterClassA(&window_class);
}

// The outer size for a client of half by a quarter of the screen width, with the menu bar.
static SIZE startup_outer_size(int screen_width)
{
    const DeviceRect client = startup_client_rect(screen_width);
    RECT outer = {client.left, client.top, client.right, client.bottom};
    AdjustWindowRectEx(&outer, MAIN_STYLE, TRUE, MAIN_EX_STYLE);
    SIZE size = {outer.right - outer.left, outer.bottom - outer.top};
    return size;
}

// Runs until WM_QUIT (0) or an error (-1); returns the last message's wParam.
static int run_message_loop(HACCEL accelerators)
{
    MSG message = {};
    while (GetMessageA(&message, NULL, 0, 0) == 1) {
        if (TranslateAcceleratorA(main_window, accelerators, &message)) continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return int(message.wParam);
}

int run_application(int show_command)
{
    HINSTANCE module = GetModuleHandleA(NULL);
    HACCEL accelerators = CreateAcceleratorTableA(ACCELERATORS, ACCELERATOR_COUNT);
    register_main_class(module);
    const int screen_width = GetSystemMetrics(SM_CXSCREEN);
    const SIZE outer = startup_outer_size(screen_width);
    main_window = CreateWindowExA(MAIN_EX_STYLE, MAIN_CLASS_NAME, STARTUP_CAPTION, MAIN_STYLE,
                                  0, 0, outer.cx, outer.cy, NULL, NULL, module, NULL);
    ShowWindow(main_window, show_command);
    return run_message_loop(accelerators);
}
