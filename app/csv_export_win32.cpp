// app/csv_export_win32.cpp: the statistics file on Windows. One WriteFile per line into a new
// file in the target's folder, which replaces the target only once every line is written and
// the file is closed, so a failed save never destroys the file that was there.
#include <windows.h>
#include "stats/csv_export.h"

static char line[CSV_LINE_CAPACITY];
static char folder[MAX_PATH];
static char temporary[MAX_PATH];

// The folder part of path with its last separator ("." when there is none), so that the final
// move stays within one volume. False when it does not fit.
static bool take_folder(const char* path)
{
    int end = -1;
    int length = 0;
    for (; path[length] != 0; ++length) {
        const char c = path[length];
        if (c == '\\' || c == '/' || c == ':') end = length;
    }
    if (length >= MAX_PATH) return false;
    if (end < 0) {
        lstrcpyA(folder, ".");
        return true;
    }
    for (int i = 0; i <= end; ++i) folder[i] = path[i];
    folder[end + 1] = 0;
    return true;
}

static bool write_lines(HANDLE file)
{
    for (int i = 0; i < CSV_LINE_COUNT; ++i) {
        const DWORD length = DWORD(format_csv_line(i, line));
        DWORD written = 0;
        if (!WriteFile(file, line, length, &written, NULL) || written != length) return false;
    }
    return true;
}

int export_statistics_csv(const char* path)
{
    // GetTempFileNameA makes an empty file of a name not yet used in the folder
    if (!take_folder(path) || !GetTempFileNameA(folder, "orb", 0, temporary)) return 0;
    HANDLE file = CreateFileA(temporary, GENERIC_WRITE, 0, NULL, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, NULL);
    if (file == INVALID_HANDLE_VALUE) {
        DeleteFileA(temporary);
        return 0;
    }
    const bool written = write_lines(file);
    const bool closed = CloseHandle(file) != 0;
    if (written && closed && MoveFileExA(temporary, path, MOVEFILE_REPLACE_EXISTING)) return 1;
    DeleteFileA(temporary);
    return 0;
}
