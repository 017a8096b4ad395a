// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include "core/appstate.h"
#include "core/growablearray.h"
#include "platform/filesystem.h"
#include "storage/inireader.h"

#include <QDateTime>

namespace tallyfox {

// Earlier versions kept the entries in an INI-style file, one section per entry. It is only ever read,
// once, when no current database exists; the old file is never changed.
inline constexpr char16_t kOldDatabaseFileName[] = u"TallyfoxData.ini";

[[nodiscard]] QString oldDatabasePath(const AppState& state);

// The entries of an old-format file. Entries whose sections are missing consist of defaults; now stands
// in for a missing date.
[[nodiscard]] ExpenseArray readOldFormatEntries(const IniReader& ini, const QDateTime& now);

// Replaces the entries with those of the old-format file in the settings folder. A missing file gives no
// entries. A file that cannot be read is reported and the entries stay as they were.
FileResult convertOldDatabase(AppState& state, const QDateTime& now);

} // namespace tallyfox
