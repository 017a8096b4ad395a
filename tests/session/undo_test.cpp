// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "session/importrows.h"
#include "session/purge.h"
#include "sessionfixture.h"

#include <functional>
#include <gtest/gtest.h>
#include <ostream>

namespace tallyfox {
namespace {

using test::makeDraft;
using test::readFileBytes;

// A change, what the menu then offers to take back, and the kinds of log line (the edit type, or the
// message) that the change, its undo and its redo each write.
struct UndoCase
{
    const char* name;
    std::function<void(Session&)> change;
    const char* undoText;
    QStringList changeLog;
    QStringList undoLog;
    QStringList redoLog;
};

std::ostream& operator<<(std::ostream& out, const UndoCase& undo)
{
    return out << undo.name;
}

const UndoCase kUndoCases[] = {
    {"New",
     [](Session& session) { session.storeEntry(makeDraft({.type = "Taxi", .amount = 8})); },
     "Undo new Taxi 8.00",
     {"New"},
     {"Delete"},
     {"New"}},
    {"Edit",
     [](Session& session) { session.storeEntry(makeDraft({.type = "Brunch", .amount = 14}), 1); },
     "Undo edit Brunch 14.00",
     {"EditFrom", "EditTo"},
     {"EditFrom", "EditTo"},
     {"EditFrom", "EditTo"}},
    {"Delete",
     [](Session& session) { session.deleteEntry(1); },
     "Undo delete Lunch 12.50",
     {"Delete"},
     {"New"},
     {"Delete"}},
    // The purged entries lie at both ends and in the middle; undo puts each back in its place.
    {"PurgeBefore",
     [](Session& session) { purgeEntriesBefore(session, QDate(2010, 1, 2)); },
     "Undo purge of 3 entries",
     {"Purge all before 1/2/10"},
     {"New", "New", "New"},
     {"Purge all before 1/2/10"}},
    {"PurgeAll",
     [](Session& session) { purgeAllEntries(session); },
     "Undo purge of 5 entries",
     {"Purge all"},
     {"New", "New", "New", "New", "New"},
     {"Purge all"}},
    // Rows of a statement, one of them the same day as an entry there.
    {"Import",
     [](Session& session) {
         ImportTally tally;
         session.importEntries(
             {{2, test::makeExpense({.type = "Bakery", .amount = 4.2})},
              {3, test::makeExpense({.type = "Fuel", .amount = 61, .date = QDate(2010, 1, 5)})}},
             false, tally);
     },
     "Undo import of 2 entries",
     {"New", "New"},
     {"Delete", "Delete"},
     {"New", "New"}},
    {"Sort",
     [](Session& session) { session.sortBy(SortKey::Amount, true); },
     "Undo sort by amount",
     {},
     {},
     {}},
};

class Undo : public test::SessionTest, public ::testing::WithParamInterface<UndoCase>
{
protected:
    Undo()
    {
        addEntries({{.type = "Early", .amount = 3, .date = QDate(2009, 12, 30)},
                    {.type = "Lunch", .amount = 12.5, .date = QDate(2010, 1, 5)},
                    {.type = "Before", .amount = 99, .date = QDate(2010, 1, 1)},
                    {.type = "Hotel", .amount = 80, .date = QDate(2010, 1, 2)},
                    {.type = "Last", .amount = 1, .date = QDate(2009, 11, 1)}});
        session.refreshList(false);
        EXPECT_TRUE(session.takeMessages().isEmpty());
    }

