// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include <QChar>
#include <QDate>
#include <QList>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <optional>

namespace tallyfox {

// The largest amount an imported row may have, as for an entry added on the command line.
inline constexpr double kLargestImportedAmount = 999999999.99;

// Why an amount cell cannot be read.
enum class AmountProblem
{
    None,
    Empty,
    NotANumber,
    // A separator that is no thousands separator for the decimal mark in use ("12,50" with ".").
    WrongDecimalMark,
    TooLarge,
};

struct ImportedAmount
{
    // Signed: negative for "-12.50", "12.50-" and "(12.50)".
    double value = 0.0;
    AmountProblem problem = AmountProblem::None;
};

// An amount as banks and spreadsheets write it: the decimal mark given ("." or ","), the other one as
// a thousands separator between groups of three digits, spaces and apostrophes as thousands separators
// too, a minus sign before or after the number or parentheses around it, and a currency's symbol or code
// before or after it ("€ 1.234,50", "-$12.50", "12.50 EUR"). Rounded to cents.
[[nodiscard]] ImportedAmount readImportedAmount(QStringView text, QChar decimalMark);

// The decimal mark that most of the amounts are written with: "," or "."; the fallback when the cells
// do not tell (every separator is followed by three digits, or there is none).
[[nodiscard]] QChar detectDecimalMark(const QList<QStringView>& cells, QChar fallback);

// A date format as a pattern of d, dd, M, MM, MMM, yy and yyyy with separators between them. One or two
// digits are read for d and M whatever the pattern says, so "d.M.yyyy" reads 03.01.2023 and 3.1.2023.
class DateFormat
{
public:
    DateFormat() = default;
    explicit DateFormat(const QString& pattern);

    [[nodiscard]] const QString& pattern() const { return m_pattern; }
    [[nodiscard]] bool isValid() const { return !m_tokens.isEmpty(); }
    // The date of a cell; a time of day after the date (after a blank or "T") is ignored. Two-digit
    // years fall in the hundred years that end twenty years after today's.
    [[nodiscard]] std::optional<QDate> read(QStringView text, const QLocale& locale, QDate today) const;

    friend bool operator==(const DateFormat& a, const DateFormat& b) { return a.m_pattern == b.m_pattern; }

private:
    enum class Kind
    {
        Day,
        Month,
        MonthName,
        ShortYear,
        Year,
        Literal,
    };
    struct Token
    {
        Kind kind;
        QChar literal;
    };
    QString m_pattern;
    QList<Token> m_tokens;
};

// The date formats that imports offer, in the order they are tried: ISO first.
[[nodiscard]] QStringList knownDateFormats();

// The locale's short date as a date format ("M/d/yy" for the United States), which the export writes.
[[nodiscard]] QString localeDateFormat(const QLocale& locale);

// What the dates of a column read as: the formats that read every date cell, first the one to use. More
// than one means the order of day and month is not clear from the cells.
struct DateFormatGuess
{
    QStringList formats;
    [[nodiscard]] bool isAmbiguous() const { return formats.size() > 1; }
};

// Tries the known formats (the locale's own among them, before the others that read the same cells) on
// the cells that are not empty.
[[nodiscard]] DateFormatGuess detectDateFormat(const QList<QStringView>& cells, const QLocale& locale,
                                               QDate today);

} // namespace tallyfox
