// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include "core/appstate.h"
#include "platform/filesystem.h"
#include "storage/editlog.h"

namespace tallyfox {

// Told at start-up when a names-only currency section of several lines got rates.
inline constexpr char kCurrencyRatesMessage[] = QT_TRANSLATE_NOOP(
    "Startup", "This new version contains currency exchange rates. To edit them, please go to options.");
// The edit log's entry for the rewritten section.
inline constexpr char16_t kCurrencyUpgradeLogText[] = u"Converted currency names and exchange rates";

struct CurrencyUpgradeResult
{
    // The section was rewritten and saved.
    bool upgraded = false;
    // Several currencies got rates made up: the user should check them.
    bool announce = false;
    // Reading or saving the defaults file.
    FileResult result;
    // Writing kCurrencyUpgradeLogText to the edit log after saving.
    LogResult log;
};

// Start-up, before the currency table is built: gives the defaults file's section "Currencies" rates
// when it holds only names, saving the file at once, and then writes the edit log's entry. A file that
// cannot be read or saved keeps its section as it was, and the result says why.
[[nodiscard]] CurrencyUpgradeResult upgradeDefaultsCurrencies(const AppState& state, EditLog& log);

} // namespace tallyfox
