// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include "platform/filesystem.h"

#include <QString>
#include <cerrno>
#include <chrono>

namespace tallyfox {

// How long a writer waits for another process to finish with a file before it gives up.
inline constexpr std::chrono::milliseconds kWriterLockWait{3000};

// What a lock guards; each purpose has its own lock file, so that the running window (which holds the
// instance lock of its registry for as long as it runs) does not keep writers out.
enum class LockPurpose
{
    // One read-change-write of the file at a time, among every process that can write the file.
    Write,
    // One running window per registry file and user session.
    Instance,
};

// An exclusive lock on a file, held by the kernel as a record lock on a small lock file. A write lock's
// file lies beside the guarded file, in its real folder (symlinks and relative parts resolved), as
// ".NAME.tallyfox-lock": every path, session, user and machine that can write the file meets the same
// lock, and network file systems that keep locks honour it. An instance lock's file lies in the user's
// runtime folder. The kernel drops the lock when the process ends in any way, so a lock can never go
// stale, and a lock file left behind means nothing. Within one process a second FileLock on the same
// file waits like another process would, so one owner should lock once and nest through lock() on the
// same object. On a file system that keeps no locks at all, lock() succeeds unguarded.
class FileLock
{
public:
    explicit FileLock(const QString& guardedPath, LockPurpose purpose = LockPurpose::Write);
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    // Takes the lock, waiting up to wait for another holder to let go. Calls nest: each successful one
    // needs its unlock(). False when the lock stayed taken, or the lock file could not be opened.
    [[nodiscard]] bool lock(std::chrono::milliseconds wait = kWriterLockWait);
    void unlock();
    [[nodiscard]] bool isLocked() const { return m_depth > 0; }
    // Why the last lock() failed: EWOULDBLOCK when another holder kept the lock, else the errno of
    // opening the lock file; 0 after a success.
    [[nodiscard]] int lastError() const { return m_lastError; }
    // Whether the last lock() failed because another holder kept the lock.
    [[nodiscard]] bool wasBusy() const { return m_lastError == EWOULDBLOCK; }
    // False while the lock is taken on a file system without locks: nothing keeps other writers out.
    [[nodiscard]] bool isGuarded() const { return m_guarded; }

    [[nodiscard]] const QString& lockFilePath() const { return m_lockFilePath; }
    // The failure of writing the guarded file at path after lock() failed: FileError::Busy with the
    // busy reason when another holder kept the lock, else why the lock file could not be used.
    [[nodiscard]] FileResult failure(const QString& path, const QString& busyReason) const;

    // The path with symlinks, "." and ".." resolved; for a file that does not exist yet, its folder is
    // resolved and the name kept.
    [[nodiscard]] static QString realPath(const QString& path);
    [[nodiscard]] static QString lockFilePathFor(const QString& guardedPath, LockPurpose purpose);

private:
    QString m_guardedPath;
    QString m_lockFilePath;
    int m_fd = -1;
    int m_depth = 0;
    int m_lastError = 0;
    bool m_guarded = true;
};

// Holds a FileLock for a scope once it is taken.
class FileLockHolder
{
public:
    FileLockHolder(FileLock& lock, std::chrono::milliseconds wait = kWriterLockWait)
        : m_lock(lock), m_locked(lock.lock(wait))
    {}
    ~FileLockHolder()
    {
        if (m_locked)
            m_lock.unlock();
    }
    FileLockHolder(const FileLockHolder&) = delete;
    FileLockHolder& operator=(const FileLockHolder&) = delete;
    [[nodiscard]] bool locked() const { return m_locked; }

private:
    FileLock& m_lock;
    bool m_locked;
};

} // namespace tallyfox
