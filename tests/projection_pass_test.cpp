// tests/projection_pass_test.cpp
#include <gtest/gtest.h>
#include <cmath>
#include "data/blobs.h"
#include "geo/outlines.h"
#include "projection/formulas.h"
#include "tests/projection_harness.h"

// A cell list of its own: every cell has its frame; every third cell (by band + sector) also a
// four-point piece of polygon 1 + cell mod 5.
static int install_test_cells()
{
    cell_list_length = 0;
    cell_point_count = 0;
    float frame[2 * FRAME_POINT_COUNT];
    frame_points(frame);
    int pieces = 0;
    auto add_piece = [&](int polygon, const float* points, int count) {
        cell_list[cell_list_length++] = polygon;
        cell_list[cell_list_length++] = count;
        for (int i = 0; i < count; ++i)
            cell_points[cell_point_count++] = { points[2 * i], points[2 * i + 1] };
        ++pieces;
    };
    const float island[] = { 3.0f, 4.0f, 9.5f, 4.0f, 9.5f, 20.25f, 3.0f, 4.0f };
    for (int band = 0; band < BAND_COUNT; ++band)
        for (int sector = 0; sector < SECTOR_COUNT; ++sector) {
            add_piece(0, frame, FRAME_POINT_COUNT);
            if ((band + sector) % 3 == 0) add_piece(1 + (band * SECTOR_COUNT + sector) % 5, island, 4);
            cell_list[cell_list_length++] = -1;
        }
    return pieces;
}

// Shifts each point by its display cell (15 x display sector, 30 x band), so a point shows
// where it was projected from; drops the pieces shown in odd display sectors.
static int project_shifted_dropping_odd(const ProjectionContext& ctx)
{
    const int sector = display_sector(ctx);
    if (sector % 2 == 1) return 0;
    for (int i = 0; i < 2 * ctx.count; i += 2) {
        ctx.output[i] = ctx.input[i] + 15.0f * sector;
        ctx.output[i + 1] = ctx.input[i + 1] + 30.0f * ctx.band;
    }
    return ctx.count;
}

static const ProjectionEntry SHIFTED_DROPPING_ODD = { 0, project_shifted_dropping_odd };

// 1. Anchors.
TEST(ProjectAll, EquirectangularCellCornersMapToFrameCorners)
{
    install_test_cells();
    project_all(0, 0);
    EXPECT_POINT_NEAR(projected_points, 0.0, 0.0);   // band 0, sector 0: frame point (0, 0)
    // the last cell (band 5, sector 23: 5 + 23 = 28, no island) ends with its frame
    const float* last_frame = projected_points + 2 * (projected_point_count - FRAME_POINT_COUNT);
    EXPECT_POINT_NEAR(last_frame + 2 * 45, 360.0, 180.0);   // frame point (15, 30)
}

TEST(ProjectAll, RotationTwentyThreeShowsSectorOneInSectorZero)
{
    install_test_cells();
    project_pieces(SHIFTED_DROPPING_ODD, 23);
    // band 0: sector 0 (frame, island) lands in display sector 23 and is dropped; sector 1's
    // frame is the first piece kept, at display sector 0
    EXPECT_EQ(projected_list[0], 0);
    EXPECT_EQ(projected_list[1], 0);
    EXPECT_EQ(projected_list[2], 1);
    EXPECT_EQ(projected_list[3], 0);
    EXPECT_EQ(projected_list[4], 0);
    EXPECT_EQ(projected_list[5], FRAME_POINT_COUNT);
    EXPECT_EQ(projected_points[0], 0.0f);
    EXPECT_EQ(projected_points[2 * 20], 15.0f);   // frame point (15, 5)
}

