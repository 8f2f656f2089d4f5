// tests/platform_raster_test.cpp
#include <gtest/gtest.h>
#include <random>
#include <set>
#include <string>
#include <utility>
#include <vector>
#include "platform/raster.h"

namespace {
const uint32_t INK = 0xFF123456u;

struct Image {
    std::vector<uint32_t> pixels;
    PixelBuffer buffer;
    Image(int width, int height) : pixels(size_t(width) * height, 0)
    {
        buffer = PixelBuffer{ pixels.data(), width, height, width };
    }
    bool inked(int x, int y) const { return pixels[size_t(y) * buffer.stride + x] == INK; }
    int count() const
    {
        int n = 0;
        for (uint32_t p : pixels) n += p == INK;
        return n;
    }
    std::set<std::pair<int, int>> set() const
    {
        std::set<std::pair<int, int>> s;
        for (int y = 0; y < buffer.height; ++y)
            for (int x = 0; x < buffer.width; ++x)
                if (inked(x, y)) s.insert({ x, y });
        return s;
    }
    // one text line per row, '#' for ink, for readable failures
    std::string picture() const
    {
        std::string s;
        for (int y = 0; y < buffer.height; ++y) {
            for (int x = 0; x < buffer.width; ++x) s += inked(x, y) ? '#' : '.';
            s += '\n';
        }
        return s;
    }
};

// The sampling rule stated independently: the lattice point (x, y) is inside when an odd number of
// edges cross the scanline at or left of x, an edge counting on scanlines top <= y < bottom.
bool lattice_point_inside(const std::vector<DevicePoint>& ring, int x, int y)
{
    int crossings = 0;
    for (size_t i = 0; i < ring.size(); ++i) {
        DevicePoint a = ring[i], b = ring[(i + 1) % ring.size()];
        if (a.y == b.y) continue;
        if (a.y > b.y) std::swap(a, b);
        if (y < a.y || y >= b.y) continue;
        // crossing x = a.x + (y - a.y) (b.x - a.x) / (b.y - a.y) <= x, multiplied out (b.y > a.y)
        if (int64_t(a.x) * (b.y - a.y) + int64_t(y - a.y) * (b.x - a.x) <= int64_t(x) * (b.y - a.y))
            ++crossings;
    }
    return crossings % 2 == 1;
}

void fill_one(Image& image, const std::vector<DevicePoint>& ring)
{
    const int n = int(ring.size());
    fill_rings(image.buffer, ring.data(), &n, 1, INK);
}
}

// 1. Anchors
TEST(FillBox, CoversLeftToRightMinusOneAndTopToBottomMinusOne)
{
    Image image(10, 8);
    fill_box(image.buffer, DeviceRect{ 2, 1, 6, 4 }, INK);
    EXPECT_EQ(image.count(), 4 * 3);
    EXPECT_TRUE(image.inked(2, 1));
    EXPECT_TRUE(image.inked(5, 3));
    EXPECT_FALSE(image.inked(6, 3));
    EXPECT_FALSE(image.inked(5, 4));
    EXPECT_FALSE(image.inked(1, 1));
    EXPECT_FALSE(image.inked(2, 0));
}

TEST(FillBox, InvertedRectangleFillsItsOrderedForm)
{
    Image a(10, 8), b(10, 8);
    fill_box(a.buffer, DeviceRect{ 6, 4, 2, 1 }, INK);
    fill_box(b.buffer, DeviceRect{ 2, 1, 6, 4 }, INK);
    EXPECT_EQ(a.pixels, b.pixels);
}

TEST(FillBox, ClipsToTheImage)
{
    Image image(4, 3);
    fill_box(image.buffer, DeviceRect{ -100, -5, 100, 2 }, INK);
    EXPECT_EQ(image.count(), 4 * 2);
    fill_box(image.buffer, DeviceRect{ 5, 0, 9, 3 }, 0);   // wholly outside: nothing
    EXPECT_EQ(image.count(), 4 * 2);
}

