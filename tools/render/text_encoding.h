// tools/render/text_encoding.h: the program's code page 1252 text as UTF-8 for the console.
#pragma once
#include <string>

// Appends the zero-terminated code page 1252 text to output in UTF-8; the five bytes that the
// code page leaves undefined become U+FFFD.
void append_utf8_from_cp1252(std::string& output, const char* text);
