// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "session/databasewrite.h"

#include "platform/filelock.h"
#include "platform/threadpriority.h"

#include <QCoreApplication>
#include <QFile>

namespace tallyfox {

namespace {

// A database that may not be replaced is left as it is; its entries can still go to another file.
FileResult withSaveAsHint(const FileResult& result)
{
    if (result.error() != FileError::ReadOnly && result.error() != FileError::HardLinked)
        return result;
    return FileResult::writeFailure(
        result.error(), result.path(),
        QCoreApplication::translate(
            "Problems", "%1 It was left as it is; use Save as to keep the changes in another file.")
            .arg(result.reason()));
}

// Keeps the file's previous version as NAME.bak; the backup it replaces is left in oldBackup for the
// caller to remove.
FileResult keepBackup(const DatabaseWriteJob& job, DatabaseWriteOutcome& outcome, QString& oldBackup)
{
    const QString& path = job.path;
    // Beside the file itself, however it is reached, so that every path to it keeps one backup.
    const QString backup = FileLock::realPath(path) + QStringLiteral(".bak");
    if (fileStamp(path)) {
        // A second name of the old file costs nothing; the save then gives the path a new file.
        const std::optional<FileResult> linked = linkFileAtomically(path, backup, &oldBackup);
        const FileResult copied = linked ? *linked : copyFileAtomically(path, backup);
        if (copied.error() == FileError::NotOwned) {
            // A database that two users share: the other's backup stays, and the save goes on.
            outcome.told << QCoreApplication::translate("Problems",
                                                        "The previous version of \"%1\" was not kept: \"%2\" "
                                                        "belongs to another user and is left as it is.")
                                .arg(path, backup);
        } else if (!copied.replaced()) {
            return FileResult::writeFailure(
                copied.error(), path,
                QCoreApplication::translate("Problems",
                                            "its previous version could not be kept as \"%1\" (%2), so it "
                                            "was not changed.")
                    .arg(backup, copied.reason()));
        }
    }
    outcome.backedUp = true;
    if (job.otherLines > 0) {
        outcome.told << (job.otherLines == 1
                             ? QCoreApplication::translate("Problems",
                                                           "1 line of \"%1\" was not an entry; the "
                                                           "file as it was is kept as \"%2\".")
                                   .arg(path, backup)
                             : QCoreApplication::translate("Problems",
                                                           "%1 lines of \"%2\" were not entries; "
                                                           "the file as it was is kept as \"%3\".")
                                   .arg(QString::number(job.otherLines), path, backup));
    }
    return {};
}

} // namespace

DatabaseWriteOutcome runDatabaseWrite(const DatabaseWriteJob& job, const std::atomic<bool>* stop)
{
    DatabaseWriteOutcome outcome;
    // A file that may not be replaced is refused before anything, its backup too, is written.
    outcome.result = withSaveAsHint(checkReplaceable(job.path, HardLinks::Refuse));
    QString oldBackup;
    if (outcome.result.ok() && job.keepBackup)
        outcome.result = keepBackup(job, outcome, oldBackup);
    // The old backup of a large file takes a while to remove; that is done while the file is written.
    std::thread removal;
    if (!oldBackup.isEmpty())
        removal = std::thread([&oldBackup] { QFile::remove(oldBackup); });
    if (outcome.result.ok())
        outcome.result = withSaveAsHint(writeDatabaseEntries(job.path, job.entries, job.count,
                                                             &outcome.written, stop, job.storedLines.get()));
    if (removal.joinable())
        removal.join();
    outcome.superseded = !outcome.result.replaced() && stop != nullptr && stop->load();
    if (outcome.superseded)
        outcome.result = {};
    return outcome;
}

BackgroundWrite::BackgroundWrite(DatabaseWriteJob job, const std::function<void()>& done)
    : m_job(std::move(job))
{
    m_thread = std::thread([this, done] {
        yieldToOtherThreads();
        m_outcome = runDatabaseWrite(m_job, &m_stop);
        // The window's next change need not copy the records.
        m_job.entries = {};
        m_done.store(true, std::memory_order_release);
        if (done)
            done();
    });
}

BackgroundWrite::~BackgroundWrite()
{
    if (m_thread.joinable())
        m_thread.join();
}

const DatabaseWriteOutcome& BackgroundWrite::wait()
{
    if (m_thread.joinable())
        m_thread.join();
    return m_outcome;
}

} // namespace tallyfox
