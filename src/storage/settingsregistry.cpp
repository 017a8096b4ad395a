// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "storage/settingsregistry.h"

namespace tallyfox {

QString readTextSetting(RegistryKey& key, const QString& name, const QString& defaultValue)
{
    if (!key.isOpen())
        return defaultValue;
    const std::optional<RegistryValue> value = key.value(name);
    if (value && value->kind == RegistryValueKind::Text && !value->text.isEmpty())
        return value->text;
    writeTextSetting(key, name, defaultValue);
    return defaultValue;
}

qint32 readNumberSetting(RegistryKey& key, const QString& name, qint32 defaultValue)
{
    if (!key.isOpen())
        return defaultValue;
    const std::optional<RegistryValue> value = key.value(name);
    if (!value) {
        writeNumberSetting(key, name, defaultValue);
        return defaultValue;
    }
    return value->kind == RegistryValueKind::Number ? static_cast<qint32>(value->number) : 0;
}

bool readFlagSetting(RegistryKey& key, const QString& name, bool defaultValue)
{
    return readNumberSetting(key, name, defaultValue ? 1 : 0) == 1;
}

quint16 readNumber16Setting(RegistryKey& key, const QString& name, quint16 defaultValue)
{
    return static_cast<quint16>(readNumberSetting(key, name, defaultValue) & 0xFFFF);
}

void writeTextSetting(RegistryKey& key, const QString& name, const QString& value)
{
    key.setText(name, value);
}

void writeNumberSetting(RegistryKey& key, const QString& name, qint32 value)
{
    key.setNumber(name, static_cast<quint32>(value));
}

void writeFlagSetting(RegistryKey& key, const QString& name, bool value)
{
    writeNumberSetting(key, name, value ? 1 : 0);
}

} // namespace tallyfox
