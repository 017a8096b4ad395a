// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include "platform/filesystem.h"
#include "platform/userlocale.h"
#include "storage/inisection.h"

#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <vector>

namespace tallyfox {

// An INI-style file read into memory, answering for its sections. Reading never stops the caller: a file
// that does not exist has no lines, and so has one that cannot be read, which loadResult() reports.
class IniReader
{
public:
    IniReader(const QString& fileName, const UserLocale& locale);
    // Content that belongs to no file.
    IniReader(const UserLocale& locale, QByteArrayView content);
    // The reader keeps the locale it is given.
    IniReader(const QString& fileName, UserLocale&& locale) = delete;
    IniReader(UserLocale&& locale, QByteArrayView content) = delete;

    // Sections refer to the reader's lines, which must not move.
    IniReader(const IniReader&) = delete;
    IniReader& operator=(const IniReader&) = delete;

    [[nodiscard]] const QString& fileName() const { return m_fileName; }
    [[nodiscard]] const FileResult& loadResult() const { return m_loadResult; }
    [[nodiscard]] const QStringList& lines() const { return m_lines; }

    // The first section of that name; missing when there is none. Valid while the reader lives.
    [[nodiscard]] IniSection section(const QString& name) const;

private:
    QString m_fileName;
    const UserLocale& m_locale;
    QStringList m_lines;
    FileResult m_loadResult;
    // Found once: a file of many sections is searched once per section, not once per value.
    std::vector<IniHeader> m_headers;
};

} // namespace tallyfox
