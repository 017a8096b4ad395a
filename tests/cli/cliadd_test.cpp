// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

// tallyfox-cli add stores a new entry as the item editor does.
#include "clisandbox.h"
#include "platform/filelock.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace tallyfox {
namespace {

using test::CliRun;
using test::CliSandbox;
using test::expectedOutput;
using test::readFileBytes;
using test::writeFileBytes;

class CliAdd : public ::testing::Test
{
protected:
    CliRun add(const QStringList& arguments) const
    {
        return sandbox.run(QStringList{QStringLiteral("add")} + arguments);
    }
    CliRun addChecked(const QStringList& arguments) const
    {
        const CliRun run = add(arguments);
        EXPECT_EQ(run.exitCode, 0) << arguments.join(u' ').toStdString() << ": " << run.err.toStdString();
        EXPECT_EQ(run.out, QByteArray());
        return run;
    }
    QByteArray list() const { return sandbox.run({QStringLiteral("list")}).out; }
    QByteArray logLines(const QByteArray& editType) const
    {
        QByteArray found;
        const QByteArray log = readFileBytes(sandbox.settingsFolder() + QStringLiteral("Tallyfox.log"));
        for (const QByteArray& line : log.split('\n')) {
            if (line.contains('\t' + editType + '\t'))
                found += line + '\n';
        }
        return found;
    }

