// tests/platform_shrink_test.cpp
#include <gtest/gtest.h>
#include <vector>
#include "platform/shrink.h"

namespace {
struct Image {
    std::vector<uint32_t> pixels;
    PixelBuffer buffer;
    Image(int width, int height, int stride, uint32_t fill) : pixels(size_t(stride) * height, fill)
    {
        buffer = PixelBuffer{ pixels.data(), width, height, stride };
    }
    uint32_t& at(int x, int y) { return pixels[size_t(y) * buffer.stride + x]; }
};
}

// 1. Anchors
TEST(WholeFactor, GivesTheFactorOnlyForExactMultiples)
{
    EXPECT_EQ(whole_factor(1920, 960), 2);
    EXPECT_EQ(whole_factor(1000, 1000), 1);
    EXPECT_EQ(whole_factor(1000, 500), 2);
    EXPECT_EQ(whole_factor(1001, 500), 0);
    EXPECT_EQ(whole_factor(500, 1000), 0);
    EXPECT_EQ(whole_factor(500, 0), 0);
    EXPECT_EQ(whole_factor(0, 0), 0);
}

TEST(ShrinkPixels, CheckerboardByTwoIsGrey)
{
    Image source(8, 6, 8, 0);
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 8; ++x) source.at(x, y) = (x + y) % 2 ? 0xFFFFFFFFu : 0xFF000000u;
    Image target(4, 3, 4, 0);
    shrink_pixels(source.buffer, target.buffer, 2, 2);
    for (uint32_t p : target.pixels) EXPECT_EQ(p, 0xFF808080u);   // (2 * 255 + 2) / 4 = 128
}

TEST(ShrinkPixels, RoundsHalfUpPerByte)
{
    Image source(2, 1, 2, 0);
    source.at(0, 0) = 0x01020304u;
    source.at(1, 0) = 0x02030405u;
    Image target(1, 1, 1, 0);
    shrink_pixels(source.buffer, target.buffer, 2, 1);
    EXPECT_EQ(target.at(0, 0), 0x02030405u);   // every mean is x.5, rounded up
    source.at(1, 0) = 0x01020306u;
    shrink_pixels(source.buffer, target.buffer, 2, 1);
    EXPECT_EQ(target.at(0, 0), 0x01020305u);   // 1, 2, 3 exact; (4 + 6) / 2 = 5
}

TEST(ShrinkPixels, ThreeByThreeBlockMean)
{
    Image source(3, 3, 3, 0);
    for (int i = 0; i < 9; ++i) source.pixels[i] = uint32_t(i * 10);   // blue 0..80, mean 40
    source.at(2, 2) = 81;   // sum 361: 361 / 9 = 40.1 -> 40
    Image target(1, 1, 1, 0);
    shrink_pixels(source.buffer, target.buffer, 3, 3);
    EXPECT_EQ(target.at(0, 0), 40u);
    source.at(2, 2) = 85;   // sum 365: 40.56 -> 41
    shrink_pixels(source.buffer, target.buffer, 3, 3);
    EXPECT_EQ(target.at(0, 0), 41u);
}

// 2. Invariants
TEST(ShrinkPixels, HonoursStridesAndLeavesTheRestOfTheTarget)
{
    Image source(6, 4, 10, 0xDEADBEEFu);   // padding beyond width 6 must never be read into
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 6; ++x) source.at(x, y) = uint32_t(y * 6 + x);
    Image target(2, 2, 5, 0x12345678u);
    PixelBuffer used = target.buffer;
    shrink_pixels(source.buffer, used, 3, 2);
    // block (0,0): 0 1 2 / 6 7 8 -> 24 / 6 = 4; block (1,0): 3 4 5 / 9 10 11 -> 42 / 6 = 7
    EXPECT_EQ(target.at(0, 0), 4u);
    EXPECT_EQ(target.at(1, 0), 7u);
    EXPECT_EQ(target.at(0, 1), 16u);   // 12 13 14 / 18 19 20 -> 96 / 6
    EXPECT_EQ(target.at(1, 1), 19u);
    EXPECT_EQ(target.at(2, 0), 0x12345678u);
    EXPECT_EQ(target.at(4, 1), 0x12345678u);
}

TEST(ShrinkPixels, FactorOneCopies)
{
    Image source(5, 3, 5, 0);
    for (int i = 0; i < 15; ++i) source.pixels[i] = 0x01010101u * uint32_t(i * 17);
    Image target(5, 3, 7, 0);
    shrink_pixels(source.buffer, target.buffer, 1, 1);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x) EXPECT_EQ(target.at(x, y), source.at(x, y));
}

// 3. Sweep: the reciprocal division is exact for every block size and every sum
TEST(ShrinkPixels, MatchesIntegerDivisionForEveryBlockShape)
{
    for (int kx = 1; kx <= 12; ++kx) {
        for (int ky = 1; ky <= 12; ++ky) {
            const int n = kx * ky;
            Image source(kx * 4, ky, kx * 4, 0);
            // four blocks whose blue sums are 0, 255 n, and two values around a rounding step
            const uint32_t fills[4] = { 0, 255, 0, 0 };
            for (int b = 0; b < 4; ++b)
                for (int j = 0; j < ky; ++j)
                    for (int i = 0; i < kx; ++i) source.at(b * kx + i, j) = fills[b];
            source.at(2 * kx, 0) = uint32_t(n / 2 > 255 ? 255 : n / 2);
            source.at(3 * kx, 0) = uint32_t(n / 2 + 1 > 255 ? 255 : n / 2 + 1);
            Image target(4, 1, 4, 0);
            shrink_pixels(source.buffer, target.buffer, kx, ky);
            for (int b = 0; b < 4; ++b) {
                uint32_t sum = 0;
                for (int j = 0; j < ky; ++j)
                    for (int i = 0; i < kx; ++i) sum += source.at(b * kx + i, j);
                EXPECT_EQ(target.at(b, 0), (sum + uint32_t(n) / 2) / uint32_t(n)) << kx << "x" << ky;
            }
        }
    }
}
