// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include <QIODevice>
#include <memory>

namespace tallyfox {

// Writes straight to a file descriptor, unbuffered, and keeps the errno of a failed write so that the
// failure can be reported in the system's words. The descriptor stays the caller's. Every few megabytes
// what was written so far is synced on a thread of its own while the rest is being made, so that the
// caller's own sync at the end waits for the last part alone.
class DescriptorDevice : public QIODevice
{
public:
    explicit DescriptorDevice(int fd);
    ~DescriptorDevice() override;

    [[nodiscard]] bool isSequential() const override { return true; }
    // The errno of the first failed write; 0 while none failed.
    [[nodiscard]] int systemError() const { return m_systemError; }
    // Writes length bytes of the file source from offset on, copied by the system without passing
    // through this process where it can. False when a write failed or the source held fewer bytes.
    bool copyFrom(int source, qint64 offset, qint64 length);
    // Empties the file and starts again at its beginning, a failed write forgotten. False when the file
    // cannot be emptied.
    bool restart();
    // Waits for the syncs begun while writing. False, with the system's error kept, when one failed: the
    // error is told once, so the caller's own sync would not see it again.
    bool finishSyncs();

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 length) override;

private:
    class SyncThread;

    void fail(int error);
    void written(qint64 bytes);

    static constexpr qint64 kWritebackStep = qint64(8) << 20;

    int m_fd;
    int m_systemError = 0;
    qint64 m_written = 0;
    qint64 m_handedToDisk = 0;
    std::unique_ptr<SyncThread> m_syncThread;
};

} // namespace tallyfox
