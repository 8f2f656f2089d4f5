// tests/view_menu_script_test.cpp
#include <cstring>
#include <gtest/gtest.h>
#include "view/menu_script.h"
#include "data/blobs.h"

TEST(ReadMenuScript, ThreeDropDownsThirteenCommandsFourSeparators)
{
    MenuScript menu;
    read_menu_script(MENU_SCRIPT, menu);
    ASSERT_EQ(menu.count, 20);
    int drop_downs = 0, separators = 0, last_command = 0;
    for (int i = 0; i < menu.count; ++i) {
        drop_downs += menu.elements[i].kind == MENU_DROP_DOWN;
        separators += menu.elements[i].kind == MENU_SEPARATOR_LINE;
        if (menu.elements[i].kind == MENU_COMMAND) {
            EXPECT_EQ(menu.elements[i].command, ++last_command);
        }
    }
    EXPECT_EQ(drop_downs, 3);
    EXPECT_EQ(separators, 4);
    EXPECT_EQ(last_command, 13);
    EXPECT_STREQ(menu.elements[0].text, "&Map");
    EXPECT_STREQ(menu.elements[1].text, "Show &Boundaries\tCtrl+B");
    EXPECT_EQ(menu.elements[2].kind, MENU_SEPARATOR_LINE);
    EXPECT_STREQ(menu.elements[menu.count - 2].text, "&Next Projection\tDown");
    EXPECT_EQ(menu.elements[menu.count - 1].kind, MENU_SEPARATOR_LINE);
}

TEST(ReadMenuScript, GroupTitlesFollowTheEnd)
{
    MenuScript menu;
    read_menu_script(MENU_SCRIPT, menu);
    const char* expected[] = {"&Cylindrical", "Co&nic", "&Azimuthal", "&Pseudocylindrical", "&Other"};
    for (int i = 0; i < MENU_GROUP_COUNT; ++i) EXPECT_STREQ(menu.group_titles[i], expected[i]);
    EXPECT_EQ(menu.group_titles[4] + std::strlen(menu.group_titles[4]) + 1, MENU_SCRIPT + MENU_SCRIPT_SIZE);
}

TEST(ReadMenuScript, SeparatorNeedsNoTerminator)
{
    const char script[] = "+A\0x\0-y\0-.T1\0T2\0T3\0T4\0T5";
    MenuScript menu;
    read_menu_script(script, menu);
    ASSERT_EQ(menu.count, 5);
    EXPECT_STREQ(menu.elements[3].text, "y");
    EXPECT_EQ(menu.elements[3].command, 2);
    EXPECT_STREQ(menu.group_titles[0], "T1");
}
