// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include "platform/filesystem.h"
#include "storage/editlog.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <vector>

namespace tallyfox {

// What a message for the user is about, so that a caller can tell it in its own words.
enum class ProblemTopic
{
    // Something the user should know; nothing failed.
    Notice,
    // Writing or reading the database.
    Database,
    // Storing the settings.
    Settings,
    // Appending to the edit log.
    Log,
    // Any other file.
    File,
};

// One message for the user: a failure of a file, or a notice.
struct Problem
{
    ProblemTopic topic = ProblemTopic::Notice;
    // What failed; empty for a notice.
    FileResult result;
    QString text;
    // A failure the user was told of already (a log that keeps failing): it counts, but is not shown.
    bool repeated = false;

    [[nodiscard]] bool isFailure() const { return !result.ok(); }
};

// The messages for the user, in the order they arose.
class ProblemList
{
public:
    void tell(const QString& message);
    // Adds the failure; nothing on success.
    void report(const FileResult& result, ProblemTopic topic);
    // A log failure that is not new counts but is not shown again.
    void report(const LogResult& result);

    [[nodiscard]] QList<Problem> take() { return std::exchange(m_problems, {}); }
    // Keeps the first of the failures for the same file, action and kind of error: start-up meets a file
    // that fails in several steps.
    void removeRepeated();

    // Copies every problem added while it lives into a list of its own as well, whoever takes the queue
    // meanwhile: what one command met.
    class Recording
    {
    public:
        explicit Recording(ProblemList& list);
        ~Recording();
        Recording(const Recording&) = delete;
        Recording& operator=(const Recording&) = delete;
        [[nodiscard]] const QList<Problem>& problems() const { return m_problems; }

    private:
        ProblemList& m_list;
        QList<Problem> m_problems;
    };

private:
    void add(Problem problem);

    QList<Problem> m_problems;
    std::vector<QList<Problem>*> m_recordings;
};

// The texts of the problems the user is to see.
[[nodiscard]] QStringList shownTexts(const QList<Problem>& problems);

} // namespace tallyfox
