// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include "core/growablearray.h"
#include "platform/filesystem.h"
#include "storage/databasefile.h"

#include <QString>
#include <QStringList>
#include <atomic>
#include <functional>
#include <thread>

namespace tallyfox {

// One write of the database file with what goes before it: the check that the file may be replaced and
// the backup of its previous version. It touches files alone, so it can run on a thread of its own over a
// copy of the entries, which shares their records while the window goes on.
struct DatabaseWriteJob
{
    QString path;
    ExpenseArray entries;
    int count = 0;
    // Keep the file's previous version as "NAME.tfx.bak" first: the first write of a run, or one that
    // drops lines that were not entries (how many: otherLines).
    bool keepBackup = false;
    qsizetype otherLines = 0;
    // The changes of the journal that this write puts in the file.
    size_t journalChanges = 0;
    // The lines the entries were read from, when they were kept.
    std::shared_ptr<const StoredLines> storedLines{};
};

struct DatabaseWriteOutcome
{
    // A failure means the entries are not in the file.
    FileResult result;
    DatabaseFileVersion written;
    bool backedUp = false;
    // Stopped for a later write that holds its entries too: no failure, and the file as it was.
    bool superseded = false;
    // What the user is told besides a failure, in order.
    QStringList told;
};

// Once stop is set, the write ends soon and is superseded, unless it was already putting the new file in
// place.
[[nodiscard]] DatabaseWriteOutcome runDatabaseWrite(const DatabaseWriteJob& job,
                                                    const std::atomic<bool>* stop = nullptr);

// A write running on a thread of its own. done is called on that thread when the file is written (for a
// window to come back and collect the outcome); the job's copy of the entries is let go before it.
class BackgroundWrite
{
public:
    BackgroundWrite(DatabaseWriteJob job, const std::function<void()>& done);
    // Waits for the write.
    ~BackgroundWrite();
    BackgroundWrite(const BackgroundWrite&) = delete;
    BackgroundWrite& operator=(const BackgroundWrite&) = delete;

    [[nodiscard]] const DatabaseWriteJob& job() const { return m_job; }
    // Whether the file is written, so that wait() returns at once.
    [[nodiscard]] bool isDone() const { return m_done.load(std::memory_order_acquire); }
    // Asks the write to end soon, superseded, because a later one follows.
    void stop() { m_stop.store(true, std::memory_order_relaxed); }
    // Waits for the write and gives its outcome.
    [[nodiscard]] const DatabaseWriteOutcome& wait();

private:
    DatabaseWriteJob m_job;
    DatabaseWriteOutcome m_outcome;
    std::atomic<bool> m_done = false;
    std::atomic<bool> m_stop = false;
    std::thread m_thread;
};

} // namespace tallyfox
