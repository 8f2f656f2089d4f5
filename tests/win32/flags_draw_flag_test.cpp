// tests/win32/flags_draw_flag_test.cpp: flags drawn through GDI have the pixels the Cairo
// tests check: stripe edges, disc radius, cross arms; and no flag brush stays selected.
#include <gtest/gtest.h>
#include "flags/flags.h"
#include "platform/win32_draw.h"

namespace {
const int FRANCE = 65, JAPAN = 97, SWEDEN = 171;

// A DIB surface with the index built, released at the end of a test.
struct FlagSurface {
    Canvas canvas{};
    FlagSurface(int width, int height, int code)
    {
        build_flag_index();
        EXPECT_TRUE(create_dib_canvas(canvas, width, height));
        draw_flag(canvas, width, height, code);
    }
    ~FlagSurface() { release_dib_canvas(canvas); }
    Colour at(int x, int y) { return read_pixel(canvas, x, y); }
};

const Colour NAVY = 0x990000, WHITE = 0xFFFFFF, RED = 0x0000FF, SKY_BLUE = 0xFF9933, YELLOW = 0x00FFFF;
}   // namespace

TEST(DrawFlag, FranceStripesMeetAtThirdsThroughGdi)
{
    FlagSurface flag(300, 200, FRANCE);
    EXPECT_EQ(flag.at(99, 100), NAVY);
    EXPECT_EQ(flag.at(100, 100), WHITE);
    EXPECT_EQ(flag.at(199, 100), WHITE);
    EXPECT_EQ(flag.at(200, 100), RED);
    EXPECT_EQ(flag.at(299, 199), RED);
}

TEST(DrawFlag, JapanDiscFillsItsBoxThroughGdi)
{
    // the box (90, 40)-(210, 160)
    FlagSurface flag(300, 200, JAPAN);
    EXPECT_EQ(flag.at(89, 100), WHITE);
    EXPECT_EQ(flag.at(90, 100), RED);
    EXPECT_EQ(flag.at(209, 100), RED);
    EXPECT_EQ(flag.at(210, 100), WHITE);
    EXPECT_EQ(flag.at(150, 40), RED);
    EXPECT_EQ(flag.at(150, 159), RED);
}

TEST(DrawFlag, SwedenCrossArmsThroughGdi)
{
    FlagSurface flag(320, 200, SWEDEN);
    EXPECT_EQ(flag.at(99, 10), SKY_BLUE);
    EXPECT_EQ(flag.at(100, 10), YELLOW);
    EXPECT_EQ(flag.at(139, 10), YELLOW);
    EXPECT_EQ(flag.at(140, 10), SKY_BLUE);
    EXPECT_EQ(flag.at(10, 80), YELLOW);
    EXPECT_EQ(flag.at(10, 120), SKY_BLUE);
}

TEST(DrawFlag, LeavesTheStockBrushAndPenSelected)
{
    FlagSurface flag(300, 200, JAPAN);
    EXPECT_EQ(GetCurrentObject(flag.canvas.dc, OBJ_BRUSH), GetStockObject(WHITE_BRUSH));
    EXPECT_EQ(GetCurrentObject(flag.canvas.dc, OBJ_PEN), GetStockObject(BLACK_PEN));
}