TEST(FillRings, RectangleExcludesRightAndBottomEdges)
{
    Image image(12, 12);
    fill_one(image, { { 2, 3 }, { 9, 3 }, { 9, 8 }, { 2, 8 } });
    EXPECT_EQ(image.count(), 7 * 5) << image.picture();
    EXPECT_TRUE(image.inked(2, 3));
    EXPECT_TRUE(image.inked(8, 7));
    EXPECT_FALSE(image.inked(9, 7));
    EXPECT_FALSE(image.inked(8, 8));
}

TEST(FillRings, SelfOverlappingStarLeavesItsCentreEmpty)
{
    // a five-pointed star drawn as one pentagram: the inner pentagon is crossed twice
    Image image(41, 41);
    fill_one(image, { { 20, 0 }, { 32, 38 }, { 0, 14 }, { 40, 14 }, { 8, 38 } });
    EXPECT_FALSE(image.inked(20, 22)) << image.picture();
    EXPECT_TRUE(image.inked(20, 5));    // top point
    EXPECT_TRUE(image.inked(4, 15));    // left point
    EXPECT_TRUE(image.inked(30, 35));   // bottom-right point
}

TEST(FillRings, TwoRingsFillByTheAlternateRule)
{
    // a square with a square hole
    const DevicePoint points[] = { { 0, 0 }, { 10, 0 }, { 10, 10 }, { 0, 10 },
                                   { 3, 3 }, { 7, 3 }, { 7, 7 }, { 3, 7 } };
    const int sizes[] = { 4, 4 };
    Image image(12, 12);
    fill_rings(image.buffer, points, sizes, 2, INK);
    EXPECT_EQ(image.count(), 100 - 16) << image.picture();
    EXPECT_FALSE(image.inked(5, 5));
    EXPECT_TRUE(image.inked(2, 5));
}

// 2. Invariants
TEST(FillRings, NeighboursSharingAnEdgeNeitherOverlapNorLeaveAGap)
{
    std::mt19937 random(7);
    std::uniform_int_distribution<int> coordinate(-5, 45);
    for (int trial = 0; trial < 200; ++trial) {
        // a quadrilateral cut into two triangles along a slanted diagonal
        const DevicePoint a{ coordinate(random), coordinate(random) }, b{ coordinate(random), coordinate(random) };
        const DevicePoint c{ coordinate(random), coordinate(random) }, d{ coordinate(random), coordinate(random) };
        Image whole(40, 40), first(40, 40), second(40, 40);
        fill_one(whole, { a, b, c, d });
        fill_one(first, { a, b, c });
        fill_one(second, { a, c, d });
        // the alternate rule: whole = first XOR second, for any shape of the quadrilateral
        for (int y = 0; y < 40; ++y)
            for (int x = 0; x < 40; ++x)
                ASSERT_EQ(whole.inked(x, y), first.inked(x, y) != second.inked(x, y)) << x << "," << y;
    }
}

// 3. Sweep: random polygons against the sampling rule stated on its own
TEST(FillRings, MatchesTheLatticeSamplingRule)
{
    std::mt19937 random(11);
    std::uniform_int_distribution<int> coordinate(-8, 56), size(3, 9);
    for (int trial = 0; trial < 300; ++trial) {
        std::vector<DevicePoint> ring(size(random));
        for (DevicePoint& p : ring) p = DevicePoint{ coordinate(random), coordinate(random) };
        Image image(48, 48);
        fill_one(image, ring);
        for (int y = 0; y < 48; ++y)
            for (int x = 0; x < 48; ++x)
                ASSERT_EQ(image.inked(x, y), lattice_point_inside(ring, x, y)) << "trial " << trial << " at " << x << "," << y;
    }
}

