// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include "core/daycount.h"
#include "core/expense.h"

#include <QDate>
#include <QString>

namespace tallyfox::test {

// The fields of an entry that a test names; the rest keep these defaults. With designated initialisers a
// test writes only what it is about: makeExpense({.type = "Taxi", .amount = 12.5}).
struct EntryValues
{
    const char* type = "Dinner";
    const char* currency = "EUR";
    double amount = 10.0;
    bool income = false;
    QDate date = QDate(2010, 1, 2);
    const char* receipt = nullptr; // none: no receipt
    const char* note = "";
    const char* source = "Employer";
    const char* paidWith = "Cash";
};

inline Expense makeExpense(const EntryValues& values)
{
    Expense entry;
    entry.type = QString::fromUtf8(values.type);
    entry.currency = QString::fromUtf8(values.currency);
    entry.amount = values.amount;
    entry.income = values.income;
    entry.date = dayCountFromQDate(values.date);
    entry.hasReceipt = values.receipt != nullptr;
    entry.receipt = values.receipt != nullptr ? QString::fromUtf8(values.receipt) : QStringLiteral("00");
    entry.note = QString::fromUtf8(values.note);
    entry.intendedSource = QString::fromUtf8(values.source);
    entry.paidWith = QString::fromUtf8(values.paidWith);
    return entry;
}

} // namespace tallyfox::test
