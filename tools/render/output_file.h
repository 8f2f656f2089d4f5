// tools/render/output_file.h: where orbily-render's output goes, all of it or nothing.
#pragma once
#include <string>

// Writes bytes to a temporary file beside path and renames it to path, so that path is
// either the complete output or untouched. False with a one-line message on failure.
bool write_file_whole(const std::string& path, const std::string& bytes, std::string& error);

// Writes bytes to standard output; false with a message if they could not all be written.
bool write_standard_output(const std::string& bytes, std::string& error);
