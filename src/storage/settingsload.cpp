#include "storage/settingsload.h"

#include "storage/settingscolumns.h"
#include "storage/settingsregistry.h"

namespace tallyfox {

SettingsKeys OpenSettingsKeys(Settings& settings, const QString& registryFile)
{
    SettingsKeys keys;
    keys.settingsKey = RegistryKey::openOrCreate(QString::fromUtf16(kSettingsKeyPath), registryFile);
    if (keys.settingsKey.isOpen())
        keys.columnsKey = RegistryKey::openOrCreate(QString::fromUtf16(kColumnsKeyPath), registryFile);
    settings.RegistryUnavailable = !keys.settingsKey.isOpen();
    return keys;
}

quint16 ReadVersion(SettingsKeys& keys)
{
    return RegReadNumber16(keys.settingsKey, QStringLiteral("Version"), 0);
}

void WriteVersion(SettingsKeys& keys, quint16 version)
{
    RegWriteNumber(keys.settingsKey, QStringLiteral("Version"), version);
}

QString ReadDataLocation(SettingsKeys& keys, const QString& defaultFolder)
{
    return RegReadText(keys.settingsKey, QStringLiteral("DataLocation"), defaultFolder);
}

QString QuickEnableValueName(int step)
{
    return QStringLiteral("QuickEnable") +
           QString::fromUtf16(kColumnIdentifiers[kQuickStepIdentifiers[step]]);
}

void ReadMainSettings(SettingsKeys& keys, Settings& settings)
{
    const Settings defaults;
    RegistryKey& key = keys.settingsKey;
    settings.EnableLogging = RegReadFlag(key, QStringLiteral("EnableLogging"), defaults.EnableLogging);
    settings.Lastusedcurrency =
        RegReadText(key, QStringLiteral("Lastusedcurrency"), defaults.Lastusedcurrency);
    settings.Lastintendedsource =
        RegReadText(key, QStringLiteral("Lastintendedsource"), defaults.Lastintendedsource);
    settings.Lastpaidwith = RegReadText(key, QStringLiteral("Lastpaidwith"), defaults.Lastpaidwith);
    settings.LastIncome = RegReadFlag(key, QStringLiteral("LastIncome"), defaults.LastIncome);
    settings.LasthasReceipt = RegReadFlag(key, QStringLiteral("LasthasReceipt"), defaults.LasthasReceipt);
    settings.NextReceiptNum = RegReadNumber16(key, QStringLiteral("NextReceiptNum"), defaults.NextReceiptNum);
    settings.FingerFriendly = RegReadFlag(key, QStringLiteral("FingerFriendly"), defaults.FingerFriendly);
    settings.StartWithQuick = RegReadFlag(key, QStringLiteral("StartWithQuick"), defaults.StartWithQuick);
    settings.ShowDecimals = RegReadFlag(key, QStringLiteral("ShowDecimals"), defaults.ShowDecimals);
    settings.DecimalsVis = RegReadNumber(key, QStringLiteral("DecimalsVis"), defaults.DecimalsVis);
    settings.AutoSort = RegReadFlag(key, QStringLiteral("AutoSort"), defaults.AutoSort);
    settings.SortReverse = RegReadFlag(key, QStringLiteral("SortReverse"), defaults.SortReverse);
    settings.SortType = RegReadNumber16(key, QStringLiteral("SortType"), defaults.SortType);
    if (settings.SortType >= kSortKeyCount)
        settings.SortType = 0;
    settings.IncomeIsPositive =
        RegReadFlag(key, QStringLiteral("IncomeIsPositive"), defaults.IncomeIsPositive);
    settings.Increase9is0 = RegReadFlag(key, QStringLiteral("Increase9is0"), defaults.Increase9is0);
    settings.SkipOverview = RegReadFlag(key, QStringLiteral("SkipOverview"), defaults.SkipOverview);
    for (int step = 0; step < kQuickStepCount; ++step)
        settings.QuickEnable[step] = RegReadFlag(key, QuickEnableValueName(step), defaults.QuickEnable[step]);
}

std::optional<QString> ReadDatabase(SettingsKeys& keys)
{
    const std::optional<RegistryValue> value = keys.settingsKey.value(u"Database");
    if (!value || value->kind != RegistryValueKind::Text || value->text.isEmpty())
        return std::nullopt;
    return value->text;
}

void ReadColumnSettings(SettingsKeys& keys, Settings& settings)
{
    ReadColumnSettings(keys.columnsKey, settings);
}

FileResult CloseSettingsKeys(SettingsKeys& keys)
{
    FileResult columns = keys.columnsKey.close();
    FileResult main = keys.settingsKey.close();
    return main.ok() ? columns : main;
}

} // namespace tallyfox
