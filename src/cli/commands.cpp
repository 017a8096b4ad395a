// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "cli/commands.h"

#include "cli/chartcommand.h"
#include "cli/importcommand.h"
#include "cli/readcommands.h"
#include "cli/toolstartup.h"
#include "cli/writecommands.h"
#include "money/overviewreport.h"
#include "platform/registry.h"

#include <optional>

namespace tallyfox::cli {

namespace {

int runStartedCommand(Session& session, const Invocation& invocation, const ChartLibrary& charts,
                      Console& console, OverviewSums* sums)
{
    switch (invocation.command) {
    case Command::List:
        return listEntries(session, invocation, console);
    case Command::Report:
        return printReport(session, invocation, console, sums);
    case Command::Table:
        return printMonthTable(session, invocation, console);
    case Command::Export:
        return exportEntries(session, invocation, console);
    case Command::Sort:
        return sortDatabase(session, invocation, console);
    case Command::Add:
        return addEntry(session, invocation, console);
    case Command::Import:
        return importFile(session, invocation, console);
    case Command::Chart:
        return drawChart(session, invocation, charts, console);
    }
    return kExitUsage;
}

} // namespace

bool isReadingCommand(Command command)
{
    return command == Command::List || command == Command::Report || command == Command::Table ||
           command == Command::Export || command == Command::Chart;
}

int runCommand(const Invocation& invocation, AppState& state, const ChartLibrary& charts, Console& console)
{
    Registry registry(registryFilePath());
    // The commands that only read leave the registry as it is.
    registry.setReadOnly(isReadingCommand(invocation.command));
    Session session(state, toolClock(invocation.today), registry);
    // The whole report is summed as the file is read, and its entries are never held.
    std::optional<OverviewSums> sums;
    if (invocation.command == Command::Report && invocation.filter.isEmpty())
        sums.emplace(monthBoundsOf(session.clock().today()));
    if (!startTool(session, invocation, console, sums ? &*sums : nullptr))
        return kExitFileError;
    const int exitCode = runStartedCommand(session, invocation, charts, console, sums ? &*sums : nullptr);
    if (!console.finishOutput())
        return kExitFileError;
    return exitCode;
}

} // namespace tallyfox::cli
