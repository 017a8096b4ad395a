#include "storage/settingsregistry.h"

namespace tallyfox {

QString RegReadText(RegistryKey& key, const QString& name, const QString& defaultValue)
{
    if (!key.isOpen())
        return defaultValue;
    const std::optional<RegistryValue> value = key.value(name);
    if (value && value->kind == RegistryValueKind::Text && !value->text.isEmpty())
        return value->text;
    RegWriteText(key, name, defaultValue);
    return defaultValue;
}

qint32 RegReadNumber(RegistryKey& key, const QString& name, qint32 defaultValue)
{
    if (!key.isOpen())
        return defaultValue;
    const std::optional<RegistryValue> value = key.value(name);
    if (!value) {
        RegWriteNumber(key, name, defaultValue);
        return defaultValue;
    }
    return value->kind == RegistryValueKind::Number ? static_cast<qint32>(value->number) : 0;
}

bool RegReadFlag(RegistryKey& key, const QString& name, bool defaultValue)
{
    return RegReadNumber(key, name, defaultValue ? 1 : 0) == 1;
}

quint16 RegReadNumber16(RegistryKey& key, const QString& name, quint16 defaultValue)
{
    return static_cast<quint16>(RegReadNumber(key, name, defaultValue) & 0xFFFF);
}

void RegWriteText(RegistryKey& key, const QString& name, const QString& value)
{
    key.setText(name, value);
}

void RegWriteNumber(RegistryKey& key, const QString& name, qint32 value)
{
    key.setNumber(name, static_cast<quint32>(value));
}

void RegWriteFlag(RegistryKey& key, const QString& name, bool value)
{
    RegWriteNumber(key, name, value ? 1 : 0);
}

} // namespace tallyfox
