// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include "core/appstate.h"
#include "session/importrows.h"

#include <QByteArrayView>
#include <QIODevice>
#include <optional>

namespace tallyfox {

// The first line of the journal the export writes, by which an import knows it.
inline constexpr char kJournalFirstLine[] = "; Tallyfox journal: one transaction per entry";

// The entries as a plain-text accounting journal: one transaction per entry, in list order, dated,
// with the receipt number as its code and the type as its description; an expense posts its amount to
// expenses:TYPE and an income to income:TYPE, each against assets:PAYMENT METHOD, the amount with its
// currency. The intended source and the note are tags of the transaction ("; Source: Employer"). Names
// lose what would end or split an account (":" becomes "-", runs of blanks one blank); the texts as they
// were are kept in tags then, and so is a date that a journal cannot hold (before 1400, or none). UTF-8,
// LF line ends. False when the device fails.
[[nodiscard]] bool writeJournalContent(QIODevice& device, const AppState& state);

// The entries of a journal that the export wrote; nothing when the bytes do not start with its first
// line. A transaction without a date or an amount is rejected.
[[nodiscard]] std::optional<ConvertedRows> readJournalEntries(QByteArrayView bytes,
                                                              const ImportDefaults& defaults);

} // namespace tallyfox
