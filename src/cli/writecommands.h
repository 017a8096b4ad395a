// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include "cli/console.h"
#include "cli/invocation.h"
#include "session/session.h"

namespace tallyfox::cli {

// The commands that change the user's data as the program would, ending with the settings stored as
// the program stores them when it closes. Each returns the exit code.

// Sorts the database file by the key and keeps the key (and direction) as the sort order.
[[nodiscard]] int sortDatabase(Session& session, const Invocation& invocation, Console& console);

// Stores a new entry as the item editor does; what the command line leaves out takes the editor's
// presets: the last used currency, payment method, intended source, income and receipt choices,
// today's date and the next receipt number.
[[nodiscard]] int addEntry(Session& session, const Invocation& invocation, Console& console);

// Ends a command that changed the database: tells what went wrong besides (each failure as what was not
// done besides changeMade) and stores the settings. The exit code comes from what the change and the
// settings' save did.
[[nodiscard]] int finishChange(Session& session, const CommandOutcome& change, Console& console,
                               const QString& changeMade);

// The item editor's fields for the new entry.
[[nodiscard]] EntryDraft newEntryDraft(const NewEntryOptions& given, const Settings& settings, QDate today);

} // namespace tallyfox::cli
