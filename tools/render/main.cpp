// tools/render/main.cpp: orbily-render, the core's native companion: dispatches subcommands.
// Bad input: one line on stderr, exit status 2, and no output file left half-written.
#include <cstdio>
#include <cstring>
#include "tools/render/command.h"
#include "tools/render/output_file.h"

#define COMMAND(name, function, usage) bool function(const Arguments&, std::string&, std::string&);
#include "tools/render/commands.inc"
#undef COMMAND

namespace {

struct CommandEntry {
    const char* name;
    RenderCommand run;
    const char* usage;
};

const CommandEntry COMMANDS[] = {
#define COMMAND(name, function, usage) {name, function, usage},
#include "tools/render/commands.inc"
#undef COMMAND
};

const int BAD_INPUT = 2;

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
    return text + ")";
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
    for (const CommandEntry& command : COMMANDS) {
        if (name != command.name) continue;
        std::string output;
        std::string error;
        if (!command.run(words, output, error)) return fail(error);
        const bool written = output_path.empty() ? write_standard_output(output, error)
                                                 : write_file_whole(output_path, output, error);
        return written ? 0 : fail(error);
    }
    return fail("unknown subcommand \"" + name + "\"; " + usage());
}
