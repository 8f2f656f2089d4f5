// tools/render/map_command.cpp: `orbily-render map OUT.png|OUT.svg|OUT.pdf [--projection N]
// [--rotation R] [--width W] [--height H] [--boundaries] [--view LEFT TOP RIGHT BOTTOM]
// [--colours NAME] [--statistic COLUMN] [--divisor COLUMN] [--mode NAME] [--select CODE,...]
// [--data FILE --value COLUMN [--key COLUMN]] [--legend [--title TEXT]]`.
// PNG: what the window shows for a W x H client on a screen twice that size, drawn k times
// larger and shrunk by averaging. SVG, PDF: the whole map as vectors, like the map metafile.
// Colours: as the statistics window's lists and the datasheet's selection would give them, or by
// the user's own figures in place of a statistic; the legend goes below the map.
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include "projection/projection.h"
#include "tools/render/command.h"
#include "tools/render/figure_options.h"
#include "tools/render/picture_file.h"
#include "view/map_colours.h"
#include "view/map_paint.h"

namespace {

struct MapRequest {
    std::string path;
    int projection = 0, rotation = 0, width = 960, height = 480;
    bool boundaries = false;
    MapView view = WHOLE_MAP_VIEW;
    ColouringOptions colouring;
    FigureOptions figures;
};

// What the map is coloured with: one table per run, as the window has one.
MapColouring map_colouring;

bool read_view(const Arguments& a, size_t& i, MapView& view, std::string& error)
{
    if (i + 4 >= a.size()) return error = "--view needs LEFT TOP RIGHT BOTTOM", false;
    float v[4];
    for (int k = 0; k < 4; ++k) {
        char* end = nullptr;
        v[k] = std::strtof(a[i + 1 + k].c_str(), &end);
        if (*end || a[i + 1 + k].empty()) return error = "--view takes four numbers, not \"" + a[i + 1 + k] + "\"", false;
    }
    i += 4;
    if (!(0 <= v[0] && v[0] < v[2] && v[2] <= 360 && 0 <= v[1] && v[1] < v[3] && v[3] <= 180)) {
        error = "--view must lie inside 0 0 360 180 with LEFT < RIGHT and TOP < BOTTOM";
        return false;
    }
    view = MapView{v[0], v[1], v[2], v[3], 360.0f / (v[2] - v[0])};
    return true;
}

bool read_request(const Arguments& a, MapRequest& r, std::string& error)
{
    for (size_t i = 0; i < a.size(); ++i) {
        OptionReading colouring = read_figure_option(a, i, r.figures, error);
        if (colouring == NOT_A_COLOURING_OPTION)
            colouring = read_colouring_option(a, i, ALL_COLOURING_OPTIONS, r.colouring, error);
        if (colouring == OPTION_BAD) return false;
        if (colouring == OPTION_READ) continue;
        const std::string& word = a[i];
        bool ok = true;
        if (word == "--projection") ok = read_option_number(a, i, 0, PROJECTION_COUNT - 1, r.projection, error);
        else if (word == "--rotation") ok = read_option_number(a, i, 0, ROTATION_STEPS - 1, r.rotation, error);
        else if (word == "--width") ok = read_option_number(a, i, 1, LARGEST_PICTURE_SIDE, r.width, error);
        else if (word == "--height") ok = read_option_number(a, i, 1, LARGEST_PICTURE_SIDE, r.height, error);
        else if (word == "--boundaries") r.boundaries = true;
        else if (word == "--view") ok = read_view(a, i, r.view, error);
        else if (word[0] != '-' && r.path.empty()) r.path = word;
        else return error = not_taken(word, "map"), false;
        if (!ok) return false;
    }
    if (r.path.empty()) return error = "map needs an output file (.png, .svg or .pdf)", false;
    if (picture_format_of(r.path) == PICTURE_UNKNOWN) return error = "map writes .png, .svg or .pdf, not " + r.path, false;
    return settle_figure_options(a, r.figures, r.colouring, error);
}

// The height of the picture: the map's, and the legend's below it.
int picture_height(const MapRequest& r)
{
    return r.height + (r.figures.legend ? legend_height(r.width) : 0);
}

bool write_png_map(const MapRequest& r, const ProjectedMap& map, const PieceColouring& colouring, OutlineMode mode,
                   const Legend& legend, std::string& error)
{
    const int used_width = used_extent(r.width, 2 * r.width), used_height = used_extent(r.height, 2 * r.height);
    Canvas large = {}, small = {};
    if (!create_image_canvas(large, CAIRO_FORMAT_RGB24, used_width, used_height) ||
        !create_image_canvas(small, CAIRO_FORMAT_RGB24, r.width, picture_height(r))) {
        close_canvas(large);
        error = "cannot make a picture of " + std::to_string(r.width) + " x " + std::to_string(r.height) + ": " +
                std::strerror(ENOMEM);
        return false;
    }
    paint_map(large, used_width, used_height, map, r.view, colouring, mode);
    shrink_canvas(large, used_width, used_height, small, r.width, r.height);
    if (r.figures.legend) draw_legend(small, r.height, r.width, legend);
    const bool saved = save_png(small, r.path, error);
    close_canvas(large);
    close_canvas(small);
    return saved;
}

bool write_vector_map(const MapRequest& r, const ProjectedMap& map, const PieceColouring& colouring,
                      OutlineMode mode, const Legend& legend, std::string& error)
{
    VectorFile file;
    if (!open_vector_file(file, r.path, r.width, picture_height(r), error)) return false;
    cairo_save(file.canvas.cairo);
    cairo_scale(file.canvas.cairo, r.width / (360.0 * METAFILE_UNITS), r.height / (180.0 * METAFILE_UNITS));
    paint_whole_map(file.canvas, map, colouring, mode);
    cairo_restore(file.canvas.cairo);
    if (r.figures.legend) draw_legend(file.canvas, r.height, r.width, legend);
    return finish_vector_file(file, error);
}

}  // namespace

bool run_map(const Arguments& arguments, std::string&, std::string& error)
{
    prepare_world();
    load_statistics();   // the options name statistics by their titles
    MapRequest request;
    if (!read_request(arguments, request, error)) return false;
    std::string name;
    if (!apply_figure_options(request.figures, request.colouring, map_colouring, name, error)) return false;
    const Legend legend = legend_of(request.figures, name, request.colouring, map_colouring);
    const ProjectedMap map = project_all(request.projection, request.rotation);
    const OutlineMode mode = request.boundaries ? OUTLINE_BOUNDARIES : OUTLINE_CELL_FRAMES;
    const MapColourContext colours = {&map_colouring, polygons};
    const PieceColouring colouring = {map_piece_colour, &colours};
    if (picture_format_of(request.path) == PICTURE_PNG)
        return write_png_map(request, map, colouring, mode, legend, error);
    return write_vector_map(request, map, colouring, mode, legend, error);
}
