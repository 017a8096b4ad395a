#pragma once

#include "platform/filesystem.h"
#include "storage/editlog.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace tallyfox {

class IniReader;

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
[[nodiscard]] std::optional<CurrencySectionUpgrade> upgradedCurrencySection(const QStringList& lines);

struct CurrencyUpgradeResult
{
    // The section was rewritten and saved.
    bool upgraded = false;
    // Saving the defaults file.
    FileResult result;
    // Writing kCurrencyUpgradeLogText to the edit log after saving.
    LogResult log;
};

// Start-up, before the table is built: gives the defaults file's section "Currencies" rates when it
// holds only names, saving the file at once; then queues kCurrencyRatesMessage in the start-up messages
// when it did so for several currencies, and writes the edit log's entry. A file that cannot be saved
// keeps its section as it was on disk, and the result says why.
[[nodiscard]] CurrencyUpgradeResult upgradeCurrencySection(const IniReader& defaults, AppState& state,
                                                           EditLog& log);
// The same on the defaults file of the settings folder.
[[nodiscard]] CurrencyUpgradeResult upgradeCurrencySection(AppState& state, EditLog& log);

} // namespace tallyfox
