// tools/render/output_file.cpp: writes output through a temporary file and a rename.
#include "tools/render/output_file.h"
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <unistd.h>

bool write_file_whole(const std::string& path, const std::string& bytes, std::string& error)
{
    const std::string temporary = path + ".tmp" + std::to_string(getpid());
    std::FILE* file = std::fopen(temporary.c_str(), "wb");
    if (!file) {
        error = "cannot write " + path + ": " + std::strerror(errno);
        return false;
    }
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    const bool closed = std::fclose(file) == 0;
    if (!written || !closed || std::rename(temporary.c_str(), path.c_str()) != 0) {
        error = "cannot write " + path + ": " + std::strerror(errno);
        std::remove(temporary.c_str());
        return false;
    }
    return true;
}

bool write_standard_output(const std::string& bytes, std::string& error)
{
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), stdout) == bytes.size();
    if (!written || std::fflush(stdout) != 0) {
        error = std::string("cannot write to standard output: ") + std::strerror(errno);
        return false;
    }
    return true;
}
