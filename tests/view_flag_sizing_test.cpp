// tests/view_flag_sizing_test.cpp
#include <gtest/gtest.h>
#include "view/flag_sizing.h"

namespace {

// A frame of 16 x 42 (borders and caption) on a 1024 x 768 screen.
const FlagFrame FRAME = {16, 42, 1024, 768};

int client_width(const DeviceRect& r) { return r.right - r.left - FRAME.frame_width; }
int client_height(const DeviceRect& r) { return r.bottom - r.top - FRAME.frame_height; }

}  // namespace

// 1. Anchors: proposed rectangles by client size, and what the rule makes of them.
TEST(KeepFlagAspect, DraggedEdgesAndClampsAtTheScreen)
{
    struct Case { const char* what; int edge; DeviceRect proposed; DeviceRect expected; };
    const Case cases[] = {
        {"right edge to a 600 client: 300 high", SIZING_RIGHT, {100, 50, 716, 300}, {100, 50, 716, 392}},
        {"bottom edge to a 200 client: 400 wide", SIZING_BOTTOM, {100, 50, 400, 292}, {100, 50, 516, 292}},
        {"top edge keeps the height too", SIZING_TOP, {100, 50, 400, 292}, {100, 50, 516, 292}},
        {"left edge, odd width: the height rounds down", SIZING_LEFT, {99, 50, 416, 100}, {99, 50, 416, 242}},
        {"bottom-right corner: the width wins", SIZING_BOTTOM_RIGHT, {0, 0, 496, 999}, {0, 0, 496, 282}},
        {"top-right corner moves the top", SIZING_TOP_RIGHT, {100, 300, 716, 700}, {100, 358, 716, 700}},
        {"top-left corner moves the top", SIZING_TOP_LEFT, {100, 300, 716, 700}, {100, 358, 716, 700}},
        {"top-right corner above the screen: top 0, the height decides the width", SIZING_TOP_RIGHT,
         {0, 10, 1016, 500}, {0, 0, 16 + 2 * (500 - 42), 500}},
        {"... and then the right edge of the screen, the width again", SIZING_TOP_RIGHT, {100, 10, 1116, 500},
         {100, 0, 1024, 42 + (1024 - 100 - 16) / 2}},
        {"right edge below the screen: bottom stops, the height decides", SIZING_RIGHT, {0, 400, 1000, 500},
         {0, 400, 16 + 2 * (768 - 400 - 42), 768}},
        {"bottom edge past the right: right stops, the width decides", SIZING_BOTTOM, {700, 0, 800, 300},
         {700, 0, 1024, 42 + (1024 - 700 - 16) / 2}},
    };
    for (const Case& c : cases) {
        DeviceRect r = c.proposed;
        keep_flag_aspect(c.edge, r, FRAME);
        EXPECT_EQ(r.left, c.expected.left) << c.what;
        EXPECT_EQ(r.top, c.expected.top) << c.what;
        EXPECT_EQ(r.right, c.expected.right) << c.what;
        EXPECT_EQ(r.bottom, c.expected.bottom) << c.what;
    }
}

// 2. Invariants: whatever is dragged, the client stays 2:1 (to the rounding) or the rectangle
// touches the screen edge that stopped it; the left edge stays.
TEST(KeepFlagAspect, EveryEdgeGivesTwoToOneOrAScreenEdge)
{
    for (int edge = SIZING_LEFT; edge <= SIZING_BOTTOM_RIGHT; ++edge) {
        for (int size = 256; size <= 1400; size += 97) {
            DeviceRect r = {300, 200, 300 + size, 200 + size / 3};
            keep_flag_aspect(edge, r, FRAME);
            EXPECT_EQ(r.left, 300);
            const bool two_to_one = client_width(r) / 2 == client_height(r) || client_width(r) == 2 * client_height(r);
            const bool stopped = r.right == FRAME.screen_width || r.bottom == FRAME.screen_height || r.top == 0;
            EXPECT_TRUE(two_to_one || stopped) << edge << " " << size;
        }
    }
}

TEST(FlagWindowPlacement, MinimumAndStartUnderTheMainWindow)
{
    const DevicePoint minimum = flag_window_minimum(FRAME);
    EXPECT_EQ(minimum.x, 16 + 240);
    EXPECT_EQ(minimum.y, 42 + 120);
    const DeviceRect start = flag_window_start(DeviceRect{0, 0, 1000, 540}, FRAME);
    EXPECT_EQ(start.left, 1000 - 16 - 480);
    EXPECT_EQ(start.top, 540);
    EXPECT_EQ(start.right, 1000);
    EXPECT_EQ(start.bottom, 540 + 42 + 240);
}
