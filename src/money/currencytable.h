// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include "core/growablearray.h"

#include <QString>
#include <QStringList>
#include <QStringView>

namespace tallyfox {

struct AppState;

// Removes every character of code 32 or less (blanks, tabs, line ends, control characters) from both ends.
[[nodiscard]] QStringView trimText(QStringView text);

// The halves of a name=value line: before and after the first "=", each trimmed. A line without "="
// is all name and has an empty value.
[[nodiscard]] QString lineName(QStringView line);
[[nodiscard]] QString lineValue(QStringView line);

// A rate as typed or stored: "," counts as ".", and the lenient number reader never fails
// (unreadable text gives 0.0).
[[nodiscard]] double readRate(QStringView text);

// Replaces the table with one currency per line of the section "Currencies", in file order. The first
// line is the primary currency, rate 1.0 whatever its value says; a later line without a readable
// rate gets 0.0, which converts nothing.
void buildCurrencyTable(CurrencyArray& currencies, const QStringList& lines);
void buildCurrencyTable(AppState& state, const QStringList& lines);

// The index of the currency of this name (trimmed, case matters), or -1. When two entries share a
// name the later one wins.
[[nodiscard]] int findCurrency(const CurrencyArray& currencies, QStringView name);

// Only a rate above zero converts. A hand-edited file may hold 0, a negative number or a number too
// large to be finite; such a currency is treated as missing from the table.
[[nodiscard]] bool isUsableRate(double rate);
// amount ÷ rate, or 0.0 when the rate is unusable or the quotient is not a finite number.
[[nodiscard]] double convertByRate(double amount, double rate);

// The amount in the primary currency, or 0.0 when it cannot be converted: the currency is not in the
// table, its rate is unusable, or the result would not be a finite number. Never infinite or NaN.
[[nodiscard]] double convertToPrimary(const CurrencyArray& currencies, double amount, QStringView currency);

// The converted amount with the sign the list shows, or "?" when it converts to 0.0 (an amount of 0
// included).
[[nodiscard]] QString primaryAmountText(const CurrencyArray& currencies, double amount, QStringView currency,
                                        bool isIncome, bool incomeIsPositive);

} // namespace tallyfox
