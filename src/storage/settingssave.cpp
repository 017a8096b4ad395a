#include "storage/settingssave.h"

#include "storage/settingscolumns.h"
#include "storage/settingsload.h"
#include "storage/settingsregistry.h"

namespace tallyfox {

FileResult saveSettingsToRegistry(const AppState& state, Registry& registry)
{
    const Settings& settings = state.settings;
    if (settings.registryUnavailable)
        return {};
    RegistryKey key = registry.open(QString::fromUtf16(kSettingsKeyPath));
    writeTextSetting(key, QStringLiteral("Database"), state.databasePath);
    writeTextSetting(key, QStringLiteral("DataLocation"), state.settingsFolder);
    writeTextSetting(key, QStringLiteral("Lastusedcurrency"), settings.lastUsedCurrency);
    writeTextSetting(key, QStringLiteral("Lastintendedsource"), settings.lastIntendedSource);
    writeTextSetting(key, QStringLiteral("Lastpaidwith"), settings.lastPaidWith);
    writeFlagSetting(key, QStringLiteral("LastIncome"), settings.lastIncome);
    writeFlagSetting(key, QStringLiteral("LasthasReceipt"), settings.lastHasReceipt);
    writeNumberSetting(key, QStringLiteral("NextReceiptNum"), settings.nextReceiptNumber);
    writeFlagSetting(key, QStringLiteral("EnableLogging"), settings.enableLogging);
    writeFlagSetting(key, QStringLiteral("FingerFriendly"), settings.fingerFriendly);
    writeFlagSetting(key, QStringLiteral("StartWithQuick"), settings.startWithQuick);
    writeFlagSetting(key, QStringLiteral("ShowDecimals"), settings.showDecimals);
    writeNumberSetting(key, QStringLiteral("DecimalsVis"), settings.decimalsVisible);
    writeFlagSetting(key, QStringLiteral("AutoSort"), settings.autoSort);
    writeFlagSetting(key, QStringLiteral("SortReverse"), settings.sortReverse);
    writeNumberSetting(key, QStringLiteral("SortType"), sortKeyNumber(settings.sortKey));
    writeFlagSetting(key, QStringLiteral("IncomeIsPositive"), settings.incomeIsPositive);
    writeFlagSetting(key, QStringLiteral("Increase9is0"), settings.increase9Is0);
    writeFlagSetting(key, QStringLiteral("SkipOverview"), settings.skipOverview);
    for (int step = 0; step < kQuickStepCount; ++step)
        writeFlagSetting(key, quickEnableValueName(step), settings.quickEnable[step]);
    FileResult result = key.close();

    RegistryKey columnsKey = registry.open(QString::fromUtf16(kColumnsKeyPath));
    writeColumnSettings(columnsKey, settings);
    FileResult columnsResult = columnsKey.close();
    return result.ok() ? columnsResult : result;
}

} // namespace tallyfox
