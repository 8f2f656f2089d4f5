// tools/render/outlines_command.cpp: `orbily-render outlines`: the decoded polygons as text.
// Lines: "polygons N points M nodes A runs B" (N: polygons 1..N, the sea entry not counted),
// then per polygon "polygon I CODE COUNT" and COUNT lines "lon colat", then
// "cells entries E points F" for the cell piece list and cell points.
#include "tools/render/command.h"

bool run_outlines(const Arguments& arguments, std::string& output, std::string& error)
{
    if (!expect_no_arguments("outlines", arguments, error)) return false;
    const WorldFigures world = prepare_world();
    if (!world.decoded.complete) {
        append_format(error, "the embedded outline stream breaks its format after polygon %d",
                      polygon_count - 1);
        return false;
    }
    append_format(output, "polygons %d points %d nodes %d runs %d\n", polygon_count - 1,
                  outline_point_count, world.decoded.nodes, world.decoded.stored_runs);
    for (int i = 1; i < polygon_count; ++i) {
        append_format(output, "polygon %d %d %d\n", i, int(polygons[i].country), polygon_point_count(i));
        for (int k = polygons[i].first; k < polygons[i + 1].first; ++k) {
            append_format(output, "%.9g %.9g\n", double(outline_points[k].x), double(outline_points[k].y));
        }
    }
    append_format(output, "cells entries %d points %d\n", cell_list_length, cell_point_count);
    return true;
}
