// tests/render_projection_commands_test.cpp
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include "data/blobs.h"
#include "geo/cells.h"
#include "geo/outlines.h"
#include "projection/projection.h"
#include "tests/render_harness.h"

static std::string line_of(const std::string& text, int number)
{
    std::istringstream in(text);
    std::string line;
    for (int i = 0; i <= number; ++i) std::getline(in, line);
    return line;
}

// 1. Anchors.
TEST(RunList, WritesIndexCommandAndSpacedLabel)
{
    const RenderRun run = run_render("list");
    ASSERT_EQ(run.status, 0) << run.errors;
    EXPECT_EQ(line_of(run.output, 0), "0\t256\tEquirectangular (Marinus, c.100AD)");
    EXPECT_EQ(line_of(run.output, 1), "1\t257\tMercator (Ch'ien Lo-Chih, c.940AD)");
    EXPECT_EQ(line_of(run.output, 14), "14\t526\tSimple Conic (Contarini, 1506)");
    EXPECT_EQ(line_of(run.output, 127), "127\t1407\tArden-Close (1943)");
}

TEST(RunList, WritesLatin1LettersAsUtf8)
{
    const RenderRun run = run_render("list");
    EXPECT_EQ(line_of(run.output, 75), "75\t1099\t\xC3\x89rdi-Krausz (1968)");
    EXPECT_EQ(line_of(run.output, 111), "111\t1391\tDouble Cordiform (Fin\xC3\xA9, 1531)");
    EXPECT_EQ(line_of(run.output, 112), "112\t1392\tGore (Waldseem\xC3\xBCller, 1507)");
}

TEST(RunList, HasOneLinePerEntry)
{
    const RenderRun run = run_render("list");
    int lines = 0;
    for (char c : run.output) lines += c == '\n';
    EXPECT_EQ(lines, PROJECTION_COUNT);
}

TEST(RunPoints, BadInputGivesOneLineAndStatusTwo)
{
    const char* const arguments[] = { "points --projection 128", "points --rotation 24",
                                      "points --rotation -1", "points --projection x",
                                      "points --rotation", "points --colour 3" };
    for (const char* argument : arguments) {
        const RenderRun run = run_render(argument);
        EXPECT_EQ(run.status, 2) << argument;
        EXPECT_EQ(run.output, "") << argument;
        ASSERT_FALSE(run.errors.empty()) << argument;
        EXPECT_EQ(run.errors.find('\n'), run.errors.size() - 1) << argument;
    }
}

// 2. Invariants: the listing is the pass run here, piece by piece and bit for bit.
TEST(RunPoints, ListsThePassPieceByPiece)
{
    const RenderRun run = run_render("points --projection 52 --rotation 7");
    ASSERT_EQ(run.status, 0) << run.errors;
    decode_outlines(OUTLINE_STREAM, OUTLINE_STREAM_SIZE);
    clip_to_cells();
    project_all(52, 7);

    std::istringstream in(run.output);
    std::string w[5];
    int index, rotation, pieces, kept, points;
    in >> w[0] >> index >> w[1] >> rotation >> w[2] >> pieces >> w[3] >> kept >> w[4] >> points;
    EXPECT_EQ(w[0] + w[1] + w[2] + w[3] + w[4], "projectionrotationpieceskeptpoints");
    EXPECT_EQ(index, 52);
    EXPECT_EQ(rotation, 7);
    ASSERT_EQ(pieces, projected_list_length / 2);
    EXPECT_EQ(points, projected_point_count);
    const CellPoint* cell_point = cell_points;
    const float* projected = projected_points;
    int band = 0, sector = 0, c = 0;
    for (int i = 0; i < pieces; ++i, c += 2) {
        if (cell_list[c] < 0) {
            ++c;
            if (++sector == SECTOR_COUNT) sector = 0, ++band;
        }
        std::string keyword;
        int listed_band, listed_sector, polygon, code, in_count, out_count;
        in >> keyword >> listed_band >> listed_sector >> polygon >> code >> in_count >> out_count;
        ASSERT_EQ(keyword, "piece");
        EXPECT_EQ(listed_band, band);
        EXPECT_EQ(listed_sector, sector);
        EXPECT_EQ(polygon, cell_list[c]);
        EXPECT_EQ(code, polygons[polygon].country);
        EXPECT_EQ(in_count, cell_list[c + 1]);
        ASSERT_EQ(out_count, projected_list[2 * i + 1]);
        for (int k = 0; k < out_count; ++k, projected += 2) {
            float x, y, px, py;
            in >> x >> y >> px >> py;
            ASSERT_EQ(x, cell_point[k].x);
            ASSERT_EQ(y, cell_point[k].y);
            ASSERT_EQ(px, projected[0]);
            ASSERT_EQ(py, projected[1]);
        }
        cell_point += in_count;
    }
    std::string rest;
    EXPECT_FALSE(in >> rest);
}
