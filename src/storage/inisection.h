// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include "platform/userlocale.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace tallyfox {

// A header line of an INI-style file: where it is and the section name in it.
struct IniHeader
{
    qsizetype line = 0;
    QString name;
};

[[nodiscard]] std::vector<IniHeader> iniHeaders(const QStringList& lines);

// One section of an INI-style file's lines: its header and the lines up to the next header or the end.
// Section names and keys are compared with the user's locale-aware comparison, case ignored; the first
// matching section and, within it, the first matching key win. A section refers to the lines it was
// found in and stays valid while they are neither changed nor destroyed.
class IniSection
{
public:
    // A section that does not exist: every value is missing.
    IniSection() = default;
    // The first section of that name, found through the headers of lines.
    [[nodiscard]] static IniSection find(const QStringList& lines, const std::vector<IniHeader>& headers,
                                         const UserLocale& locale, const QString& name);

    [[nodiscard]] bool exists() const { return m_header >= 0; }
    // The index of the header line, and the index after the section's last line.
    [[nodiscard]] qsizetype headerLine() const { return m_header; }
    [[nodiscard]] qsizetype endLine() const { return m_end; }

    // The index of the key's line, if the section has one.
    [[nodiscard]] std::optional<qsizetype> keyLine(const QString& key) const;
    [[nodiscard]] std::optional<QString> value(const QString& key) const;

    // The stored value, or fallback when the section or the key is missing.
    [[nodiscard]] QString text(const QString& key, const QString& fallback) const;
    // An optional sign and the digits after it (0 without digits), or fallback when missing.
    [[nodiscard]] int number(const QString& key, int fallback) const;
    [[nodiscard]] bool flag(const QString& key, bool fallback) const;
    // Up to maxCount bytes, one per pair of characters; empty when missing or shorter than a pair.
    [[nodiscard]] QByteArray hexBytes(const QString& key, int maxCount) const;
    // The section's non-empty lines, trimmed, in file order.
    [[nodiscard]] QStringList lines() const;

private:
    IniSection(const QStringList& lines, const UserLocale& locale, qsizetype header, qsizetype end)
        : m_lines(&lines), m_locale(&locale), m_header(header), m_end(end)
    {}

    const QStringList* m_lines = nullptr;
    const UserLocale* m_locale = nullptr;
    qsizetype m_header = -1;
    qsizetype m_end = 0;
};

} // namespace tallyfox
