// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "platform/descriptordevice.h"

#include "platform/filesystem.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace tallyfox {

DescriptorDevice::DescriptorDevice(int fd) : m_fd(fd)
{
    open(QIODevice::WriteOnly | QIODevice::Unbuffered);
}

qint64 DescriptorDevice::writeData(const char* data, qint64 length)
{
    if (m_systemError != 0)
        return -1;
    qint64 done = 0;
    // A write may take fewer bytes than asked; the rest goes in the next one, which then tells why.
    while (done < length) {
        const ssize_t wrote = ::write(m_fd, data + done, size_t(length - done));
        if (wrote < 0 && errno == EINTR)
            continue;
        if (wrote <= 0) {
            m_systemError = wrote < 0 ? errno : ENOSPC;
            setErrorString(systemReason(m_systemError));
            return -1;
        }
        done += wrote;
    }
    m_written += done;
    // The disk starts on what has been written while the rest is still being made, so that the sync
    // at the end waits for the last part alone; pages already on their way are left alone.
    if (m_written - m_handedToDisk >= kWritebackStep) {
        ::sync_file_range(m_fd, 0, 0, SYNC_FILE_RANGE_WRITE);
        m_handedToDisk = m_written;
    }
    return done;
}

} // namespace tallyfox
