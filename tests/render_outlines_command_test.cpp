// tests/render_outlines_command_test.cpp
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include "data/blobs.h"
#include "geo/cells.h"
#include "geo/outlines.h"
#include "tests/render_harness.h"

// The listing agrees with the decoder and the clipper run here, to the last float bit.
TEST(RunOutlines, ListsEveryDecodedPointAndTheCellTotals)
{
    const RenderRun run = run_render("outlines");
    ASSERT_EQ(run.status, 0) << run.errors;
    EXPECT_EQ(run.errors, "");
    const DecodeFigures figures = decode_outlines(OUTLINE_STREAM, OUTLINE_STREAM_SIZE);
    clip_to_cells();

    std::istringstream in(run.output);
    std::string word[4];
    int polygons_listed, points, nodes, runs;
    in >> word[0] >> polygons_listed >> word[1] >> points >> word[2] >> nodes >> word[3] >> runs;
    EXPECT_EQ(word[0] + word[1] + word[2] + word[3], "polygonspointsnodesruns");
    EXPECT_EQ(polygons_listed, polygon_count - 1);
    EXPECT_EQ(points, outline_point_count);
    EXPECT_EQ(nodes, figures.nodes);
    EXPECT_EQ(runs, figures.stored_runs);
    for (int i = 1; i < polygon_count; ++i) {
        std::string keyword;
        int number, code, count;
        in >> keyword >> number >> code >> count;
        ASSERT_EQ(keyword, "polygon");
        EXPECT_EQ(number, i);
        EXPECT_EQ(code, polygons[i].country);
        ASSERT_EQ(count, polygon_point_count(i));
        for (int k = polygons[i].first; k < polygons[i + 1].first; ++k) {
            float x, y;
            in >> x >> y;
            EXPECT_EQ(x, outline_points[k].x);
            EXPECT_EQ(y, outline_points[k].y);
        }
    }
    std::string cells, entries_word, points_word;
    int entries, cell_points_listed;
    in >> cells >> entries_word >> entries >> points_word >> cell_points_listed;
    EXPECT_EQ(cells + entries_word + points_word, "cellsentriespoints");
    EXPECT_EQ(entries, cell_list_length);
    EXPECT_EQ(cell_points_listed, cell_point_count);
    std::string rest;
    EXPECT_FALSE(in >> rest);
}

TEST(RunOutlines, RefusesArguments)
{
    const RenderRun run = run_render("outlines --polygon 3");
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.output, "");
    EXPECT_EQ(run.errors, "orbily-render: unknown option \"--polygon\" for outlines\n");
}
