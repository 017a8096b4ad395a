#include "money/currencyupgrade.h"

#include "core/appstate.h"
#include "money/currencytable.h"
#include "storage/defaultsfile.h"
#include "storage/inireader.h"
#include "storage/iniwriter.h"

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

std::optional<CurrencySectionUpgrade> upgradedCurrencySection(const QStringList& lines)
{
    if (lines.isEmpty() || lineValue(lines.front()) == kPrimaryRateText)
        return std::nullopt;
    CurrencySectionUpgrade upgrade;
    upgrade.announce = lines.size() > 1;
    upgrade.lines.reserve(lines.size());
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString value =
            i == 0 ? QString::fromUtf16(kPrimaryRateText) : upgradedRate(lines.front(), lines[i]);
        upgrade.lines.append(lineName(lines[i]) + u'=' + value);
    }
    return upgrade;
}

CurrencyUpgradeResult upgradeCurrencySection(const IniReader& defaults, AppState& state, EditLog& log)
{
    const QString section = QString::fromUtf16(kCurrenciesSection);
    const auto upgrade = upgradedCurrencySection(defaults.section(section).lines());
    if (!upgrade)
        return {};

    CurrencyUpgradeResult outcome;
    // The writer loads the file again; the section is erased and written anew at its end, and the whole
    // file is saved at once.
    IniWriter writer(defaults.fileName(), state.locale);
    writer.setSectionLines(section, upgrade->lines);
    outcome.result = writer.save();
    if (!outcome.result.ok())
        return outcome;
    outcome.upgraded = true;
    if (upgrade->announce)
        state.startupMessages.append(QString::fromUtf16(kCurrencyRatesMessage));
    outcome.log = log.logMessage(state, QString::fromUtf16(kCurrencyUpgradeLogText));
    return outcome;
}

CurrencyUpgradeResult upgradeCurrencySection(AppState& state, EditLog& log)
{
    const IniReader defaults(defaultsFilePath(state), state.locale);
    return upgradeCurrencySection(defaults, state, log);
}

} // namespace tallyfox
