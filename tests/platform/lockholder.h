// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include "platform/filelock.h"

#include <QString>
#include <csignal>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

namespace tallyfox::test {

// Another process that takes a file's lock and holds it until it is killed.
class LockHolder
{
public:
    LockHolder(const QString& guardedPath, LockPurpose purpose)
    {
        // Everything but taking the lock happens before the fork.
        FileLock lock(guardedPath, purpose);
        int channel[2];
        if (::pipe(channel) != 0)
            return;
        m_pid = ::fork();
        if (m_pid == 0) {
            ::close(channel[0]);
            const char taken = lock.lock(std::chrono::milliseconds(0)) ? '1' : '0';
            [[maybe_unused]] const ssize_t told = ::write(channel[1], &taken, 1);
            for (;;)
                ::pause();
        }
        ::close(channel[1]);
        pollfd ready{channel[0], POLLIN, 0};
        char taken = '0';
        if (m_pid > 0 && ::poll(&ready, 1, 10000) == 1 && ::read(channel[0], &taken, 1) == 1)
            m_holds = taken == '1';
        ::close(channel[0]);
    }
    ~LockHolder() { kill(); }
    LockHolder(const LockHolder&) = delete;
    LockHolder& operator=(const LockHolder&) = delete;

    [[nodiscard]] bool holds() const { return m_holds; }

    // Ends the process as a crash would: no destructor, no unlock.
    void kill()
    {
        if (m_pid <= 0)
            return;
        ::kill(m_pid, SIGKILL);
        ::waitpid(m_pid, nullptr, 0);
        m_pid = -1;
    }

private:
    pid_t m_pid = -1;
    bool m_holds = false;
};

} // namespace tallyfox::test
