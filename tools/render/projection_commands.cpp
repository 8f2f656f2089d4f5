// tools/render/projection_commands.cpp: `orbily-render list` (the catalogue with command numbers
// and labels) and `orbily-render points` (one projection pass, piece by piece).
#include <cstdlib>
#include "projection/menu.h"
#include "projection/names.h"
#include "tools/render/command.h"
#include "tools/render/text_encoding.h"

// Lines "INDEX<TAB>COMMAND<TAB>LABEL", the label with a space as separator, in UTF-8.
bool run_list(const Arguments& arguments, std::string& output, std::string& error)
{
    if (!expect_no_arguments("list", arguments, error)) return false;
    build_projection_names();
    for (int i = 0; i < PROJECTION_COUNT; ++i) {
        char label[PROJECTION_LABEL_CAPACITY] = "";
        format_projection_label(i, label, ' ');
        append_format(output, "%d\t%d\t", i, projection_menu_item(i).command);
        append_utf8_from_cp1252(output, label);
        output += '\n';
    }
    return true;
}

// "projection N rotation R pieces P kept K points Q", then per piece of the projected list
// "piece BAND SECTOR POLYGON CODE IN_COUNT OUT_COUNT" and OUT_COUNT lines "x y X Y": the
// cell-local input point and its projected point. SECTOR is the stored sector.
bool run_points(const Arguments& arguments, std::string& output, std::string& error)
{
    int index = 0;
    int rotation = 0;
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::string& option = arguments[i];
        bool read;
        if (option == "--projection") read = read_option_number(arguments, i, 0, PROJECTION_COUNT - 1, index, error);
        else if (option == "--rotation") read = read_option_number(arguments, i, 0, ROTATION_STEPS - 1, rotation, error);
        else {
            error = "unknown option \"" + option + "\" for points";
            return false;
        }
        if (!read) return false;
    }
    prepare_world();
    project_all(index, rotation);
    int kept = 0;
    for (int i = 1; i < projected_list_length; i += 2) kept += projected_list[i] > 0;
    append_format(output, "projection %d rotation %d pieces %d kept %d points %d\n", index, rotation,
                  projected_list_length / 2, kept, projected_point_count);
    const CellPoint* in = cell_points;
    const float* out = projected_points;
    int frames = 0;
    int band = 0;
    int sector = 0;
    for (int i = 0, c = 0; i < projected_list_length; i += 2, c += 2) {
        while (cell_list[c] < 0) ++c;   // the cell list has separators, the projected list none
        const int polygon = projected_list[i];
        if (polygon == 0) {   // every cell starts with its frame
            band = frames / SECTOR_COUNT;
            sector = frames % SECTOR_COUNT;
            ++frames;
        }
        const int in_count = cell_list[c + 1];
        const int out_count = projected_list[i + 1];
        append_format(output, "piece %d %d %d %d %d %d\n", band, sector, polygon,
                      int(polygons[polygon].country), in_count, out_count);
        for (int k = 0; k < out_count; ++k, out += 2)
            append_format(output, "%.9g %.9g %.9g %.9g\n", double(in[k].x), double(in[k].y),
                          double(out[0]), double(out[1]));
        in += in_count;
    }
    return true;
}
