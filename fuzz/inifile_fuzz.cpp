// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

// Any bytes read as an INI file: nothing crashes, what is read, written and read again has the same
// lines, and so do the lines after values, lists and erasures were written into them.
#include "storage/inifiletext.h"
#include "storage/inireader.h"
#include "storage/iniwriter.h"

#include <QBuffer>
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

// The writer's output, read again: the same lines, and written again the same bytes.
QByteArray expectStableLines(const IniWriter& writer)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    if (!writer.write(buffer).ok())
        abort();
    const IniReader again(fuzzLocale(), buffer.data());
    if (again.lines() != writer.lines() || joinTextLines(again.lines()) != buffer.data())
        abort();
    return buffer.data();
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

// Every read operation on every name; what is read holds no line break and no more than was asked.
void readEverything(const IniReader& ini, const QStringList& names)
{
    for (const QString& name : names) {
        const IniSection section = ini.section(name);
        if (!section.exists() && !section.lines().isEmpty())
            abort();
        for (const QString& key : names) {
            const QString text = section.text(key, QString());
            const bool flag = section.flag(key, true);
            if (text.contains(u'\n') || text.contains(u'\r') || (!section.value(key) && !flag) ||
                section.hexBytes(key, 8).size() > 8)
                abort();
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const IniReader ini(fuzzLocale(), bytes);
    const QStringList names = namesIn(ini.lines());
    readEverything(ini, names);

    // Writes chosen by the first bytes; a plain value in a plain section and key reads back as written.
    IniWriter writer(fuzzLocale(), bytes);
    if (writer.lines() != ini.lines())
        abort();
    expectStableLines(writer);
    const QString value = QStringLiteral("v%1").arg(size);
    for (size_t i = 0; i < std::min<size_t>(size, 6); ++i) {
        const QString& section = names[data[i] % names.size()];
        const QString& key = names[(data[i] / 8) % names.size()];
        switch (data[i] % 4) {
        case 0:
        case 1:
            writer.setText(section, key, value);
            break;
        case 2:
            writer.setSectionLines(section, {key, value, QString()});
            break;
        default:
            writer.eraseSection(section);
        }
    }
    expectStableLines(writer);
    const QString& section = names[size % names.size()];
    const QString& key = names[(size / 3) % names.size()];
    writer.setText(section, key, value);
    const IniReader written(fuzzLocale(), expectStableLines(writer));
    if (isPlainName(section) && isPlainName(key) && written.section(section).text(key, QString()) != value)
        abort();
    return 0;
}
