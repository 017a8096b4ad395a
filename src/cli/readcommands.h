// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include "cli/console.h"
#include "cli/invocation.h"
#include "money/overviewsums.h"
#include "session/session.h"

namespace tallyfox::cli {

// The program's own files, which an export or a chart must not replace: the program's dialog asks before
// it overwrites a file, and the tool cannot ask.
[[nodiscard]] bool isProgramFile(const Session& session, const QString& path);

// The commands that only read. None of them writes the database; each returns the exit code.

// One line per entry that the filter lets through, the list's nine cells in column order, tab-separated.
[[nodiscard]] int listEntries(Session& session, const Invocation& invocation, Console& console);
// The overview report, of the entries the filter lets through; given sums, of those the start-up read into
// them and the state's own.
[[nodiscard]] int printReport(Session& session, const Invocation& invocation, Console& console,
                              OverviewSums* sums = nullptr);
// A month table as "Copy to clipboard" copies it, of the entries the filter lets through.
[[nodiscard]] int printMonthTable(Session& session, const Invocation& invocation, Console& console);
// The export file, to a file or to standard output.
[[nodiscard]] int exportEntries(Session& session, const Invocation& invocation, Console& console);

} // namespace tallyfox::cli
