// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

// The database written on a thread of its own: what a settled write leaves, changes made while it runs,
// a failure told when it is settled, and the end of a session waiting for it.
#include "platform/filelock.h"
#include "sessionfixture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <atomic>
#include <gtest/gtest.h>

namespace tallyfox {
namespace {

using test::makeDraft;
using test::readFileBytes;

class BackgroundWrites : public test::SessionTest
{
protected:
    BackgroundWrites()
    {
        addEntries({{.type = "Train", .amount = 30.0}, {.type = "Lunch", .amount = 8.0}});
        session.refreshList(false);
        EXPECT_TRUE(session.takeMessages().isEmpty());
        session.database().writeInBackground([this] { ++notices; });
    }

    [[nodiscard]] bool lockIsFree() const
    {
        FileLock other(state.databasePath, LockPurpose::Write);
        const bool free = other.lock(std::chrono::milliseconds(0));
        if (free)
            other.unlock();
        return free;
    }

    std::atomic<int> notices = 0;
};

TEST_F(BackgroundWrites, EachChangeIsWrittenAndTheLockIsHeldUntilItIsSettled)
{
    const QByteArray first = readFileBytes(state.databasePath);
    Session nextRun(state, clock, registry);
    ASSERT_TRUE(nextRun.database().load().ok());
    nextRun.database().writeInBackground([this] { ++notices; });
    nextRun.storeEntry(makeDraft({.type = "Taxi"}));
    // Held for the write, whether or not it has ended: another writer waits for the settle.
    EXPECT_FALSE(lockIsFree());
    nextRun.storeEntry(makeDraft({.type = "Bus"}));
    nextRun.deleteEntry(0);
    nextRun.database().settle();
    EXPECT_FALSE(nextRun.database().isWriting());
    EXPECT_TRUE(lockIsFree());
    EXPECT_EQ(notices, 3);
    EXPECT_TRUE(nextRun.lastDatabaseWrite().ok());
    EXPECT_TRUE(nextRun.takeMessages().isEmpty());
    EXPECT_EQ(types(), QStringList({"Lunch", "Taxi", "Bus"}));
    EXPECT_EQ(readFileBytes(state.databasePath), databaseBytes(state.entries));
    // The first write of the run kept the file as it was, once.
    EXPECT_EQ(readFileBytes(state.databasePath + QStringLiteral(".bak")), first);
}

TEST_F(BackgroundWrites, AChangeMadeWhileTheWriteRunsIsKeptWhenTheFileChangesElsewhere)
{
    session.storeEntry(makeDraft({.type = "Taxi"}));
    // Deleted while the write of Taxi may still run: the journal keeps it after that write settles.
    session.removeEntryAt(0, true);
    session.database().settle();
    ASSERT_EQ(session.database().journal().changes().size(), 1u);

    // Another program adds an entry to the file that holds Taxi but not yet the deletion.
    QFile database(state.databasePath);
    ASSERT_TRUE(database.open(QIODevice::Append));
    database.write("item\t2010\t1\t2\tEUR\t5.00\tfalse\tBy hand\tEmployer\tCash\tfalse\t00\t\r\n");
    database.close();
    session.refreshList(false);
    session.database().settle();
    EXPECT_TRUE(session.takeMessages().isEmpty());
    EXPECT_EQ(types(), QStringList({"Lunch", "Taxi", "By hand"}));
    EXPECT_EQ(readFileBytes(state.databasePath), databaseBytes(state.entries));
}

TEST_F(BackgroundWrites, AFailedWriteIsToldWhenItIsSettledAndTriedAgain)
{
    const QByteArray before = readFileBytes(state.databasePath);
    Session later(state, clock, registry);
    ASSERT_TRUE(later.database().load().ok());
    later.database().writeInBackground([this] { ++notices; });
    // A folder stands where the backup belongs.
    ASSERT_TRUE(QDir().mkpath(state.databasePath + QStringLiteral(".bak")));
    later.storeEntry(makeDraft({.type = "Taxi"}));
    later.database().settle();
    EXPECT_FALSE(later.lastDatabaseWrite().ok());
    const QStringList messages = later.takeMessages();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].contains(u".bak"));
    EXPECT_EQ(readFileBytes(state.databasePath), before);
    EXPECT_TRUE(lockIsFree());

    ASSERT_TRUE(QDir().rmdir(state.databasePath + QStringLiteral(".bak")));
    later.storeEntry(makeDraft({.type = "Bus"}));
    later.database().settle();
    EXPECT_TRUE(later.lastDatabaseWrite().ok());
    EXPECT_EQ(readFileBytes(state.databasePath), databaseBytes(state.entries));
}

// Changes in quick turns stop the write still running, which leaves the file as it was and no temporary
// file behind; the last write holds them all, and the first kept the file as it was before.
TEST_F(BackgroundWrites, AChangeStopsTheWriteBeforeItAndTheLastHoldsThemAll)
{
    for (int i = 0; i < 150000; ++i)
        state.entries.append(test::makeExpense({.type = "Bulk", .amount = double(i)}));
    session.refreshList(false);
    session.database().settle();
    const QByteArray first = readFileBytes(state.databasePath);
    Session nextRun(state, clock, registry);
    ASSERT_TRUE(nextRun.database().load().ok());
    nextRun.database().writeInBackground([this] { ++notices; });
    nextRun.storeEntry(makeDraft({.type = "Taxi"}));
    nextRun.storeEntry(makeDraft({.type = "Bus"}));
    nextRun.deleteEntry(0);
    nextRun.database().settle();
    EXPECT_TRUE(nextRun.lastDatabaseWrite().ok());
    EXPECT_TRUE(nextRun.takeMessages().isEmpty());
    EXPECT_TRUE(nextRun.database().journal().isEmpty());
    EXPECT_EQ(readFileBytes(state.databasePath), databaseBytes(state.entries));
    EXPECT_EQ(readFileBytes(state.databasePath + QStringLiteral(".bak")), first);
    EXPECT_EQ(QDir(QFileInfo(state.databasePath).path())
                  .entryList({QStringLiteral("*tallyfox-tmp*")}, QDir::Files | QDir::Hidden),
              QStringList());

    // Stopped before it began, a write of fewer entries than the state's changes nothing and fails in
    // nothing.
    ExpenseArray fewer = state.entries;
    fewer.dropLast();
    DatabaseWriteJob job{.path = state.databasePath, .entries = fewer, .count = fewer.count()};
    const std::atomic<bool> stop = true;
    const DatabaseWriteOutcome outcome = runDatabaseWrite(job, &stop);
    EXPECT_TRUE(outcome.superseded);
    EXPECT_TRUE(outcome.result.ok());
    EXPECT_EQ(readFileBytes(state.databasePath), databaseBytes(state.entries));
}

TEST_F(BackgroundWrites, TheEndOfASessionWaitsForItsWrite)
{
    {
        Session nextRun(state, clock, registry);
        ASSERT_TRUE(nextRun.database().load().ok());
        nextRun.database().writeInBackground([] {});
        nextRun.storeEntry(makeDraft({.type = "Taxi"}));
    }
    EXPECT_EQ(readFileBytes(state.databasePath), databaseBytes(state.entries));
    EXPECT_TRUE(lockIsFree());
}

} // namespace
} // namespace tallyfox
