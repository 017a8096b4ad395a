#pragma once

#include "platform/filesystem.h"
#include "platform/userlocale.h"

#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace tallyfox {

enum class IniMode
{
    Read,
    Write,
};

// An INI-style file held in memory as its list of lines. One object serves both directions: in read mode
// the value operations return what the file holds (or the given default), in write mode they store the
// given value. Section names and keys are found with the user's locale-aware comparison, case ignored; the
// first matching section and, within it, the first matching key win.
//
// Changes reach the file when the object is switched back to read mode, closed or destroyed in write mode,
// and when a section is erased in read mode. Saving replaces the file atomically.
// Keys, values and list items are written as given, except that line breaks in them become spaces.
class IniFile
{
public:
    // Loads the file in read mode. A file that does not exist gives no lines.
    IniFile(const QString& fileName, const UserLocale& locale);
    // An object over content that belongs to no file; saving it fails.
    IniFile(const UserLocale& locale, QByteArrayView content);
    // Saves in write mode; call close() first to learn whether that worked.
    ~IniFile();

    IniFile(const IniFile&) = delete;
    IniFile& operator=(const IniFile&) = delete;

    [[nodiscard]] const QString& fileName() const { return m_fileName; }
    [[nodiscard]] IniMode mode() const { return m_mode; }
    // Fails when the file exists but could not be read. Such a file is never written over: saving fails too.
    [[nodiscard]] const FileResult& loadResult() const { return m_loadResult; }
    [[nodiscard]] const QStringList& lines() const { return m_lines; }

    // Switching from write to read saves the file; from read to write loads it again.
    FileResult setMode(IniMode mode);
    // Saves in write mode and leaves the object in read mode.
    FileResult close() { return setMode(IniMode::Read); }

    void setSection(const QString& name);
    [[nodiscard]] const QString& section() const { return m_section; }

    // Read: the stored value, or value when the section or key is missing. Write: stores value, returns "".
    QString iniText(const QString& key, const QString& value);
    // Read: an optional sign and the digits after it (0 without digits), or value when missing.
    int iniNumber(const QString& key, int value);
    bool iniFlag(const QString& key, bool value);
    // Read: fills up to byteCount bytes from hex digit pairs; true when at least one byte was read.
    // Write: stores two upper-case hex digits per byte.
    bool iniBytes(const QString& key, unsigned char* buffer, int byteCount);

    // Removes the section: its header and lines, and those of any later section of the same name, which
    // would otherwise come to light in its place. Read mode saves at once; write mode saves with the rest.
    FileResult eraseSection();
    // Read: replaces list with the section's non-empty lines, trimmed, in file order. Write: erases the
    // section and appends it at the end of the file with the list's non-empty items, trimmed.
    FileResult sectionLines(QStringList& list);

private:
    struct SectionRange
    {
        qsizetype header = -1; // -1: the section does not exist
        qsizetype end = 0;     // the next header, or the end of the file
    };

    struct Header
    {
        qsizetype line = 0;
        QString name;
    };

    void load();
    const std::vector<Header>& headers();
    FileResult save();
    const SectionRange& currentSection();
    std::optional<QString> storedValue(const QString& key);
    void storeValue(const QString& key, const QString& value);
    bool removeSection();
    void linesChanged()
    {
        m_range.reset();
        m_headers.reset();
    }

    QString m_fileName;
    const UserLocale& m_locale;
    IniMode m_mode = IniMode::Read;
    QString m_section;
    QStringList m_lines;
    FileResult m_loadResult;
    bool m_hasFile = true;
    // Found on demand and kept until the lines change: a file of many sections is searched once per
    // section, not once per value.
    std::optional<std::vector<Header>> m_headers;
    std::optional<SectionRange> m_range;
};

} // namespace tallyfox