// 1. Anchors
TEST(DrawLine, ExcludesTheEndPoint)
{
    Image image(10, 10);
    draw_line(image.buffer, DevicePoint{ 1, 2 }, DevicePoint{ 7, 2 }, INK);
    EXPECT_EQ(image.count(), 6);
    EXPECT_TRUE(image.inked(1, 2));
    EXPECT_FALSE(image.inked(7, 2));
    draw_line(image.buffer, DevicePoint{ 3, 3 }, DevicePoint{ 3, 3 }, INK);   // empty line
    EXPECT_EQ(image.count(), 6);
}

TEST(DrawLine, TiesRoundTowardsTheSameSideInBothDirections)
{
    // slope 1/2: at x = 1 and x = 3 the true line lies halfway between two rows
    Image forward(5, 3), backward(5, 3);
    draw_line(forward.buffer, DevicePoint{ 0, 0 }, DevicePoint{ 4, 2 }, INK);
    draw_line(backward.buffer, DevicePoint{ 4, 2 }, DevicePoint{ 0, 0 }, INK);
    EXPECT_EQ(forward.picture(), "##...\n..##.\n.....\n");
    EXPECT_EQ(backward.picture(), ".#...\n..##.\n....#\n");
}

TEST(OutlineRing, CoversEveryVertexOnce)
{
    Image image(8, 8);
    const DevicePoint square[] = { { 1, 1 }, { 6, 1 }, { 6, 5 }, { 1, 5 } };
    outline_ring(image.buffer, square, 4, INK);
    EXPECT_EQ(image.count(), 2 * 5 + 2 * 4) << image.picture();
    for (const DevicePoint& p : square) EXPECT_TRUE(image.inked(p.x, p.y));
    EXPECT_FALSE(image.inked(3, 3));
}

// 2. Invariants
TEST(DrawLine, EveryPixelIsTheNearestToTheTrueLine)
{
    std::mt19937 random(3);
    std::uniform_int_distribution<int> coordinate(0, 39);
    for (int trial = 0; trial < 500; ++trial) {
        const DevicePoint a{ coordinate(random), coordinate(random) }, b{ coordinate(random), coordinate(random) };
        Image image(40, 40);
        draw_line(image.buffer, a, b, INK);
        const int dx = b.x - a.x, dy = b.y - a.y;
        const int steps = std::max(std::abs(dx), std::abs(dy));
        ASSERT_EQ(image.count(), steps);
        for (const auto& p : image.set()) {
            // distance along the minor axis from the true line is at most one half
            if (std::abs(dx) >= std::abs(dy) && dx != 0)
                EXPECT_LE(std::abs(2 * ((p.second - a.y) * dx - (p.first - a.x) * dy)), std::abs(dx));
            else if (dy != 0)
                EXPECT_LE(std::abs(2 * ((p.first - a.x) * dy - (p.second - a.y) * dx)), std::abs(dy));
        }
    }
}

TEST(DrawLine, ReversedLineLightsTheSamePixels)
{
    std::mt19937 random(5);
    std::uniform_int_distribution<int> coordinate(0, 29);
    for (int trial = 0; trial < 500; ++trial) {
        const DevicePoint a{ coordinate(random), coordinate(random) }, b{ coordinate(random), coordinate(random) };
        if (a.x == b.x && a.y == b.y) continue;
        Image forward(30, 30), backward(30, 30);
        draw_line(forward.buffer, a, b, INK);
        draw_line(backward.buffer, b, a, INK);
        std::set<std::pair<int, int>> f = forward.set(), r = backward.set();
        f.insert({ b.x, b.y });
        r.insert({ a.x, a.y });
        ASSERT_EQ(f, r) << a.x << "," << a.y << " - " << b.x << "," << b.y;
    }
}

