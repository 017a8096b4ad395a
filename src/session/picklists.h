// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include "core/growablearray.h"

#include <QStringList>

namespace tallyfox {

class Session;

// Values that entries use and the lists lack: offered after each list's own items, marked as from the
// entries, so that imported and older entries' values can be picked again.
struct EntryPicks
{
    QStringList currencies;
    QStringList expenseTypes;
    QStringList intendedSources;
    QStringList paymentMethods;

    friend bool operator==(const EntryPicks&, const EntryPicks&) = default;
};

// The item editor's four drop-down lists. Each starts with the editor's built-in items.
struct PickLists
{
    QStringList currencies = {QStringLiteral("EUR"), QStringLiteral("US$"), QStringLiteral("GBP")};
    QStringList expenseTypes = {QStringLiteral("Train"), QStringLiteral("Car rental"),
                                QStringLiteral("Dinner"), QStringLiteral("Lunch"),
                                QStringLiteral("Breakfast")};
    QStringList intendedSources = {QStringLiteral("Employer"), QStringLiteral("Client"),
                                   QStringLiteral("Myself")};
    QStringList paymentMethods = {QStringLiteral("Cash"), QStringLiteral("Credit card"),
                                  QStringLiteral("Debit card")};
    // Filled by addEntryValues; never written to the defaults file.
    EntryPicks fromEntries;

    friend bool operator==(const PickLists&, const PickLists&) = default;
};

// Fills the lists from the defaults file, as the item editor does each time it opens: each list becomes the
// item names of its section (the text before the first "="), in file order. A missing or empty section
// leaves its list as it was, so the editor keeps what it showed before. A file that cannot be read changes
// no list and is reported through the session.
void loadPickLists(Session& session, PickLists& lists);

// Sets lists.fromEntries to the values the entries use that the lists lack: each value once, blank ones
// left out, in alphabetical order with case ignored.
void addEntryValues(const ExpenseArray& entries, PickLists& lists);

} // namespace tallyfox
