// app/stats_dialog_template.cpp: the statistics window's template, laid out from a table of
// controls. Every control record starts on a DWORD boundary; strings are zero-terminated UTF-16.
#include "app/stats_dialog_template.h"
#include <commctrl.h>

const char STATS_DIALOG_CLASS[] = "OrbilyDialog";
const char STATS_CAPTION[] = "Orbily - Statistics";
static const char FONT_NAME[] = "MS Sans Serif";
static const WORD FONT_POINTS = 8;
static const DWORD DIALOG_STYLE = WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MAXIMIZEBOX | DS_CENTER | DS_SETFONT;
static_assert(DIALOG_STYLE == 0x00CD0840, "the window style of the template");
static const short DIALOG_WIDTH = 282, DIALOG_HEIGHT = 282;

static const WORD STATIC_ATOM = 0x0082, COMBO_BOX_ATOM = 0x0085;
static const DWORD LABEL = WS_VISIBLE | SS_RIGHT;
static const DWORD SHORT_LIST = WS_VISIBLE | CBS_DROPDOWNLIST;
static const DWORD LONG_LIST = WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWNLIST;   // 95 items scroll

// No control takes the keyboard by Tab: nothing has WS_TABSTOP or WS_GROUP.
const DialogControl STATS_CONTROLS[] = {
    {"SysListView32", 0, ID_DATASHEET, 0, 0, 32, 282, 250,
     WS_VISIBLE | LVS_REPORT | LVS_SHOWSELALWAYS | LVS_AUTOARRANGE, WS_EX_CLIENTEDGE},
    {0, STATIC_ATOM, ID_LABEL, "Colours:", 4, 4, 25, 10, LABEL, 0},
    {0, COMBO_BOX_ATOM, ID_COLOURS, 0, 30, 2, 80, 128, SHORT_LIST, 0},
    {0, STATIC_ATOM, ID_LABEL, "Statistic:", 114, 4, 27, 10, LABEL, 0},
    {0, COMBO_BOX_ATOM, ID_STATISTIC, 0, 142, 2, 140, 128, LONG_LIST, 0},
    {0, STATIC_ATOM, ID_LABEL, "Mode:", 4, 18, 25, 10, LABEL, 0},
    {0, COMBO_BOX_ATOM, ID_MODE, 0, 30, 16, 80, 128, SHORT_LIST, 0},
    {0, STATIC_ATOM, ID_LABEL, "Divisor:", 114, 18, 27, 10, LABEL, 0},
    {0, COMBO_BOX_ATOM, ID_DIVISOR, 0, 142, 16, 140, 128, LONG_LIST, 0},
};
const int STATS_CONTROL_COUNT = sizeof STATS_CONTROLS / sizeof STATS_CONTROLS[0];

// Room for the header and nine controls with their texts, in WORDs.
static const int TEMPLATE_WORDS = 512;
static DWORD template_storage[TEMPLATE_WORDS / 2];

// Writes WORDs one after another into the template storage.
struct TemplateWriter {
    WORD* at;
    void word(WORD w) { *at++ = w; }
    void dword(DWORD d) { word(LOWORD(d)); word(HIWORD(d)); }
    // The bytes of an ASCII text widened to UTF-16, with the terminating zero.
    void text(const char* s)
    {
        if (s)
            while (*s) word(WORD((unsigned char)*s++));
        word(0);
    }
    void align_to_dword() { if ((at - (WORD*)template_storage) & 1) word(0); }
};

static void write_control(TemplateWriter& out, const DialogControl& c)
{
    out.align_to_dword();
    out.dword(c.style);
    out.dword(c.ex_style);
    out.word(WORD(c.x));
    out.word(WORD(c.y));
    out.word(WORD(c.cx));
    out.word(WORD(c.cy));
    out.word(c.id);
    if (c.class_atom) {
        out.word(0xFFFF);
        out.word(c.class_atom);
    } else {
        out.text(c.class_name);
    }
    out.text(c.text);
    out.word(0);   // no creation data
}

const DLGTEMPLATE* stats_dialog_template()
{
    TemplateWriter out = {(WORD*)template_storage};
    if (template_storage[0] != 0) return (const DLGTEMPLATE*)template_storage;   // built already
    out.dword(DIALOG_STYLE);
    out.dword(0);   // no extended style
    out.word(WORD(STATS_CONTROL_COUNT));
    out.word(0);   // x
    out.word(0);   // y
    out.word(WORD(DIALOG_WIDTH));
    out.word(WORD(DIALOG_HEIGHT));
    out.word(0);   // no menu
    out.text(STATS_DIALOG_CLASS);
    out.text(STATS_CAPTION);
    out.word(FONT_POINTS);
    out.text(FONT_NAME);
    for (int i = 0; i < STATS_CONTROL_COUNT; ++i) write_control(out, STATS_CONTROLS[i]);
    return (const DLGTEMPLATE*)template_storage;
}
