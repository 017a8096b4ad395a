// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include "session/outcome.h"

#include <QDate>

namespace tallyfox {

struct AppState;
class Session;

// The cut-off the purge proposes: today one calendar month back. A day the month lacks becomes its last
// day, so 31 March proposes the last day of February.
[[nodiscard]] QDate proposedPurgeCutOff(const Session& session);

// How many entries a purge before the cut-off would remove: those dated before that day. Entries of the
// cut-off day itself stay.
[[nodiscard]] int countEntriesBefore(const AppState& state, QDate cutOff);

// Logs "Purge all", removes every entry and refreshes. Once stored, undo puts them all back.
CommandOutcome purgeAllEntries(Session& session);

// Logs "Purge all before " with the cut-off day, removes the entries dated before it and refreshes. The
// entries that stay keep their order; once stored, undo puts the others back in their places.
CommandOutcome purgeEntriesBefore(Session& session, QDate cutOff);

} // namespace tallyfox
