// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include "cli/console.h"
#include "cli/invocation.h"
#include "session/session.h"

namespace tallyfox::cli {

// Stores the rows of a file as new entries, in one change, as the window's import does: the mapping is
// the one remembered for the file's header (or proposed from it), with what the command line gives on
// top, and is remembered again for the header. Prints "N imported, D duplicates left out, R rejected"
// and a line per rejected row ("line 12: no date"). Exit codes as add's; 1 too when every row was
// rejected; 0 when every row was a duplicate.
[[nodiscard]] int importFile(Session& session, const Invocation& invocation, Console& console);

} // namespace tallyfox::cli
