// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "sessionfixture.h"

#include <gtest/gtest.h>
#include <vector>

namespace tallyfox {
namespace {

using test::makeDraft;
using test::readFileBytes;

class StoreEntry : public test::SessionTest
{
protected:
    StoreEntry() { state.settings.nextReceiptNumber = 7; }
};

TEST_F(StoreEntry, ANewEntryIsAppendedWithItsValuesAndLogged)
{
    addEntries({{.type = "Zebra"}});
    EntryDraft draft = makeDraft({.type = "Lunch",
                                  .currency = "US$",
                                  .amount = 12.34,
                                  .income = true,
                                  .date = QDate(2009, 12, 31),
                                  .note = "With Ann",
                                  .source = "Client",
                                  .paidWith = "Credit card"});
    session.storeEntry(draft);
    EXPECT_TRUE(session.takeMessages().isEmpty());

    ASSERT_EQ(state.entryCount(), 2);
    const Expense& entry = state.entries[1];
    EXPECT_EQ(entry.type, QStringLiteral("Lunch"));
    EXPECT_EQ(entry.currency, QStringLiteral("US$"));
    EXPECT_EQ(entry.amount, 12.34);
    EXPECT_TRUE(entry.income);
    EXPECT_EQ(entry.date, dayCountFromDate(2009, 12, 31));
    EXPECT_EQ(entry.note, QStringLiteral("With Ann"));
    EXPECT_EQ(entry.intendedSource, QStringLiteral("Client"));
    EXPECT_EQ(entry.paidWith, QStringLiteral("Credit card"));
    // The refresh has cleared the marker after revealing the row.
    EXPECT_FALSE(entry.justChanged);
    EXPECT_EQ(readFileBytes(state.databasePath), databaseBytes(state.entries));
    EXPECT_EQ(logTexts(),
              QStringList({"New\t12/31/09\tUS$\t-12.34\tLunch\tClient\tWith Ann\tCredit card\t-"}));
}

struct ReceiptCase
{
    const char* name;
    const char* receipt; // of the draft; none: no receipt
    const char* stored;
    quint16 nextReceiptNum;
    bool lastHasReceipt;
    // The draft's receipt is the number the editor proposed, not one the user typed.
    bool proposed = false;
    // The receipts of the entries already stored.
    std::vector<const char*> held = {};
};

class NewEntryReceipt : public StoreEntry, public ::testing::WithParamInterface<ReceiptCase>
{};

TEST_P(NewEntryReceipt, UsingTheProposedNumberAdvancesIt)
{
    const ReceiptCase& c = GetParam();
    for (const char* held : c.held)
        state.entries.append(test::makeExpense({.receipt = held}));
    state.settings.lastHasReceipt = !c.lastHasReceipt;
    EntryDraft draft = makeDraft({.receipt = c.receipt});
    draft.receiptProposed = c.proposed;
    session.storeEntry(draft);
    ASSERT_EQ(state.entryCount(), qsizetype(c.held.size()) + 1);
    const Expense& stored = state.entries[state.entryCount() - 1];
    EXPECT_EQ(stored.receipt, QString::fromUtf8(c.stored));
    EXPECT_EQ(stored.hasReceipt, c.receipt != nullptr);
    EXPECT_EQ(state.settings.nextReceiptNumber, c.nextReceiptNum);
    EXPECT_EQ(state.settings.lastHasReceipt, c.lastHasReceipt);
}

INSTANTIATE_TEST_SUITE_P(
    Receipts, NewEntryReceipt,
    ::testing::Values(ReceiptCase{"none", nullptr, "00", 7, false},
                      ReceiptCase{"counters", "7", "7", 8, true},
                      // A number typed over the proposed one uses up the proposal too.
                      ReceiptCase{"typed", "A-12", "A-12", 8, true},
                      ReceiptCase{"proposed", "7", "7", 8, true, true, {"3", "A7"}},
                      // The editor proposed the number after the highest, since 7 is taken.
                      ReceiptCase{"proposedPastATakenCounter", "122", "122", 123, true, true, {"7", "121"}},
                      // Another writer took the proposed number while the editor was open.
                      ReceiptCase{"proposedButTakenMeanwhile", "7", "10", 11, true, true, {"7", "9"}},
                      // The user typed a number that is taken: it is the user's choice.
                      ReceiptCase{"typedATakenNumber", "7", "7", 8, true, false, {"7", "9"}}),
    [](const ::testing::TestParamInfo<ReceiptCase>& info) { return std::string(info.param.name); });

TEST_F(StoreEntry, TheProposedReceiptNumberIsTheCountersUnlessAnEntryHoldsIt)
{
    EXPECT_EQ(session.proposedReceiptNumber(), 7);
    addEntries({{.receipt = "6"}, {.receipt = "A7"}, {.receipt = "8"}});
    EXPECT_EQ(session.proposedReceiptNumber(), 7) << "no entry holds 7";
    addEntries({{.receipt = "7"}});
    EXPECT_EQ(session.proposedReceiptNumber(), 9) << "one more than the highest number";
}

struct EditReceiptCase
{
    const char* name;
    const char* before; // the stored entry's receipt; none: no receipt
    const char* after;  // the draft's
    quint16 nextReceiptNum;
};

class EditEntryReceipt : public StoreEntry, public ::testing::WithParamInterface<EditReceiptCase>
{};

TEST_P(EditEntryReceipt, OnlyGivingAReceiptToAnEntryWithoutOneAdvancesTheCounter)
{
    const EditReceiptCase& c = GetParam();
    addEntries({{.receipt = c.before}});
    state.settings.lastHasReceipt = true;
    session.storeEntry(makeDraft({.receipt = c.after}), 0);
    ASSERT_EQ(state.entryCount(), 1);
    EXPECT_EQ(state.entries[0].hasReceipt, c.after != nullptr);
    EXPECT_EQ(state.settings.nextReceiptNumber, c.nextReceiptNum);
    // Only new entries change the remembered receipt flag.
    EXPECT_TRUE(state.settings.lastHasReceipt);
}

INSTANTIATE_TEST_SUITE_P(
    Receipts, EditEntryReceipt,
    ::testing::Values(EditReceiptCase{"given", nullptr, "7", 8}, EditReceiptCase{"kept", "3", "3", 7},
                      EditReceiptCase{"changed", "3", "4", 7}, EditReceiptCase{"taken", "3", nullptr, 7},
                      EditReceiptCase{"stillNone", nullptr, nullptr, 7}),
    [](const ::testing::TestParamInfo<EditReceiptCase>& info) { return std::string(info.param.name); });

TEST_F(StoreEntry, AnEditLogsTheValuesBeforeAndAfterAndKeepsThePlace)
{
    addEntries({{.type = "Train", .amount = 30.0},
                {.type = "Lunch", .amount = 8.0, .receipt = "3"},
                {.type = "Hotel", .amount = 90.0}});
    session.storeEntry(makeDraft({.type = "Dinner", .currency = "GBP", .amount = 9.5, .receipt = "3"}), 1);
    EXPECT_TRUE(session.takeMessages().isEmpty());
    EXPECT_EQ(types(), QStringList({"Train", "Dinner", "Hotel"}));
    EXPECT_EQ(state.entries[1].currency, QStringLiteral("GBP"));
    EXPECT_EQ(state.entries[1].amount, 9.5);
    EXPECT_EQ(logTexts(), QStringList({"EditFrom\t1/2/10\tEUR\t8.00\tLunch\tEmployer\t\tCash\t3",
                                       "EditTo\t1/2/10\tGBP\t9.50\tDinner\tEmployer\t\tCash\t3"}));
    EXPECT_EQ(readFileBytes(state.databasePath), databaseBytes(state.entries));
}

TEST_F(StoreEntry, AnEditOfAnEntryThatIsGoneChangesNothing)
{
    addEntries({{.type = "Train"}});
    for (const int index : {1, -1}) {
        session.storeEntry(makeDraft({.type = "Ghost", .currency = "CHF", .receipt = "7"}), index);
        EXPECT_EQ(types(), QStringList({"Train"}));
        EXPECT_EQ(state.settings.nextReceiptNumber, 7);
        EXPECT_EQ(state.settings.lastUsedCurrency, QStringLiteral("EUR"));
        EXPECT_TRUE(logTexts().isEmpty());
    }
}

TEST_F(StoreEntry, TheLastUsedChoicesAreRemembered)
{
    state.settings.lastIncome = false;
    session.storeEntry(
        makeDraft({.currency = "GBP", .income = true, .source = "Myself", .paidWith = "Debit card"}));
    EXPECT_EQ(state.settings.lastUsedCurrency, QStringLiteral("GBP"));
    EXPECT_EQ(state.settings.lastIntendedSource, QStringLiteral("Myself"));
    EXPECT_EQ(state.settings.lastPaidWith, QStringLiteral("Debit card"));
    // The income flag is remembered by the editor's options, not by storing.
    EXPECT_FALSE(state.settings.lastIncome);

    // An edit is a use of its choices too.
    session.storeEntry(makeDraft({.currency = "CHF", .source = "Client", .paidWith = "Cash"}), 0);
    EXPECT_EQ(state.settings.lastUsedCurrency, QStringLiteral("CHF"));
    EXPECT_EQ(state.settings.lastIntendedSource, QStringLiteral("Client"));
    EXPECT_EQ(state.settings.lastPaidWith, QStringLiteral("Cash"));
}

TEST_F(StoreEntry, WithoutLoggingTheEntryIsStoredAndNothingLogged)
{
    state.settings.enableLogging = false;
    session.storeEntry(makeDraft({.type = "Taxi"}));
    session.storeEntry(makeDraft({.type = "Bus"}), 0);
    EXPECT_EQ(types(), QStringList({"Bus"}));
    EXPECT_TRUE(logTexts().isEmpty());
    EXPECT_EQ(readFileBytes(state.databasePath), databaseBytes(state.entries));
}

} // namespace
} // namespace tallyfox
