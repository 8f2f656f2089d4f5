// app/stats_dialog_template.h: the statistics window as an in-memory dialog template: four
// drop-down lists with their labels above the datasheet list. Texts are UTF-16, as the template
// format requires.
#pragma once
#include <windows.h>

// Control ids: the four lists, the datasheet, and the labels, which all share one id.
enum StatsControl {
    ID_LABEL = 1,
    ID_COLOURS = 100,
    ID_MODE = 101,
    ID_STATISTIC = 102,
    ID_DIVISOR = 103,
    ID_DATASHEET = 104,
};

extern const char STATS_DIALOG_CLASS[];   // "OrbilyDialog"
extern const char STATS_CAPTION[];        // "Orbily - Statistics"

// One control of the template; class_name is used when class_atom is 0.
struct DialogControl {
    const char* class_name;
    WORD class_atom;   // 0x0082 static, 0x0085 combo box
    WORD id;
    const char* text;  // null: no text
    short x, y, cx, cy;   // dialog units
    DWORD style;
    DWORD ex_style;
};
extern const DialogControl STATS_CONTROLS[];
extern const int STATS_CONTROL_COUNT;

// The template, built once into static storage on the first call (DWORD-aligned as it must be).
const DLGTEMPLATE* stats_dialog_template();
