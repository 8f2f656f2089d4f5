// tests/geo_outline_data_test.cpp: the embedded world outlines (data/outline_stream.cpp), decoded
// and clipped by the program itself: codes, enclaves, the date line, the cell rules, areas.
#include <gtest/gtest.h>
#include <cmath>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>
#include "data/blobs.h"
#include "geo/cells.h"
#include "geo/outlines.h"
#include "tools/outline_check/outline_rules.h"

namespace {

const int CODES_WITHOUT_LAND[] = {4, 185, 194};   // drawn by their regions only
const int LAST_CODE = 237;
const double AREA_SHARE_TOLERANCE = 0.05;
const int CROSSING_RECORDS_ALLOWED = 16;

DecodeFigures decode_embedded() { return decode_outlines(OUTLINE_STREAM, OUTLINE_STREAM_SIZE); }

std::string listed(const std::vector<OutlineFault>& faults)
{
    std::string text;
    for (size_t k = 0; k < faults.size() && k < 20; ++k) text += describe(faults[k]) + "\n";
    return text;
}

// The polygon of code with the most points.
int largest_polygon_of(int code)
{
    int best = 0;
    for (int i = 1; i < polygon_count; ++i) {
        if (polygons[i].country == code && (best == 0 || polygon_point_count(i) > polygon_point_count(best))) best = i;
    }
    return best;
}

bool inside_polygon(int polygon, const GeoPoint& p)
{
    bool inside = false;
    for (int k = polygons[polygon].first; k + 1 < polygons[polygon + 1].first; ++k) {
        const GeoPoint& a = outline_points[k];
        const GeoPoint& b = outline_points[k + 1];
        if ((a.y > p.y) != (b.y > p.y) && p.x < a.x + (p.y - a.y) * (b.x - a.x) / (b.y - a.y)) inside = !inside;
    }
    return inside;
}

}  // namespace

// 1. What the stream holds.
TEST(EmbeddedOutlines, DecodeCompletelyWithinTheDetailBudget)
{
    const DecodeFigures figures = decode_embedded();
    EXPECT_TRUE(figures.complete);
    EXPECT_EQ(OUTLINE_STREAM[OUTLINE_STREAM_SIZE - 1], 0);
    EXPECT_LE(OUTLINE_STREAM_SIZE, 32 * 1024);
    EXPECT_GE(outline_point_count, 15000);
    EXPECT_LE(outline_point_count, 25000);
    EXPECT_LT(polygon_count, POLYGON_CAPACITY);
    EXPECT_LE(figures.nodes, NODE_CAPACITY);
    EXPECT_LE(figures.stored_runs, STORED_RUN_CAPACITY);
}

TEST(EmbeddedOutlines, EveryCodeButThreeOwnsPolygons)
{
    decode_embedded();
    std::vector<int> owned(LAST_CODE + 1, 0);
    for (int i = 1; i < polygon_count; ++i) {
        ASSERT_GE(polygons[i].country, 1);
        ASSERT_LE(polygons[i].country, LAST_CODE);
        ++owned[polygons[i].country];
    }
    for (int code = 1; code <= LAST_CODE; ++code) {
        bool without_land = false;
        for (int c : CODES_WITHOUT_LAND) without_land = without_land || c == code;
        if (without_land) {
            EXPECT_EQ(owned[code], 0) << "code " << code;
        } else {
            EXPECT_GT(owned[code], 0) << "code " << code;
        }
    }
}

// Lesotho in South Africa, San Marino and the Vatican in Italy: drawn and picked on top.
TEST(EmbeddedOutlines, EnclavesComeAfterTheCountryAroundThem)
{
    decode_embedded();
    const int pairs[][2] = {{115, 212}, {176, 94}, {203, 94}};
    for (const auto& pair : pairs) {
        const int enclave = largest_polygon_of(pair[0]), around = largest_polygon_of(pair[1]);
        ASSERT_GT(enclave, 0);
        ASSERT_GT(around, 0);
        EXPECT_GT(enclave, around) << "code " << pair[0];
        EXPECT_TRUE(inside_polygon(around, outline_points[polygons[enclave].first])) << "code " << pair[0];
    }
}

// Walvis Bay is cut out of Namibia along one border, stored once: the points agree exactly.
TEST(EmbeddedOutlines, WalvisBayBorderIsNamibiasToTheLastBit)
{
    decode_embedded();
    const int bay = largest_polygon_of(228), namibia = largest_polygon_of(139);
    int shared = 0;
    for (int k = polygons[bay].first; k + 1 < polygons[bay + 1].first; ++k) {
        for (int m = polygons[namibia].first; m < polygons[namibia + 1].first; ++m) {
            if (outline_points[k].x == outline_points[m].x && outline_points[k].y == outline_points[m].y) {
                ++shared;
                break;
            }
        }
    }
    EXPECT_GE(shared, 3);
}

