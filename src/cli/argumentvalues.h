// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include "core/settings.h"

#include <QDate>
#include <QSize>
#include <QString>
#include <QStringList>
#include <optional>

namespace tallyfox::cli {

// The largest amount a new entry may have.
inline constexpr double kLargestAmountArgument = 999999999.99;

// An amount as typed for a new entry: digits with at most two decimals after a ".", from 0 up to
// 999999999.99. Signs, exponents, "," and other text are refused: an amount the program would read
// leniently as something else must not be stored silently.
[[nodiscard]] std::optional<double> readAmountArgument(const QString& text);

// A calendar date as YYYY-MM-DD.
[[nodiscard]] std::optional<QDate> readDateArgument(const QString& text);

// A month as YYYY-MM, or the month of a date as YYYY-MM-DD, numbered as the charts number months.
[[nodiscard]] std::optional<int> readMonthArgument(const QString& text);

// A picture's size as WxH, each from 16 to 8192 pixels.
[[nodiscard]] std::optional<QSize> readSizeArgument(const QString& text);

// A choice index: plain decimal digits, below the limit.
[[nodiscard]] std::optional<int> readIndexArgument(const QString& text, int limit);

// The sort key named on the command line (name, date, amount, receipt, paidwith, source).
[[nodiscard]] std::optional<SortKey> sortKeyFromName(const QString& name);

// The month table named on the command line (types, sources, methods).
[[nodiscard]] std::optional<int> tableViewFromName(const QString& name);

// "--receipt" takes an optional number, which the option parser cannot express: "--receipt NUM" and
// "--receipt=NUM" become "--receipt-number=NUM". Values of other options are passed over, so a note
// that reads "--receipt" stays a note.
[[nodiscard]] QStringList joinReceiptNumber(const QStringList& arguments, const QStringList& valueOptions);

} // namespace tallyfox::cli
