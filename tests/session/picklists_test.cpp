// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "session/picklists.h"
#include "sessionfixture.h"
#include "storage/defaultsfile.h"
#include "support/entrybuilder.h"

#include <QDir>
#include <gtest/gtest.h>
#include <vector>

namespace tallyfox {
namespace {

using test::writeFileBytes;

class LoadPickLists : public test::SessionTest
{
protected:
    void writeDefaults(const QByteArray& content) const { writeFileBytes(defaultsFilePath(state), content); }
};

TEST_F(LoadPickLists, WithoutADefaultsFileTheBuiltInItemsStay)
{
    PickLists lists;
    loadPickLists(session, lists);
    EXPECT_EQ(lists, PickLists());
    EXPECT_EQ(lists.paymentMethods, (QStringList{"Cash", "Credit card", "Debit card"}));
    EXPECT_TRUE(session.takeMessages().isEmpty());
}

TEST_F(LoadPickLists, EachSectionThatHasLinesReplacesItsListByItemNames)
{
    writeDefaults("[Currencies]\r\nCHF = Primary\r\nEUR=0.66\r\n"
                  "[Expense types]\r\n  Taxi  \r\nHotel=Room\r\n\r\nFuel\r\n"
                  "[Intended sources]\r\n"
                  "[Notes]\r\nkept=as it is\r\n");
    PickLists lists;
    // What the editor showed before, from an earlier opening.
    lists.intendedSources = QStringList{"Earlier"};
    loadPickLists(session, lists);
    EXPECT_EQ(lists.currencies, (QStringList{"CHF", "EUR"}));
    EXPECT_EQ(lists.expenseTypes, (QStringList{"Taxi", "Hotel", "Fuel"}));
    // An empty section and a missing one leave their lists as they were.
    EXPECT_EQ(lists.intendedSources, QStringList{"Earlier"});
    EXPECT_EQ(lists.paymentMethods, PickLists().paymentMethods);
    EXPECT_TRUE(session.takeMessages().isEmpty());
}

TEST_F(LoadPickLists, AFileThatCannotBeReadIsReportedAndChangesNoList)
{
    QDir().mkpath(defaultsFilePath(state));
    PickLists lists;
    lists.expenseTypes = QStringList{"Earlier"};
    loadPickLists(session, lists);
    EXPECT_EQ(lists.expenseTypes, QStringList{"Earlier"});
    EXPECT_EQ(lists.currencies, PickLists().currencies);
    const QStringList problems = session.takeMessages();
    ASSERT_EQ(problems.size(), 1);
    EXPECT_TRUE(problems[0].contains(defaultsFilePath(state))) << problems[0].toStdString();
}

TEST(AddEntryValues, OffersWhatTheEntriesUseAndTheListsLackOnceAndSorted)
{
    const struct
    {
        const char* what;
        std::vector<test::EntryValues> entries;
        EntryPicks expected;
    } cases[] = {
        {"values in the lists add nothing", {{}, {.type = "Lunch", .paidWith = "Debit card"}}, {}},
        {"each value once, sorted with case ignored, blank ones left out",
         {{.type = "Taxi", .currency = "CHF", .source = "", .paidWith = "Voucher"},
          {.type = "apples", .currency = "CHF", .paidWith = " "},
          {.type = "Taxi", .paidWith = "Voucher"},
          {.type = "dinner"},
          {.type = "Zoo", .source = "Grant"}},
         {{"CHF"}, {"apples", "dinner", "Taxi", "Zoo"}, {"Grant"}, {"Voucher"}}},
        {"a value that differs only in case from another is offered too",
         {{.type = "taxi"}, {.type = "Taxi"}},
         {{}, {"Taxi", "taxi"}, {}, {}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ExpenseArray entries;
        for (const test::EntryValues& values : c.entries)
            entries.append(test::makeExpense(values));
        PickLists lists;
        addEntryValues(entries, lists);
        EXPECT_EQ(lists.fromEntries.currencies, c.expected.currencies);
        EXPECT_EQ(lists.fromEntries.expenseTypes, c.expected.expenseTypes);
        EXPECT_EQ(lists.fromEntries.intendedSources, c.expected.intendedSources);
        EXPECT_EQ(lists.fromEntries.paymentMethods, c.expected.paymentMethods);
        PickLists own = lists;
        own.fromEntries = {};
        EXPECT_EQ(own, PickLists()) << "the lists' own items stay as they were";
    }
}

} // namespace
} // namespace tallyfox
