// tests/projection_menu_test.cpp
#include <gtest/gtest.h>
#include "projection/menu.h"
#include "projection/projection.h"

// 1. Anchors: the transitions the menu shows.
TEST(ProjectionMenuItem, FirstEntryOpensTheCylindricalSubmenu)
{
    EXPECT_EQ(projection_menu_item(0).step, MENU_NEW_SUBMENU);
    EXPECT_EQ(projection_menu_item(0).command, 256);
    EXPECT_EQ(projection_menu_item(1).step, MENU_SAME);
}

TEST(ProjectionMenuItem, SeparatorBeforeMillerI)
{
    EXPECT_EQ(projection_menu_item(5).step, MENU_SAME);         // Braun I, 0x10
    EXPECT_EQ(projection_menu_item(6).step, MENU_SEPARATOR);    // Miller I, 0x11
    EXPECT_EQ(projection_menu_item(7).step, MENU_SAME);
}

TEST(ProjectionMenuItem, SimpleConicOpensTheConicSubmenu)
{
    EXPECT_EQ(projection_menu_item(14).step, MENU_NEW_SUBMENU);   // 0x12 to 0x20
    EXPECT_EQ(projection_menu_item(14).command, 512 + 14);
    EXPECT_EQ(projection_menu_item(13).command, 256 + 13);
}

TEST(ProjectionMenuItem, EckertIStartsANewColumn)
{
    EXPECT_EQ(projection_menu_item(76).step, MENU_NEW_COLUMN);    // 0x43 to 0x45
    EXPECT_EQ(projection_menu_item(76).command, 1024 + 76);
}

// 2. Invariants over the whole catalogue.
TEST(ProjectionMenuItem, CommandIsGroupBasePlusIndex)
{
    for (int i = 0; i < PROJECTION_COUNT; ++i) {
        const int command = projection_menu_item(i).command;
        EXPECT_EQ(command & 0xFF, i);
        EXPECT_EQ(command >> 8, group_byte_of(PROJECTION_CATALOGUE[i]) >> 4);
    }
}

TEST(ProjectionMenuItem, FiveSubmenusInGroupOrderAndOneNewColumn)
{
    int submenus = 0;
    int columns = 0;
    for (int i = 0; i < PROJECTION_COUNT; ++i) {
        const ProjectionMenuItem item = projection_menu_item(i);
        if (item.step == MENU_NEW_SUBMENU) EXPECT_EQ(item.command >> 8, ++submenus) << "entry " << i;
        if (item.step == MENU_NEW_COLUMN) ++columns;
    }
    EXPECT_EQ(submenus, 5);
    EXPECT_EQ(columns, 1);
}
