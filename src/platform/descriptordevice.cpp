// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "platform/descriptordevice.h"

#include "platform/filesystem.h"

#include <QByteArray>
#include <algorithm>
#include <cerrno>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <unistd.h>

namespace tallyfox {

// Syncs the file whenever asked, one sync at a time; asks that come while a sync runs make one more.
class DescriptorDevice::SyncThread
{
public:
    explicit SyncThread(int fd) : m_thread([this, fd] { run(fd); }) {}
    ~SyncThread() { stop(); }

    void ask()
    {
        {
            const std::lock_guard lock(m_mutex);
            m_asked = true;
        }
        m_wake.notify_one();
    }

    // Waits for the sync under way and returns the errno of the first that failed (0: none). What is
    // still asked for is left to the caller's own sync.
    int stop()
    {
        if (m_thread.joinable()) {
            {
                const std::lock_guard lock(m_mutex);
                m_stopping = true;
            }
            m_wake.notify_one();
            m_thread.join();
        }
        return m_error;
    }

private:
    void run(int fd)
    {
        std::unique_lock lock(m_mutex);
        for (;;) {
            m_wake.wait(lock, [this] { return m_asked || m_stopping; });
            if (m_stopping)
                return;
            m_asked = false;
            lock.unlock();
            const int error = ::fdatasync(fd) == 0 ? 0 : errno;
            lock.lock();
            // A file that cannot be synced at all fails the caller's own sync as well.
            if (m_error == 0 && error != EINVAL && error != EINTR)
                m_error = error;
        }
    }

    std::mutex m_mutex;
    std::condition_variable m_wake;
    bool m_asked = false;
    bool m_stopping = false;
    int m_error = 0;
    std::thread m_thread; // last, so that all it uses is there when it starts
};

DescriptorDevice::DescriptorDevice(int fd) : m_fd(fd)
{
    open(QIODevice::WriteOnly | QIODevice::Unbuffered);
}

DescriptorDevice::~DescriptorDevice() = default;

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

bool DescriptorDevice::finishSyncs()
{
    const int error = m_syncThread ? m_syncThread->stop() : 0;
    m_syncThread.reset();
    if (error != 0 && m_systemError == 0)
        fail(error);
    return error == 0 && m_systemError == 0;
}

void DescriptorDevice::fail(int error)
{
    m_systemError = error;
    setErrorString(systemReason(m_systemError));
}

void DescriptorDevice::written(qint64 bytes)
{
    m_written += bytes;
    // Only a sync makes the disk take the pages for certain: asked to merely start writing them, a
    // virtual machine's host keeps them until the sync at the end, which then waits for them all.
    if (m_written - m_handedToDisk >= kWritebackStep) {
        if (!m_syncThread)
            m_syncThread = std::make_unique<SyncThread>(m_fd);
        m_syncThread->ask();
        m_handedToDisk = m_written;
    }
}

} // namespace tallyfox
