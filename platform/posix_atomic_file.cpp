// platform/posix_atomic_file.cpp: platform/atomic_file.h on POSIX systems, for orbily-render and
// the tests. The temporary file is "<target>.XXXXXX", so the final rename stays in one file system.
#include "platform/atomic_file.h"
#include <errno.h>
#include <fcntl.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/stat.h>
#include <unistd.h>

static const int LINK_LIMIT = 40;   // the kernel's own limit on links in one lookup

static bool fail(AtomicFile& file, int error)
{
    file.error = error ? error : EIO;
    return false;
}

// Follows path through symbolic links, including dangling ones, into file.target; a relative
// link counts from the folder of the link.
static bool resolve_links(AtomicFile& file, const char* path)
{
    static char link[ATOMIC_PATH_CAPACITY];
    if (snprintf(file.target, sizeof file.target, "%s", path) >= int(sizeof file.target))
        return fail(file, ENAMETOOLONG);
    for (int i = 0; i < LINK_LIMIT; ++i) {
        struct stat info;
        if (lstat(file.target, &info) != 0 || !S_ISLNK(info.st_mode)) return true;
        const ssize_t length = readlink(file.target, link, sizeof link - 1);
        if (length < 0) return fail(file, errno);
        link[length] = 0;
        char* slash = strrchr(file.target, '/');
        if (link[0] == '/' || !slash) {
            if (snprintf(file.target, sizeof file.target, "%s", link) >= int(sizeof file.target))
                return fail(file, ENAMETOOLONG);
            continue;
        }
        const size_t folder = size_t(slash - file.target) + 1;
        if (folder + size_t(length) >= sizeof file.target) return fail(file, ENAMETOOLONG);
        memcpy(file.target + folder, link, size_t(length) + 1);
    }
    return fail(file, ELOOP);
}

// A special file, reached through any links, is opened as it is.
static bool open_in_place(AtomicFile& file, const char* path)
{
    file.direct = 1;
    file.handle = open(path, O_WRONLY | O_TRUNC);
    return file.handle >= 0 || fail(file, errno);
}

bool open_atomic_file(AtomicFile& file, const char* path)
{
    file.handle = -1;
    file.direct = 0;
    file.error = 0;
    file.temporary[0] = 0;
    struct stat info;
    const bool exists = stat(path, &info) == 0;
    if (!exists && errno != ENOENT) return fail(file, errno);
    if (exists && !S_ISREG(info.st_mode)) return open_in_place(file, path);
    if (!resolve_links(file, path)) return false;
    if (snprintf(file.temporary, sizeof file.temporary, "%s.XXXXXX", file.target) >= int(sizeof file.temporary))
        return fail(file, ENAMETOOLONG);
    file.handle = mkstemp(file.temporary);
    if (file.handle < 0) {
        file.temporary[0] = 0;
        return fail(file, errno);
    }
    // mkstemp makes the file private: give it the target's permissions, or a new file's
    mode_t mode = info.st_mode & 07777;
    if (!exists) {
        const mode_t mask = umask(0);
        umask(mask);
        mode = 0666 & ~mask;
    }
    if (fchmod(int(file.handle), mode) == 0) return true;
    fail(file, errno);
    abandon_atomic_file(file);
    return false;
}

// write() may take fewer bytes than asked without failing; only a write that takes none fails.
bool write_atomic_file(AtomicFile& file, const void* bytes, int length)
{
    const char* cursor = static_cast<const char*>(bytes);
    while (file.error == 0 && length > 0) {
        const ssize_t written = write(int(file.handle), cursor, size_t(length));
        if (written <= 0) return fail(file, errno);
        cursor += written;
        length -= int(written);
    }
    return file.error == 0;
}

bool commit_atomic_file(AtomicFile& file)
{
    const bool closed = close(int(file.handle)) == 0;
    file.handle = -1;
    if (!closed && file.error == 0) file.error = errno ? errno : EIO;
    if (file.error == 0 && (file.direct || rename(file.temporary, file.target) == 0)) return true;
    if (file.error == 0) file.error = errno;
    if (!file.direct) unlink(file.temporary);
    return false;
}

void abandon_atomic_file(AtomicFile& file)
{
    if (file.handle >= 0) close(int(file.handle));
    file.handle = -1;
    if (!file.direct && file.temporary[0]) unlink(file.temporary);
}