// Land never reaches past the overlap at the date line; Antarctica is one polygon round the
// pole, closed near it.
TEST(EmbeddedOutlines, DateLineSplitsLandIntoOnePolygonPerSide)
{
    decode_embedded();
    const int antarctica = largest_polygon_of(9);
    for (int i = 1; i < polygon_count; ++i) {
        float west = 1e9f, east = -1e9f, south = -1e9f;
        for (int k = polygons[i].first; k < polygons[i + 1].first; ++k) {
            west = std::fmin(west, outline_points[k].x);
            east = std::fmax(east, outline_points[k].x);
            south = std::fmax(south, outline_points[k].y);
        }
        EXPECT_GE(west, -180.1f) << "polygon " << i;
        EXPECT_LE(east, 180.1f) << "polygon " << i;
        if (i == antarctica) {
            EXPECT_LT(west, -180.0f);
            EXPECT_GT(east, 180.0f);
            EXPECT_GT(south, 179.5f);
        } else {
            EXPECT_LT(east - west, 180.0f) << "polygon " << i << " spans the date line";
        }
    }
}

// Closed, clockwise where cut, no vertex on a cell edge, no segment through a third cell.
TEST(EmbeddedOutlines, EveryPolygonKeepsTheCellRules)
{
    decode_embedded();
    const std::vector<OutlineFault> faults = check_outline_rules();
    EXPECT_TRUE(faults.empty()) << listed(faults);
}

TEST(EmbeddedOutlines, LargeCountriesKeepTheirNaturalEarthArea)
{
    decode_embedded();
    std::map<int, double> area;
    for (int i = 1; i < polygon_count; ++i) area[polygons[i].country] += polygon_area_km2(i);
    std::ifstream golden(std::string(ORBILY_SOURCE_DIR) + "/tests/golden/outline_areas.txt");
    ASSERT_TRUE(golden.good());
    std::string line;
    int checked = 0;
    while (std::getline(golden, line)) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream fields(line);
        int code;
        double expected;
        fields >> code >> expected;
        EXPECT_NEAR(area[code] / expected, 1.0, AREA_SHARE_TOLERANCE) << "code " << code;
        ++checked;
    }
    EXPECT_GT(checked, 150);
}

// 2. What the program's clipper makes of it.
TEST(EmbeddedCells, FitTheCapacities)
{
    decode_embedded();
    const ClipFigures figures = clip_to_cells();
    EXPECT_EQ(figures.dropped_pieces, 0);
    EXPECT_LE(figures.most_crossings, CROSSING_RECORDS_ALLOWED);
    EXPECT_LE(cell_list_length, CELL_LIST_CAPACITY);
    EXPECT_LE(cell_point_count, CELL_POINT_CAPACITY);
}

TEST(EmbeddedCells, EveryBandHasTwentyFourSeparatorsAndEveryCellItsFrameFirst)
{
    decode_embedded();
    clip_to_cells();
    int separators = 0, point = 0;
    bool cell_starts = true;
    for (int e = 0; e < cell_list_length;) {
        if (cell_list[e] == -1) {
            ++separators;
            cell_starts = true;
            ++e;
            continue;
        }
        if (cell_starts) {
            EXPECT_EQ(cell_list[e], 0) << "cell " << separators;
            EXPECT_EQ(cell_list[e + 1], FRAME_POINT_COUNT) << "cell " << separators;
            EXPECT_EQ(cell_points[point].x, 0.0f);
            EXPECT_EQ(cell_points[point].y, 0.0f);
            EXPECT_EQ(cell_points[point + 15].x, 15.0f);
            EXPECT_EQ(cell_points[point + 45].y, 30.0f);
            cell_starts = false;
        }
        point += cell_list[e + 1];
        e += 2;
    }
    EXPECT_EQ(separators, BAND_COUNT * SECTOR_COUNT);
    EXPECT_EQ(point, cell_point_count);
}

// No segment is lost and every boundary walk closes right: per polygon and cell, the pieces
// hold exactly the area of the polygon cut to the cell.
TEST(EmbeddedCells, PiecesKeepEveryPolygonsAreaInEveryCell)
{
    decode_embedded();
    clip_to_cells();
    const std::vector<OutlineFault> faults = check_piece_areas();
    EXPECT_TRUE(faults.empty()) << listed(faults);
}
