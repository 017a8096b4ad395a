// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "money/currencytable.h"
#include "session/entrycells.h"
#include "sessionfixture.h"

#include <gtest/gtest.h>
#include <set>

namespace tallyfox {
namespace {

using test::EntryValues;
using test::makeExpense;

TEST(EntryCells, EachColumnHeaderChoosesItsSortKey)
{
    const std::optional<SortKey> expected[kListColumnCount] = {
        SortKey::Name,     SortKey::Receipt,        std::nullopt,
        SortKey::Date,     SortKey::Amount,         SortKey::Amount,
        SortKey::PaidWith, SortKey::IntendedSource, std::nullopt};
    for (int column = 0; column < kListColumnCount; ++column)
        EXPECT_EQ(sortKeyOfColumn(column), expected[column]) << "column " << column;
    EXPECT_EQ(sortKeyOfColumn(-1), std::nullopt);
    EXPECT_EQ(sortKeyOfColumn(kListColumnCount), std::nullopt);
}

TEST(EntryCells, CellsShowTheEntryAsTheListDoes)
{
    AppState state(test::pinnedLocale());
    buildCurrencyTable(state, {QStringLiteral("EUR=Primary"), QStringLiteral("US$=1.44")});
    const Expense income = makeExpense({.type = "Salary",
                                        .currency = "US$",
                                        .amount = 20.0,
                                        .income = true,
                                        .date = QDate(2009, 12, 31),
                                        .note = "Bonus",
                                        .source = "Client",
                                        .paidWith = "Bank"});
    const QStringList expected = {
        QStringLiteral("Salary"),   QStringLiteral("-"),      QStringLiteral("Bonus"),
        QStringLiteral("12/31/09"), QStringLiteral("US$"),    QStringLiteral("-20.00"),
        QStringLiteral("Bank"),     QStringLiteral("Client"), QStringLiteral("-13.89")};
    for (int column = 0; column < kListColumnCount; ++column)
        EXPECT_EQ(entryCellText(state, income, column), expected[column]) << "column " << column;
    // The column that a setting names shows what the setting is named for, each in a column of its own.
    const ColumnArray<QString> named = {
        {QStringLiteral("Salary"), QStringLiteral("12/31/09"), QStringLiteral("US$"),
         QStringLiteral("-20.00"), QStringLiteral("Bank"), QStringLiteral("Client"), QStringLiteral("-"),
         QStringLiteral("Bonus"), QStringLiteral("-13.89")}};
    std::set<int> sections;
    for (const ColumnId id : kColumnIds) {
        EXPECT_EQ(entryCellText(state, income, listSectionOf(id)), named[id])
            << QString::fromUtf16(columnIdentifier(id)).toStdString();
        sections.insert(listSectionOf(id));
    }
    EXPECT_EQ(sections.size(), size_t(kListColumnCount));

    // Incomes shown as positive turn the signs round; a receipt shows its number.
    state.settings.incomeIsPositive = true;
    const Expense expense = makeExpense({.currency = "GBP", .amount = 5.0, .receipt = "0042"});
    EXPECT_EQ(entryCellText(state, expense, static_cast<int>(ListColumn::Amount)), QStringLiteral("-5.00"));
    EXPECT_EQ(entryCellText(state, expense, static_cast<int>(ListColumn::Receipt)), QStringLiteral("0042"));
    EXPECT_EQ(entryCellText(state, expense, static_cast<int>(ListColumn::PrimaryAmount)),
              QStringLiteral("?"));
    EXPECT_EQ(entryCellText(state, income, static_cast<int>(ListColumn::PrimaryAmount)),
              QStringLiteral("13.89"));
    EXPECT_EQ(entryCellText(state, income, kListColumnCount), QString());
}

} // namespace
} // namespace tallyfox
