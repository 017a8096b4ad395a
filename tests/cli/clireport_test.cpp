// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

// tallyfox-cli report, table and export on a household in three currencies and one the table lacks.
#include "clisandbox.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace tallyfox {
namespace {

using test::CliRun;
using test::CliSandbox;
using test::expectedOutput;
using test::readFileBytes;
using test::testDataPath;
using test::withFolderMarked;
using test::writeFileBytes;

// The arguments of a command line written with blanks between them.
QStringList words(const char* text)
{
    return QString::fromUtf8(text).split(u' ');
}

class CliHousehold : public ::testing::Test
{
protected:
    void SetUp() override
    {
        // Rates of the user's own defaults file, not the shipped ones.
        sandbox.writeDefaults("EUR=Primary\r\nUS$=1.25\r\nGBP=0.8\r\n");
        writeFileBytes(database, readFileBytes(testDataPath(QStringLiteral("cli/household.tfx"))));
    }
    CliRun runOnHousehold(const QStringList& arguments) const
    {
        const CliRun run = sandbox.run(QStringList{QStringLiteral("-f"), database} + arguments);
        EXPECT_EQ(run.exitCode, 0) << arguments.join(u' ').toStdString() << ": " << run.err.toStdString();
        EXPECT_FALSE(run.out.contains('\r'));
        return run;
    }

    CliSandbox sandbox;
    const QString database = sandbox.file(QStringLiteral("household.tfx"));
};

TEST_F(CliHousehold, ReportIsTheOverviewWithLineFeeds)
{
    const QByteArray before = readFileBytes(database);
    const CliRun run = runOnHousehold({QStringLiteral("report")});
    EXPECT_EQ(withFolderMarked(run.out, sandbox.file(QString())),
              expectedOutput(QStringLiteral("household.report.txt")));
    EXPECT_EQ(readFileBytes(database), before);
}

TEST_F(CliHousehold, ListShowsTheAmountInThePrimaryCurrency)
{
    const CliRun run = runOnHousehold({QStringLiteral("list")});
    EXPECT_EQ(run.out, expectedOutput(QStringLiteral("household.list.txt")));
}

TEST_F(CliHousehold, FiltersCombineAndMatchAsTheWindowDoes)
{
    struct Case
    {
        QStringList filter;
        // The types of the entries listed, in the file's order.
        QList<QByteArray> types;
    };
    const Case cases[] = {
        {words("--match CLIENT"), {"Dinner", "Dinner"}},
        {{QStringLiteral("--match"), QStringLiteral("TABLE currency")}, {"Train"}},
        {words("--from 2010-01-20 --to 2010-02-03"), {"Salary", "Train"}},
        {words("--from 2009-12-24 --to 2009-12-24"), {"Dinner"}},
        {words("--to 2009-11-30"), {"Refund"}},
        {words("--type train"), {"Train", "Train"}},
        {words("--currency us$"), {"Train", "Refund"}},
        {words("--source Employer --expense"), {"Dinner", "Train"}},
        {words("--paid-with cash --match gift"), {"Dinner"}},
        {words("--income"), {"Salary", "Refund"}},
        {words("--match zzz"), {}},
        {words("--type Dinner --currency XYZ"), {}},
    };
    for (const Case& test : cases) {
        const CliRun run = runOnHousehold(QStringList{QStringLiteral("list")} + test.filter);
        QList<QByteArray> types;
        for (const QByteArray& line : run.out.split('\n')) {
            if (!line.isEmpty())
                types << line.left(line.indexOf('\t'));
        }
        EXPECT_EQ(types, test.types) << test.filter.join(u' ').toStdString();
    }
}

TEST_F(CliHousehold, AFilteredReportCountsOnlyTheMatchingEntries)
{
    const QByteArray before = readFileBytes(database);
    const CliRun run = runOnHousehold(words("report --type dinner"));
    EXPECT_TRUE(run.out.contains("Grand totals (2)\nEUR: 0.00 - 35.50 = -35.50\nGBP: 0.00 - 8.00 = -8.00\n"));
    EXPECT_TRUE(run.out.contains("This month (1)\nEUR: 0.00 - 35.50 = -35.50\n"));
    EXPECT_TRUE(run.out.contains("Last month (0)\n"));
    EXPECT_FALSE(run.out.contains("Salary"));
    // A table's --currency that is a number stays the currency choice; the filter narrows the entries.
    const CliRun table = runOnHousehold(words("table types --currency 0 --match train"));
    EXPECT_TRUE(table.out.startsWith("Type\tTotal\t"));
    EXPECT_TRUE(table.out.contains("\nTrain\t"));
    EXPECT_FALSE(table.out.contains("Dinner"));
    EXPECT_EQ(readFileBytes(database), before);
}

TEST_F(CliHousehold, TablesAreCopiedAsTheOverviewCopiesThem)
{
    struct Case
    {
        QStringList arguments;
        const char* golden;
    };
    const QList<Case> cases = {
        {{QStringLiteral("types")}, "household.types.txt"},
        {{QStringLiteral("types"), QStringLiteral("--currency"), QStringLiteral("0"),
          QStringLiteral("--mode"), QStringLiteral("0")},
         "household.types.txt"},
        {{QStringLiteral("sources"), QStringLiteral("--currency"), QStringLiteral("2"),
          QStringLiteral("--mode"), QStringLiteral("1")},
         "household.sources-usd-expenses.txt"},
        {{QStringLiteral("methods"), QStringLiteral("--mode"), QStringLiteral("2")},
         "household.methods-income.txt"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments.join(u' ').toStdString());
        const CliRun run = runOnHousehold(QStringList{QStringLiteral("table")} + c.arguments);
        EXPECT_EQ(run.out, expectedOutput(QString::fromLatin1(c.golden)));
    }
}

TEST_F(CliHousehold, ACurrencyChoiceBeyondTheTableIsAUsageError)
{
    // Choices: converted to EUR, EUR, US$, GBP.
    EXPECT_EQ(runOnHousehold({QStringLiteral("table"), QStringLiteral("types"), QStringLiteral("--currency"),
                              QStringLiteral("3")})
                  .out.count('\n'),
              7);
    const CliRun run =
        sandbox.run({QStringLiteral("-f"), database, QStringLiteral("table"), QStringLiteral("types"),
                     QStringLiteral("--currency"), QStringLiteral("4")});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.out, QByteArray());
    ASSERT_EQ(run.errLines().size(), 1) << run.err.toStdString();
    EXPECT_TRUE(run.errLines().first().contains("--currency")) << run.err.toStdString();
}

