// projection/menu.cpp: the menu placement of a catalogue entry.
#include "projection/menu.h"
#include "projection/projection.h"
#include "platform/core_assert.h"

ProjectionMenuItem projection_menu_item(int index)
{
    CORE_ASSERT(index >= 0 && index < PROJECTION_COUNT);
    const int group = group_byte_of(PROJECTION_CATALOGUE[index]);
    const int previous = index > 0 ? group_byte_of(PROJECTION_CATALOGUE[index - 1]) : 0;
    ProjectionMenuItem item = { index + 256 * (group >> 4), MENU_NEW_SUBMENU };
    if (group == previous) item.step = MENU_SAME;
    else if (group == previous + 1) item.step = MENU_SEPARATOR;
    else if (group == previous + 2) item.step = MENU_NEW_COLUMN;
    return item;
}
