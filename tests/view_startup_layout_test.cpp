// tests/view_startup_layout_test.cpp
#include <gtest/gtest.h>
#include "view/startup_layout.h"

TEST(StartupClientRect, FullHdScreenGivesNineSixtyByFourEighty)
{
    const DeviceRect client = startup_client_rect(1920);
    EXPECT_EQ(client.left, 0);
    EXPECT_EQ(client.top, 0);
    EXPECT_EQ(client.right, 960);
    EXPECT_EQ(client.bottom, 480);
}

TEST(StartupClientRect, BothSidesComeFromTheWidthRoundedDown)
{
    const DeviceRect client = startup_client_rect(1366);
    EXPECT_EQ(client.right, 683);
    EXPECT_EQ(client.bottom, 341);
}
