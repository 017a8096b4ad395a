#pragma once

#include "platform/filesystem.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace tallyfox {

struct AppState;
class TIniFile;

// Queued at start-up when a names-only currency section of several lines got rates.
inline constexpr char16_t kCurrencyRatesMessage[] =
    u"This new version contains currency exchange rates. To edit them, please go to options.";
// The edit log's entry for the rewritten section.
inline constexpr char16_t kCurrencyUpgradeLogText[] = u"Converted currency names and exchange rates";

// The currency section of an earlier version, rewritten with rates: the first currency becomes the
// primary one, US$ and GBP get their old standard rates when EUR comes first, every other currency 1.00.
struct CurrencySectionUpgrade
{
    QStringList lines;
    // More than one currency got a rate made up: the user should check them in the options.
    bool announce = false;
};

// Nothing when the section is empty or its first line already marks the primary currency.
[[nodiscard]] std::optional<CurrencySectionUpgrade> UpgradedCurrencySection(const QStringList& lines);

struct CurrencyUpgradeResult
{
    // The section was rewritten and saved: the caller writes kCurrencyUpgradeLogText to the edit log.
    bool upgraded = false;
    FileResult result;
};

// Start-up, before the table is built: gives the defaults file's section "Currencies" rates when it
// holds only names, saving the file at once, and queues kCurrencyRatesMessage in the start-up messages
// when it did so for several currencies. A file that cannot be saved keeps its section as it was and
// the result says why.
[[nodiscard]] CurrencyUpgradeResult UpgradeCurrencySection(TIniFile& defaults, AppState& state);

} // namespace tallyfox
