// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include <QtGlobal>
#include <atomic>
#include <functional>

class QProgressBar;

namespace tallyfox {

// How far a piece of work off the window's thread has come, for its progress bar: done of total, or
// nothing known yet while total is 0.
struct WorkProgress
{
    std::atomic<qint64> done = 0;
    std::atomic<qint64> total = 0;
};

// Runs the work on a thread of its own and waits for it with the window's events going on, so that the
// window keeps drawing and answering while a large file is read; the bar shows the progress meanwhile
// and is hidden again afterwards. The work must not touch widgets or anything the window changes.
void runInBackground(QProgressBar& bar, const std::function<void(WorkProgress&)>& work);

} // namespace tallyfox
