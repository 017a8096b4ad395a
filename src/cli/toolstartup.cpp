// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "cli/toolstartup.h"

#include "cli/commands.h"
#include "platform/programfolders.h"

#include <QFileInfo>

namespace tallyfox::cli {

Clock toolClock(const std::optional<QDate>& today)
{
    const Clock clock = Clock::fromEnvironment();
    if (!today)
        return clock;
    return Clock(QDateTime(*today, clock.now().time()));
}

StartupOptions toolStartupOptions(const Invocation& invocation, EntrySinks* sinks)
{
    StartupOptions options;
    options.programFolder = programFolder();
    if (invocation.settingsFolder) {
        // Made absolute, so that a short relative name such as "." works as well.
        options.arguments.hasParameters = true;
        options.arguments.folderArgument = QFileInfo(*invocation.settingsFolder).absoluteFilePath();
    }
    if (invocation.databasePath)
        options.databasePath = QFileInfo(*invocation.databasePath).absoluteFilePath();
    options.onlyReads = isReadingCommand(invocation.command);
    // The report and the month table sum the entries; a filter may look at their notes.
    if ((invocation.command == Command::Report || invocation.command == Command::Table) &&
        invocation.filter.isEmpty())
        options.readPurpose = DatabaseReadPurpose::Totals;
    // A change is written at once, its unchanged lines copied from the file; sorting moves them all.
    else if (!options.onlyReads && invocation.command != Command::Sort)
        options.readPurpose = DatabaseReadPurpose::Change;
    options.entrySinks = sinks;
    options.chooseNewDatabase = [](const QString&) {
        return std::optional<QString>();
    };
    return options;
}

bool startTool(Session& session, const Invocation& invocation, Console& console, EntrySinks* sinks)
{
    // The program would fall back on its stored settings folder; the tool would then read or change
    // other data than the user named.
    if (invocation.settingsFolder && !QFileInfo(*invocation.settingsFolder).isDir()) {
        console.message(FileResult::readFailure(FileError::NotFound, *invocation.settingsFolder,
                                                QStringLiteral("No such folder."))
                            .message());
        return false;
    }
    runStartup(session, toolStartupOptions(invocation, sinks));
    for (const QString& message : session.takeMessages())
        console.message(message);
    // Start-up keeps a database it could not read from being written over; the tool cannot show or
    // change its entries either. The reason is among the messages above.
    return !session.state().keepFileIfEmpty;
}

} // namespace tallyfox::cli
