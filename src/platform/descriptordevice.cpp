// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "platform/descriptordevice.h"

#include "platform/filesystem.h"

#include <QByteArray>
#include <algorithm>
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
            fail(wrote < 0 ? errno : ENOSPC);
            return -1;
        }
        done += wrote;
    }
    written(done);
    return done;
}

bool DescriptorDevice::copyFrom(int source, qint64 offset, qint64 length)
{
    QByteArray buffer; // once the system cannot copy between these files itself
    while (length > 0 && m_systemError == 0) {
        const qint64 step = std::min(length, kWritebackStep);
        ssize_t copied = 0;
        if (buffer.isEmpty()) {
            loff_t from = offset;
            copied = ::copy_file_range(source, &from, m_fd, nullptr, size_t(step), 0);
            if (copied < 0 && errno == EINTR)
                continue;
            if (copied < 0 && (errno == EXDEV || errno == EINVAL || errno == ENOSYS || errno == EOPNOTSUPP)) {
                buffer.resize(std::min<qint64>(kWritebackStep, qint64(1) << 20));
                continue;
            }
            if (copied > 0)
                written(copied);
        } else {
            copied =
                ::pread(source, buffer.data(), size_t(std::min<qint64>(step, buffer.size())), off_t(offset));
            if (copied < 0 && errno == EINTR)
                continue;
            if (copied > 0 && writeData(buffer.constData(), copied) != copied)
                return false;
        }
        // Nothing more to copy: the source is shorter than it was.
        if (copied <= 0) {
            fail(copied < 0 ? errno : EIO);
            return false;
        }
        offset += copied;
        length -= copied;
    }
    return m_systemError == 0;
}

bool DescriptorDevice::restart()
{
    if (::ftruncate(m_fd, 0) != 0 || ::lseek(m_fd, 0, SEEK_SET) != 0) {
        fail(errno);
        return false;
    }
    m_systemError = 0;
    m_written = 0;
    m_handedToDisk = 0;
    return true;
}

void DescriptorDevice::fail(int error)
{
    m_systemError = error;
    setErrorString(systemReason(m_systemError));
}

void DescriptorDevice::written(qint64 bytes)
{
    m_written += bytes;
    // The disk starts on what has been written while the rest is still being made, so that the sync
    // at the end waits for the last part alone; pages already on their way are left alone.
    if (m_written - m_handedToDisk >= kWritebackStep) {
        ::sync_file_range(m_fd, 0, 0, SYNC_FILE_RANGE_WRITE);
        m_handedToDisk = m_written;
    }
}

} // namespace tallyfox
