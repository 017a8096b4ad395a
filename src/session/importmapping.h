// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include <QChar>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>

namespace tallyfox {

// What a column of an imported table holds.
enum class ImportField
{
    Date,
    Amount,
    Debit,
    Credit,
    Currency,
    Type,
    Note,
    IntendedSource,
    PaidWith,
    Receipt,
};
inline constexpr int kImportFieldCount = 10;
inline constexpr std::array<ImportField, kImportFieldCount> kImportFields = {
    ImportField::Date,     ImportField::Amount, ImportField::Debit, ImportField::Credit,
    ImportField::Currency, ImportField::Type,   ImportField::Note,  ImportField::IntendedSource,
    ImportField::PaidWith, ImportField::Receipt};

// The field's name on the command line and in the registry: date, amount, debit, credit, currency, type,
// note, source, paid-with, receipt.
[[nodiscard]] QString importFieldName(ImportField field);
[[nodiscard]] std::optional<ImportField> importFieldFromName(QStringView name);
// The field as the import form names it: "Date", "Amount", … "Paid with", in the catalogue's language.
[[nodiscard]] QString importFieldCaption(ImportField field);

// No column.
inline constexpr int kNoColumn = -1;

// How the rows of a table become entries: which column holds what, and how its cells read.
struct ImportMapping
{
    // Zero-based column of each field, or kNoColumn.
    std::array<int, kImportFieldCount> columns;
    // "," ";" or tab; nothing: found from the file.
    QChar delimiter;
    // "." or ","; nothing: found from the amounts.
    QChar decimalMark;
    // A pattern of DateFormat; empty: found from the dates.
    QString dateFormat;
    // The currency of rows without one (no currency column, or an empty cell); empty: the primary
    // currency.
    QString currency;
    // The type of rows without one; empty: "Unknown".
    QString type;
    // In one amount column, a negative amount is an expense and a positive one an income, as banks write
    // them; set, the other way round.
    bool negativeIsIncome = false;
    // The first record names the columns.
    bool hasHeader = true;

    ImportMapping() { columns.fill(kNoColumn); }

    [[nodiscard]] int column(ImportField field) const { return columns[static_cast<size_t>(field)]; }
    void setColumn(ImportField field, int column) { columns[static_cast<size_t>(field)] = column; }
    [[nodiscard]] bool hasAmounts() const
    {
        return column(ImportField::Amount) != kNoColumn || column(ImportField::Debit) != kNoColumn ||
               column(ImportField::Credit) != kNoColumn;
    }
    // Enough to make entries: a date and an amount (or debit or credit) column.
    [[nodiscard]] bool isComplete() const { return column(ImportField::Date) != kNoColumn && hasAmounts(); }

    friend bool operator==(const ImportMapping&, const ImportMapping&) = default;
};

// The columns a header proposes, by the names banks and spreadsheets give them (Date, Booking date,
// Amount, Debit, Credit, Currency, Category, Payee, Description, Memo, Notes …, and their German
// names); the first column that names a field takes it.
[[nodiscard]] ImportMapping proposeColumns(const QStringList& header);

// The header of the program's own export (tab-separated or CSV): Date, Currency, Amount, the primary
// currency, Type, Intended source, Paid with, Receipt, Note.
[[nodiscard]] bool isOwnExportHeader(const QStringList& header);

// A column given as a 1-based number or by its header name (compared without regard to case); nothing
// when there is no such column.
[[nodiscard]] std::optional<int> findColumn(const QString& given, const QStringList& header);

// "date=1,amount=Betrag,…" as the command line gives it, applied to the mapping's columns: the error's
// text, or nothing. A field given "none" (or "-") loses its column.
[[nodiscard]] std::optional<QString> applyColumnList(const QString& list, const QStringList& header,
                                                     ImportMapping& mapping);

// The columns as "date=1,amount=3,…", 1-based, in the order of the fields; the form applyColumnList
// reads.
[[nodiscard]] QString columnListText(const ImportMapping& mapping);

} // namespace tallyfox
