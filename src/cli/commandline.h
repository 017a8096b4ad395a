// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include "cli/invocation.h"

#include <QStringList>

namespace tallyfox::cli {

// Reads the whole command line (the program's name first). Everything that can be checked without the
// user's data is checked here; a choice index beyond the currency table is found after start-up.
[[nodiscard]] ParsedCommandLine parseCommandLine(const QStringList& arguments);

// Whether the command line asks for the chart command, told before the application object exists (the
// chart command's is another): a line that does not parse asks for nothing.
[[nodiscard]] bool asksForChart(const QStringList& arguments);

// A usage error: the message for standard error and the usage exit code.
[[nodiscard]] EarlyExit usageError(const QString& message);

} // namespace tallyfox::cli
