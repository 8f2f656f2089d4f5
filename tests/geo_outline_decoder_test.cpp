// tests/geo_outline_decoder_test.cpp
#include <gtest/gtest.h>
#include <cmath>
#include <vector>
#include "data/blobs.h"
#include "geo/outlines.h"

namespace {

// The worked examples give 4 decimals; the Windows build may differ in the last float bits.
const double EXAMPLE_TOLERANCE = 1e-4;
const double GEO_TOLERANCE = 1e-5;

using Bytes = std::vector<unsigned char>;

Bytes operator+(Bytes a, const Bytes& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// The 6 bytes of an anchor at whole thousandths of the scale, so points are easy to predict.
Bytes anchor_bytes(int x, int y)
{
    return {Bytes::value_type(x), Bytes::value_type(x >> 8), Bytes::value_type(x >> 16),
            Bytes::value_type(y), Bytes::value_type(y >> 8), Bytes::value_type(y >> 16)};
}

double anchor_x(int x) { return x * (1.0 / 16777215.0) * 362.0 - 181.0; }
double anchor_y(int y) { return y * (1.0 / 16777215.0) * 180.0; }

// Three anchors used below, as raw values.
const int AX = 8457257, AY = 4423137;
const int BX = 8470000, BY = 4500000;
const int CX = 8500000, CY = 4400000;
const Bytes A = anchor_bytes(AX, AY);
const Bytes B = anchor_bytes(BX, BY);
const Bytes C = anchor_bytes(CX, CY);

DecodeFigures decode(const Bytes& stream) { return decode_outlines(stream.data(), int(stream.size())); }

const GeoPoint& point(int polygon, int k) { return outline_points[polygons[polygon].first + k]; }

#define EXPECT_GEO_NEAR(p, ex, ey, tolerance) \
    do {                                      \
        EXPECT_NEAR((p).x, (ex), tolerance);  \
        EXPECT_NEAR((p).y, (ey), tolerance);  \
    } while (0)

#define EXPECT_SAME_POINT(p, q)   \
    do {                          \
        EXPECT_EQ((p).x, (q).x);  \
        EXPECT_EQ((p).y, (q).y);  \
    } while (0)

const Bytes ANDORRA = {0x01, 0xEE, 0x29, 0x0C, 0x81, 0xE1, 0x7D, 0x43, 0xBB, 0x3C, 0x81, 0xDF, 0xA2,
                       0x43, 0x0C, 0x43, 0x43, 0x0A, 0x8A, 0xE0, 0x01, 0x09, 0xBE, 0xBF, 0x9F, 0x1F, 0xFA};
const Bytes ANTIGUA = {0xD7, 0xF6, 0xD0, 0x50, 0x54, 0x52, 0x9E, 0x67, 0x08, 0x22, 0xD7, 0x9D, 0x1D};
const Bytes ANGUILLA = {0x05, 0xFB, 0x2C, 0x69, 0x53, 0xD1, 0x16, 0x66, 0x0B, 0xEB};
const Bytes END = {0x00};

}  // namespace

// 1. Anchors: the worked examples.
TEST(DecodeOutlines, AndorraIsTwoSharedChainsClosingOnItsFirstNode)
{
    const DecodeFigures figures = decode(ANDORRA + END);
    ASSERT_TRUE(figures.complete);
    EXPECT_EQ(polygon_count, 2);
    EXPECT_EQ(polygons[1].country, 1);
    ASSERT_EQ(polygon_point_count(1), 9);
    EXPECT_EQ(figures.nodes, 2);
    EXPECT_EQ(figures.stored_runs, 2);
    EXPECT_EQ(figures.pieces, 2);
    EXPECT_GEO_NEAR(point(1, 0), 1.4812, 47.4551, EXAMPLE_TOLERANCE);
    EXPECT_GEO_NEAR(point(1, 0), anchor_x(8457257), anchor_y(4423137), GEO_TOLERANCE);
    EXPECT_GEO_NEAR(point(1, 3), 1.7497, 47.5539, EXAMPLE_TOLERANCE);   // the chain's last point
    EXPECT_GEO_NEAR(point(1, 4), 1.7495, 47.5567, EXAMPLE_TOLERANCE);   // node 2: BB 3C 81 DF A2 43
    EXPECT_SAME_POINT(point(1, 8), point(1, 0));
    // the second chain: step 0.09 towards 0xBE = 267.2 degrees, almost due west
    EXPECT_NEAR(point(1, 5).x - point(1, 4).x, 0.09 * std::sin(0xBE * M_PI / 128), GEO_TOLERANCE);
    EXPECT_NEAR(point(1, 5).y - point(1, 4).y, 0.09 * std::cos(0xBE * M_PI / 128), GEO_TOLERANCE);
}

TEST(DecodeOutlines, AntiguaIsARingOfThreeSteps)
{
    ASSERT_TRUE(decode(ANTIGUA + END).complete);
    EXPECT_EQ(polygons[1].country, 215);
    ASSERT_EQ(polygon_point_count(1), 5);
    EXPECT_GEO_NEAR(point(1, 0), -61.7724, 72.8567, EXAMPLE_TOLERANCE);
    EXPECT_SAME_POINT(point(1, 4), point(1, 0));
    EXPECT_NEAR(std::hypot(point(1, 1).x - point(1, 0).x, point(1, 1).y - point(1, 0).y), 0.08, GEO_TOLERANCE);
}

TEST(DecodeOutlines, AnguillaIsATriangleAroundItsAnchor)
{
    ASSERT_TRUE(decode(ANGUILLA + END).complete);
    EXPECT_EQ(polygons[1].country, 5);
    ASSERT_EQ(polygon_point_count(1), 4);
    EXPECT_GEO_NEAR(point(1, 0), -63.0898, 71.8847, EXAMPLE_TOLERANCE);
    EXPECT_SAME_POINT(point(1, 3), point(1, 0));
    const double px = anchor_x(0x53692C), py = anchor_y(0x6616D1);
    for (int k = 0; k < 3; ++k) {
        const double angle = 235 * M_PI / 384 - k * 2 * M_PI / 3;
        EXPECT_GEO_NEAR(point(1, k), px + 0.11 * std::cos(angle), py + 0.11 * std::sin(angle), GEO_TOLERANCE);
    }
}

// Monaco copies run 190 backward from a line between nodes 233 and 234, so the stream first
// defines 232 nodes and 189 runs, then run 190 as a chain from node 233 to node 234.
TEST(DecodeOutlines, MonacoCopiesStoredRun190Backward)
{
    Bytes stream = Bytes{0x09, 0xF8, 0xEE} + A + B;                  // nodes 1, 2; run 1
    for (int run = 2; run <= 189; ++run) stream = stream + Bytes{0xF8, 0x0E, 0x01} + C;
    for (int node = 191; node <= 232; ++node) stream = stream + Bytes{0xF7, 0x0E, 0x01} + C;
    stream = stream + Bytes{0xFA};
    stream = stream + Bytes{0x09, 0xEE} + A + B + Bytes{0x05, 0x00, 0x40, 0x40, 0xC0, 0xFA};
    const Bytes monaco = {0x79, 0xF7, 0x00, 0xE9, 0xEA, 0xF0, 0xBE, 0xFA};
    const DecodeFigures figures = decode(stream + monaco + END);
    ASSERT_TRUE(figures.complete);
    EXPECT_EQ(figures.nodes, 234);
    EXPECT_EQ(figures.stored_runs, 190);
    ASSERT_EQ(polygon_count, 4);
    EXPECT_EQ(polygons[3].country, 121);
    ASSERT_EQ(polygon_point_count(3), 7);
    const int run_first = polygons[2].first;   // run 190: node 233, three chain points, node 234
    EXPECT_SAME_POINT(point(3, 0), outline_points[run_first]);
    EXPECT_SAME_POINT(point(3, 1), outline_points[run_first + 4]);
    for (int k = 2; k < 7; ++k) EXPECT_SAME_POINT(point(3, k), outline_points[run_first + 6 - k]);
    EXPECT_SAME_POINT(point(3, 6), point(3, 0));
}

// 2. The byte rules, one at a time.
TEST(DecodeOutlines, AnchorsSpanTheWholeScale)
{
    const Bytes low = {0x01, 0xF7, 0xEE, 0, 0, 0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFA};
    ASSERT_TRUE(decode(low + END).complete);
    EXPECT_EQ(point(1, 0).x, -181.0f);
    EXPECT_EQ(point(1, 0).y, 0.0f);
    EXPECT_EQ(point(1, 1).x, 181.0f);
    EXPECT_EQ(point(1, 1).y, 180.0f);
}

TEST(DecodeOutlines, DirectionsTurnFromSouthThroughEast)
{
    // step 1 degree: south, east, north, west; the terminator of 0xC0 is 0x40
    const Bytes ring = Bytes{0x01, 0xF6} + A + Bytes{100, 0x00, 0x40, 0x80, 0xC0, 0x40};
    ASSERT_TRUE(decode(ring + END).complete);
    ASSERT_EQ(polygon_point_count(1), 6);
    const double x = anchor_x(AX), y = anchor_y(AY);
    EXPECT_GEO_NEAR(point(1, 1), x, y + 1, GEO_TOLERANCE);
    EXPECT_GEO_NEAR(point(1, 2), x + 1, y + 1, GEO_TOLERANCE);
    EXPECT_GEO_NEAR(point(1, 3), x + 1, y, GEO_TOLERANCE);
    EXPECT_GEO_NEAR(point(1, 4), x, y, GEO_TOLERANCE);
    EXPECT_SAME_POINT(point(1, 5), point(1, 0));
}

TEST(DecodeOutlines, ReversalEndsAChainOnlyRightAfterItsDirection)
{
    // 0x0A then 0x8A: one point. 0x00 0x40 0x80: 0x80 reverses 0x00 but follows 0x40, so it
    // is a direction; 0x00 after it is the terminator.
    const Bytes single = Bytes{0x01, 0xF6} + A + Bytes{0x10, 0x0A, 0x8A};
    const Bytes longer = Bytes{0x02, 0xF6} + A + Bytes{0x10, 0x00, 0x40, 0x80, 0x00};
    ASSERT_TRUE(decode(single + longer + END).complete);
    EXPECT_EQ(polygon_point_count(1), 3);
    EXPECT_EQ(polygon_point_count(2), 5);
    EXPECT_EQ(polygons[2].country, 2);
}

TEST(DecodeOutlines, RingsAndTrianglesEndTheirPolygonWithoutAnEndByte)
{
    ASSERT_TRUE(decode(ANTIGUA + ANGUILLA + ANTIGUA + END).complete);
    EXPECT_EQ(polygon_count, 4);
    EXPECT_EQ(polygons[2].country, 5);
    EXPECT_EQ(polygons[4].first, 14);
}

TEST(DecodeOutlines, FirstPieceRunCopyIsWholeAndTheNextPieceContinuesFromIt)
{
    // polygon 1 stores run 1 = A, three chain points, B; polygon 2 copies it forward, then a
    // line to node 1 (A), then a chain that starts from A
    const Bytes first = Bytes{0x01, 0xEE} + A + B + Bytes{0x05, 0x00, 0x40, 0x40, 0xC0, 0xFA};
    const Bytes second = {0x02, 0xFF, 0xFF, 0xF7, 0xE0, 0x01, 0xF9, 0xE0, 0x02, 0x64, 0x40, 0xC0, 0xFA};
    const DecodeFigures figures = decode(first + second + END);
    ASSERT_TRUE(figures.complete);
    EXPECT_EQ(figures.stored_runs, 1);
    ASSERT_EQ(polygon_point_count(2), 8);
    for (int k = 0; k < 5; ++k) EXPECT_SAME_POINT(point(2, k), point(1, k));
    EXPECT_SAME_POINT(point(2, 5), point(1, 0));                          // node 1
    EXPECT_GEO_NEAR(point(2, 6), point(1, 0).x + 1.0, point(1, 0).y, GEO_TOLERANCE);
    EXPECT_SAME_POINT(point(2, 7), point(1, 4));                          // node 2
}

TEST(DecodeOutlines, BackwardCopyRunsFromLastToFirst)
{
    const Bytes first = Bytes{0x01, 0xEE} + A + B + Bytes{0x05, 0x00, 0x40, 0x40, 0xC0, 0xFA};
    const Bytes second = {0x02, 0xF0, 0x01, 0xFA};
    ASSERT_TRUE(decode(first + second + END).complete);
    ASSERT_EQ(polygon_point_count(2), 5);
    for (int k = 0; k < 5; ++k) EXPECT_SAME_POINT(point(2, k), point(1, 4 - k));
}

TEST(DecodeOutlines, LaterPieceSkipsItsStartNodeAndReadsNoStartAnchor)
{
    // piece 2 names start node 2 (byte 0x02) yet continues from B; piece 3 has H = 0xE and
    // reads only its end anchor C
    const Bytes stream = Bytes{0x01, 0xF8, 0xEE} + A + B + Bytes{0xF7, 0x00, 0x02, 0x01, 0xF7, 0xEE} + C +
                         Bytes{0xFA};
    const DecodeFigures figures = decode(stream + END);
    ASSERT_TRUE(figures.complete);
    EXPECT_EQ(figures.nodes, 3);
    EXPECT_EQ(figures.stored_runs, 1);
    ASSERT_EQ(polygon_point_count(1), 4);
    EXPECT_GEO_NEAR(point(1, 1), anchor_x(BX), anchor_y(BY), GEO_TOLERANCE);
    EXPECT_SAME_POINT(point(1, 2), point(1, 0));
    EXPECT_GEO_NEAR(point(1, 3), anchor_x(CX), anchor_y(CY), GEO_TOLERANCE);
}

// 3. A stream that breaks the rules stops at the faulty polygon and keeps the ones before.
TEST(DecodeOutlines, FaultsKeepOnlyTheWholePolygonsBefore)
{
    const Bytes faults[] = {
        {0x01, 0xF7, 0x00, 0x09, 0x01, 0xFA, 0x00},   // unknown node 9
        {0x01, 0xF0, 0x05, 0xFA, 0x00},               // unknown run 5
        {0x01, 0xFF, 0xFC, 0xFA, 0x00},               // forward copy of run 4, not stored yet
        {0xEE, 0xFB, 0, 0, 0, 0, 0, 0, 1, 1, 0x00},   // country code 238
        Bytes{0x01, 0xF6} + A + Bytes{0x10, 0x00},    // chain and stream cut short
    };
    for (const Bytes& fault : faults) {
        const DecodeFigures figures = decode(ANDORRA + fault);
        EXPECT_FALSE(figures.complete);
        EXPECT_EQ(polygon_count, 2);
        EXPECT_EQ(outline_point_count, 9);
        EXPECT_EQ(polygons[2].first, 9);
    }
    // without its final zero byte the stream is incomplete, though every polygon is whole
    EXPECT_FALSE(decode(ANDORRA + ANTIGUA).complete);
    EXPECT_EQ(polygon_count, 3);
}

TEST(DecodeOutlines, CapacitiesAreNeverExceeded)
{
    Bytes many_points = Bytes{0x02, 0xF6} + A + Bytes{0x01};
    many_points.insert(many_points.end(), OUTLINE_POINT_CAPACITY, 0x00);
    many_points = many_points + Bytes{0x80, 0x00};
    DecodeFigures figures = decode(ANDORRA + many_points);
    EXPECT_FALSE(figures.complete);
    EXPECT_EQ(outline_point_count, 9);

    Bytes triangles;
    for (int i = 1; i < POLYGON_CAPACITY; ++i) triangles = triangles + ANGUILLA;
    EXPECT_TRUE(decode(triangles + END).complete);
    EXPECT_EQ(polygon_count, POLYGON_CAPACITY);
    EXPECT_FALSE(decode(triangles + ANGUILLA + END).complete);
    EXPECT_EQ(polygon_count, POLYGON_CAPACITY);

    Bytes nodes = Bytes{0x01, 0xF7, 0xEE} + A + B;
    for (int n = 3; n <= NODE_CAPACITY + 1; ++n) nodes = nodes + Bytes{0xF7, 0xEE} + C;
    EXPECT_FALSE(decode(nodes + Bytes{0xFA} + END).complete);
    EXPECT_EQ(polygon_count, 1);

    Bytes runs = Bytes{0x01, 0xF8, 0xEE} + A + B;
    for (int n = 2; n <= STORED_RUN_CAPACITY + 1; ++n) runs = runs + Bytes{0xF8, 0xE0, 0x01};
    EXPECT_FALSE(decode(runs + Bytes{0xFA} + END).complete);
}

// 4. The embedded stream.
TEST(DecodeOutlines, EmbeddedStreamDecodesIntoClosedPolygons)
{
    const DecodeFigures figures = decode_outlines(OUTLINE_STREAM, OUTLINE_STREAM_SIZE);
    ASSERT_TRUE(figures.complete);
    EXPECT_EQ(OUTLINE_STREAM[OUTLINE_STREAM_SIZE - 1], 0);
    ASSERT_GT(polygon_count, 1);
    EXPECT_EQ(polygons[polygon_count].first, outline_point_count);
    for (int i = 1; i < polygon_count; ++i) {
        EXPECT_GE(polygons[i].country, 1);
        EXPECT_LE(polygons[i].country, 237);
        ASSERT_GE(polygon_point_count(i), 4) << "polygon " << i;
        EXPECT_SAME_POINT(point(i, polygon_point_count(i) - 1), point(i, 0));
    }
    for (int k = 0; k < outline_point_count; ++k) {
        EXPECT_TRUE(outline_points[k].x >= -181 && outline_points[k].x <= 181);
        EXPECT_TRUE(outline_points[k].y >= 0 && outline_points[k].y <= 180);
    }
}
