// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "storage/inireader.h"

#include "storage/inifiletext.h"

namespace tallyfox {

IniReader::IniReader(const QString& fileName, const UserLocale& locale)
    : m_fileName(fileName), m_locale(locale)
{
    const FileContent content = readWholeFile(fileName);
    m_loadResult = content.result;
    m_lines = splitTextLines(content.bytes);
    m_headers = iniHeaders(m_lines);
}

IniReader::IniReader(const UserLocale& locale, QByteArrayView content)
    : m_locale(locale), m_lines(splitTextLines(content)), m_headers(iniHeaders(m_lines))
{}

IniSection IniReader::section(const QString& name) const
{
    return IniSection::find(m_lines, m_headers, m_locale, name);
}

} // namespace tallyfox
