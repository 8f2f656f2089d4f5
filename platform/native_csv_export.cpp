// platform/native_csv_export.cpp: the statistics file on POSIX systems, for orbily-render and
// the tests. Lines go to a new file beside the target, which replaces the target only when whole.
#include "stats/csv_export.h"
#include <fcntl.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/stat.h>
#include <unistd.h>

static char line[CSV_LINE_CAPACITY];

// write() may take fewer bytes than asked without failing; only a write that takes none fails.
static bool write_all(int file, const char* bytes, int length)
{
    while (length > 0) {
        const ssize_t written = write(file, bytes, size_t(length));
        if (written <= 0) return false;
        bytes += written;
        length -= int(written);
    }
    return true;
}

static bool write_lines(int file)
{
    for (int i = 0; i < CSV_LINE_COUNT; ++i) {
        if (!write_all(file, line, format_csv_line(i, line))) return false;
    }
    return true;
}

int export_statistics_csv(const char* path)
{
    static char temporary[4096];
    if (snprintf(temporary, sizeof temporary, "%s.XXXXXX", path) >= int(sizeof temporary)) return 0;
    const int file = mkstemp(temporary);
    if (file < 0) return 0;
    // mkstemp makes the file private; give it the permissions of a newly created file
    const mode_t mask = umask(0);
    umask(mask);
    const bool written = fchmod(file, 0666 & ~mask) == 0 && write_lines(file);
    const bool closed = close(file) == 0;
    if (written && closed && rename(temporary, path) == 0) return 1;
    unlink(temporary);
    return 0;
}
