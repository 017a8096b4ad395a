// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "storage/settingsload.h"

#include "storage/settingscolumns.h"
#include "storage/settingsregistry.h"

namespace tallyfox {

SettingsKeys openSettingsKeys(Settings& settings, Registry& registry)
{
    SettingsKeys keys;
    keys.settingsKey = registry.openOrCreate(QString::fromUtf16(kSettingsKeyPath));
    if (keys.settingsKey.isOpen())
        keys.columnsKey = registry.openOrCreate(QString::fromUtf16(kColumnsKeyPath));
    settings.registryUnavailable = !keys.settingsKey.isOpen();
    return keys;
}

quint16 readVersion(SettingsKeys& keys)
{
    return readNumber16Setting(keys.settingsKey, QStringLiteral("Version"), 0);
}

void writeVersion(SettingsKeys& keys, quint16 version)
{
    writeNumberSetting(keys.settingsKey, QStringLiteral("Version"), version);
}

QString readDataLocation(SettingsKeys& keys, const QString& defaultFolder)
{
    return readTextSetting(keys.settingsKey, QStringLiteral("DataLocation"), defaultFolder);
}

QString quickEnableValueName(int step)
{
    return QStringLiteral("QuickEnable") + QString::fromUtf16(columnIdentifier(kQuickSteps[size_t(step)]));
}

void readMainSettings(SettingsKeys& keys, Settings& settings)
{
    const Settings defaults;
    RegistryKey& key = keys.settingsKey;
    settings.enableLogging = readFlagSetting(key, QStringLiteral("EnableLogging"), defaults.enableLogging);
    settings.lastUsedCurrency =
        readTextSetting(key, QStringLiteral("Lastusedcurrency"), defaults.lastUsedCurrency);
    settings.lastIntendedSource =
        readTextSetting(key, QStringLiteral("Lastintendedsource"), defaults.lastIntendedSource);
    settings.lastPaidWith = readTextSetting(key, QStringLiteral("Lastpaidwith"), defaults.lastPaidWith);
    settings.lastIncome = readFlagSetting(key, QStringLiteral("LastIncome"), defaults.lastIncome);
    settings.lastHasReceipt = readFlagSetting(key, QStringLiteral("LasthasReceipt"), defaults.lastHasReceipt);
    settings.nextReceiptNumber =
        readNumber16Setting(key, QStringLiteral("NextReceiptNum"), defaults.nextReceiptNumber);
    settings.fingerFriendly = readFlagSetting(key, QStringLiteral("FingerFriendly"), defaults.fingerFriendly);
    settings.startWithQuick = readFlagSetting(key, QStringLiteral("StartWithQuick"), defaults.startWithQuick);
    settings.showDecimals = readFlagSetting(key, QStringLiteral("ShowDecimals"), defaults.showDecimals);
    settings.wholeDigitColumns =
        readNumberSetting(key, QStringLiteral("DecimalsVis"), defaults.wholeDigitColumns);
    settings.autoSort = readFlagSetting(key, QStringLiteral("AutoSort"), defaults.autoSort);
    settings.sortReverse = readFlagSetting(key, QStringLiteral("SortReverse"), defaults.sortReverse);
    settings.sortKey = sortKeyFromNumber(readNumber16Setting(key, QStringLiteral("SortType"),
                                                             sortKeyNumber(defaults.sortKey)))
                           .value_or(SortKey::Name);
    settings.incomeIsPositive =
        readFlagSetting(key, QStringLiteral("IncomeIsPositive"), defaults.incomeIsPositive);
    settings.increase9Is0 = readFlagSetting(key, QStringLiteral("Increase9is0"), defaults.increase9Is0);
    settings.skipOverview = readFlagSetting(key, QStringLiteral("SkipOverview"), defaults.skipOverview);
    for (int step = 0; step < kQuickStepCount; ++step)
        settings.quickEnable[step] =
            readFlagSetting(key, quickEnableValueName(step), defaults.quickEnable[step]);
}

std::optional<QString> readStoredDatabasePath(SettingsKeys& keys)
{
    const std::optional<RegistryValue> value = keys.settingsKey.value(u"Database");
    if (!value || value->kind != RegistryValueKind::Text || value->text.isEmpty())
        return std::nullopt;
    return value->text;
}

void readColumnSettings(SettingsKeys& keys, Settings& settings)
{
    readColumnSettings(keys.columnsKey, settings);
}

FileResult closeSettingsKeys(SettingsKeys& keys)
{
    FileResult columns = keys.columnsKey.close();
    FileResult main = keys.settingsKey.close();
    return main.ok() ? columns : main;
}

} // namespace tallyfox
