// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include "core/appstate.h"
#include "platform/filesystem.h"

#include <QString>
#include <QStringList>
#include <QStringView>
#include <vector>

namespace tallyfox {

// The defaults file holds the pick lists and the currency table, one section each, in the settings folder.
inline constexpr char16_t kDefaultsFileName[] = u"TallyfoxDefaults.ini";
// The factory copy shipped with the program; it becomes the user's defaults file when there is none.
inline constexpr char16_t kShippedDefaultsFileName[] = u"TallyfoxDefaultsOriginal.ini";

inline constexpr char16_t kCurrenciesSection[] = u"Currencies";
inline constexpr char16_t kExpenseTypesSection[] = u"Expense types";
inline constexpr char16_t kIntendedSourcesSection[] = u"Intended sources";
inline constexpr char16_t kPaymentMethodsSection[] = u"Payment methods";
// The value of the first currency line: that currency is the primary one.
inline constexpr char16_t kPrimaryRateText[] = u"Primary";

[[nodiscard]] QString defaultsFilePath(const AppState& state);

// Copies a text file line by line, each line written again with CR LF; the target is replaced atomically.
FileResult copyTextFile(const QString& source, const QString& target);

// Start-up: when the settings folder holds no defaults file and the shipped one is found, copies it there.
FileResult installDefaultsFile(const AppState& state);

// A line of a list section: the item or currency name before the first "=", and the value after it.
struct DefaultsItem
{
    QString name;
    QString value;

    friend bool operator==(const DefaultsItem&, const DefaultsItem&) = default;
};

// Both halves trimmed of characters 32 and below; a line without "=" is all name and has no value.
[[nodiscard]] DefaultsItem splitDefaultsLine(QStringView line);

// The items of a list section's lines.
[[nodiscard]] std::vector<DefaultsItem> defaultsItems(const QStringList& lines);

// The non-empty lines of one section, trimmed, in file order. A missing file or section gives no lines; so
// does a file that cannot be read, which is also reported.
[[nodiscard]] ReadResult<QStringList> readDefaultsSection(const AppState& state, const QString& section);

// The four lists as the options edit them.
struct DefaultsLists
{
    QStringList expenseTypes;
    QStringList intendedSources;
    QStringList paymentMethods;
    // Name and rate text of each currency in table order; the first rate text is "Primary".
    QStringList currencyNames;
    QStringList currencyRates;

    friend bool operator==(const DefaultsLists&, const DefaultsLists&) = default;
};

// Reads the four lists: pick-list lines whole, currency lines split into name and rate text.
[[nodiscard]] ReadResult<DefaultsLists> readDefaultsLists(const AppState& state);

// Erases the three pick-list sections and "Currencies" and writes them again, in this order, at the end of
// the file; other sections stay as they are. A file that could not be read is not written over.
FileResult writeDefaultsLists(const AppState& state, const DefaultsLists& lists);

} // namespace tallyfox
