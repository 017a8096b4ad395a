// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "session/problems.h"

#include <algorithm>

namespace tallyfox {

void ProblemList::add(Problem problem)
{
    for (QList<Problem>* recording : m_recordings)
        recording->append(problem);
    m_problems.append(std::move(problem));
}

void ProblemList::tell(const QString& message)
{
    add({ProblemTopic::Notice, {}, message});
}

void ProblemList::report(const FileResult& result, ProblemTopic topic)
{
    if (!result.ok())
        add({topic, result, result.message()});
}

void ProblemList::report(const LogResult& result)
{
    if (!result.ok())
        add({ProblemTopic::Log, result.result(), result.message(), !result.isNewFailure()});
}

ProblemList::Recording::Recording(ProblemList& list) : m_list(list)
{
    m_list.m_recordings.push_back(&m_problems);
}

ProblemList::Recording::~Recording()
{
    std::erase(m_list.m_recordings, &m_problems);
}

void ProblemList::removeRepeated()
{
    QList<Problem> kept;
    for (Problem& problem : m_problems) {
        const auto same = [&problem](const Problem& earlier) {
            return problem.isFailure() && earlier.isFailure() &&
                   earlier.result.error() == problem.result.error() &&
                   earlier.result.action() == problem.result.action() &&
                   earlier.result.path() == problem.result.path();
        };
        if (std::none_of(kept.cbegin(), kept.cend(), same))
            kept.append(std::move(problem));
    }
    m_problems = std::move(kept);
}

QStringList shownTexts(const QList<Problem>& problems)
{
    QStringList texts;
    for (const Problem& problem : problems) {
        if (!problem.repeated)
            texts << problem.text;
    }
    return texts;
}

} // namespace tallyfox
