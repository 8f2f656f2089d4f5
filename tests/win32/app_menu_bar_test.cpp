// tests/win32/app_menu_bar_test.cpp: the menu bar built from the menu script and the catalogue.
#include <gtest/gtest.h>
#include <string>
#include "app/app.h"
#include "projection/menu.h"
#include "projection/names.h"

namespace {

struct Item {
    UINT type;
    UINT id;
    HMENU submenu;
    std::string text;
};

Item item_at(HMENU menu, int position)
{
    char text[128] = {};
    MENUITEMINFOA info = {};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_SUBMENU | MIIM_STRING;
    info.dwTypeData = text;
    info.cch = sizeof text;
    EXPECT_TRUE(GetMenuItemInfoA(menu, position, TRUE, &info));
    return Item{info.fType, info.wID, info.hSubMenu, text};
}

class BuildMenuBar : public ::testing::Test {
protected:
    HMENU bar = NULL;
    void SetUp() override
    {
        build_projection_names();
        bar = build_menu_bar();
        ASSERT_NE(bar, nullptr);
    }
    void TearDown() override { DestroyMenu(bar); }
};

}  // namespace

TEST_F(BuildMenuBar, ThreeDropDownsWithTheScriptsCommandsAndSeparators)
{
    ASSERT_EQ(GetMenuItemCount(bar), 3);
    EXPECT_EQ(item_at(bar, 0).text, "&Map");
    EXPECT_EQ(item_at(bar, 1).text, "&Window");
    EXPECT_EQ(item_at(bar, 2).text, "&Projection");
    // drop-down by drop-down: command numbers, 0 for a separator
    const std::vector<std::vector<UINT>> expected = {
        {1, 0, 2, 3, 4, 0, 5, 6},
        {7, 8, 9, 0, 10, 11},
    };
    for (int d = 0; d < 2; ++d) {
        HMENU drop_down = item_at(bar, d).submenu;
        ASSERT_EQ(GetMenuItemCount(drop_down), int(expected[d].size()));
        for (int i = 0; i < GetMenuItemCount(drop_down); ++i) {
            const Item item = item_at(drop_down, i);
            EXPECT_EQ(item.type == MFT_SEPARATOR, expected[d][i] == 0) << d << " " << i;
            if (expected[d][i]) EXPECT_EQ(item.id, expected[d][i]);
        }
    }
    EXPECT_EQ(item_at(item_at(bar, 0).submenu, 7).text, "E&xit\tAlt+F4");
    EXPECT_EQ(item_at(item_at(bar, 1).submenu, 2).text, "Select &None\tEsc");
}

TEST_F(BuildMenuBar, ProjectionDropDownHoldsTwoCommandsASeparatorAndFiveGroups)
{
    HMENU projection = item_at(bar, 2).submenu;
    ASSERT_EQ(GetMenuItemCount(projection), 8);
    EXPECT_EQ(item_at(projection, 0).id, 12u);
    EXPECT_EQ(item_at(projection, 1).text, "&Next Projection\tDown");
    EXPECT_EQ(item_at(projection, 2).type, UINT(MFT_SEPARATOR));
    const char* titles[] = {"&Cylindrical", "Co&nic", "&Azimuthal", "&Pseudocylindrical", "&Other"};
    for (int g = 0; g < 5; ++g) {
        const Item group = item_at(projection, 3 + g);
        EXPECT_EQ(group.text, titles[g]);
        EXPECT_NE(group.submenu, nullptr);
    }
}

// Walks the five groups in order: every catalogue entry once, its command number, its label,
// a separator exactly where the section changes and a new column where it jumps by two.
TEST_F(BuildMenuBar, EveryCatalogueEntryInOrderWithItsCommandAndPlacement)
{
    HMENU projection = item_at(bar, 2).submenu;
    int entry = 0, separators = 0, columns = 0;
    for (int g = 0; g < 5; ++g) {
        HMENU group = item_at(projection, 3 + g).submenu;
        for (int position = 0; position < GetMenuItemCount(group); ++position) {
            const Item item = item_at(group, position);
            if (item.type & MFT_SEPARATOR) {
                ASSERT_LT(entry, PROJECTION_COUNT);
                EXPECT_EQ(projection_menu_item(entry).step, MENU_SEPARATOR) << entry;
                ++separators;
                continue;
            }
            ASSERT_LT(entry, PROJECTION_COUNT);
            EXPECT_EQ(item.id, UINT(entry + 256 * (g + 1))) << entry;
            EXPECT_EQ(item.id & 0xFF, UINT(entry));
            char label[PROJECTION_LABEL_CAPACITY] = "";
            format_projection_label(entry, label, '\t');
            EXPECT_EQ(item.text, label);
            const bool new_column = (item.type & MFT_MENUBARBREAK) != 0;
            EXPECT_EQ(new_column, projection_menu_item(entry).step == MENU_NEW_COLUMN) << entry;
            columns += new_column;
            ++entry;
        }
    }
    EXPECT_EQ(entry, PROJECTION_COUNT);
    EXPECT_GT(separators, 0);
    EXPECT_GT(columns, 0);
}

TEST_F(BuildMenuBar, EckertOneStartsANewColumn)
{
    HMENU projection = item_at(bar, 2).submenu;
    bool found = false;
    for (int g = 0; g < 5; ++g) {
        HMENU group = item_at(projection, 3 + g).submenu;
        for (int position = 0; position < GetMenuItemCount(group); ++position) {
            const Item item = item_at(group, position);
            if (item.text.rfind("Eckert I\t", 0) != 0) continue;
            found = true;
            EXPECT_TRUE(item.type & MFT_MENUBARBREAK);
            EXPECT_EQ(item_at(group, position - 1).text.rfind("\xC9rdi-Krausz\t", 0), 0u);
        }
    }
    EXPECT_TRUE(found);
}
