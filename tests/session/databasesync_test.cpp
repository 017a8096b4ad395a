// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

// Writing the database when another program may have changed it: the journal made again on a file
// changed elsewhere, the backup, fresh receipt numbers and files that are no database.
#include "session/changejournal.h"
#include "session/purge.h"
#include "startupfixture.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>
#include <unistd.h>

namespace tallyfox {
namespace {

using test::makeDraft;
using test::makeExpense;
using test::readFileBytes;
using test::writeFileBytes;

class ChangesElsewhere : public test::SessionTest
{
protected:
    ChangesElsewhere()
    {
        addEntries({{.type = "Train", .amount = 30.0}, {.type = "Lunch", .amount = 8.0}});
        session.refreshList(false);
        EXPECT_TRUE(session.takeMessages().isEmpty());
    }

    // Another program rewrites the file with these entries.
    void writeElsewhere(std::initializer_list<test::EntryValues> entries)
    {
        ExpenseArray array;
        for (const test::EntryValues& values : entries)
            array.append(makeExpense(values));
        writeFileBytes(state.databasePath, databaseBytes(array));
    }
};

TEST_F(ChangesElsewhere, AnEntryAddedElsewhereIsKeptBesideTheNewOne)
{
    QFile database(state.databasePath);
    ASSERT_TRUE(database.open(QIODevice::Append));
    database.write("item\t2010\t1\t2\tEUR\t5.00\tfalse\tBy hand\tEmployer\tCash\tfalse\t00\t\r\n");
    database.close();

    session.storeEntry(makeDraft({.type = "Taxi"}));
    EXPECT_TRUE(session.takeMessages().isEmpty());
    EXPECT_EQ(types(), QStringList({"Train", "Lunch", "By hand", "Taxi"}));
    EXPECT_EQ(readFileBytes(state.databasePath), databaseBytes(state.entries));
}

TEST_F(ChangesElsewhere, ChangesMadeAgainFindTheirEntriesByTheirFields)
{
    // Elsewhere the order changed and an entry was added; here Lunch is edited and Train deleted.
    writeElsewhere({{.type = "Bus"}, {.type = "Lunch", .amount = 8.0}, {.type = "Train", .amount = 30.0}});
    session.removeEntryAt(0, true);
    session.storeEntry(makeDraft({.type = "Lunch", .amount = 9.5}), 0);
    EXPECT_TRUE(session.takeMessages().isEmpty());
    EXPECT_EQ(types(), QStringList({"Bus", "Lunch"}));
    EXPECT_EQ(state.entries[1].amount, 9.5);
    EXPECT_EQ(readFileBytes(state.databasePath), databaseBytes(state.entries));
}

class ChangeOfAnEntryGoneElsewhere : public ChangesElsewhere, public ::testing::WithParamInterface<bool>
{};

TEST_P(ChangeOfAnEntryGoneElsewhere, IsToldAndNothingIsWritten)
{
    writeElsewhere({{.type = "Lunch", .amount = 8.0}});
    const QByteArray elsewhere = readFileBytes(state.databasePath);
    if (GetParam())
        session.storeEntry(makeDraft({.type = "Express"}), 0);
    else
        session.deleteEntry(0);
    const QStringList messages = session.takeMessages();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].contains(u"changed or deleted elsewhere")) << messages[0].toStdString();
    EXPECT_TRUE(messages[0].contains(GetParam() ? u"Express" : u"Train")) << messages[0].toStdString();
    EXPECT_EQ(types(), QStringList({"Lunch"}));
    EXPECT_EQ(readFileBytes(state.databasePath), elsewhere);
}

INSTANTIATE_TEST_SUITE_P(EditOrDelete, ChangeOfAnEntryGoneElsewhere, ::testing::Bool(),
                         [](const ::testing::TestParamInfo<bool>& info) {
                             return std::string(info.param ? "Edit" : "Delete");
                         });

TEST_F(ChangesElsewhere, AReloadReplacesTheEntriesAndWritesOnlyWhatIsLeftToWrite)
{
    writeElsewhere({{.type = "Bus"}});
    const QByteArray elsewhere = readFileBytes(state.databasePath);
    EXPECT_TRUE(session.reloadIfChangedElsewhere());
    EXPECT_FALSE(session.reloadIfChangedElsewhere());
    EXPECT_EQ(types(), QStringList({"Bus"}));
    EXPECT_EQ(readFileBytes(state.databasePath), elsewhere);

    // A change not yet written (the write failed) is written with what was reloaded.
    session.removeEntryAt(0, false);
    writeElsewhere({{.type = "Bus"}, {.type = "Tram"}});
    EXPECT_TRUE(session.reloadIfChangedElsewhere());
    EXPECT_EQ(types(), QStringList({"Tram"}));
    EXPECT_EQ(readFileBytes(state.databasePath), databaseBytes(state.entries));

    // An editor opened before a reload still changes the entry it showed, wherever it went.
    const Expense tram = state.entries[0];
    writeElsewhere({{.type = "Ferry"}, {.type = "Tram"}});
    EXPECT_TRUE(session.reloadIfChangedElsewhere());
    session.storeEntry(makeDraft({.type = "Tram", .amount = 2.5}), 0, tram);
    EXPECT_EQ(state.entries[0].amount, 10.0);
    EXPECT_EQ(state.entries[1].amount, 2.5);
}

