// tools/render/output_file.h: where orbily-render's output goes, all of it or nothing, through
// the program's one file writer (platform/atomic_file.h).
#pragma once
#include <string>

// "cannot write PATH: REASON" with the system's reason for error (errno).
std::string write_failure(const std::string& path, int error);

// Writes bytes to path through the atomic file writer: a regular file is either the complete
// output or untouched; a device or FIFO is written in place; "-" is standard output. False
// with a one-line message on failure.
bool write_file_whole(const std::string& path, const std::string& bytes, std::string& error);

// Writes bytes to standard output; false with a message if they could not all be written.
bool write_standard_output(const std::string& bytes, std::string& error);
