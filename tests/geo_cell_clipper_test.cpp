// tests/geo_cell_clipper_test.cpp
#include <gtest/gtest.h>
#include <vector>
#include "data/blobs.h"
#include "geo/cells.h"

namespace {

const float LOCAL_TOLERANCE = 1e-4f;
const double AREA_TOLERANCE = 1e-2;

struct Piece {
    int polygon;
    std::vector<CellPoint> points;
};
using CellPieces = std::vector<Piece>;

int cell_index(int band, int sector) { return band * SECTOR_COUNT + sector; }

// Replaces the decoded polygons with the given outlines (x longitude, y colatitude), code 1.
void load_polygons(const std::vector<std::vector<GeoPoint>>& outlines)
{
    outline_point_count = 0;
    polygons[0] = PolygonEntry{0, 0};
    polygon_count = 1;
    for (const std::vector<GeoPoint>& outline : outlines) {
        polygons[polygon_count] = PolygonEntry{1, outline_point_count};
        for (const GeoPoint& p : outline) {
            ASSERT_LT(outline_point_count, OUTLINE_POINT_CAPACITY);
            outline_points[outline_point_count++] = p;
        }
        ++polygon_count;
    }
    polygons[polygon_count] = PolygonEntry{0, outline_point_count};
}

// The cell piece list read back, checking its shape on the way: frames first, one -1 per cell,
// the points of each piece following the previous piece's.
std::vector<CellPieces> read_cells()
{
    std::vector<CellPieces> cells(1);
    int next_point = 0;
    for (int i = 0; i < cell_list_length;) {
        if (cell_list[i] == -1) {
            cells.emplace_back();
            ++i;
            continue;
        }
        Piece piece{cell_list[i], {}};
        EXPECT_EQ(piece.polygon == 0, cells.back().empty()) << "the frame comes first, once";
        const int count = cell_list[i + 1];
        piece.points.assign(cell_points + next_point, cell_points + next_point + count);
        next_point += count;
        cells.back().push_back(piece);
        i += 2;
    }
    EXPECT_EQ(next_point, cell_point_count);
    EXPECT_TRUE(cells.back().empty());   // the list ends with a separator
    cells.pop_back();
    EXPECT_EQ(int(cells.size()), CELL_COUNT);
    return cells;
}

// Twice the signed area, positive for clockwise outlines on a north-up map (y south);
// the last point joins the first.
double shoelace(const std::vector<CellPoint>& points)
{
    double sum = 0;
    for (size_t k = 0; k < points.size(); ++k) {
        const CellPoint& p = points[k];
        const CellPoint& q = points[(k + 1) % points.size()];
        sum += double(p.x) * q.y - double(q.x) * p.y;
    }
    return sum;
}

double polygon_shoelace(int polygon)
{
    const GeoPoint* p = outline_points + polygons[polygon].first;
    std::vector<CellPoint> points;
    for (int k = 0; k < polygon_point_count(polygon); ++k) points.push_back(CellPoint{p[k].x, p[k].y});
    return shoelace(points);
}

// Sum over every cell of the areas of the polygon's pieces: the polygon's own area when
// it is clockwise or lies in one cell.
double pieces_shoelace(const std::vector<CellPieces>& cells, int polygon)
{
    double sum = 0;
    for (const CellPieces& cell : cells) {
        for (const Piece& piece : cell) {
            if (piece.polygon == polygon) sum += shoelace(piece.points);
        }
    }
    return sum;
}

void expect_points(const std::vector<CellPoint>& actual, const std::vector<CellPoint>& expected)
{
    ASSERT_EQ(actual.size(), expected.size());
    for (size_t k = 0; k < expected.size(); ++k) {
        EXPECT_NEAR(actual[k].x, expected[k].x, LOCAL_TOLERANCE) << "point " << k;
        EXPECT_NEAR(actual[k].y, expected[k].y, LOCAL_TOLERANCE) << "point " << k;
    }
}

// Band 1, sector 12: 0..15 degrees east, colatitude 30..60.
const int HOME = cell_index(1, 12);

}  // namespace

