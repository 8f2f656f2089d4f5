// tools/render/flag_command.cpp: `orbily-render flag CODE|ISO2 OUT.png|OUT.svg|OUT.pdf
// [--width W] [--height H]` draws one flag through draw_flag (width 480 unless given, height from
// the flag's proportions unless given); `flag CODE|ISO2 --aspect` prints its width-to-height ratio.
#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include "flags/flags.h"
#include "platform/cairo_draw.h"
#include "tools/render/command.h"
#include "tools/render/country_codes.h"
#include "tools/render/picture_file.h"

namespace {

const int DEFAULT_WIDTH = 480;

// Draws the flag into path: a PNG transparent where the flag leaves its field empty (Nepal's
// pennants), or vectors; whole or nothing.
bool write_flag(const std::string& path, int code, int width, int height, std::string& error)
{
    if (picture_format_of(path) != PICTURE_PNG) {
        VectorFile file;
        if (!open_vector_file(file, path, width, height, error)) return false;
        draw_flag(file.canvas, width, height, code);
        return finish_vector_file(file, error);
    }
    Canvas canvas = {};
    if (!create_image_canvas(canvas, CAIRO_FORMAT_ARGB32, width, height)) {
        error = "cannot make a picture of " + std::to_string(width) + " x " + std::to_string(height) + ": " +
                std::strerror(ENOMEM);
        return false;
    }
    const PixelBuffer pixels = canvas_pixels(canvas);
    for (int y = 0; y < pixels.height; ++y) std::fill_n(pixels.pixels + y * pixels.stride, pixels.width, 0u);
    draw_flag(canvas, width, height, code);
    const bool saved = save_png(canvas, path, error);
    close_canvas(canvas);
    return saved;
}

}  // namespace

bool flag_writes_file(const Arguments& arguments)
{
    return arguments.size() < 2 || arguments[1] != "--aspect";
}

bool run_flag_command(const Arguments& arguments, std::string& output, std::string& error)
{
    if (arguments.size() < 2) {
        error = "flag takes CODE|ISO2 and OUT.png|OUT.svg|OUT.pdf or --aspect";
        return false;
    }
    const int code = parse_country_code(arguments[0].c_str());
    if (code < 0) {
        error = "no country \"" + arguments[0] + "\" (a code 0..214 or an ISO code)";
        return false;
    }
    build_flag_index();
    if (arguments[1] == "--aspect") {
        if (arguments.size() != 2) {
            error = "flag --aspect takes nothing more";
            return false;
        }
        append_format(output, "%.6f\n", flag_aspect(code));
        return true;
    }
    const std::string& path = arguments[1];
    if (picture_format_of(path) == PICTURE_UNKNOWN) {
        error = "flag writes .png, .svg or .pdf, not \"" + path + "\"";
        return false;
    }
    int width = DEFAULT_WIDTH, height = 0;
    for (size_t i = 2; i < arguments.size(); ++i) {
        const std::string& option = arguments[i];
        if (option != "--width" && option != "--height") {
            error = "unknown option \"" + option + "\" for flag";
            return false;
        }
        if (!read_option_number(arguments, i, 1, LARGEST_PICTURE_SIDE, option == "--width" ? width : height, error))
            return false;
    }
    if (height == 0) height = int(width / flag_aspect(code) + 0.5);
    if (height == 0) height = 1;   // a very narrow width for a wide flag
    return write_flag(path, code, width, height, error);
}