    CliSandbox sandbox;
};

TEST_F(CliAdd, NewEntriesTakeTheLastUsedChoicesAndNumberTheirReceipts)
{
    addChecked({QStringLiteral("--type"), QStringLiteral("Lunch"), QStringLiteral("--amount"),
                QStringLiteral("12.5"), QStringLiteral("--receipt")});
    EXPECT_TRUE(QFile::exists(sandbox.defaultDatabase()));
    addChecked({QStringLiteral("--type"), QStringLiteral("Taxi"), QStringLiteral("--amount"),
                QStringLiteral("7"), QStringLiteral("--currency"), QStringLiteral("US$"),
                QStringLiteral("--paid-with"), QStringLiteral("Credit card"), QStringLiteral("--source"),
                QStringLiteral("Client"), QStringLiteral("--date"), QStringLiteral("2010-01-30"),
                QStringLiteral("--note"), QStringLiteral("airport\tand back")});
    addChecked({QStringLiteral("--type"), QStringLiteral("Refund"), QStringLiteral("--amount"),
                QStringLiteral("3.05"), QStringLiteral("--no-receipt"), QStringLiteral("--income")});
    addChecked({QStringLiteral("--type"), QStringLiteral("Hotel"), QStringLiteral("--amount"),
                QStringLiteral("999999999.99"), QStringLiteral("--receipt"), QStringLiteral("0042"),
                QStringLiteral("--currency"), QStringLiteral("GBP")});
    addChecked({QStringLiteral("--receipt=A7"), QStringLiteral("--type"), QStringLiteral("Parking"),
                QStringLiteral("--amount"), QStringLiteral(".5")});

    EXPECT_EQ(list(), expectedOutput(QStringLiteral("added.list.txt")));
    // The receipts used 1, then 2 (the has-receipt choice was remembered), none, 0042 and A7: each
    // entry with a receipt used up the number offered.
    EXPECT_EQ(sandbox.registryValue(QStringLiteral("NextReceiptNum")), QStringLiteral("dword:00000005"));
    EXPECT_EQ(sandbox.registryValue(QStringLiteral("LasthasReceipt")), QStringLiteral("dword:00000001"));
    EXPECT_EQ(sandbox.registryValue(QStringLiteral("Lastusedcurrency")), QStringLiteral("\"GBP\""));
    EXPECT_EQ(sandbox.registryValue(QStringLiteral("Lastpaidwith")), QStringLiteral("\"Credit card\""));
    EXPECT_EQ(sandbox.registryValue(QStringLiteral("Lastintendedsource")), QStringLiteral("\"Client\""));
    EXPECT_EQ(sandbox.registryValue(QStringLiteral("Database")),
              QStringLiteral("\"%1\"").arg(sandbox.defaultDatabase()));

    const QByteArray logged = logLines("New");
    EXPECT_EQ(logged.count('\n'), 5);
    EXPECT_TRUE(
        logged.startsWith("2/15/10 9:08:07 AM\tNew\t2/15/10\tEUR\t12.50\tLunch\tEmployer\t\tCash\t1\r\n"))
        << logged.toStdString();
}

TEST_F(CliAdd, PresetsComeFromTheRegistry)
{
    sandbox.writeRegistry(
        {QStringLiteral("\"Version\"=dword:000003b9"), QStringLiteral("\"LastIncome\"=dword:00000001"),
         QStringLiteral("\"LasthasReceipt\"=dword:00000001"),
         QStringLiteral("\"NextReceiptNum\"=dword:0000ffff"), QStringLiteral("\"Lastusedcurrency\"=\"CHF\""),
         QStringLiteral("\"IncomeIsPositive\"=dword:00000001")});
    addChecked({QStringLiteral("--type"), QStringLiteral("Salary"), QStringLiteral("--amount"),
                QStringLiteral("2000")});
    addChecked({QStringLiteral("--type"), QStringLiteral("Lunch"), QStringLiteral("--amount"),
                QStringLiteral("8"), QStringLiteral("--expense"), QStringLiteral("--today"),
                QStringLiteral("2011-05-06")});
    // 1 EUR = 0.95 CHF in the shipped table.
    EXPECT_EQ(list(), QByteArray("Salary\t65535\t\t2010-02-15\tCHF\t2000.00\tCash\tEmployer\t2105.26\n"
                                 "Lunch\t0\t\t2011-05-06\tCHF\t-8.00\tCash\tEmployer\t-8.42\n"));
    // The receipt counter is 16 bits wide and wraps.
    EXPECT_EQ(sandbox.registryValue(QStringLiteral("NextReceiptNum")), QStringLiteral("dword:00000001"));
    EXPECT_EQ(sandbox.registryValue(QStringLiteral("LastIncome")), QStringLiteral("dword:00000001"));
}

TEST_F(CliAdd, WithAutoSortTheFileIsSortedAfterTheNewEntry)
{
    sandbox.writeRegistry({QStringLiteral("\"Version\"=dword:000003b9"),
                           QStringLiteral("\"AutoSort\"=dword:00000001"),
                           QStringLiteral("\"SortType\"=dword:00000001")});
    for (const char* date : {"2010-03-01", "2009-01-01", "2010-01-01"})
        addChecked({QStringLiteral("--type"), QString::fromLatin1(date), QStringLiteral("--amount"),
                    QStringLiteral("1"), QStringLiteral("--date"), QString::fromLatin1(date)});
    const QByteArray database = readFileBytes(sandbox.defaultDatabase());
    const qsizetype first = database.indexOf("\t2009-01-01\t");
    const qsizetype second = database.indexOf("\t2010-01-01\t");
    const qsizetype third = database.indexOf("\t2010-03-01\t");
    EXPECT_TRUE(first > 0 && first < second && second < third) << database.toStdString();
}

TEST_F(CliAdd, AmountsMustBePlainNumbersInRange)
{
    const QStringList refused = {QStringLiteral("1000000000"), QStringLiteral("999999999.991"),
                                 QStringLiteral("-5"),         QStringLiteral("+5"),
                                 QStringLiteral("12,50"),      QStringLiteral("1e3"),
                                 QStringLiteral("12.345"),     QStringLiteral("abc"),
                                 QStringLiteral("12abc"),      QStringLiteral(""),
                                 QStringLiteral("."),          QStringLiteral("0x10"),
                                 QStringLiteral("inf"),        QStringLiteral("nan"),
                                 QStringLiteral("1 000"),      QString(400, u'9')};
    for (const QString& amount : refused) {
        SCOPED_TRACE(amount.toStdString());
        const CliRun run =
            add({QStringLiteral("--type"), QStringLiteral("Lunch"), QStringLiteral("--amount"), amount});
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_EQ(run.errLines().size(), 1) << run.err.toStdString();
    }
    EXPECT_FALSE(QFile::exists(sandbox.registryFile()));
    EXPECT_FALSE(QFile::exists(sandbox.defaultDatabase()));

    addChecked(
        {QStringLiteral("--type"), QStringLiteral("Free"), QStringLiteral("--amount"), QStringLiteral("0")});
    addChecked({QStringLiteral("--type"), QStringLiteral("Lunch"), QStringLiteral("--amount"),
                QStringLiteral(" 007.10 ")});
    EXPECT_EQ(list(), QByteArray("Free\t-\t\t2010-02-15\tEUR\t0.00\tCash\tEmployer\t?\n"
                                 "Lunch\t-\t\t2010-02-15\tEUR\t7.10\tCash\tEmployer\t7.10\n"));
}

TEST_F(CliAdd, OtherMistakesAreUsageErrors)
{
    const QString type = QStringLiteral("--type");
    const QString amount = QStringLiteral("--amount");
    const QList<QStringList> mistakes = {
        {amount, QStringLiteral("5")},
        {type, QStringLiteral("Lunch")},
        {type, QStringLiteral("  "), amount, QStringLiteral("5")},
        {type, QStringLiteral("Lunch"), amount, QStringLiteral("5"), QStringLiteral("--date"),
         QStringLiteral("15.02.2010")},
        {type, QStringLiteral("Lunch"), amount, QStringLiteral("5"), QStringLiteral("--income"),
         QStringLiteral("--expense")},
        {type, QStringLiteral("Lunch"), amount, QStringLiteral("5"), QStringLiteral("--receipt"),
         QStringLiteral("--no-receipt")},
        {type, QStringLiteral("Lunch"), amount, QStringLiteral("5"), QStringLiteral("--receipt=")},
        {type, QStringLiteral("Lunch"), amount, QStringLiteral("5"), QStringLiteral("--currency"), QString()},
        {type, QStringLiteral("Lunch"), amount, QStringLiteral("5"), QStringLiteral("--amount"),
         QStringLiteral("6")},
        {type, QStringLiteral("Lunch"), amount, QStringLiteral("5"), QStringLiteral("--mode"),
         QStringLiteral("1")},
        {type, QStringLiteral("Lunch"), amount, QStringLiteral("5"), QStringLiteral("extra")},
    };
    for (const QStringList& arguments : mistakes) {
        SCOPED_TRACE(arguments.join(u' ').toStdString());
        const CliRun run = add(arguments);
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_EQ(run.errLines().size(), 1) << run.err.toStdString();
    }
    EXPECT_FALSE(QFile::exists(sandbox.registryFile()));
    // A note may read like an option.
    addChecked({type, QStringLiteral("Lunch"), amount, QStringLiteral("5"), QStringLiteral("--note"),
                QStringLiteral("--receipt")});
    EXPECT_TRUE(list().endsWith("\t--receipt\t2010-02-15\tEUR\t5.00\tCash\tEmployer\t5.00\n"));
}

TEST_F(CliAdd, ADatabaseThatCannotBeWrittenExitsWithOneAndNamesIt)
{
    writeFileBytes(sandbox.file(QStringLiteral("plain")), "not a folder");
    const QString database = sandbox.file(QStringLiteral("plain/new.tfx"));
    const CliRun run =
        sandbox.run({QStringLiteral("-f"), database, QStringLiteral("add"), QStringLiteral("--type"),
                     QStringLiteral("Lunch"), QStringLiteral("--amount"), QStringLiteral("5"),
                     QStringLiteral("--receipt")});
    EXPECT_EQ(run.exitCode, 1);
    // After the start-up's welcome, the one problem: the file and the system's reason.
    ASSERT_EQ(run.errLines().size(), 2) << run.err.toStdString();
    EXPECT_EQ(run.errLines()[1],
              ("tallyfox-cli: Cannot write \"" + database + "\": Not a directory").toUtf8());
    // The entry was not kept, so its receipt number and choices were not used.
    EXPECT_EQ(sandbox.registryValue(QStringLiteral("NextReceiptNum")), QStringLiteral("dword:00000001"));
    EXPECT_EQ(sandbox.registryValue(QStringLiteral("Database")), std::nullopt);
}

TEST_F(CliAdd, ADatabaseThatCannotBeReadIsNotWrittenOver)
{
    const QString folderAsDatabase = sandbox.file(QStringLiteral("folder.tfx"));
    QDir().mkpath(folderAsDatabase);
    const CliRun run =
        sandbox.run({QStringLiteral("-f"), folderAsDatabase, QStringLiteral("add"), QStringLiteral("--type"),
                     QStringLiteral("Lunch"), QStringLiteral("--amount"), QStringLiteral("5"),
                     QStringLiteral("--receipt")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains(folderAsDatabase.toUtf8())) << run.err.toStdString();
    EXPECT_TRUE(QFileInfo(folderAsDatabase).isDir());
    EXPECT_EQ(sandbox.registryValue(QStringLiteral("NextReceiptNum")), QStringLiteral("dword:00000001"));
}

} // namespace
} // namespace tallyfox

