// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "platform/registrycontent.h"

namespace tallyfox {

RegistryValue RegistryValue::fromText(const QString& text)
{
    RegistryValue value;
    value.kind = RegistryValueKind::Text;
    value.text = text;
    return value;
}

RegistryValue RegistryValue::fromNumber(quint32 number)
{
    RegistryValue value;
    value.kind = RegistryValueKind::Number;
    value.number = number;
    return value;
}

RegistryValue RegistryValue::fromData(const QString& data)
{
    RegistryValue value;
    value.data = data;
    return value;
}

const RegistryValue* RegistryKeyContent::find(QStringView name) const
{
    const auto found = m_index.constFind(name.toString().toCaseFolded());
    return found == m_index.cend() ? nullptr : &m_lines[*found].value;
}

void RegistryKeyContent::set(const QString& name, const RegistryValue& value)
{
    const QString folded = name.toCaseFolded();
    const auto found = m_index.constFind(folded);
    if (found != m_index.cend()) {
        m_lines[*found].value = value;
        return;
    }
    m_index.insert(folded, m_lines.size());
    m_lines.append(RegistryLine{false, name, value});
}

void RegistryKeyContent::addComment(const QString& line)
{
    m_lines.append(RegistryLine{true, line, {}});
}

const RegistryKeyContent* RegistryContent::findKey(QStringView path) const
{
    const auto found = m_index.constFind(path.toString().toCaseFolded());
    return found == m_index.cend() ? nullptr : &m_keys[*found];
}

RegistryKeyContent* RegistryContent::findKey(QStringView path)
{
    const auto found = m_index.constFind(path.toString().toCaseFolded());
    return found == m_index.cend() ? nullptr : &m_keys[*found];
}

bool RegistryContent::keyExists(QStringView path) const
{
    if (findKey(path))
        return true;
    const QString prefix = path.toString() + u'\\';
    for (const RegistryKeyContent& key : m_keys) {
        if (key.path().startsWith(prefix, Qt::CaseInsensitive))
            return true;
    }
    return false;
}

RegistryKeyContent& RegistryContent::addKey(const QString& path)
{
    if (RegistryKeyContent* existing = findKey(path))
        return *existing;
    m_index.insert(path.toCaseFolded(), m_keys.size());
    m_keys.append(RegistryKeyContent(path));
    return m_keys.last();
}

} // namespace tallyfox
