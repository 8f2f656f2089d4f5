// platform/win32_atomic_file.cpp: platform/atomic_file.h on Windows, KERNEL32 only. The new file
// is made by GetTempFileNameA in the target's folder, so the final move stays on one volume.
#include "platform/atomic_file.h"
#include <windows.h>

static bool fail(AtomicFile& file, DWORD error)
{
    file.error = error ? int(error) : int(ERROR_WRITE_FAULT);
    return false;
}

// The folder part of path with its last separator ("." when there is none) in folder. False
// when it does not fit.
static bool take_folder(const char* path, char* folder)
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

// True when path names something that is no file on a disk: a device such as NUL or a
// console, or a pipe. Those are written in place.
static bool is_special(const char* path)
{
    HANDLE probe = CreateFileA(path, 0, FILE_SHARE_READ | FILE_SHARE_WRITE, NULL, OPEN_EXISTING, 0, NULL);
    if (probe == INVALID_HANDLE_VALUE) return false;
    const DWORD type = GetFileType(probe);
    CloseHandle(probe);
    return type != FILE_TYPE_DISK;
}

// A symbolic link cannot be resolved before Vista, so it is written through, in place; the file
// it points to gets the new bytes and the link stays.
static bool is_link(const char* path)
{
    const DWORD attributes = GetFileAttributesA(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT);
}

static bool open_in_place(AtomicFile& file, const char* path)
{
    file.direct = 1;
    const HANDLE handle = CreateFileA(path, GENERIC_WRITE, FILE_SHARE_READ, NULL,
                                      is_link(path) ? CREATE_ALWAYS : OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, NULL);
    file.handle = intptr_t(handle);
    return handle != INVALID_HANDLE_VALUE || fail(file, GetLastError());
}

bool open_atomic_file(AtomicFile& file, const char* path)
{
    static char folder[MAX_PATH];
    file.handle = intptr_t(INVALID_HANDLE_VALUE);
    file.direct = 0;
    file.error = 0;
    file.temporary[0] = 0;
    if (lstrlenA(path) >= ATOMIC_PATH_CAPACITY) return fail(file, ERROR_FILENAME_EXCED_RANGE);
    lstrcpyA(file.target, path);
    if (is_special(path) || is_link(path)) return open_in_place(file, path);
    if (!take_folder(path, folder)) return fail(file, ERROR_FILENAME_EXCED_RANGE);
    // GetTempFileNameA makes an empty file of a name not yet used in the folder
    if (!GetTempFileNameA(folder, "orb", 0, file.temporary)) {
        file.temporary[0] = 0;
        return fail(file, GetLastError());
    }
    const HANDLE handle = CreateFileA(file.temporary, GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, NULL);
    file.handle = intptr_t(handle);
    if (handle != INVALID_HANDLE_VALUE) return true;
    fail(file, GetLastError());
    DeleteFileA(file.temporary);
    return false;
}

bool write_atomic_file(AtomicFile& file, const void* bytes, int length)
{
    if (file.error != 0) return false;
    DWORD written = 0;
    if (!WriteFile(HANDLE(file.handle), bytes, DWORD(length), &written, NULL)) return fail(file, GetLastError());
    return written == DWORD(length) || fail(file, ERROR_WRITE_FAULT);
}

bool commit_atomic_file(AtomicFile& file)
{
    const bool closed = CloseHandle(HANDLE(file.handle)) != 0;
    file.handle = intptr_t(INVALID_HANDLE_VALUE);
    if (!closed && file.error == 0) fail(file, GetLastError());
    if (file.error == 0 && (file.direct || MoveFileExA(file.temporary, file.target, MOVEFILE_REPLACE_EXISTING)))
        return true;
    if (file.error == 0) fail(file, GetLastError());
    if (!file.direct) DeleteFileA(file.temporary);
    return false;
}

void abandon_atomic_file(AtomicFile& file)
{
    if (HANDLE(file.handle) != INVALID_HANDLE_VALUE) CloseHandle(HANDLE(file.handle));
    file.handle = intptr_t(INVALID_HANDLE_VALUE);
    if (!file.direct && file.temporary[0]) DeleteFileA(file.temporary);
}
