// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

// tallyfox-cli as a user runs it: listing, sorting, usage errors, help and version.
#include "clisandbox.h"

#include <QFile>
#include <gtest/gtest.h>

namespace tallyfox {
namespace {

using test::CliRun;
using test::CliSandbox;
using test::expectedOutput;
using test::readFileBytes;
using test::testDataPath;
using test::writeFileBytes;

class Cli : public ::testing::Test
{
protected:
    void SetUp() override
    {
        writeFileBytes(database, readFileBytes(testDataPath(QStringLiteral("database/mixed.tfx"))));
    }
    CliSandbox sandbox;
    const QString database = sandbox.file(QStringLiteral("mine.tfx"));
};

TEST_F(Cli, ListPrintsTheNineListCellsOfEveryEntryAndLeavesTheFileAlone)
{
    const QByteArray before = readFileBytes(database);
    const CliRun run = sandbox.run({QStringLiteral("-f"), database, QStringLiteral("list")});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, expectedOutput(QStringLiteral("mixed.list.txt")));
    EXPECT_FALSE(run.out.contains('\r'));
    EXPECT_EQ(readFileBytes(database), before);
}

TEST_F(Cli, ReadingCommandsNeverWriteTheDatabaseEvenWithAutoSortOn)
{
    sandbox.writeRegistry({QStringLiteral("\"Version\"=dword:000003b9"),
                           QStringLiteral("\"AutoSort\"=dword:00000001"),
                           QStringLiteral("\"SortType\"=dword:00000001")});
    const QByteArray before = readFileBytes(database);
    for (const QStringList& command :
         {QStringList{QStringLiteral("list")}, QStringList{QStringLiteral("report")},
          QStringList{QStringLiteral("table"), QStringLiteral("sources")},
          QStringList{QStringLiteral("export")}}) {
        SCOPED_TRACE(command.join(u' ').toStdString());
        const CliRun run = sandbox.run(QStringList{QStringLiteral("-f"), database} + command);
        EXPECT_EQ(run.exitCode, 0);
        EXPECT_EQ(run.err, QByteArray());
    }
    EXPECT_EQ(readFileBytes(database), before);
}

TEST_F(Cli, ListSortsByTheKeyGivenWithoutChangingTheFile)
{
    const QByteArray before = readFileBytes(database);
    const CliRun byDate =
        sandbox.run({QStringLiteral("-f"), database, QStringLiteral("list"), QStringLiteral("--sort"),
                     QStringLiteral("date"), QStringLiteral("--reverse")});
    EXPECT_EQ(byDate.exitCode, 0);
    const QList<QByteArray> lines = byDate.out.split('\n');
    ASSERT_GE(lines.size(), 3);
    EXPECT_TRUE(lines[0].startsWith("Lunch\t")) << "the latest date comes first: " << lines[0].toStdString();
    EXPECT_EQ(readFileBytes(database), before);
}

TEST_F(Cli, SortRewritesTheFileInTheListedOrderAndKeepsTheKey)
{
    const CliRun listed =
        sandbox.run({QStringLiteral("-f"), database, QStringLiteral("list"), QStringLiteral("--sort"),
                     QStringLiteral("amount"), QStringLiteral("--reverse")});
    const CliRun sorted = sandbox.run({QStringLiteral("-f"), database, QStringLiteral("sort"),
                                       QStringLiteral("amount"), QStringLiteral("--reverse")});
    EXPECT_EQ(sorted.exitCode, 0) << sorted.err.toStdString();
    EXPECT_EQ(sorted.out, QByteArray());
    EXPECT_TRUE(readFileBytes(database).startsWith("\tYear\tMonth\tDay\t"));
    const CliRun after = sandbox.run({QStringLiteral("-f"), database, QStringLiteral("list")});
    EXPECT_EQ(after.out, listed.out);
    // The program sorts by the same key at its next refresh.
    EXPECT_EQ(sandbox.registryValue(QStringLiteral("SortType")), QStringLiteral("dword:00000002"));
    EXPECT_EQ(sandbox.registryValue(QStringLiteral("SortReverse")), QStringLiteral("dword:00000001"));
}

TEST_F(Cli, UsageErrorsExitWithTwoAndOneLineOnStandardErrorAndTouchNothing)
{
    const QString f = QStringLiteral("-f");
    const QList<QStringList> mistakes = {
        {},
        {f, database},
        {f, database, QStringLiteral("frobnicate")},
        {f, database, QStringLiteral("list"), QStringLiteral("--sort"), QStringLiteral("colour")},
        {f, database, QStringLiteral("list"), QStringLiteral("extra")},
        {f, database, QStringLiteral("list"), QStringLiteral("--reverse")},
        {f, database, QStringLiteral("list"), QStringLiteral("--colour")},
        {f, database, QStringLiteral("list"), QStringLiteral("--mode"), QStringLiteral("1")},
        {f, database, QStringLiteral("sort")},
        {f, database, QStringLiteral("sort"), QStringLiteral("date"), QStringLiteral("name")},
        {f, database, QStringLiteral("sort"), QStringLiteral("--sort"), QStringLiteral("date")},
        {f, database, QStringLiteral("report"), QStringLiteral("now")},
        {f, database, QStringLiteral("report"), QStringLiteral("--out"), QStringLiteral("x.txt")},
        {f, database, QStringLiteral("table")},
        {f, database, QStringLiteral("table"), QStringLiteral("currencies")},
        {f, database, QStringLiteral("table"), QStringLiteral("types"), QStringLiteral("--mode"),
         QStringLiteral("3")},
        {f, database, QStringLiteral("table"), QStringLiteral("types"), QStringLiteral("--currency"),
         QStringLiteral("-1")},
        {f, database, QStringLiteral("table"), QStringLiteral("types"), QStringLiteral("--currency"),
         QStringLiteral("99999999999")},
        {f, database, QStringLiteral("list"), QStringLiteral("--from"), QStringLiteral("2010-13-01")},
        {f, database, QStringLiteral("report"), QStringLiteral("--from"), QStringLiteral("2010-02-01"),
         QStringLiteral("--to"), QStringLiteral("2010-01-31")},
        {f, database, QStringLiteral("list"), QStringLiteral("--income"), QStringLiteral("--expense")},
        {f, database, QStringLiteral("sort"), QStringLiteral("date"), QStringLiteral("--match"),
         QStringLiteral("x")},
        {f, database, QStringLiteral("export"), QStringLiteral("--type"), QStringLiteral("Dinner")},
        {f, database, QStringLiteral("export"), QStringLiteral("--out")},
        {f, database, QStringLiteral("export"), QStringLiteral("--out"), QString()},
        {f, database, QStringLiteral("export"), QStringLiteral("file.txt")},
        {f, QString(), QStringLiteral("list")},
        {QStringLiteral("-d"), QString(), QStringLiteral("list")},
        {f, database, QStringLiteral("--today"), QStringLiteral("2010-02-30"), QStringLiteral("list")},
        {f, database, QStringLiteral("--today"), QStringLiteral("tomorrow"), QStringLiteral("report")},
        {f, database, QStringLiteral("--today"), QStringLiteral("2010-01-01"), QStringLiteral("--today"),
         QStringLiteral("2010-01-02"), QStringLiteral("report")},
    };
    const QByteArray before = readFileBytes(database);
    for (const QStringList& arguments : mistakes) {
        SCOPED_TRACE(arguments.join(u' ').toStdString());
        const CliRun run = sandbox.run(arguments);
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_EQ(run.out, QByteArray());
        EXPECT_TRUE(run.err.startsWith("tallyfox-cli: ")) << run.err.toStdString();
        EXPECT_EQ(run.err.count('\n'), 1) << run.err.toStdString();
    }
    EXPECT_EQ(readFileBytes(database), before);
    // A command line that is refused starts nothing: no registry, no settings folder.
    EXPECT_FALSE(QFile::exists(sandbox.registryFile()));
    EXPECT_FALSE(QFile::exists(sandbox.settingsFolder()));
}

TEST_F(Cli, FileFailuresExitWithOneAndNameTheFile)
{
    const QString missing = sandbox.file(QStringLiteral("missing.tfx"));
    const QString insideAFile = sandbox.file(QStringLiteral("mine.tfx/inside.tfx"));
    for (const QStringList& arguments :
         {QStringList{QStringLiteral("-f"), sandbox.file(QString()), QStringLiteral("list")},
          QStringList{QStringLiteral("-f"), sandbox.file(QString()), QStringLiteral("report")},
          QStringList{QStringLiteral("-f"), missing, QStringLiteral("sort"), QStringLiteral("date")},
          QStringList{QStringLiteral("-f"), insideAFile, QStringLiteral("sort"), QStringLiteral("date")}}) {
        SCOPED_TRACE(arguments.join(u' ').toStdString());
        const CliRun run = sandbox.run(arguments);
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_EQ(run.out, QByteArray());
        EXPECT_TRUE(run.err.contains(QDir::cleanPath(arguments[1]).toUtf8())) << run.err.toStdString();
    }
    EXPECT_FALSE(QFile::exists(missing));
}

TEST_F(Cli, OutputThatCannotBeWrittenExitsWithOne)
{
    sandbox.outputFile = QStringLiteral("/dev/full");
    const CliRun run = sandbox.run({QStringLiteral("-f"), database, QStringLiteral("report")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains("standard output")) << run.err.toStdString();
}

TEST(CliInformation, HelpNamesEveryCommandAndOptionAndVersionPrintsTheVersion)
{
    const CliSandbox sandbox;
    const CliRun help = sandbox.run({QStringLiteral("--help")});
    EXPECT_EQ(help.exitCode, 0);
    for (const char* word : {"list",     "sort KEY", "report",    "table types|sources|methods",
                             "export",   "add",      "-f",        "-d",
                             "--today",  "--sort",   "--reverse", "--currency",
                             "--mode",   "--out",    "--type",    "--amount",
                             "--date",   "--income", "--expense", "--paid-with",
                             "--source", "--note",   "--receipt", "--no-receipt",
                             "--version"})
        EXPECT_TRUE(help.out.contains(word)) << word;
    EXPECT_FALSE(help.out.contains("receipt-number"));
    const CliRun version = sandbox.run({QStringLiteral("--version")});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_TRUE(version.out.startsWith("tallyfox-cli " TALLYFOX_VERSION "\n")) << version.out.toStdString();
    EXPECT_TRUE(version.out.contains("GPL-3.0-or-later")) << version.out.toStdString();
}

} // namespace
} // namespace tallyfox