TEST_F(ChangesElsewhere, APurgeOfAFileChangedElsewhereKeepsTheEntriesAddedThere)
{
    writeElsewhere({{.type = "Train", .amount = 30.0}, {.type = "Lunch", .amount = 8.0}, {.type = "New"}});
    purgeAllEntries(session);
    EXPECT_EQ(types(), QStringList({"New"}));
    EXPECT_EQ(readFileBytes(state.databasePath), databaseBytes(state.entries));
}

TEST_F(ChangesElsewhere, TheFirstWriteOfARunKeepsThePreviousFile)
{
    // The fixture's session made the file; the next run keeps it before its first write.
    Session nextRun(state, clock, registry);
    ASSERT_TRUE(nextRun.database().load().ok());
    const QString backup = state.databasePath + QStringLiteral(".bak");
    const QByteArray first = readFileBytes(state.databasePath);
    nextRun.storeEntry(makeDraft({.type = "Taxi"}));
    EXPECT_EQ(readFileBytes(backup), first);
    nextRun.storeEntry(makeDraft({.type = "Bus"}));
    EXPECT_EQ(readFileBytes(backup), first);
    EXPECT_EQ(QFile::permissions(backup) & 0x0077, 0);
}

TEST_F(ChangesElsewhere, ABackupThatCannotBeMadeStopsTheWrite)
{
    Session later(state, clock, registry);
    const QByteArray before = readFileBytes(state.databasePath);
    // A folder stands where the backup belongs.
    ASSERT_TRUE(QDir().mkpath(state.databasePath + QStringLiteral(".bak")));
    state.entries.append(makeExpense({.type = "Taxi"}));
    later.refreshList(false);
    EXPECT_FALSE(later.lastDatabaseWrite().ok());
    EXPECT_TRUE(later.lastDatabaseWrite().message().contains(u".bak"));
    EXPECT_EQ(readFileBytes(state.databasePath), before);
}

TEST(ChangeJournalReplay, EqualEntriesAreMatchedOneForOne)
{
    ExpenseArray entries;
    for (const char* type : {"Bus", "Bus", "Tram"})
        entries.append(makeExpense({.type = type}));
    ChangeJournal journal;
    journal.deleted(makeExpense({.type = "Bus"}));
    journal.added(makeExpense({.type = "Ferry"}));
    journal.edited(makeExpense({.type = "Ferry"}), makeExpense({.type = "Boat"}));
    journal.deleted(makeExpense({.type = "Bus"}));
    journal.deleted(makeExpense({.type = "Bus"}));
    const std::vector<Expense> notApplied = journal.replayOn(entries);
    ASSERT_EQ(entries.count(), 2);
    EXPECT_EQ(entries[0].type, u"Tram");
    EXPECT_EQ(entries[1].type, u"Boat");
    ASSERT_EQ(notApplied.size(), 1u);
    EXPECT_EQ(journal.changes().size(), 4u);
}

class NotADatabase : public test::StartupTest
{
protected:
    void SetUp() override
    {
        if (!test::readerSummarisesLines(folder.path()))
            GTEST_SKIP() << "the database reader does not yet tell the header from other lines";
    }
};

TEST_F(NotADatabase, StartUpRefusesItAndNoStoreReplacesIt)
{
    const QString path = folder.file(QStringLiteral("notes.txt"));
    const QByteArray notes = "# Notes\n\nBuy milk.\n";
    writeFileBytes(path, notes);
    options.databasePath = path;
    start();
    ASSERT_FALSE(startupMessages.isEmpty());
    EXPECT_TRUE(startupMessages.join(u'\n').contains(u"not a Tallyfox database"));
    session.storeEntry(makeDraft({.type = "Taxi"}));
    EXPECT_EQ(session.lastDatabaseWrite().error(), FileError::ContentNotRead);
    EXPECT_EQ(readFileBytes(path), notes);
    EXPECT_FALSE(QFile::exists(path + QStringLiteral(".bak")));
}

TEST_F(NotADatabase, LinesThatAreNotEntriesAreKeptInTheBackupAndCounted)
{
    const QString path = folder.file(QStringLiteral("mixed.tfx"));
    const QByteArray mixed = databaseBytes(ExpenseArray()) +
                             "item\t2010\t1\t2\tEUR\t5.00\tfalse\tBus\tEmployer\tCash\tfalse\t00\t\r\n"
                             "a remark\r\nanother\r\n";
    writeFileBytes(path, mixed);
    options.databasePath = path;
    // The first refresh writes the file in its own form.
    const QString message = start().join(u'\n');
    EXPECT_TRUE(message.contains(QStringLiteral("2 lines of \"%1\" were not entries").arg(path)))
        << message.toStdString();
    EXPECT_EQ(readFileBytes(path + QStringLiteral(".bak")), mixed);
    session.storeEntry(makeDraft({.type = "Taxi"}));
    EXPECT_TRUE(session.takeMessages().isEmpty());
    EXPECT_EQ(types(), QStringList({"Bus", "Taxi"}));
}

} // namespace
} // namespace tallyfox

