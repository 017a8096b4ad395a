// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include "session/programarguments.h"
#include "session/session.h"

#include <QString>
#include <functional>
#include <optional>

namespace tallyfox {

// The messages of start-up in English; the window shows them in its language. %1 is the version.
inline constexpr char kWelcomeMessage[] = QT_TRANSLATE_NOOP(
    "Startup", "Welcome to Tallyfox %1. Tallyfox is free software: you may use, copy and share it.");
inline constexpr char kOldFormatFoundMessage[] = QT_TRANSLATE_NOOP(
    "Startup", "Database in old format found. It will be converted to the new format. Please give a filename "
               "for new DB.");
inline constexpr char kNoDatabaseMessage[] =
    QT_TRANSLATE_NOOP("Startup", "No database file found. Please give a filename for a new database.");

struct StartupOptions
{
    ProgramArguments arguments;
    // The folder of the programs, ending in "/"; the shipped defaults file is looked up from it.
    QString programFolder;
    // Asked for a new database's name when none exists, with the settings folder to start in; nothing
    // means the user cancelled.
    std::function<std::optional<QString>(const QString& settingsFolder)> chooseNewDatabase;
    // The command-line tool names its database outright: used whether or not the file exists.
    std::optional<QString> databasePath;
    // A start-up for a command that only reads (list, report, table, export): nothing is made or
    // written, no welcome is said and no log line added; a database that does not exist is said to be
    // missing, and the currency table comes from the shipped defaults file while the settings folder
    // has none. The registry it is given should only read too.
    bool onlyReads = false;
    // A command that only sums the entries needs less of them (DatabaseReadPurpose::Totals).
    DatabaseReadPurpose readPurpose = DatabaseReadPurpose::Everything;
    // Where the entries read go instead of the state, for a command that sums them as they come; an old
    // database that is converted still fills the state.
    EntrySinks* entrySinks = nullptr;
};

// Start-up up to the first refresh, without a window: the registry and version check, the settings
// folder, the edit log, the shipped defaults, the currency upgrade, the settings, the database path,
// the column settings, the currency table, and loading or converting the database. Messages for the user
// wait in the session's queue, each told once, in the order of the steps. The caller then refreshes
// (which first writes a new or converted database).
void runStartup(Session& session, const StartupOptions& options);

// Rebuilds the currency table from the defaults file.
void loadDefaults(Session& session);

} // namespace tallyfox
