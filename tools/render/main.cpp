// tools/render/main.cpp: orbily-render, the core's native companion: dispatches subcommands.
// Bad input: one line on stderr, exit status 2, and no output file left half-written.
#include <cstdio>
#include <cstring>
#include "tools/render/command.h"
#include "tools/render/output_file.h"

#define COMMAND(name, function, writes_own_file, usage) bool function(const Arguments&, std::string&, std::string&);
#include "tools/render/commands.inc"
#undef COMMAND

namespace {

struct CommandEntry {
    const char* name;
    RenderCommand run;
    WritesOwnFile writes_own_file;
    const char* usage;
};

const CommandEntry COMMANDS[] = {
#define COMMAND(name, function, writes_own_file, usage) {name, function, writes_own_file, usage},
#include "tools/render/commands.inc"
#undef COMMAND
};

const int BAD_INPUT = 2;

// What the options shared by several commands mean, after the command lines of --help.
const char OPTION_HELP[] =
    "  -o FILE, --output FILE  where a command that prints puts its output, whole or not at all;\n"
    "                          \"-\" is standard output; commands that name their own file refuse it\n"
    "  --projection N          catalogue entry 0..127 (see list)\n"
    "  --rotation R            R steps of 15 degrees, 0..23\n"
    "  --width W, --height H   picture size in pixels, 1..16000\n"
    "  --data FILE             map: colour by your own figures from a CSV file, in place of a statistic;\n"
    "                          --value names their column, --key the countries' (default: the first)\n"
    "  --legend, --title TEXT  map: the colour ramp with its values and the title below the map\n";

int fail(const std::string& message)
{
    std::fprintf(stderr, "orbily-render: %s\n", message.c_str());
    return BAD_INPUT;
}

std::string usage()
{
    std::string text = "usage: orbily-render [-o FILE] COMMAND (";
    for (const CommandEntry& command : COMMANDS) {
        if (&command != COMMANDS) text += " | ";
        text += command.name;
        if (*command.usage) text += std::string(" ") + command.usage;
    }
    return text + "); orbily-render --help explains the options";
}

std::string help()
{
    std::string text = "usage: orbily-render [-o FILE] COMMAND [ARGUMENTS]\ncommands:\n";
    for (const CommandEntry& command : COMMANDS) {
        text += std::string("  ") + command.name;
        if (*command.usage) text += std::string(" ") + command.usage;
        text += '\n';
    }
    return text + "options:\n" + OPTION_HELP;
}

}  // namespace

int main(int argc, char** argv)
{
    std::string output_path;
    Arguments words;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "-o") == 0 || std::strcmp(argv[i], "--output") == 0) {
            if (i + 1 >= argc) return fail(std::string(argv[i]) + " needs a file name");
            output_path = argv[++i];
        } else {
            words.push_back(argv[i]);
        }
    }
    if (words.empty()) return fail(usage());
    const std::string name = words.front();
    words.erase(words.begin());
    std::string error;
    if (name == "--help" || name == "help") {
        if (!words.empty()) return fail(name + " takes nothing more");
        return write_standard_output(help(), error) ? 0 : fail(error);
    }
    for (const CommandEntry& command : COMMANDS) {
        if (name != command.name) continue;
        if (!output_path.empty() && command.writes_own_file(words))
            return fail("-o has nothing to write: " + name + " writes the file it names");
        std::string output;
        if (!command.run(words, output, error)) return fail(error);
        const bool written = output_path.empty() ? write_standard_output(output, error)
                                                 : write_file_whole(output_path, output, error);
        return written ? 0 : fail(error);
    }
    return fail("unknown subcommand \"" + name + "\"; " + usage());
}
