// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "session/purge.h"
#include "sessionfixture.h"

#include <gtest/gtest.h>

namespace tallyfox {
namespace {

using test::readFileBytes;

class Purge : public test::SessionTest
{
protected:
    Purge()
    {
        addEntries({{.type = "Cut-off day", .date = QDate(2010, 1, 2)},
                    {.type = "Day before", .date = QDate(2010, 1, 1)},
                    {.type = "Later", .date = QDate(2010, 1, 5)},
                    {.type = "Last year", .date = QDate(2009, 12, 31)}});
        // A time of day on the cut-off day does not make the entry earlier than that day.
        addEntries({{.type = "Cut-off evening", .date = QDate(2010, 1, 2)}});
        state.entries[4].date += 0.75;
    }
};

TEST_F(Purge, BeforeADayRemovesTheEarlierEntriesAndKeepsTheOrderOfTheOthers)
{
    EXPECT_EQ(countEntriesBefore(state, QDate(2010, 1, 2)), 2);
    purgeEntriesBefore(session, QDate(2010, 1, 2));
    EXPECT_EQ(types(), (QStringList{"Cut-off day", "Later", "Cut-off evening"}));
    EXPECT_EQ(logTexts(), QStringList{"Purge all before 1/2/10"});
    EXPECT_EQ(readFileBytes(state.databasePath), databaseBytes(state.entries));
    EXPECT_TRUE(session.takeMessages().isEmpty());
}

TEST_F(Purge, AllRemovesEveryEntryEvenFromAFileThatOpenFoundEmpty)
{
    // After Open, refreshes leave an empty table unwritten until the entries change; a purge is a change.
    state.keepFileIfEmpty = true;
    purgeAllEntries(session);
    EXPECT_EQ(state.entryCount(), 0);
    EXPECT_EQ(logTexts(), QStringList{"Purge all"});
    EXPECT_EQ(readFileBytes(state.databasePath), databaseBytes(ExpenseArray()));
}

TEST_F(Purge, OfNothingStillLogsAndRefreshesButKeepsAnOpenedFile)
{
    state.entries.clear();
    writeFileBytes(state.databasePath, "opened, no entry line\r\n");
    state.keepFileIfEmpty = true;
    EXPECT_EQ(countEntriesBefore(state, QDate(2010, 1, 2)), 0);
    purgeEntriesBefore(session, QDate(2010, 1, 2));
    purgeAllEntries(session);
    EXPECT_EQ(logTexts(), (QStringList{"Purge all before 1/2/10", "Purge all"}));
    EXPECT_EQ(readFileBytes(state.databasePath), "opened, no entry line\r\n");
}

TEST_F(Purge, WithLoggingOffRemovesWithoutALogLine)
{
    state.settings.enableLogging = false;
    purgeEntriesBefore(session, QDate(2010, 1, 5));
    EXPECT_EQ(types(), (QStringList{"Later"}));
    EXPECT_TRUE(logTexts().isEmpty());
}

struct CutOffCase
{
    QDate today;
    QDate proposed;
};

class ProposedCutOff : public ::testing::TestWithParam<CutOffCase>
{};

TEST_P(ProposedCutOff, IsOneCalendarMonthBack)
{
    AppState state(test::pinnedLocale());
    Registry registry{QString()};
    const Session session(state, Clock(QDateTime(GetParam().today, QTime(23, 59))), registry);
    EXPECT_EQ(proposedPurgeCutOff(session), GetParam().proposed);
}

INSTANTIATE_TEST_SUITE_P(Days, ProposedCutOff,
                         ::testing::Values(CutOffCase{QDate(2010, 3, 31), QDate(2010, 2, 28)},
                                           CutOffCase{QDate(2012, 3, 31), QDate(2012, 2, 29)},
                                           CutOffCase{QDate(2010, 1, 15), QDate(2009, 12, 15)},
                                           CutOffCase{QDate(2010, 5, 31), QDate(2010, 4, 30)}));

} // namespace
} // namespace tallyfox
