// tools/render/output_file.cpp: text output to a file or to standard output.
#include "tools/render/output_file.h"
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include "platform/atomic_file.h"

std::string write_failure(const std::string& path, int error)
{
    return "cannot write " + path + ": " + std::strerror(error ? error : EIO);
}

bool write_file_whole(const std::string& path, const std::string& bytes, std::string& error)
{
    if (path == "-") return write_standard_output(bytes, error);
    static AtomicFile file;
    bool written = open_atomic_file(file, path.c_str());
    if (written) {
        // one write of a size an int holds at a time
        for (size_t done = 0; written && done < bytes.size(); done += 1 << 30)
            written = write_atomic_file(file, bytes.data() + done, int(std::min<size_t>(bytes.size() - done, 1 << 30)));
        written = commit_atomic_file(file) && written;
    }
    if (!written) error = write_failure(path, file.error);
    return written;
}

bool write_standard_output(const std::string& bytes, std::string& error)
{
    errno = 0;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), stdout) == bytes.size();
    if (!written || std::fflush(stdout) != 0) {
        error = std::string("cannot write to standard output: ") + std::strerror(errno ? errno : EIO);
        return false;
    }
    return true;
}