// 1. Anchors: small outlines worked out by hand.
TEST(ClipToCells, OpenSeaCellsHoldOnlyTheirFrames)
{
    load_polygons({});
    clip_to_cells();
    EXPECT_EQ(cell_list_length, 3 * CELL_COUNT);
    EXPECT_EQ(cell_point_count, FRAME_POINT_COUNT * CELL_COUNT);
    for (int c = 0; c < CELL_COUNT; ++c) {
        EXPECT_EQ(cell_list[3 * c], 0);
        EXPECT_EQ(cell_list[3 * c + 1], 91);
        EXPECT_EQ(cell_list[3 * c + 2], -1);
    }
}

TEST(ClipToCells, FrameRunsClockwiseInWholeDegrees)
{
    load_polygons({});
    clip_to_cells();
    const std::vector<CellPieces> cells = read_cells();
    const std::vector<CellPoint>& frame = cells[77][0].points;
    ASSERT_EQ(frame.size(), 91u);
    const int corners[] = {0, 15, 45, 60, 90};
    const CellPoint corner_points[] = {{0, 0}, {15, 0}, {15, 30}, {0, 30}, {0, 0}};
    for (int k = 0; k < 5; ++k) {
        EXPECT_EQ(frame[corners[k]].x, corner_points[k].x);
        EXPECT_EQ(frame[corners[k]].y, corner_points[k].y);
    }
    for (int k = 1; k < 91; ++k) {
        EXPECT_EQ(std::abs(frame[k].x - frame[k - 1].x) + std::abs(frame[k].y - frame[k - 1].y), 1.0f);
    }
    EXPECT_GT(shoelace(frame), 0.0);
}

TEST(ClipToCells, OutlineWhollyInsideIsCopiedWithItsClosingPoint)
{
    // counter-clockwise, which a whole copy does not mind
    load_polygons({{{2, 35}, {2, 37}, {4, 37}, {4, 35}, {2, 35}}});
    const ClipFigures figures = clip_to_cells();
    const std::vector<CellPieces> cells = read_cells();
    EXPECT_EQ(figures.cut_polygons, 0);
    ASSERT_EQ(cells[HOME].size(), 2u);
    EXPECT_EQ(cells[HOME][1].polygon, 1);
    expect_points(cells[HOME][1].points, {{2, 5}, {2, 7}, {4, 7}, {4, 5}, {2, 5}});
    EXPECT_EQ(cell_list_length, 3 * CELL_COUNT + 2);
}

TEST(ClipToCells, OutlineAcrossAMeridianIsCutOnBothSides)
{
    load_polygons({{{-2, 40}, {3, 40}, {3, 44}, {-2, 44}, {-2, 40}}});
    const ClipFigures figures = clip_to_cells();
    const std::vector<CellPieces> cells = read_cells();
    EXPECT_EQ(figures.cut_polygons, 1);
    EXPECT_EQ(figures.most_crossings, 1);
    ASSERT_EQ(cells[HOME].size(), 2u);
    expect_points(cells[HOME][1].points, {{0, 10}, {3, 10}, {3, 14}, {0, 14}, {0, 13}, {0, 12}, {0, 11}});
    ASSERT_EQ(cells[HOME - 1].size(), 2u);
    expect_points(cells[HOME - 1][1].points,
                  {{15, 14}, {13, 14}, {13, 10}, {13, 10}, {15, 10}, {15, 11}, {15, 12}, {15, 13}});
}

TEST(ClipToCells, ExitThroughACornerTakesTheLaterEdge)
{
    // (13, 32) -> (17, 28) leaves through the north-east corner: east, not north, so the
    // corner is appended once and the walk goes south at once; (13, 32) is doubled, as the
    // outline closes on it
    load_polygons({{{13, 32}, {17, 28}, {17, 40}, {13, 40}, {13, 32}}});
    clip_to_cells();
    const std::vector<CellPieces> cells = read_cells();
    ASSERT_EQ(cells[HOME].size(), 2u);
    std::vector<CellPoint> expected = {{15, 10}, {13, 10}, {13, 2}, {13, 2}, {15, 0}};
    for (int y = 1; y <= 9; ++y) expected.push_back(CellPoint{15, float(y)});
    expect_points(cells[HOME][1].points, expected);
}

