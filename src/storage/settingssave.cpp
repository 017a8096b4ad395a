#include "storage/settingssave.h"

#include "storage/settingscolumns.h"
#include "storage/settingsload.h"
#include "storage/settingsregistry.h"

namespace tallyfox {

FileResult SaveSettings(const AppState& state, const QString& registryFile)
{
    const Settings& settings = state.settings;
    if (settings.RegistryUnavailable)
        return {};
    RegistryKey key = RegistryKey::open(QString::fromUtf16(kSettingsKeyPath), registryFile);
    RegWriteText(key, QStringLiteral("Database"), state.DatabasePath);
    RegWriteText(key, QStringLiteral("DataLocation"), state.SettingsFolder);
    RegWriteText(key, QStringLiteral("Lastusedcurrency"), settings.Lastusedcurrency);
    RegWriteText(key, QStringLiteral("Lastintendedsource"), settings.Lastintendedsource);
    RegWriteText(key, QStringLiteral("Lastpaidwith"), settings.Lastpaidwith);
    RegWriteFlag(key, QStringLiteral("LastIncome"), settings.LastIncome);
    RegWriteFlag(key, QStringLiteral("LasthasReceipt"), settings.LasthasReceipt);
    RegWriteNumber(key, QStringLiteral("NextReceiptNum"), settings.NextReceiptNum);
    RegWriteFlag(key, QStringLiteral("EnableLogging"), settings.EnableLogging);
    RegWriteFlag(key, QStringLiteral("FingerFriendly"), settings.FingerFriendly);
    RegWriteFlag(key, QStringLiteral("StartWithQuick"), settings.StartWithQuick);
    RegWriteFlag(key, QStringLiteral("ShowDecimals"), settings.ShowDecimals);
    RegWriteNumber(key, QStringLiteral("DecimalsVis"), settings.DecimalsVis);
    RegWriteFlag(key, QStringLiteral("AutoSort"), settings.AutoSort);
    RegWriteFlag(key, QStringLiteral("SortReverse"), settings.SortReverse);
    RegWriteNumber(key, QStringLiteral("SortType"), settings.SortType);
    RegWriteFlag(key, QStringLiteral("IncomeIsPositive"), settings.IncomeIsPositive);
    RegWriteFlag(key, QStringLiteral("Increase9is0"), settings.Increase9is0);
    RegWriteFlag(key, QStringLiteral("SkipOverview"), settings.SkipOverview);
    for (int step = 0; step < kQuickStepCount; ++step)
        RegWriteFlag(key, QuickEnableValueName(step), settings.QuickEnable[step]);
    FileResult result = key.close();

    RegistryKey columnsKey = RegistryKey::open(QString::fromUtf16(kColumnsKeyPath), registryFile);
    WriteColumnSettings(columnsKey, settings);
    FileResult columnsResult = columnsKey.close();
    return result.ok() ? columnsResult : result;
}

} // namespace tallyfox
