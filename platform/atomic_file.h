// platform/atomic_file.h: the one file writer of both programs: a file is written whole or not
// at all. Only a regular file (or none) can be replaced by a finished new one; anything else is
// written in place.
#pragma once
#include <stdint.h>

const int ATOMIC_PATH_CAPACITY = 4096;

// Plain data, zero-initialised when static; big enough to keep off small stacks.
struct AtomicFile {
    intptr_t handle;                          // the open file: descriptor or HANDLE
    int direct;                               // 1: writing the target itself
    int error;                                // the system's code of the first failure, 0 if none
    char target[ATOMIC_PATH_CAPACITY];        // the file that is replaced, links followed
    char temporary[ATOMIC_PATH_CAPACITY];     // the new file beside it; empty when direct
};

// Opens path for writing. A regular file, or a name where nothing stands yet, gets a new file in
// its folder that replaces it on commit; a symbolic link is followed and its target replaced; a
// device, a FIFO or another special file is opened as it is, since nothing can stand in for it.
// False, with file.error set and nothing left behind, when it cannot.
bool open_atomic_file(AtomicFile& file, const char* path);

// Appends length bytes; false (file.error set) once any write has failed.
bool write_atomic_file(AtomicFile& file, const void* bytes, int length);

// Closes the file and puts it in place of the target. False, with file.error set, when anything
// failed since opening: the temporary file is removed and the target left as it was.
bool commit_atomic_file(AtomicFile& file);

// Closes the file and removes the temporary one; the target stays as it was.
void abandon_atomic_file(AtomicFile& file);
