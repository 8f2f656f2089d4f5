// tools/render/world.cpp: the static data of start-up, prepared once for every subcommand,
// in start-up's order: names, outlines, cells.
#include <cstdarg>
#include <cstdio>
#include "data/blobs.h"
#include "geo/countries.h"
#include "tools/render/command.h"

const World& prepare_world()
{
    static bool prepared = false;
    static World world;
    if (!prepared) {
        build_country_names();
        world.decoded = decode_outlines(OUTLINE_STREAM, OUTLINE_STREAM_SIZE);
        world.clipped = clip_to_cells();
        prepared = true;
    }
    return world;
}

void append_format(std::string& output, const char* format, ...)
{
    char line[512];
    va_list arguments;
    va_start(arguments, format);
    const int length = std::vsnprintf(line, sizeof line, format, arguments);
    va_end(arguments);
    if (length < int(sizeof line)) {
        output.append(line, length);
        return;
    }
    std::string long_line(length + 1, '\0');
    va_start(arguments, format);
    std::vsnprintf(&long_line[0], long_line.size(), format, arguments);
    va_end(arguments);
    output.append(long_line, 0, length);
}

bool expect_no_arguments(const char* command, const Arguments& arguments, std::string& error)
{
    if (arguments.empty()) return true;
    const std::string& first = arguments.front();
    error = (first[0] == '-' ? "unknown option \"" : "unexpected argument \"") + first + "\" for " + command;
    return false;
}
