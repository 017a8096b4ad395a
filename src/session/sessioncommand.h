// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include "session/session.h"

namespace tallyfox {

// One command: what it met, and whether its refresh wrote the database. For the session's own sources.
class Session::Command
{
public:
    explicit Command(Session& session)
        : m_session(session), m_recording(session.m_problems), m_refreshesBefore(session.m_refreshes)
    {}

    [[nodiscard]] CommandOutcome done(bool applied = true) const
    {
        CommandOutcome outcome;
        outcome.applied = applied;
        if (m_session.m_refreshes != m_refreshesBefore)
            outcome.database = m_session.m_database.lastWrite();
        outcome.problems = m_recording.problems();
        return outcome;
    }

private:
    Session& m_session;
    ProblemList::Recording m_recording;
    int m_refreshesBefore;
};

} // namespace tallyfox