namespace tallyfox {
namespace {

using test::makeDraft;
using test::readFileBytes;
using test::writeFileBytes;

// What a command tells its caller: whether the change was made, whether the database holds it, and what
// failed on the way; and what a refused save leaves on the disk.
// A command that only sums the entries reads them without their notes; nothing it does writes them back.
TEST_F(ChangesElsewhere, EntriesReadForTheirTotalsAreNeverWritten)
{
    writeElsewhere({{.type = "Lunch", .amount = 8.0, .note = "with Ann"}});
    const QByteArray before = readFileBytes(state.databasePath);
    ASSERT_TRUE(session.database().load(DatabaseReadPurpose::Totals).ok());
    EXPECT_EQ(types(), QStringList({"Lunch"}));
    session.storeEntry(makeDraft({.type = "Taxi"}));
    EXPECT_EQ(session.lastDatabaseWrite().error(), FileError::ContentNotRead);
    EXPECT_EQ(readFileBytes(state.databasePath), before);
}

TEST_F(ChangesElsewhere, EachCommandSaysWhatItDidAndWhatFailed)
{
    CommandOutcome stored = session.storeEntry(makeDraft({.type = "Taxi"}));
    EXPECT_TRUE(stored.stored());
    EXPECT_FALSE(stored.hasFailures());

    // A log that cannot be written: stored all the same.
    state.settings.enableLogging = true;
    QFile::remove(logFilePath(state));
    ASSERT_TRUE(QDir().mkpath(logFilePath(state)));
    stored = session.storeEntry(makeDraft({.type = "Bus"}));
    EXPECT_TRUE(stored.stored());
    EXPECT_EQ(stored.failure(ProblemTopic::Log).error(), FileError::NotRegularFile);
    EXPECT_TRUE(stored.failure(ProblemTopic::Database).ok());
    state.settings.enableLogging = false;

    // A read-only database: nothing written, not even its backup.
    const QString backup = state.databasePath + QStringLiteral(".bak");
    QFile::remove(backup);
    session.database().forget();
    ASSERT_TRUE(QFile::setPermissions(state.databasePath, QFileDevice::ReadOwner));
    const QByteArray before = readFileBytes(state.databasePath);
    stored = session.storeEntry(makeDraft({.type = "Tram"}));
    EXPECT_FALSE(stored.stored());
    EXPECT_EQ(stored.database.error(), FileError::ReadOnly);
    EXPECT_EQ(readFileBytes(state.databasePath), before);
    EXPECT_FALSE(QFile::exists(backup));
    ASSERT_TRUE(QFile::setPermissions(state.databasePath, QFileDevice::ReadOwner | QFileDevice::WriteOwner));

    // Changes that name no entry change nothing.
    EXPECT_FALSE(session.deleteEntry(99).applied);
    EXPECT_FALSE(
        session.storeEntry(makeDraft({.type = "Gone"}), 0, test::makeExpense({.type = "Gone"})).applied);
    EXPECT_TRUE(session.takeMessages().join(u' ').contains(u"your change was not applied"));
}

TEST_F(ChangesElsewhere, TheBackupLiesBesideTheFileHoweverItIsReached)
{
    const QString link = file(QStringLiteral("link.tfx"));
    ASSERT_TRUE(QFile::link(state.databasePath, link));
    const QByteArray before = readFileBytes(state.databasePath);
    EXPECT_TRUE(session.saveDatabaseAs(link).stored());
    EXPECT_TRUE(session.storeEntry(makeDraft({.type = "Taxi"})).stored());
    EXPECT_FALSE(QFile::exists(link + QStringLiteral(".bak")));
    EXPECT_EQ(readFileBytes(file(QStringLiteral("TallyfoxData.tfx.bak"))), before);

    // Another user's backup of a shared database stays, and the save goes on.
    if (::geteuid() != 0)
        GTEST_SKIP() << "only the superuser can give a file to another user";
    const QString backup = file(QStringLiteral("TallyfoxData.tfx.bak"));
    ASSERT_EQ(::chown(QFile::encodeName(backup).constData(), 65534, 65534), 0);
    session.database().forget();
    const QByteArray theirs = readFileBytes(backup);
    Session other(state, clock, registry);
    const CommandOutcome shared = other.storeEntry(makeDraft({.type = "Bus"}));
    EXPECT_TRUE(shared.stored());
    EXPECT_TRUE(other.takeMessages().join(u' ').contains(u"belongs to another user"));
    EXPECT_EQ(readFileBytes(backup), theirs);
}

} // namespace
} // namespace tallyfox
