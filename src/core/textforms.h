// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include "core/expense.h"
#include "platform/userlocale.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace tallyfox {

// Amounts always read with "." and exactly two decimals, whatever the regional settings: only the
// hundredths are rounded (half up), after the units are taken. "-" only when the text is not 0.00.
[[nodiscard]] QString amountText(double amount);
// The same text appended as bytes, for the file writers.
void appendAmountText(QByteArray& out, double amount);
// The most bytes an amount text takes.
inline constexpr int kAmountTextRoom = 24;
// Writes the amount text at out, which has room for kAmountTextRoom bytes, and returns where it ended.
char* putAmountText(char* out, double amount);

// "-" for the side that is shown negative: incomes, or expenses when incomes show as positive.
[[nodiscard]] QString signPrefix(bool isIncome, bool incomeIsPositive);
// An entry's amount as the list, the export and the log show it.
[[nodiscard]] QString entryAmountText(const Expense& entry, bool incomeIsPositive);
[[nodiscard]] QString receiptText(const Expense& entry);
// The user's short date form; empty when the day count names no calendar day.
[[nodiscard]] QString dateText(double date, const UserLocale& locale);

// Lenient number reading that never fails: a leading "-" negates, the first "." starts the fraction,
// a second "." ends the scan, "E" or "e" scales by the whole number after it, anything else is skipped.
[[nodiscard]] double readNumber(QStringView text);
[[nodiscard]] double readNumber(QByteArrayView text);

// Why a typed amount cannot be taken; None when it can.
enum class TypedAmountProblem
{
    None,
    Empty,
    NotANumber,
    Negative,
};

struct TypedAmount
{
    double value = 0.0;
    TypedAmountProblem problem = TypedAmountProblem::None;
};

// An amount as a person types it: digits with at most one "." or "," before the decimals ("12", "2,87",
// ".5"), blanks around it allowed. Any other text is refused rather than read leniently as readNumber reads
// files: what is stored is what the user sees typed.
[[nodiscard]] TypedAmount readTypedAmount(QStringView text);

// An optional sign, then the digits up to the first other character; no digits give 0. Saturates at
// the limits of a 32-bit number.
[[nodiscard]] int readWholeNumber(QStringView text);
[[nodiscard]] int readWholeNumber(QByteArrayView text);

} // namespace tallyfox
