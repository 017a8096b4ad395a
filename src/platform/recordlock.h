// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

namespace tallyfox {

// Takes an exclusive record lock on the whole open file without waiting: an open-file-description lock
// where the system has them, so that two descriptors in one process exclude each other and closing
// another descriptor of the file keeps it; else a classic POSIX lock, which network file systems with
// locking honour too. The kernel drops either when the descriptor is closed or its process ends.
// Gives 0 when taken, EWOULDBLOCK when another holder has it, ENOLCK when the file system keeps no
// locks, or another errno.
[[nodiscard]] int tryLockWholeFile(int fd);

// Lets go of the lock taken by tryLockWholeFile.
void unlockWholeFile(int fd);

} // namespace tallyfox
