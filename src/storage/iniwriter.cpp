// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "storage/iniwriter.h"

#include "storage/inifiletext.h"

#include <QCoreApplication>

namespace tallyfox {

namespace {

QString headerLine(const QString& section)
{
    return u'[' + singleLineText(section) + u']';
}

} // namespace

IniWriter::IniWriter(const QString& fileName, const UserLocale& locale)
    : m_fileName(fileName), m_locale(locale)
{
    const FileContent content = readWholeFile(fileName);
    m_loadResult = content.result;
    m_lines = splitTextLines(content.bytes);
}

IniWriter::IniWriter(const UserLocale& locale, QByteArrayView content)
    : m_locale(locale), m_lines(splitTextLines(content))
{}

IniSection IniWriter::find(const QString& section) const
{
    // The lines change with every edit, so their headers are found afresh.
    return IniSection::find(m_lines, iniHeaders(m_lines), m_locale, section);
}

void IniWriter::storeLine(const QString& section, const QString& key, const QString& line)
{
    const IniSection found = find(section);
    if (!found.exists()) {
        m_lines.append(headerLine(section));
        m_lines.append(line);
    } else if (const std::optional<qsizetype> keyLine = found.keyLine(key)) {
        m_lines[*keyLine] = line;
    } else {
        m_lines.insert(found.endLine(), line);
    }
}

void IniWriter::setText(const QString& section, const QString& key, const QString& value)
{
    storeLine(section, key, singleLineText(key) + u'=' + singleLineText(value));
}

void IniWriter::setNumber(const QString& section, const QString& key, int value)
{
    setText(section, key, QString::number(value));
}

void IniWriter::setFlag(const QString& section, const QString& key, bool value)
{
    setNumber(section, key, value ? 1 : 0);
}

void IniWriter::setHexBytes(const QString& section, const QString& key, QByteArrayView bytes)
{
    setText(section, key, hexText(bytes));
}

void IniWriter::eraseSection(const QString& section)
{
    for (IniSection found = find(section); found.exists(); found = find(section))
        m_lines.remove(found.headerLine(), found.endLine() - found.headerLine());
}

void IniWriter::setSectionLines(const QString& section, const QStringList& items)
{
    eraseSection(section);
    m_lines.append(headerLine(section));
    for (const QString& item : items) {
        const QStringView trimmed = trimmedIniText(item);
        if (!trimmed.isEmpty())
            m_lines.append(singleLineText(trimmed.toString()));
    }
}

FileResult IniWriter::write(QIODevice& device) const
{
    if (!writeTextLines(device, m_lines))
        return FileResult::deviceFailure(FileAction::Write, m_fileName, device);
    return {};
}

FileResult IniWriter::save() const
{
    // The lines in memory lack whatever could not be read; writing them would lose it for good.
    if (!m_loadResult.ok())
        return FileResult::writeFailure(
            FileError::ContentNotRead, m_fileName,
            QCoreApplication::translate("FileResult",
                                        "It could not be read, so writing it would lose its content."));
    return writeFileAtomically(m_fileName,
                               [this](QIODevice& device) { return writeTextLines(device, m_lines); });
}

} // namespace tallyfox
