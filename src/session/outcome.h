// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include "session/problems.h"

#include <QList>

namespace tallyfox {

// What a command of the session did and what failed on the way, for the caller to decide by: whether the
// change was made and is in the database, and the problems it met. The same problems wait in the
// session's queue for the user, so a caller that only shows that queue may leave the outcome unread.
class CommandOutcome
{
public:
    // False when the command changed nothing: an edit of an entry that is gone, a file that was not read.
    bool applied = true;
    // The write of the database that the command's refresh made; ok when it needed none.
    FileResult database;
    // Every problem the command met, in order.
    QList<Problem> problems;

    // The change was made and the database file holds it (perhaps not yet synced to the disk).
    [[nodiscard]] bool stored() const { return applied && database.replaced(); }
    // The first failure about the topic; ok when there was none.
    [[nodiscard]] FileResult failure(ProblemTopic topic) const
    {
        for (const Problem& problem : problems) {
            if (problem.isFailure() && problem.topic == topic)
                return problem.result;
        }
        return {};
    }
    [[nodiscard]] bool hasFailures() const
    {
        for (const Problem& problem : problems) {
            if (problem.isFailure())
                return true;
        }
        return false;
    }
};

} // namespace tallyfox
