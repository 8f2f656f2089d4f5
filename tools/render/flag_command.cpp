// tools/render/flag_command.cpp: draws one flag through draw_flag into a Cairo canvas.
#include "tools/render/flag_command.h"
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include "flags/flags.h"
#include "platform/cairo_draw.h"
#include "tools/render/country_codes.h"

static const char USAGE[] =
    "usage: orbily-render flag CODE|ISO2 OUT.png|OUT.svg|OUT.pdf [--width W] [--height H]\n"
    "       orbily-render flag CODE|ISO2 --aspect\n";

static int usage()
{
    std::fputs(USAGE, stderr);
    return 2;
}

static bool ends_with(const char* text, const char* suffix)
{
    const size_t n = std::strlen(text), m = std::strlen(suffix);
    return n >= m && std::strcmp(text + n - m, suffix) == 0;
}

// A positive size in pixels (or points), at most 1 << 15; 0 when the text is none.
static int parse_size(const char* text)
{
    char* end = nullptr;
    const long size = std::strtol(text, &end, 10);
    return (*end == 0 && size > 0 && size <= 32768) ? int(size) : 0;
}

static bool write_flag(const char* path, int code, int width, int height)
{
    Canvas canvas = {};
    if (ends_with(path, ".png")) {
        if (!create_image_canvas(canvas, CAIRO_FORMAT_RGB24, width, height)) return false;
        draw_flag(canvas, width, height, code);
        const bool written = write_canvas_png(canvas, path);
        return close_canvas(canvas) && written;
    }
    const bool created = ends_with(path, ".svg") ? create_svg_canvas(canvas, path, width, height)
                                                 : create_pdf_canvas(canvas, path, width, height);
    if (!created) return false;
    draw_flag(canvas, width, height, code);
    return close_canvas(canvas);
}

int flag_command(int count, char** args)
{
    if (count < 2) return usage();
    const int code = parse_country_code(args[0]);
    if (code < 0) {
        std::fprintf(stderr, "orbily-render flag: no country %s\n", args[0]);
        return 2;
    }
    build_flag_index();
    if (count == 2 && std::strcmp(args[1], "--aspect") == 0) {
        std::printf("%.6f\n", flag_aspect(code));
        return 0;
    }
    const char* path = args[1];
    if (!ends_with(path, ".png") && !ends_with(path, ".svg") && !ends_with(path, ".pdf")) return usage();
    int width = 480, height = 0;
    for (int i = 2; i < count; i += 2) {
        if (i + 1 >= count) return usage();
        int& size = std::strcmp(args[i], "--width") == 0 ? width : height;
        if (std::strcmp(args[i], "--width") != 0 && std::strcmp(args[i], "--height") != 0) return usage();
        if ((size = parse_size(args[i + 1])) == 0) return usage();
    }
    if (height == 0) height = int(width / flag_aspect(code) + 0.5);
    if (height == 0) height = 1;
    if (!write_flag(path, code, width, height)) {
        std::fprintf(stderr, "orbily-render flag: could not write %s\n", path);
        return 1;
    }
    return 0;
}
