// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "storage/inisection.h"

#include "core/textforms.h"
#include "storage/inifiletext.h"

namespace tallyfox {

std::vector<IniHeader> iniHeaders(const QStringList& lines)
{
    std::vector<IniHeader> headers;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (const auto name = iniSectionName(lines[i]))
            headers.push_back({i, name->toString()});
    }
    return headers;
}

IniSection IniSection::find(const QStringList& lines, const std::vector<IniHeader>& headers,
                            const UserLocale& locale, const QString& name)
{
    for (size_t h = 0; h < headers.size(); ++h) {
        if (locale.compareText(headers[h].name, name) == 0) {
            const qsizetype end = h + 1 < headers.size() ? headers[h + 1].line : lines.size();
            return IniSection(lines, locale, headers[h].line, end);
        }
    }
    return {};
}

std::optional<qsizetype> IniSection::keyLine(const QString& key) const
{
    if (!exists())
        return std::nullopt;
    for (qsizetype i = m_header + 1; i < m_end; ++i) {
        const auto line = iniKeyLine((*m_lines)[i]);
        if (line && m_locale->compareText(line->key, key) == 0)
            return i;
    }
    return std::nullopt;
}

std::optional<QString> IniSection::value(const QString& key) const
{
    const std::optional<qsizetype> line = keyLine(key);
    if (!line)
        return std::nullopt;
    return iniKeyLine((*m_lines)[*line])->value.toString();
}

QString IniSection::text(const QString& key, const QString& fallback) const
{
    return value(key).value_or(fallback);
}

int IniSection::number(const QString& key, int fallback) const
{
    const std::optional<QString> stored = value(key);
    return stored ? readWholeNumber(QStringView(*stored)) : fallback;
}

bool IniSection::flag(const QString& key, bool fallback) const
{
    return number(key, fallback ? 1 : 0) != 0;
}

QByteArray IniSection::hexBytes(const QString& key, int maxCount) const
{
    const std::optional<QString> stored = value(key);
    return stored ? readHexBytes(*stored, maxCount) : QByteArray();
}

QStringList IniSection::lines() const
{
    QStringList found;
    for (qsizetype i = m_header + 1; exists() && i < m_end; ++i) {
        const QStringView line = trimmedIniText((*m_lines)[i]);
        if (!line.isEmpty())
            found.append(line.toString());
    }
    return found;
}

} // namespace tallyfox
