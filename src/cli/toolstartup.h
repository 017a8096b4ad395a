// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include "cli/console.h"
#include "cli/invocation.h"
#include "platform/clock.h"
#include "session/session.h"
#include "session/startup.h"

#include <QDate>
#include <optional>

namespace tallyfox::cli {

// The clock the tool runs by: TALLYFOX_NOW or the system clock, with the date of --today when given
// (the time of day stays the clock's).
[[nodiscard]] Clock toolClock(const std::optional<QDate>& today);

// The program's start-up options for the command line: -d as the program's switch, -f as the database
// outright, and no question for a new database's name, so its default name in the settings folder is used.
// Given sinks, the entries read go to them instead of the state.
[[nodiscard]] StartupOptions toolStartupOptions(const Invocation& invocation, EntrySinks* sinks = nullptr);

// Runs the program's start-up and shows its messages on standard error. False when the tool cannot go
// on: the settings folder named by -d does not exist, or the database exists but could not be read
// (the message says which and why).
[[nodiscard]] bool startTool(Session& session, const Invocation& invocation, Console& console,
                             EntrySinks* sinks = nullptr);

} // namespace tallyfox::cli
