#include "storage/inifile.h"

#include "core/textforms.h"
#include "storage/inifiletext.h"

namespace tallyfox {

IniFile::IniFile(const QString& fileName, const UserLocale& locale) : m_fileName(fileName), m_locale(locale)
{
    load();
}

IniFile::IniFile(const UserLocale& locale, QByteArrayView content)
    : m_locale(locale), m_lines(splitTextLines(content)), m_hasFile(false)
{}

IniFile::~IniFile()
{
    if (m_mode == IniMode::Write)
        (void)save();
}

void IniFile::load()
{
    linesChanged();
    if (!m_hasFile)
        return;
    const FileContent content = readWholeFile(m_fileName);
    m_loadResult = content.result;
    m_lines = splitTextLines(content.bytes);
}

FileResult IniFile::save()
{
    // The lines in memory lack whatever could not be read; writing them would lose it for good.
    if (!m_loadResult.ok())
        return FileResult::writeFailure(
            FileError::ContentNotRead, m_fileName,
            QStringLiteral("It could not be read, so writing it would lose its content."));
    return writeFileAtomically(m_fileName,
                               [this](QIODevice& device) { return writeTextLines(device, m_lines); });
}

FileResult IniFile::setMode(IniMode mode)
{
    if (mode == m_mode)
        return {};
    m_mode = mode;
    if (mode == IniMode::Read)
        return save();
    load();
    return {};
}

void IniFile::setSection(const QString& name)
{
    m_section = name;
    m_range.reset();
}

const std::vector<IniFile::Header>& IniFile::headers()
{
    if (!m_headers) {
        m_headers.emplace();
        for (qsizetype i = 0; i < m_lines.size(); ++i) {
            if (const auto name = iniSectionName(m_lines[i]))
                m_headers->push_back({i, name->toString()});
        }
    }
    return *m_headers;
}

const IniFile::SectionRange& IniFile::currentSection()
{
    if (m_range)
        return *m_range;
    const std::vector<Header>& all = headers();
    SectionRange range;
    range.end = m_lines.size();
    for (size_t h = 0; h < all.size(); ++h) {
        if (m_locale.compareText(all[h].name, m_section) == 0) {
            range.header = all[h].line;
            if (h + 1 < all.size())
                range.end = all[h + 1].line;
            break;
        }
    }
    m_range = range;
    return *m_range;
}

std::optional<QString> IniFile::storedValue(const QString& key)
{
    const SectionRange range = currentSection();
    if (range.header < 0)
        return std::nullopt;
    for (qsizetype i = range.header + 1; i < range.end; ++i) {
        const auto keyLine = iniKeyLine(m_lines[i]);
        if (keyLine && m_locale.compareText(keyLine->key, key) == 0)
            return keyLine->value.toString();
    }
    return std::nullopt;
}

void IniFile::storeValue(const QString& key, const QString& value)
{
    const QString line = singleLineText(key) + u'=' + singleLineText(value);
    const SectionRange range = currentSection();
    linesChanged();
    if (range.header < 0) {
        m_lines.append(u'[' + singleLineText(m_section) + u']');
        m_lines.append(line);
        return;
    }
    for (qsizetype i = range.header + 1; i < range.end; ++i) {
        const auto keyLine = iniKeyLine(m_lines[i]);
        if (keyLine && m_locale.compareText(keyLine->key, key) == 0) {
            m_lines[i] = line;
            return;
        }
    }
    m_lines.insert(range.end, line);
}

QString IniFile::iniText(const QString& key, const QString& value)
{
    if (m_mode == IniMode::Write) {
        storeValue(key, value);
        return {};
    }
    return storedValue(key).value_or(value);
}

int IniFile::iniNumber(const QString& key, int value)
{
    if (m_mode == IniMode::Write) {
        storeValue(key, QString::number(value));
        return value;
    }
    const auto stored = storedValue(key);
    return stored ? readWholeNumber(QStringView(*stored)) : value;
}

bool IniFile::iniFlag(const QString& key, bool value)
{
    return iniNumber(key, value ? 1 : 0) != 0;
}

bool IniFile::iniBytes(const QString& key, unsigned char* buffer, int byteCount)
{
    if (m_mode == IniMode::Write) {
        storeValue(key, hexText(buffer, byteCount));
        return byteCount > 0;
    }
    const auto stored = storedValue(key);
    return stored && readHexBytes(*stored, buffer, byteCount) > 0;
}

bool IniFile::removeSection()
{
    bool removed = false;
    for (SectionRange range = currentSection(); range.header >= 0; range = currentSection()) {
        m_lines.remove(range.header, range.end - range.header);
        linesChanged();
        removed = true;
    }
    return removed;
}

FileResult IniFile::eraseSection()
{
    // In write mode the file changes once, when it is saved, so it is never seen without the section that
    // the caller is about to write again.
    if (removeSection() && m_mode == IniMode::Read)
        return save();
    return {};
}

FileResult IniFile::sectionLines(QStringList& list)
{
    if (m_mode == IniMode::Read) {
        list.clear();
        const SectionRange range = currentSection();
        if (range.header < 0)
            return {};
        for (qsizetype i = range.header + 1; i < range.end; ++i) {
            const QStringView line = trimmedIniText(m_lines[i]);
            if (!line.isEmpty())
                list.append(line.toString());
        }
        return {};
    }
    FileResult result = eraseSection();
    linesChanged();
    m_lines.append(u'[' + singleLineText(m_section) + u']');
    for (const QString& item : list) {
        const QStringView trimmed = trimmedIniText(item);
        if (!trimmed.isEmpty())
            m_lines.append(singleLineText(trimmed.toString()));
    }
    return result;
}

} // namespace tallyfox
