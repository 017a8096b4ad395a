// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>

namespace tallyfox {

// The fields whose one value a filter can ask for ("show only Taxi").
enum class FilterField
{
    Type,
    Currency,
    IntendedSource,
    PaidWith,
};
inline constexpr int kFilterFieldCount = 4;
inline constexpr std::array<FilterField, kFilterFieldCount> kFilterFields = {
    FilterField::Type, FilterField::Currency, FilterField::IntendedSource, FilterField::PaidWith};

// Which entries a view shows: a value, shared by the window's list and the command line's listings and
// reports. Every part that is set must match (they combine with AND); an empty filter lets every entry
// through. Texts match case- and accent-insensitively (see foldedText).
struct EntryFilter
{
    // Every word of it is found in the shown text of some column: what, receipt, note, date, currency,
    // amount, paid with or intended source.
    QString text;
    // The days the entry's date lies on or between; either end may be open.
    std::optional<QDate> from;
    std::optional<QDate> to;
    // Only incomes (true) or only expenses (false).
    std::optional<bool> income;
    // The whole text of the field equals this value, by FilterField.
    std::array<std::optional<QString>, kFilterFieldCount> values;

    [[nodiscard]] std::optional<QString>& value(FilterField field) { return values[size_t(field)]; }
    [[nodiscard]] const std::optional<QString>& value(FilterField field) const
    {
        return values[size_t(field)];
    }

    // Whether the text asks for anything: words other than blanks.
    [[nodiscard]] bool hasText() const;
    // How many parts besides the text are set: the date range counts once.
    [[nodiscard]] int choiceCount() const;
    [[nodiscard]] bool isEmpty() const { return !hasText() && choiceCount() == 0; }

    friend bool operator==(const EntryFilter&, const EntryFilter&) = default;
};

// The words of a search text, folded, in the order typed, each once.
[[nodiscard]] QStringList searchWords(const QString& text);

// The quick choices of dates, around today: the first and the last day of this month, last month (in
// January, December of the year before) and this year.
struct DateRange
{
    QDate from;
    QDate to;

    friend bool operator==(const DateRange&, const DateRange&) = default;
};
[[nodiscard]] DateRange thisMonthRange(QDate today);
[[nodiscard]] DateRange lastMonthRange(QDate today);
[[nodiscard]] DateRange thisYearRange(QDate today);

// The field a column of the entry list shows, when a filter can ask for one of its values.
[[nodiscard]] std::optional<FilterField> filterFieldOfColumn(int listColumn);
// The list column that shows the field.
[[nodiscard]] int listColumnOfField(FilterField field);
// How the field is named in the window's choices ("What", "Currency", "Paid with", "Int. source").
[[nodiscard]] QString filterFieldCaption(FilterField field);

} // namespace tallyfox
