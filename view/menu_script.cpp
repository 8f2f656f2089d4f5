// view/menu_script.cpp: the menu script reader. A separator is one byte without a terminator;
// every other element and title is a zero-terminated text.
#include "view/menu_script.h"
#include "platform/core_assert.h"

static const char* after_text(const char* text)
{
    while (*text) ++text;
    return text + 1;
}

void read_menu_script(const char* script, MenuScript& menu)
{
    menu.count = 0;
    int command = 0;
    const char* cursor = script;
    do {
        CORE_ASSERT(menu.count < MENU_ELEMENT_CAPACITY);
        MenuElement& element = menu.elements[menu.count++];
        if (*cursor == '-') {
            element = MenuElement{MENU_SEPARATOR_LINE, nullptr, 0};
            ++cursor;
        } else if (*cursor == '+') {
            element = MenuElement{MENU_DROP_DOWN, cursor + 1, 0};
            cursor = after_text(cursor);
        } else {
            element = MenuElement{MENU_COMMAND, cursor, ++command};
            cursor = after_text(cursor);
        }
    } while (*cursor != '.');
    ++cursor;
    for (int i = 0; i < MENU_GROUP_COUNT; ++i) {
        menu.group_titles[i] = cursor;
        cursor = after_text(cursor);
    }
}
