// stats/csv_export.cpp: the statistics file, on every platform through its atomic file writer.
#include "stats/csv_export.h"
#include "platform/atomic_file.h"

static char line[CSV_LINE_CAPACITY];
static AtomicFile file;

bool export_statistics_csv(const char* path, int& error)
{
    if (!open_atomic_file(file, path)) {
        error = file.error;
        return false;
    }
    for (int i = 0; i < CSV_LINE_COUNT; ++i) {
        if (!write_atomic_file(file, line, format_csv_line(i, line))) break;
    }
    const bool written = commit_atomic_file(file);
    error = file.error;
    return written;
}
