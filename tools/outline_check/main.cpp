// tools/outline_check/main.cpp: the outline generator's last stage. Decodes a candidate stream
// with the program's own decoder, clips it with the program's own clipper, checks every rule.
// Usage: outline_check STREAM MODEL_POINTS; exit status 1 names each broken rule.
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>
#include "geo/cells.h"
#include "geo/outlines.h"
#include "tools/outline_check/outline_rules.h"

namespace {

std::vector<unsigned char> read_file(const char* path)
{
    std::ifstream in(path, std::ios::binary);
    return std::vector<unsigned char>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The generator's model must see the very floats the program sees.
bool same_points_as_model(const std::vector<unsigned char>& model)
{
    if (model.size() != size_t(outline_point_count) * sizeof(GeoPoint)) {
        std::printf("outline_check: the model has %zu points, the decoder %d\n",
                    model.size() / sizeof(GeoPoint), outline_point_count);
        return false;
    }
    const GeoPoint* expected = reinterpret_cast<const GeoPoint*>(model.data());
    for (int k = 0; k < outline_point_count; ++k) {
        if (expected[k].x != outline_points[k].x || expected[k].y != outline_points[k].y) {
            std::printf("outline_check: point %d is (%.9g, %.9g) in the model, (%.9g, %.9g) decoded\n", k,
                        expected[k].x, expected[k].y, outline_points[k].x, outline_points[k].y);
            return false;
        }
    }
    return true;
}

int report(const std::vector<OutlineFault>& faults)
{
    for (const OutlineFault& f : faults) std::printf("outline_check: %s\n", describe(f).c_str());
    return int(faults.size());
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: outline_check STREAM MODEL_POINTS\n");
        return 2;
    }
    const std::vector<unsigned char> stream = read_file(argv[1]);
    const DecodeFigures decoded = decode_outlines(stream.data(), int(stream.size()));
    if (!decoded.complete || stream.empty() || stream.back() != 0) {
        std::printf("outline_check: the stream breaks its format after polygon %d\n", polygon_count - 1);
        return 1;
    }
    int faults = same_points_as_model(read_file(argv[2])) ? 0 : 1;
    faults += report(check_outline_rules());
    const ClipFigures clipped = clip_to_cells();
    faults += report(check_piece_areas());
    if (clipped.dropped_pieces > 0 || clipped.most_crossings > 16) {
        std::printf("outline_check: %d pieces dropped for want of room, %d crossings in one cell\n",
                    clipped.dropped_pieces, clipped.most_crossings);
        ++faults;
    }
    std::printf("outline_check: decoded %d polygons, %d points, %d nodes, %d runs; cells: %d list entries, "
                "%d points, %d cut polygons, at most %d crossings in a cell\n",
                polygon_count - 1, outline_point_count, decoded.nodes, decoded.stored_runs, cell_list_length,
                cell_point_count, clipped.cut_polygons, clipped.most_crossings);
    return faults == 0 ? 0 : 1;
}