    // The kinds of the log lines written since the log held `from` lines.
    [[nodiscard]] QStringList logKindsSince(qsizetype from) const
    {
        QStringList kinds;
        const QStringList texts = logTexts();
        for (qsizetype i = from; i < texts.size(); ++i)
            kinds << texts[i].section(u'\t', 0, 0);
        return kinds;
    }
};

TEST_P(Undo, TakesTheChangeBackAndMakesItAgainInTheFileAndTheLog)
{
    const UndoCase& undo = GetParam();
    const QByteArray before = readFileBytes(state.databasePath);
    ASSERT_EQ(before, databaseBytes(state.entries));
    EXPECT_FALSE(session.history().canUndo());

    undo.change(session);
    const QByteArray after = readFileBytes(state.databasePath);
    ASSERT_NE(after, before);
    EXPECT_EQ(after, databaseBytes(state.entries));
    EXPECT_EQ(logKindsSince(0), undo.changeLog);
    EXPECT_EQ(session.history().undoText(), QString::fromUtf8(undo.undoText));
    EXPECT_EQ(session.history().redoText(), QStringLiteral("Redo"));

    qsizetype logged = logTexts().size();
    EXPECT_TRUE(session.undo().stored());
    EXPECT_EQ(readFileBytes(state.databasePath), before);
    EXPECT_EQ(databaseBytes(state.entries), before);
    EXPECT_EQ(logKindsSince(logged), undo.undoLog);
    EXPECT_FALSE(session.history().canUndo());
    EXPECT_EQ(session.history().redoText(), QString::fromUtf8(undo.undoText).replace(0, 4, "Redo"));

    logged = logTexts().size();
    EXPECT_TRUE(session.redo().stored());
    EXPECT_EQ(readFileBytes(state.databasePath), after);
    EXPECT_EQ(databaseBytes(state.entries), after);
    EXPECT_EQ(logKindsSince(logged), undo.redoLog);
    EXPECT_EQ(session.history().undoText(), QString::fromUtf8(undo.undoText));
    EXPECT_FALSE(session.history().canRedo());
    EXPECT_TRUE(session.takeMessages().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(EachChange, Undo, ::testing::ValuesIn(kUndoCases),
                         [](const auto& info) { return std::string(info.param.name); });

class UndoHistoryOfARun : public test::SessionTest
{
protected:
    UndoHistoryOfARun()
    {
        addEntries({{.type = "Lunch", .amount = 12.5}, {.type = "Taxi", .amount = 8}});
        session.refreshList(false);
    }
};

TEST_F(UndoHistoryOfARun, AnUndoneEditLogsTheEntryBackFromWhatItBecame)
{
    session.storeEntry(makeDraft({.type = "Brunch", .amount = 14}), 0);
    const QStringList edit = logTexts();
    ASSERT_EQ(edit.size(), 2);
    EXPECT_TRUE(session.undo().stored());
    const QStringList texts = logTexts();
    ASSERT_EQ(texts.size(), 4);
    EXPECT_EQ(texts[2].section(u'\t', 1), edit[1].section(u'\t', 1));
    EXPECT_EQ(texts[3].section(u'\t', 1), edit[0].section(u'\t', 1));
}

TEST_F(UndoHistoryOfARun, StepsGoBackNewestFirstAndANewChangeEndsWhatCouldBeRedone)
{
    const QByteArray start = readFileBytes(state.databasePath);
    session.deleteEntry(0);
    session.storeEntry(makeDraft({.type = "Hotel", .amount = 80}));
    session.sortBy(SortKey::Name, false);
    EXPECT_EQ(session.history().undoCount(), 3);
    for (const char* text : {"Undo sort by name", "Undo new Hotel 80.00", "Undo delete Lunch 12.50"}) {
        EXPECT_EQ(session.history().undoText(), QString::fromUtf8(text));
        EXPECT_TRUE(session.undo().stored());
    }
    EXPECT_EQ(readFileBytes(state.databasePath), start);
    EXPECT_EQ(session.history().redoCount(), 3);
    EXPECT_TRUE(session.redo().stored());
    EXPECT_EQ(types(), (QStringList{"Taxi"}));

    session.deleteEntry(0);
    EXPECT_FALSE(session.history().canRedo());
    EXPECT_EQ(session.history().undoText(), QStringLiteral("Undo delete Taxi 8.00"));
    EXPECT_FALSE(session.redo().applied);
}

TEST_F(UndoHistoryOfARun, NewOpenAndSaveAsClearIt)
{
    const std::function<void()> fileCommands[] = {
        [&] { session.newDatabase(file(QStringLiteral("new.tfx"))); },
        [&] { session.openDatabase(file(QStringLiteral("new.tfx"))); },
        [&] { session.saveDatabaseAs(file(QStringLiteral("other.tfx"))); },
    };
    for (const std::function<void()>& command : fileCommands) {
        session.storeEntry(makeDraft({.type = "Hotel"}));
        ASSERT_TRUE(session.undo().stored());
        session.storeEntry(makeDraft({.type = "Taxi"}));
        ASSERT_TRUE(session.history().canUndo());
        command();
        EXPECT_FALSE(session.history().canUndo());
        EXPECT_FALSE(session.history().canRedo());
        EXPECT_EQ(session.history().undoText(), QStringLiteral("Undo"));
        EXPECT_FALSE(session.undo().applied);
    }
}

} // namespace
} // namespace tallyfox
