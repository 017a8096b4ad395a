#include "money/currencyupgrade.h"

#include "core/appstate.h"
#include "money/currencytable.h"
#include "storage/defaultsfile.h"
#include "storage/inifile.h"

namespace tallyfox {

namespace {

// The rate an earlier version's currency gets: its standard rate against EUR, else 1.00.
QString upgradedRate(const QString& firstLine, const QString& line)
{
    if (firstLine == u"EUR" && line == u"US$")
        return QStringLiteral("1.44");
    if (firstLine == u"EUR" && line == u"GBP")
        return QStringLiteral("0.89");
    return QStringLiteral("1.00");
}

} // namespace

std::optional<CurrencySectionUpgrade> UpgradedCurrencySection(const QStringList& lines)
{
    if (lines.isEmpty() || LineValue(lines.front()) == kPrimaryRateText)
        return std::nullopt;
    CurrencySectionUpgrade upgrade;
    upgrade.announce = lines.size() > 1;
    upgrade.lines.reserve(lines.size());
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString value =
            i == 0 ? QString::fromUtf16(kPrimaryRateText) : upgradedRate(lines.front(), lines[i]);
        upgrade.lines.append(LineName(lines[i]) + u'=' + value);
    }
    return upgrade;
}

CurrencyUpgradeResult UpgradeCurrencySection(TIniFile& defaults, AppState& state, EditLog& log)
{
    defaults.setSection(QString::fromUtf16(kCurrenciesSection));
    QStringList lines;
    (void)defaults.SectionLines(lines);
    const auto upgrade = UpgradedCurrencySection(lines);
    if (!upgrade)
        return {};

    CurrencyUpgradeResult outcome;
    // Write mode loads the file again; the section is erased and written anew at its end, and closing
    // saves the whole file at once.
    (void)defaults.setMode(IniMode::Write);
    defaults.setSection(QString::fromUtf16(kCurrenciesSection));
    QStringList upgradedLines = upgrade->lines;
    outcome.result = defaults.SectionLines(upgradedLines);
    if (FileResult saved = defaults.close(); outcome.result.ok())
        outcome.result = std::move(saved);
    if (!outcome.result.ok())
        return outcome;
    outcome.upgraded = true;
    if (upgrade->announce)
        state.StartupMessages.append(QString::fromUtf16(kCurrencyRatesMessage));
    outcome.log = log.LogMessage(state, QString::fromUtf16(kCurrencyUpgradeLogText));
    return outcome;
}

CurrencyUpgradeResult UpgradeCurrencySection(AppState& state, EditLog& log)
{
    TIniFile defaults(defaultsFilePath(state), state.Locale);
    return UpgradeCurrencySection(defaults, state, log);
}

} // namespace tallyfox