TEST(DrawLine, ClippingKeepsThePixelsInside)
{
    std::mt19937 random(9);
    std::uniform_int_distribution<int> coordinate(-60, 100);
    for (int trial = 0; trial < 500; ++trial) {
        const DevicePoint a{ coordinate(random), coordinate(random) }, b{ coordinate(random), coordinate(random) };
        Image large(300, 300), small(40, 40);
        const DevicePoint shift{ 100, 100 };
        draw_line(large.buffer, DevicePoint{ a.x + shift.x, a.y + shift.y }, DevicePoint{ b.x + shift.x, b.y + shift.y }, INK);
        draw_line(small.buffer, a, b, INK);
        for (int y = 0; y < 40; ++y)
            for (int x = 0; x < 40; ++x)
                ASSERT_EQ(small.inked(x, y), large.inked(x + shift.x, y + shift.y)) << trial;
    }
}

// 1. Anchors
TEST(DrawEllipsePixels, SmallestBoxesGiveOnePixelOrNothing)
{
    Image image(6, 6);
    draw_ellipse_pixels(image.buffer, DeviceRect{ 2, 2, 3, 3 }, true, INK, true, INK);
    EXPECT_EQ(image.count(), 1);
    EXPECT_TRUE(image.inked(2, 2));
    Image empty(6, 6);
    draw_ellipse_pixels(empty.buffer, DeviceRect{ 2, 2, 2, 5 }, true, INK, true, INK);
    EXPECT_EQ(empty.count(), 0);
}

TEST(DrawEllipsePixels, OutlineIsOnePixelAroundTheFill)
{
    const uint32_t FILL = 0xFF00FF00u;
    Image image(24, 16);
    draw_ellipse_pixels(image.buffer, DeviceRect{ 2, 2, 22, 14 }, true, FILL, true, INK);
    int filled = 0;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 24; ++x) {
            const uint32_t p = image.pixels[size_t(y) * 24 + x];
            if (p != FILL) continue;
            ++filled;
            // a filled pixel never touches the outside directly
            EXPECT_NE(image.pixels[size_t(y) * 24 + x - 1], 0u);
            EXPECT_NE(image.pixels[size_t(y) * 24 + x + 1], 0u);
            EXPECT_NE(image.pixels[size_t(y - 1) * 24 + x], 0u);
            EXPECT_NE(image.pixels[size_t(y + 1) * 24 + x], 0u);
        }
    EXPECT_GT(filled, 0);
    EXPECT_TRUE(image.inked(2, 7)) << image.picture();   // the outline reaches every side of the box
    EXPECT_TRUE(image.inked(21, 7));
    EXPECT_TRUE(image.inked(11, 2));
    EXPECT_TRUE(image.inked(11, 13));
}

// 3. Sweep: every box size stays inside its box, touches all four sides and is mirror-symmetric
TEST(DrawEllipsePixels, EveryBoxSizeIsInsideTouchingAndSymmetric)
{
    for (int w = 1; w <= 30; ++w)
        for (int h = 1; h <= 30; ++h) {
            Image image(34, 34);
            const DeviceRect box{ 2, 2, 2 + w, 2 + h };
            draw_ellipse_pixels(image.buffer, box, false, 0, true, INK);
            int left = 99, right = -1, top = 99, bottom = -1;
            for (int y = 0; y < 34; ++y)
                for (int x = 0; x < 34; ++x) {
                    if (!image.inked(x, y)) continue;
                    left = std::min(left, x);
                    right = std::max(right, x);
                    top = std::min(top, y);
                    bottom = std::max(bottom, y);
                    ASSERT_TRUE(image.inked(box.left + box.right - 1 - x, y)) << w << "x" << h;
                    ASSERT_TRUE(image.inked(x, box.top + box.bottom - 1 - y)) << w << "x" << h;
                }
            ASSERT_EQ(left, box.left) << w << "x" << h;
            ASSERT_EQ(right, box.right - 1) << w << "x" << h;
            ASSERT_EQ(top, box.top) << w << "x" << h;
            ASSERT_EQ(bottom, box.bottom - 1) << w << "x" << h;
        }
}
