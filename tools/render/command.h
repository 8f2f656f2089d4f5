// tools/render/command.h: what every orbily-render subcommand is, and the helpers they share.
// A subcommand writes its whole output into a string; main sends it out only on success.
#pragma once
#include <string>
#include <vector>
#include "view/world.h"

using Arguments = std::vector<std::string>;

// Reads the arguments and fills output. On bad input returns false and sets error to a
// one-line message (no program name, no newline); output is then thrown away.
using RenderCommand = bool (*)(const Arguments& arguments, std::string& output, std::string& error);

// The largest --width or --height of a picture, map or flag: a map is drawn twice as large, and
// an image canvas holds at most 32,767 pixels a side.
const int LARGEST_PICTURE_SIDE = 16000;

// Whether a command writes a file it names itself, so that -o FILE has nothing to take.
using WritesOwnFile = bool (*)(const Arguments& arguments);
bool never_writes_file(const Arguments& arguments);
bool always_writes_file(const Arguments& arguments);
bool flag_writes_file(const Arguments& arguments);   // every form but --aspect

// printf into a string, appending.
void append_format(std::string& output, const char* format, ...) __attribute__((format(printf, 2, 3)));

// The decimal whole number in text when it lies in low..high.
bool parse_whole_number(const std::string& text, long low, long high, int& value);
// Reads the value after option arguments[i] (moving i onto it) as a whole number in low..high;
// false with a one-line message otherwise.
bool read_option_number(const Arguments& arguments, size_t& i, long low, long high, int& value,
                        std::string& error);

// The message for an argument a subcommand does not take: an unknown option, or one word too many.
std::string not_taken(const std::string& argument, const char* command);

// False, with the message, when a subcommand got any argument; for those that take none.
bool expect_no_arguments(const char* command, const Arguments& arguments, std::string& error);