TEST_F(CliHousehold, ExportGoesToStandardOutputOrAFileAsTheProgramWritesIt)
{
    const QByteArray exported = expectedOutput(QStringLiteral("household.export.txt"));
    ASSERT_TRUE(exported.contains("\r\n"));
    QByteArray withLineFeeds = exported;
    withLineFeeds.replace("\r\n", "\n");

    EXPECT_EQ(runOnHousehold({QStringLiteral("export")}).out, withLineFeeds);
    EXPECT_EQ(runOnHousehold({QStringLiteral("export"), QStringLiteral("--out"), QStringLiteral("-")}).out,
              withLineFeeds);

    const QString file = sandbox.file(QStringLiteral("export.txt"));
    writeFileBytes(file, "an older export");
    const CliRun toFile = runOnHousehold({QStringLiteral("export"), QStringLiteral("--out"), file});
    EXPECT_EQ(toFile.out, QByteArray());
    EXPECT_EQ(readFileBytes(file), exported);

    // A relative name is the working folder's; a new file is the owner's alone.
    runOnHousehold({QStringLiteral("export"), QStringLiteral("--out=relative.txt")});
    EXPECT_EQ(readFileBytes(sandbox.file(QStringLiteral("relative.txt"))), exported);
    EXPECT_FALSE(QFile::permissions(sandbox.file(QStringLiteral("relative.txt"))) &
                 (QFileDevice::ReadGroup | QFileDevice::ReadOther));
}

TEST_F(CliHousehold, AnExportThatCannotBeWrittenExitsWithOneAndNamesTheFile)
{
    const QString file = sandbox.file(QStringLiteral("household.tfx/export.txt"));
    const CliRun run = sandbox.run(
        {QStringLiteral("-f"), database, QStringLiteral("export"), QStringLiteral("--out"), file});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.out, QByteArray());
    EXPECT_TRUE(run.err.contains(("Cannot write \"" + file + "\"").toUtf8())) << run.err.toStdString();
}

TEST_F(CliHousehold, AnExportNeverReplacesTheProgramsOwnFiles)
{
    // A writing command makes the settings folder's files.
    runOnHousehold({QStringLiteral("sort"), QStringLiteral("date")});
    const QString defaults = sandbox.settingsFolder() + QStringLiteral("TallyfoxDefaults.ini");
    const QString log = sandbox.settingsFolder() + QStringLiteral("Tallyfox.log");
    const QList<QString> ownFiles = {database, QStringLiteral("household.tfx"), sandbox.registryFile(),
                                     defaults, log};
    for (const QString& own : ownFiles) {
        SCOPED_TRACE(own.toStdString());
        const QString path = QDir::isAbsolutePath(own) ? own : sandbox.file(own);
        const QByteArray before = readFileBytes(path);
        const CliRun run = sandbox.run(
            {QStringLiteral("-f"), database, QStringLiteral("export"), QStringLiteral("--out"), own});
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_EQ(run.errLines().size(), 1) << run.err.toStdString();
        EXPECT_EQ(readFileBytes(path), before);
    }
}

} // namespace
} // namespace tallyfox
