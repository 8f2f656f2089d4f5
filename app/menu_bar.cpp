// app/menu_bar.cpp: the menu bar, built in code from the embedded menu script and the projection
// catalogue. Items are never checked, greyed or changed afterwards.
#include "app/app.h"
#include "view/menu_script.h"
#include "data/blobs.h"
#include "projection/menu.h"
#include "projection/names.h"

static MenuScript menu_script;   // its texts point into the embedded script

// The script's drop-downs on the bar; returns the last one, which takes the projection groups.
static HMENU append_script_menus(HMENU bar)
{
    HMENU current = NULL;
    for (int i = 0; i < menu_script.count; ++i) {
        const MenuElement& element = menu_script.elements[i];
        switch (element.kind) {
        case MENU_DROP_DOWN:
            current = CreatePopupMenu();
            AppendMenuA(bar, MF_POPUP, UINT_PTR(current), element.text);
            break;
        case MENU_SEPARATOR_LINE: AppendMenuA(current, MF_SEPARATOR, 0, NULL); break;
        case MENU_COMMAND: AppendMenuA(current, MF_STRING, UINT_PTR(element.command), element.text); break;
        }
    }
    return current;
}

// One submenu per projection group, entries labelled with a tab before the credit.
static void append_projection_groups(HMENU projection_menu)
{
    HMENU group = NULL;
    int next_title = 0;
    for (int i = 0; i < PROJECTION_COUNT; ++i) {
        const ProjectionMenuItem item = projection_menu_item(i);
        UINT flags = MF_STRING;
        switch (item.step) {
        case MENU_SAME: break;
        case MENU_SEPARATOR: AppendMenuA(group, MF_SEPARATOR, 0, NULL); break;
        case MENU_NEW_COLUMN: flags |= MF_MENUBARBREAK; break;
        case MENU_NEW_SUBMENU:
            group = CreatePopupMenu();
            AppendMenuA(projection_menu, MF_POPUP, UINT_PTR(group), menu_script.group_titles[next_title++]);
            break;
        }
        char label[PROJECTION_LABEL_CAPACITY] = "";
        format_projection_label(i, label, '\t');
        AppendMenuA(group, flags, UINT_PTR(item.command), label);
    }
}

HMENU build_menu_bar()
{
    read_menu_script(MENU_SCRIPT, menu_script);
    HMENU bar = CreateMenu();
    append_projection_groups(append_script_menus(bar));
    return bar;
}