namespace tallyfox {
namespace {

TEST(CliWhileTheProgramRuns, ChangesAreMadeAndReadingWorks)
{
    test::CliSandbox sandbox;
    ASSERT_EQ(sandbox
                  .run({QStringLiteral("add"), QStringLiteral("--type"), QStringLiteral("Taxi"),
                        QStringLiteral("--amount"), QStringLiteral("12")})
                  .exitCode,
              0);

    // The window holds its instance lock, as a running copy with this registry does; it reloads what
    // the tool changes.
    const QString runtime = sandbox.environment.value(QStringLiteral("XDG_RUNTIME_DIR"));
    ASSERT_FALSE(runtime.isEmpty());
    const QByteArray previous = qgetenv("XDG_RUNTIME_DIR");
    qputenv("XDG_RUNTIME_DIR", runtime.toUtf8());
    FileLock running(sandbox.registryFile(), LockPurpose::Instance);
    qputenv("XDG_RUNTIME_DIR", previous);
    ASSERT_TRUE(running.lock(std::chrono::milliseconds(0)));

    const test::CliRun added =
        sandbox.run({QStringLiteral("add"), QStringLiteral("--type"), QStringLiteral("Bus"),
                     QStringLiteral("--amount"), QStringLiteral("3")});
    EXPECT_EQ(added.exitCode, 0) << added.err.toStdString();
    EXPECT_EQ(sandbox.run({QStringLiteral("sort"), QStringLiteral("name")}).exitCode, 0);

    const test::CliRun listed = sandbox.run({QStringLiteral("list")});
    EXPECT_EQ(listed.exitCode, 0);
    EXPECT_TRUE(listed.out.startsWith("Bus\t")) << listed.out.toStdString();
    EXPECT_TRUE(listed.out.contains("\nTaxi\t")) << listed.out.toStdString();
}

} // namespace
} // namespace tallyfox
