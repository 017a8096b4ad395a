// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "storage/settingssave.h"

#include "storage/settingscolumns.h"
#include "storage/settingsload.h"

#include <QCoreApplication>

namespace tallyfox {

namespace {

const QString kReceiptCounter = QStringLiteral("NextReceiptNum");

QString storedName(const QString& subKey, const QString& name)
{
    // Registry names compare without regard to case.
    return (subKey + u'\\' + name).toCaseFolded();
}

SettingValue text(const QString& name, const QString& value)
{
    return {name, RegistryValue::fromText(value)};
}

SettingValue number(const QString& name, qint64 value)
{
    return {name, RegistryValue::fromNumber(static_cast<quint32>(value))};
}

SettingValue flag(const QString& name, bool value)
{
    return number(name, value ? 1 : 0);
}

bool isCounter(const RegistryValue* value)
{
    return value && value->kind == RegistryValueKind::Number;
}

quint16 counterOf(const RegistryValue& value)
{
    return static_cast<quint16>(value.number & 0xFFFF);
}

// The receipt counter to store, which another process may have moved on since it was stored (start).
// When this one did not move it, the stored one holds; when both did, the one further ahead, so that no
// receipt number is handed out twice. Ahead counts from the start, as the 16-bit counter wraps.
RegistryValue receiptCounterToStore(const RegistryValue& mine, const RegistryValue* start,
                                    const std::optional<RegistryValue>& onDisk)
{
    if (!isCounter(start) || !onDisk || !isCounter(&*onDisk))
        return mine;
    if (mine == *start)
        return RegistryValue::fromNumber(counterOf(*onDisk));
    const auto ahead = [from = counterOf(*start)](quint16 counter) {
        return static_cast<qint16>(counter - from);
    };
    return ahead(counterOf(*onDisk)) > ahead(counterOf(mine)) ? RegistryValue::fromNumber(counterOf(*onDisk))
                                                              : mine;
}

// Writes the values that differ from asStored into the key, and remembers them once written. Returns
// the receipt counter stored, when the key holds one.
FileResult saveChanged(Registry& registry, const QString& subKey, const QList<SettingValue>& values,
                       StoredSettings& asStored, ReceiptNumberSave receipt, std::optional<quint16>& counter)
{
    RegistryKey key = registry.open(subKey);
    if (!key.isOpen()) {
        // Start-up makes the keys; one that is missing now was never written (or was taken away), and
        // the settings would be lost without a word.
        if (!key.openFailure().ok())
            return key.openFailure();
        return FileResult::writeFailure(
            FileError::NotWritable, registry.filePath(),
            QCoreApplication::translate("FileResult", "It holds no key \"HKEY_LOCAL_MACHINE\\%1\" for them.")
                .arg(subKey));
    }
    QList<SettingValue> written;
    for (const SettingValue& setting : values) {
        const RegistryValue* stored = asStored.find(subKey, setting.name);
        const bool isReceiptCounter = setting.name == kReceiptCounter;
        if (isReceiptCounter && receipt == ReceiptNumberSave::NeverBack) {
            const RegistryValue value = receiptCounterToStore(setting.value, stored, key.value(setting.name));
            key.setValue(setting.name, value);
            written.append({setting.name, value});
            continue;
        }
        if (stored && *stored == setting.value)
            continue;
        key.setValue(setting.name, setting.value);
        written.append(setting);
    }
    FileResult result = key.close();
    if (!result.ok())
        return result;
    for (const SettingValue& setting : std::as_const(written)) {
        asStored.remember(subKey, setting.name, setting.value);
        if (setting.name == kReceiptCounter)
            counter = counterOf(setting.value);
    }
    return result;
}

} // namespace

StoredSettings StoredSettings::readFrom(const RegistryKey& settingsKey, const RegistryKey& columnsKey)
{
    StoredSettings stored;
    // Every name a save may write: the defaults leave no column hidden.
    const AppState defaults{QLocale::c()};
    const auto take = [&stored](const RegistryKey& key, const QString& subKey,
                                const QList<SettingValue>& names) {
        for (const SettingValue& setting : names) {
            if (const std::optional<RegistryValue> value = key.value(setting.name))
                stored.remember(subKey, setting.name, *value);
        }
    };
    take(settingsKey, QString::fromUtf16(kSettingsKeyPath), mainSettingValues(defaults));
    take(columnsKey, QString::fromUtf16(kColumnsKeyPath), columnSettingValues(defaults.settings));
    return stored;
}

const RegistryValue* StoredSettings::find(const QString& subKey, const QString& name) const
{
    const auto found = m_values.constFind(storedName(subKey, name));
    return found == m_values.cend() ? nullptr : &*found;
}

void StoredSettings::remember(const QString& subKey, const QString& name, const RegistryValue& value)
{
    m_values.insert(storedName(subKey, name), value);
}

QList<SettingValue> mainSettingValues(const AppState& state)
{
    const Settings& s = state.settings;
    QList<SettingValue> values = {
        text(QStringLiteral("Database"), state.databasePath),
        text(QStringLiteral("DataLocation"), state.settingsFolder),
        text(QStringLiteral("Lastusedcurrency"), s.lastUsedCurrency),
        text(QStringLiteral("Lastintendedsource"), s.lastIntendedSource),
        text(QStringLiteral("Lastpaidwith"), s.lastPaidWith),
        flag(QStringLiteral("LastIncome"), s.lastIncome),
        flag(QStringLiteral("LasthasReceipt"), s.lastHasReceipt),
        number(kReceiptCounter, s.nextReceiptNumber),
        flag(QStringLiteral("EnableLogging"), s.enableLogging),
        flag(QStringLiteral("FingerFriendly"), s.fingerFriendly),
        flag(QStringLiteral("StartWithQuick"), s.startWithQuick),
        flag(QStringLiteral("ShowDecimals"), s.showDecimals),
        number(QStringLiteral("DecimalsVis"), s.wholeDigitColumns),
        flag(QStringLiteral("AutoSort"), s.autoSort),
        flag(QStringLiteral("SortReverse"), s.sortReverse),
        number(QStringLiteral("SortType"), sortKeyNumber(s.sortKey)),
        flag(QStringLiteral("IncomeIsPositive"), s.incomeIsPositive),
        flag(QStringLiteral("Increase9is0"), s.increase9Is0),
        flag(QStringLiteral("SkipOverview"), s.skipOverview),
    };
    for (int step = 0; step < kQuickStepCount; ++step)
        values.append(flag(quickEnableValueName(step), s.quickEnable[step]));
    return values;
}

namespace {

// Stores the settings; counter receives the receipt counter as stored.
FileResult saveSettings(const AppState& state, Registry& registry, StoredSettings& asStored,
                        ReceiptNumberSave receipt, std::optional<quint16>& counter)
{
    if (state.settings.registryUnavailable)
        return {};
    FileResult result = saveChanged(registry, QString::fromUtf16(kSettingsKeyPath), mainSettingValues(state),
                                    asStored, receipt, counter);
    FileResult columnsResult = saveChanged(registry, QString::fromUtf16(kColumnsKeyPath),
                                           columnSettingValues(state.settings), asStored, receipt, counter);
    return result.ok() ? columnsResult : result;
}

} // namespace

FileResult saveSettingsToRegistry(AppState& state, Registry& registry, StoredSettings& asStored,
                                  ReceiptNumberSave receipt)
{
    std::optional<quint16> counter;
    FileResult result = saveSettings(state, registry, asStored, receipt, counter);
    // The next receipt number follows the counter as it is now stored.
    if (counter)
        state.settings.nextReceiptNumber = *counter;
    return result;
}

FileResult saveSettingsToRegistry(const AppState& state, Registry& registry)
{
    StoredSettings nothingKnown;
    std::optional<quint16> counter;
    return saveSettings(state, registry, nothingKnown, ReceiptNumberSave::AsChosen, counter);
}

} // namespace tallyfox
