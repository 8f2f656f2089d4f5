// tools/render/command.cpp: the helpers every subcommand shares: output text and arguments.
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include "tools/render/command.h"

bool never_writes_file(const Arguments&)
{
    return false;
}

bool always_writes_file(const Arguments&)
{
    return true;
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

std::string not_taken(const std::string& argument, const char* command)
{
    return (argument[0] == '-' ? "unknown option \"" : "unexpected argument \"") + argument + "\" for " + command;
}

bool expect_no_arguments(const char* command, const Arguments& arguments, std::string& error)
{
    if (arguments.empty()) return true;
    error = not_taken(arguments.front(), command);
    return false;
}

bool parse_whole_number(const std::string& text, long low, long high, int& value)
{
    char* end = nullptr;
    const long number = std::strtol(text.c_str(), &end, 10);
    if (text.empty() || *end || number < low || number > high) return false;
    value = int(number);
    return true;
}

bool read_option_number(const Arguments& arguments, size_t& i, long low, long high, int& value,
                        std::string& error)
{
    const std::string& name = arguments[i];
    if (i + 1 >= arguments.size()) {
        error = name + " needs a number";
        return false;
    }
    const std::string& text = arguments[++i];
    if (parse_whole_number(text, low, high, value)) return true;
    append_format(error, "%s must be %ld..%ld, not \"%s\"", name.c_str(), low, high, text.c_str());
    return false;
}
