// projection/menu.h: where each catalogue entry goes in the projection menu, decided from the
// group bytes alone so that the Windows menu and the tests read the same rule.
#pragma once

// How entry i relates to entry i - 1 (the group byte before entry 0 counts as 0).
enum ProjectionMenuStep {
    MENU_SAME,          // equal group byte: the next item of the same column
    MENU_SEPARATOR,     // one more: a separator, then the item
    MENU_NEW_COLUMN,    // two more: the item starts a new column
    MENU_NEW_SUBMENU,   // any other change: the item opens the next group's submenu
};

struct ProjectionMenuItem {
    int command;               // i + 256 x menu group: the low byte is the catalogue index
    ProjectionMenuStep step;
};

ProjectionMenuItem projection_menu_item(int index);