TEST(ClipToCells, EntryOnACornerEndsTheWalk)
{
    // (-32, 62) -> (-28, 58) enters band 1, sector 10 through its south-west corner, which the
    // tie gives to the west edge: found when the walk turns that corner
    load_polygons({{{-32, 62}, {-28, 58}, {-26, 64}, {-32, 62}}});
    clip_to_cells();
    const std::vector<CellPieces> cells = read_cells();
    const CellPieces& cell = cells[cell_index(1, 10)];
    ASSERT_EQ(cell.size(), 2u);
    expect_points(cell[1].points, {{0, 30}, {2, 28}, {8.0f / 3, 30}, {5.0f / 3, 30}, {2.0f / 3, 30}, {0, 30}});
    EXPECT_NEAR(pieces_shoelace(cells, 1), polygon_shoelace(1), AREA_TOLERANCE);
}

TEST(ClipToCells, ReenteringBehindTheExitWalksRoundTheWholeCell)
{
    // a large clockwise outline with a bay cut in from the north: the piece leaves the north
    // edge at 10 and comes back at 5, behind the walk
    load_polygons({{{5, 25}, {5, 35}, {10, 35}, {10, 25}, {20, 25}, {20, 70}, {-5, 70}, {-5, 25}, {5, 25}}});
    clip_to_cells();
    const std::vector<CellPieces> cells = read_cells();
    ASSERT_EQ(cells[HOME].size(), 2u);
    const std::vector<CellPoint>& piece = cells[HOME][1].points;
    EXPECT_EQ(piece.size(), 88u);
    const CellPoint corners[] = {{15, 0}, {15, 30}, {0, 30}, {0, 0}};
    for (const CellPoint& corner : corners) {
        int found = 0;
        for (const CellPoint& p : piece) found += p.x == corner.x && p.y == corner.y;
        EXPECT_EQ(found, 1);
    }
    EXPECT_NEAR(shoelace(piece), 2 * (15 * 30 - 5 * 5), AREA_TOLERANCE);
}

TEST(ClipToCells, ExitWithinADegreeOfTheNextEntryAddsOnlyTheSnappedExit)
{
    // a narrow peninsula north through the north edge, out at 5.1 and back at 5.8
    load_polygons({{{2, 35}, {5, 35}, {5.2f, 25}, {5.7f, 25}, {5.9f, 35}, {9, 35}, {9, 45}, {2, 45}, {2, 35}}});
    clip_to_cells();
    const std::vector<CellPieces> cells = read_cells();
    ASSERT_EQ(cells[HOME].size(), 2u);
    expect_points(cells[HOME][1].points,
                  {{5.8f, 0}, {5.9f, 5}, {9, 5}, {9, 15}, {2, 15}, {2, 5}, {2, 5}, {5, 5}, {5.1f, 0}});
}

TEST(ClipToCells, PointsOnAnEdgeCountAsOutside)
{
    // in the home cell only points on its west edge: nothing there, and the whole triangle
    // in the cell west of it
    load_polygons({{{0, 40}, {0, 44}, {-3, 42}, {0, 40}}});
    clip_to_cells();
    const std::vector<CellPieces> cells = read_cells();
    EXPECT_EQ(cells[HOME].size(), 1u);
    ASSERT_EQ(cells[HOME - 1].size(), 2u);
    EXPECT_NEAR(pieces_shoelace(cells, 1), polygon_shoelace(1), AREA_TOLERANCE);
}

TEST(ClipToCells, OverlapWithoutAnInsidePointContributesNothing)
{
    // a long thin triangle across the home cell with all its points outside
    load_polygons({{{-1, 44}, {16, 45}, {-1, 46}, {-1, 44}}});
    clip_to_cells();
    EXPECT_EQ(read_cells()[HOME].size(), 1u);
}

