// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include "core/appstate.h"
#include "session/importrows.h"

#include <QByteArrayView>
#include <QIODevice>
#include <optional>

namespace tallyfox {

// The entries as a JSON array, one object a line in list order: "date" (ISO), "type", "amount" (a
// number, the magnitude), "currency", "income" (a boolean), "intendedSource", "paidWith", "hasReceipt",
// "receipt", "note", and "primaryAmount", the magnitude in the primary currency (null when it cannot be
// converted). UTF-8, LF line ends. False when the device fails.
[[nodiscard]] bool writeJsonContent(QIODevice& device, const AppState& state);

// The entries of such an array. Nothing when the bytes are not a JSON array of objects; an object
// without a date or an amount is rejected, its line being its place in the array plus one (the line the
// export writes it on). What an object leaves out takes the defaults.
[[nodiscard]] std::optional<ConvertedRows> readJsonEntries(QByteArrayView bytes,
                                                           const ImportDefaults& defaults);

} // namespace tallyfox
