// view/menu_script.h: reading the embedded menu script: drop-downs ("+title"), separators ("-")
// and command items numbered from 1, up to the "." after which the projection group titles follow.
#pragma once

enum MenuElementKind { MENU_DROP_DOWN, MENU_COMMAND, MENU_SEPARATOR_LINE };

struct MenuElement {
    MenuElementKind kind;
    const char* text;   // the drop-down's title or the item's text; null for a separator
    int command;        // 1.. for command items, 0 otherwise
};

const int MENU_ELEMENT_CAPACITY = 32;
const int MENU_GROUP_COUNT = 5;

struct MenuScript {
    MenuElement elements[MENU_ELEMENT_CAPACITY];
    int count;
    const char* group_titles[MENU_GROUP_COUNT];   // "&Cylindrical" .. "&Other"
};

// Reads the script; the texts point into it.
void read_menu_script(const char* script, MenuScript& menu);
