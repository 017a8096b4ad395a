// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include "platform/filesystem.h"
#include "platform/userlocale.h"
#include "storage/inisection.h"

#include <QByteArrayView>
#include <QIODevice>
#include <QString>
#include <QStringList>

namespace tallyfox {

// Changes an INI-style file: it starts from the file's lines, so that whatever it does not change stays
// as it was, edits them in memory and saves them all at once. Sections and keys are found as IniSection
// finds them. Keys, values and list items are written as given, except that line breaks in them become
// spaces. Nothing reaches the file before save().
class IniWriter
{
public:
    // Loads the file. A file that does not exist starts empty.
    IniWriter(const QString& fileName, const UserLocale& locale);
    // Starts from content that belongs to no file: it can be written to a device, and saving it fails.
    IniWriter(const UserLocale& locale, QByteArrayView content);
    // The writer keeps the locale it is given.
    IniWriter(const QString& fileName, UserLocale&& locale) = delete;
    IniWriter(UserLocale&& locale, QByteArrayView content) = delete;

    [[nodiscard]] const QString& fileName() const { return m_fileName; }
    // Fails when the file exists but could not be read. Such a file is never written over: saving fails.
    [[nodiscard]] const FileResult& loadResult() const { return m_loadResult; }
    [[nodiscard]] const QStringList& lines() const { return m_lines; }

    // Replaces the key's line in the section, else adds it after the section's last line, else adds the
    // section with it at the end of the file.
    void setText(const QString& section, const QString& key, const QString& value);
    void setNumber(const QString& section, const QString& key, int value);
    void setFlag(const QString& section, const QString& key, bool value);
    // Two upper-case hex digits per byte.
    void setHexBytes(const QString& section, const QString& key, QByteArrayView bytes);

    // Removes the section: its header and lines, and those of any later section of the same name, which
    // would otherwise come to light in its place.
    void eraseSection(const QString& section);
    // Erases the section and adds it again at the end of the file with the non-empty items, trimmed.
    void setSectionLines(const QString& section, const QStringList& items);

    // Writes every line with CR LF to the device.
    [[nodiscard]] FileResult write(QIODevice& device) const;
    // Replaces the file atomically with the lines.
    [[nodiscard]] FileResult save() const;

private:
    [[nodiscard]] IniSection find(const QString& section) const;
    void storeLine(const QString& section, const QString& key, const QString& line);

    QString m_fileName;
    const UserLocale& m_locale;
    QStringList m_lines;
    FileResult m_loadResult;
};

} // namespace tallyfox
