// Any bytes read as an INI file: nothing crashes, what is loaded, saved and loaded again has the same
// lines, and so do the lines after values, lists and erasures were written into them.
#include "storage/inifile.h"
#include "storage/inifiletext.h"

#include <QLocale>
#include <cstdint>
#include <cstdlib>

namespace {

using namespace tallyfox;

const UserLocale& fuzzLocale()
{
    static const UserLocale locale(QLocale(QLocale::English, QLocale::UnitedStates));
    return locale;
}

void expectStableLines(const QStringList& lines)
{
    const QByteArray saved = joinTextLines(lines);
    IniFile again(fuzzLocale(), saved);
    if (again.lines() != lines || joinTextLines(again.lines()) != saved)
        abort();
}

// Names to work with: a few fixed ones and those of the file's own headers and keys.
QStringList namesIn(const QStringList& lines)
{
    QStringList names = {QStringLiteral("Currencies"), QStringLiteral("Main"), QStringLiteral("x")};
    for (const QString& line : lines) {
        if (names.size() >= 8)
            break;
        if (const auto section = iniSectionName(line))
            names.append(section->toString());
        else if (const auto keyLine = iniKeyLine(line))
            names.append(keyLine->key.toString());
    }
    return names;
}

bool isPlainName(const QString& name)
{
    return !name.isEmpty() && trimmedIniText(name).size() == name.size() && !name.contains(u'=') &&
           !name.contains(u'[') && !name.contains(u']') && singleLineText(name) == name;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    IniFile ini(fuzzLocale(), bytes);
    expectStableLines(ini.lines());

    // Every read operation on every name.
    const QStringList names = namesIn(ini.lines());
    for (const QString& section : names) {
        ini.setSection(section);
        QStringList lines;
        (void)ini.sectionLines(lines);
        for (const QString& key : names) {
            (void)ini.iniText(key, QString());
            (void)ini.iniFlag(key, true);
            unsigned char buffer[8] = {};
            (void)ini.iniBytes(key, buffer, 8);
        }
    }

    // Writes chosen by the first bytes; a plain value in a plain section and key reads back as written.
    (void)ini.setMode(IniMode::Write);
    const QString value = QStringLiteral("v%1").arg(size);
    for (size_t i = 0; i < std::min<size_t>(size, 6); ++i) {
        const QString& section = names[data[i] % names.size()];
        const QString& key = names[(data[i] / 8) % names.size()];
        ini.setSection(section);
        switch (data[i] % 4) {
        case 0:
        case 1:
            ini.iniText(key, value);
            break;
        case 2: {
            QStringList items = {key, value, QString()};
            (void)ini.sectionLines(items);
            break;
        }
        default:
            (void)ini.eraseSection();
        }
    }
    expectStableLines(ini.lines());
    const QString& section = names[size % names.size()];
    const QString& key = names[(size / 3) % names.size()];
    ini.setSection(section);
    ini.iniText(key, value);
    (void)ini.setMode(IniMode::Read); // no file to save to: only the mode changes
    if (isPlainName(section) && isPlainName(key) && ini.iniText(key, QString()) != value)
        abort();
    expectStableLines(ini.lines());
    return 0;
}
