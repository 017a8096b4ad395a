// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include "core/appstate.h"
#include "core/daycount.h"
#include "money/currencytable.h"
#include "support/entrybuilder.h"
#include "support/printers.h"
#include "support/testenvironment.h"

#include <QString>
#include <QStringList>
#include <ostream>

namespace tallyfox::test {

// The currency table of the worked examples: EUR primary, 1 EUR = 1.44 US$ = 0.89 GBP.
inline const QStringList kEuroTable = {QStringLiteral("EUR=Primary"), QStringLiteral("US$=1.44"),
                                       QStringLiteral("GBP=0.89")};

struct EntryFields
{
    const char* type = "Dinner";
    const char* currency = "EUR";
    double amount = 0.0;
    bool income = false;
    int year = 2010;
    int month = 1;
    int day = 2;
    const char* source = "Employer";
    const char* paidWith = "Cash";
};

inline Expense makeEntry(const EntryFields& fields)
{
    return makeExpense({.type = fields.type,
                        .currency = fields.currency,
                        .amount = fields.amount,
                        .income = fields.income,
                        .date = QDate(fields.year, fields.month, fields.day),
                        .source = fields.source,
                        .paidWith = fields.paidWith});
}

// A state with the pinned locale, a currency table built from lines, and the given entries.
inline AppState makeState(const QStringList& currencyLines, std::initializer_list<EntryFields> entries)
{
    AppState state(pinnedLocale());
    buildCurrencyTable(state, currencyLines);
    state.databasePath = QStringLiteral("/home/ann/.local/share/tallyfox/TallyfoxData.tfx");
    for (const EntryFields& fields : entries)
        state.entries.append(makeEntry(fields));
    return state;
}

} // namespace tallyfox::test
