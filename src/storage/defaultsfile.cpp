// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "storage/defaultsfile.h"

#include "platform/programfolders.h"
#include "storage/inifiletext.h"
#include "storage/inireader.h"
#include "storage/iniwriter.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace tallyfox {

QString defaultsFilePath(const AppState& state)
{
    return state.settingsFolder + QString::fromUtf16(kDefaultsFileName);
}

FileResult copyTextFile(const QString& source, const QString& target)
{
    const FileContent content = readWholeFile(source);
    if (!content.result.ok())
        return content.result;
    if (content.missing)
        return FileResult::readFailure(FileError::NotFound, source,
                                       QCoreApplication::translate("FileResult", "The file does not exist."));
    const QStringList lines = splitTextLines(content.bytes);
    return writeFileAtomically(target, [&lines](QIODevice& device) { return writeTextLines(device, lines); });
}

FileResult installDefaultsFile(const AppState& state)
{
    const QString target = defaultsFilePath(state);
    if (QFileInfo::exists(target))
        return {};
    const QString shipped =
        findShippedFile(state.programFolder, QString::fromUtf16(kShippedDefaultsFileName));
    if (shipped.isEmpty())
        return {};
    return copyTextFile(shipped, target);
}

DefaultsItem splitDefaultsLine(QStringView line)
{
    const qsizetype equals = line.indexOf(u'=');
    if (equals < 0)
        return {trimmedIniText(line).toString(), QString()};
    return {trimmedIniText(line.first(equals)).toString(),
            trimmedIniText(line.sliced(equals + 1)).toString()};
}

std::vector<DefaultsItem> defaultsItems(const QStringList& lines)
{
    std::vector<DefaultsItem> items;
    items.reserve(static_cast<size_t>(lines.size()));
    for (const QString& line : lines)
        items.push_back(splitDefaultsLine(line));
    return items;
}

ReadResult<QStringList> readDefaultsSection(const AppState& state, const QString& section)
{
    const IniReader ini(defaultsFilePath(state), state.locale);
    return {ini.section(section).lines(), ini.loadResult()};
}

ReadResult<DefaultsLists> readDefaultsLists(const AppState& state)
{
    const IniReader ini(defaultsFilePath(state), state.locale);
    const auto sectionLines = [&ini](const char16_t* section) {
        return ini.section(QString::fromUtf16(section)).lines();
    };
    DefaultsLists lists;
    lists.expenseTypes = sectionLines(kExpenseTypesSection);
    lists.intendedSources = sectionLines(kIntendedSourcesSection);
    lists.paymentMethods = sectionLines(kPaymentMethodsSection);
    for (const QString& line : sectionLines(kCurrenciesSection)) {
        DefaultsItem item = splitDefaultsLine(line);
        lists.currencyNames.append(std::move(item.name));
        lists.currencyRates.append(std::move(item.value));
    }
    return {std::move(lists), ini.loadResult()};
}

FileResult writeDefaultsLists(const AppState& state, const DefaultsLists& lists)
{
    IniWriter ini(defaultsFilePath(state), state.locale);
    const auto writeSection = [&ini](const char16_t* section, const QStringList& lines) {
        ini.setSectionLines(QString::fromUtf16(section), lines);
    };
    writeSection(kExpenseTypesSection, lists.expenseTypes);
    writeSection(kIntendedSourcesSection, lists.intendedSources);
    writeSection(kPaymentMethodsSection, lists.paymentMethods);
    // One name=value line per currency in list order. Stored as keys, two currencies whose names differ
    // only in case would share one line, and a second "eur" would even take the primary's place.
    QStringList currencyLines;
    for (qsizetype i = 0; i < lists.currencyNames.size(); ++i) {
        const QString rate = i < lists.currencyRates.size() ? lists.currencyRates[i] : QString();
        currencyLines.append(lists.currencyNames[i] + u'=' + rate);
    }
    writeSection(kCurrenciesSection, currencyLines);
    return ini.save();
}

} // namespace tallyfox
