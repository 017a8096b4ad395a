// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "session/defaultsupgrade.h"

#include "money/currencyupgrade.h"
#include "storage/defaultsfile.h"
#include "storage/inireader.h"
#include "storage/iniwriter.h"

namespace tallyfox {

CurrencyUpgradeResult upgradeDefaultsCurrencies(const AppState& state, EditLog& log)
{
    const QString path = defaultsFilePath(state);
    const QString section = QString::fromUtf16(kCurrenciesSection);
    CurrencyUpgradeResult outcome;
    std::optional<CurrencySectionUpgrade> upgrade;
    {
        const IniReader defaults(path, state.locale);
        outcome.result = defaults.loadResult();
        if (!outcome.result.ok())
            return outcome;
        upgrade = upgradedCurrencySection(defaults.section(section).lines());
    }
    if (!upgrade)
        return outcome;

    // The section is written anew at the end of the file, and the whole file is saved at once.
    IniWriter writer(path, state.locale);
    writer.setSectionLines(section, upgrade->lines);
    outcome.result = writer.save();
    if (!outcome.result.ok())
        return outcome;
    outcome.upgraded = true;
    outcome.announce = upgrade->announce;
    outcome.log = log.logMessage(state, QString::fromUtf16(kCurrencyUpgradeLogText));
    return outcome;
}

} // namespace tallyfox