// 2. Invariants.
TEST(ProjectAll, ListsEveryPieceInCellOrderWithDroppedOnesAtZero)
{
    const int pieces = install_test_cells();
    project_pieces(SHIFTED_DROPPING_ODD, 5);
    ASSERT_EQ(projected_list_length, 2 * pieces);
    int piece = 0;
    int sector = 0;
    int band = 0;
    for (int i = 0; i < cell_list_length;) {
        if (cell_list[i] < 0) {
            if (++sector == SECTOR_COUNT) sector = 0, ++band;
            ++i;
            continue;
        }
        const bool dropped = (5 + sector) % 2 == 1;
        EXPECT_EQ(projected_list[2 * piece], cell_list[i]) << "piece " << piece;
        EXPECT_EQ(projected_list[2 * piece + 1], dropped ? 0 : cell_list[i + 1]) << "piece " << piece;
        ++piece;
        i += 2;
    }
}

TEST(ProjectAll, PointCountIsTheSumOfTheListedCounts)
{
    install_test_cells();
    project_pieces(SHIFTED_DROPPING_ODD, 0);
    int sum = 0;
    for (int i = 1; i < projected_list_length; i += 2) sum += projected_list[i];
    EXPECT_EQ(projected_point_count, sum);
    EXPECT_LT(projected_point_count, cell_point_count);
}

// Kept pieces follow each other in the points; each point comes from its own input point.
TEST(ProjectAll, KeptPiecesFollowEachOtherAndFramesGiveBandAndSector)
{
    install_test_cells();
    const int rotation = 9;
    project_pieces(SHIFTED_DROPPING_ODD, rotation);
    const CellPoint* in = cell_points;
    const float* out = projected_points;
    int frames = 0;
    int band = 0;
    int sector = 0;
    for (int i = 0; i < projected_list_length; i += 2) {
        if (projected_list[i] == 0) {   // the k-th frame, kept or dropped, is band k / 24, sector k % 24
            band = frames / SECTOR_COUNT;
            sector = frames % SECTOR_COUNT;
            ++frames;
        }
        const int count = projected_list[i] == 0 ? FRAME_POINT_COUNT : 4;
        const int kept = projected_list[i + 1];
        const int shown = (rotation + sector) % SECTOR_COUNT;
        for (int k = 0; k < kept; ++k, out += 2) {
            ASSERT_EQ(out[0], in[k].x + 15.0f * shown) << "piece " << i / 2;
            ASSERT_EQ(out[1], in[k].y + 30.0f * band) << "piece " << i / 2;
        }
        in += count;
    }
    EXPECT_EQ(frames, BAND_COUNT * SECTOR_COUNT);
    EXPECT_EQ(out, projected_points + 2 * projected_point_count);
}

TEST(ProjectAll, ANewPassReplacesTheLastOne)
{
    install_test_cells();
    project_pieces(SHIFTED_DROPPING_ODD, 0);
    project_all(0, 0);
    EXPECT_EQ(projected_point_count, cell_point_count);
    for (int i = 1; i < projected_list_length; i += 2) EXPECT_GT(projected_list[i], 0);
}

// 3. Sweep: every catalogue entry over the embedded cells keeps or drops whole pieces and
// writes finite points only.
class ProjectAllEveryEntry : public ::testing::TestWithParam<int> {};

TEST_P(ProjectAllEveryEntry, KeepsOrDropsWholePiecesOfTheEmbeddedCells)
{
    decode_outlines(OUTLINE_STREAM, OUTLINE_STREAM_SIZE);
    clip_to_cells();
    for (int rotation : { 0, 13 }) {
        project_all(GetParam(), rotation);
        int piece = 0;
        int sum = 0;
        for (int i = 0; i < cell_list_length; ++i) {
            if (cell_list[i] < 0) continue;
            const int kept = projected_list[2 * piece + 1];
            EXPECT_EQ(projected_list[2 * piece], cell_list[i]);
            EXPECT_TRUE(kept == 0 || kept == cell_list[i + 1]) << "piece " << piece;
            sum += kept;
            ++piece;
            ++i;
        }
        EXPECT_EQ(projected_list_length, 2 * piece);
        EXPECT_EQ(projected_point_count, sum);
        for (int i = 0; i < 2 * projected_point_count; ++i)
            ASSERT_TRUE(std::isfinite(projected_points[i])) << "rotation " << rotation << " value " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Catalogue, ProjectAllEveryEntry, ::testing::Range(0, PROJECTION_COUNT));