// 2. Invariants: corners, many crossings, capacities.
TEST(ClipToCells, EveryCornerEntryEndsItsWalk)
{
    // the triangle of the corner test turned about the corner (-30, 60) in quarter turns, so
    // each of four cells sees a side run exactly through one of its corners
    for (int turn = 0; turn < 4; ++turn) {
        std::vector<GeoPoint> triangle;
        for (GeoPoint d : std::vector<GeoPoint>{{-2, 2}, {2, -2}, {4, 4}, {-2, 2}}) {
            for (int t = 0; t < turn; ++t) d = GeoPoint{-d.y, d.x};
            triangle.push_back(GeoPoint{-30 + d.x, 60 + d.y});
        }
        load_polygons({triangle});
        const ClipFigures figures = clip_to_cells();
        const std::vector<CellPieces> cells = read_cells();
        EXPECT_EQ(figures.cut_polygons, 1);
        EXPECT_NEAR(pieces_shoelace(cells, 1), polygon_shoelace(1), AREA_TOLERANCE) << "turn " << turn;
    }
}

TEST(ClipToCells, MoreThanSixteenCrossingsAreKept)
{
    // a comb of 20 teeth reaching north out of the home cell
    std::vector<GeoPoint> comb = {{1, 50}};
    for (int tooth = 0; tooth < 20; ++tooth) {
        const float x = 1 + 0.6f * tooth;
        comb.insert(comb.end(), {{x, 35}, {x + 0.1f, 25}, {x + 0.3f, 25}, {x + 0.4f, 35}});
    }
    comb.insert(comb.end(), {{14, 35}, {14, 50}, {1, 50}});
    load_polygons({comb});
    const ClipFigures figures = clip_to_cells();
    const std::vector<CellPieces> cells = read_cells();
    EXPECT_EQ(figures.most_crossings, 20);
    EXPECT_NEAR(pieces_shoelace(cells, 1), polygon_shoelace(1), AREA_TOLERANCE);
}

TEST(ClipToCells, FullListsKeepEveryFrameAndSeparator)
{
    // 100 outlines zigzagging through the centres of all 144 cells overflow both capacities
    std::vector<GeoPoint> zigzag;
    for (int band = 0; band < BAND_COUNT; ++band) {
        for (int s = 0; s < SECTOR_COUNT; ++s) {
            const int sector = band % 2 ? SECTOR_COUNT - 1 - s : s;
            zigzag.push_back(GeoPoint{-172.5f + 15 * sector, 15.0f + 30 * band});
        }
    }
    zigzag.push_back(zigzag.front());
    load_polygons(std::vector<std::vector<GeoPoint>>(100, zigzag));
    const ClipFigures figures = clip_to_cells();
    EXPECT_GT(figures.dropped_pieces, 0);
    EXPECT_LE(cell_list_length, CELL_LIST_CAPACITY);
    EXPECT_LE(cell_point_count, CELL_POINT_CAPACITY);
    const std::vector<CellPieces> cells = read_cells();
    for (const CellPieces& cell : cells) {
        ASSERT_FALSE(cell.empty());
        EXPECT_EQ(cell[0].polygon, 0);
        EXPECT_EQ(cell[0].points.size(), 91u);
    }
}

// 3. The embedded outlines: every cell framed, and every polygon's area kept.
TEST(ClipToCells, EmbeddedOutlinesKeepTheirAreas)
{
    ASSERT_TRUE(decode_outlines(OUTLINE_STREAM, OUTLINE_STREAM_SIZE).complete);
    const ClipFigures figures = clip_to_cells();
    EXPECT_EQ(figures.dropped_pieces, 0);
    const std::vector<CellPieces> cells = read_cells();
    for (int i = 1; i < polygon_count; ++i) {
        bool on_the_grid = true;   // outlines past the date line are cut off there
        for (int k = polygons[i].first; k < polygons[i + 1].first; ++k) {
            on_the_grid = on_the_grid && outline_points[k].x >= -180 && outline_points[k].x <= 180;
        }
        if (!on_the_grid) continue;
        EXPECT_NEAR(pieces_shoelace(cells, i), polygon_shoelace(i), AREA_TOLERANCE) << "polygon " << i;
    }
}
