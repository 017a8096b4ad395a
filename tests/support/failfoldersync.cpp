// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

// Loaded into a program under test with LD_PRELOAD: syncing the folder named by
// TALLYFOX_TEST_FAIL_SYNC_OF fails with EIO, as a failing disk or network folder does; every other
// sync is the system's.
#include <cerrno>
#include <cstdlib>
#include <dlfcn.h>
#include <sys/stat.h>

extern "C" int fsync(int fd)
{
    using Sync = int (*)(int);
    static const Sync systemSync = reinterpret_cast<Sync>(::dlsym(RTLD_NEXT, "fsync"));
    const char* failing = std::getenv("TALLYFOX_TEST_FAIL_SYNC_OF");
    struct stat opened
    {};
    struct stat folder
    {};
    if (failing && ::fstat(fd, &opened) == 0 && ::stat(failing, &folder) == 0 && S_ISDIR(opened.st_mode) &&
        opened.st_ino == folder.st_ino && opened.st_dev == folder.st_dev) {
        errno = EIO;
        return -1;
    }
    return systemSync(fd);
}
