// tests/file_contents.h: a whole file's bytes, for the tests that compare written files.
#pragma once
#include <fstream>
#include <sstream>
#include <string>

// The bytes of the file at path; empty when it cannot be read.
inline std::string read_file(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    std::stringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}
