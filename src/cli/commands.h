// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include "cli/chartlibrary.h"
#include "cli/console.h"
#include "cli/invocation.h"
#include "core/appstate.h"

namespace tallyfox::cli {

// list, report, table and export: they write nothing, neither the registry nor the edit log, and make
// no file or folder.
[[nodiscard]] bool isReadingCommand(Command command);

// Starts as the program does, on the user's registry, settings folder and database (or those that -f
// and -d name), and runs the command. Results go to standard output, messages to standard error;
// returns the process's exit code. The state is the caller's, so that it may outlive the command. The chart
// library is loaded for the chart command only.
[[nodiscard]] int runCommand(const Invocation& invocation, AppState& state, const ChartLibrary& charts,
                             Console& console);

} // namespace tallyfox::cli
