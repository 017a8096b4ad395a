// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "platform/recordlock.h"

#include <cerrno>
#include <fcntl.h>

namespace tallyfox {

namespace {

int setLock(int fd, short type)
{
    struct flock request
    {};
    request.l_type = type;
    request.l_whence = SEEK_SET;
    request.l_start = 0;
    request.l_len = 0;
    for (;;) {
        if (::fcntl(fd, F_OFD_SETLK, &request) == 0)
            return 0;
        if (errno == EINTR)
            continue;
        if (errno != EINVAL)
            break;
        // A kernel or file system without open-file-description locks.
        if (::fcntl(fd, F_SETLK, &request) == 0)
            return 0;
        if (errno != EINTR)
            break;
    }
    // Both EAGAIN and EACCES mean that another holder has it.
    return errno == EACCES || errno == EAGAIN ? EWOULDBLOCK : errno;
}

} // namespace

int tryLockWholeFile(int fd)
{
    return setLock(fd, F_WRLCK);
}

void unlockWholeFile(int fd)
{
    [[maybe_unused]] const int released = setLock(fd, F_UNLCK);
}

} // namespace tallyfox
