// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

// tallyfox-cli starts as the program does: the user's registry, settings folder and database, or those
// that -f and -d name.
#include "clisandbox.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace tallyfox {
namespace {

using test::CliRun;
using test::CliSandbox;
using test::readFileBytes;
using test::testDataPath;
using test::writeFileBytes;

constexpr QByteArrayView kWelcome =
    "tallyfox-cli: Welcome to Tallyfox 0.95.3. Tallyfox is free software: you may use, copy and share it.";
constexpr QByteArrayView kNoDatabase =
    "tallyfox-cli: No database file found. Please give a filename for a new database.";

TEST(CliFirstRun, AReadingCommandMakesNothingAndSaysThereIsNoDatabase)
{
    const CliSandbox sandbox;
    const CliRun run = sandbox.run({QStringLiteral("list")});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, QByteArray());
    EXPECT_EQ(run.errLines(),
              QList<QByteArray>{"tallyfox-cli: Cannot read \"" + sandbox.defaultDatabase().toUtf8() +
                                "\": No such file, so there are no entries."});
    EXPECT_FALSE(QFile::exists(sandbox.registryFile()));
    EXPECT_FALSE(QFile::exists(sandbox.settingsFolder()));
}

TEST(CliFirstRun, AWritingCommandCreatesTheProgramsSettingsAndFiles)
{
    const CliSandbox sandbox;
    const QStringList add = {QStringLiteral("add"), QStringLiteral("--type"), QStringLiteral("Tea"),
                             QStringLiteral("--amount"), QStringLiteral("2")};
    const CliRun run = sandbox.run(add);
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, QByteArray());
    EXPECT_EQ(run.errLines(), (QList<QByteArray>{kWelcome.toByteArray(), kNoDatabase.toByteArray()}));

    EXPECT_EQ(sandbox.registryValue(QStringLiteral("Version")), QStringLiteral("dword:000003b9"));
    EXPECT_EQ(sandbox.registryValue(QStringLiteral("DataLocation")),
              QStringLiteral("\"%1\"").arg(sandbox.settingsFolder()));
    EXPECT_EQ(sandbox.registryValue(QStringLiteral("NextReceiptNum")), QStringLiteral("dword:00000001"));
    EXPECT_EQ(sandbox.registryValue(QStringLiteral("OrderPrimaryAmount")), QStringLiteral("dword:00000008"));
    EXPECT_EQ(sandbox.registryValue(QStringLiteral("Database")),
              QStringLiteral("\"%1\"").arg(sandbox.defaultDatabase()));

    const QByteArray log = readFileBytes(sandbox.settingsFolder() + QStringLiteral("Tallyfox.log"));
    EXPECT_TRUE(log.startsWith("Edit date\tEdit type\tDate\tI/O\tCurrency\tAmount\tType\t"))
        << log.toStdString();
    const QByteArray defaults =
        readFileBytes(sandbox.settingsFolder() + QStringLiteral("TallyfoxDefaults.ini"));
    EXPECT_TRUE(defaults.contains("[Currencies]\r\nEUR=Primary\r\nUS$=1.44\r\n")) << defaults.toStdString();
    EXPECT_TRUE(QFile::exists(sandbox.defaultDatabase()));

    // The welcome is said once.
    const CliRun again = sandbox.run(add);
    EXPECT_EQ(again.errLines(), QList<QByteArray>());
}

TEST(CliFirstRun, ReadingCommandsOnNoDatabaseShowNoEntriesAndWriteNone)
{
    const CliSandbox sandbox;
    const QList<std::pair<QStringList, QByteArray>> cases = {
        {{QStringLiteral("list")}, QByteArray()},
        {{QStringLiteral("table"), QStringLiteral("methods")},
         "Paym. method\tTotal\t\n\t\t\nTotal\t0.00\t\n"},
        {{QStringLiteral("export")},
         "Date\tCurrency\tAmount\tEUR\tType\tIntended source\tPaid with\tReceipt\tNote\n"},
    };
    for (const auto& [arguments, expected] : cases) {
        SCOPED_TRACE(arguments.join(u' ').toStdString());
        const CliRun run = sandbox.run(arguments);
        EXPECT_EQ(run.exitCode, 0);
        EXPECT_EQ(run.out, expected);
    }
    const CliRun report = sandbox.run({QStringLiteral("report")});
    EXPECT_EQ(report.exitCode, 0);
    EXPECT_TRUE(report.out.startsWith("Filename:\n" + sandbox.defaultDatabase().toUtf8() + "\n\n"));
    EXPECT_TRUE(report.out.contains("Grand totals (0)\n\nThis month (0)\n\nLast month (0)\n\nPer type:\n"
                                    "Per intended source:\nPer payment method:\n"))
        << report.out.toStdString();
    EXPECT_FALSE(QFile::exists(sandbox.defaultDatabase()));
}

TEST(CliFirstRun, TheRegistryLiesInTheConfigurationFolderWhenNoneIsNamed)
{
    CliSandbox sandbox;
    sandbox.environment.remove(QStringLiteral("TALLYFOX_REGISTRY"));
    EXPECT_EQ(sandbox
                  .run({QStringLiteral("add"), QStringLiteral("--type"), QStringLiteral("Tea"),
                        QStringLiteral("--amount"), QStringLiteral("2")})
                  .exitCode,
              0);
    EXPECT_TRUE(QFile::exists(sandbox.file(QStringLiteral("config/tallyfox/registry.reg"))));
    EXPECT_FALSE(QFile::exists(sandbox.registryFile()));
}

TEST(CliData, UsesTheSettingsFolderAndDatabaseTheRegistryNames)
{
    const CliSandbox sandbox;
    const QString folder = sandbox.file(QStringLiteral("my accounts/"));
    QDir().mkpath(folder);
    const QString database = folder + QStringLiteral("home.tfx");
    writeFileBytes(database, readFileBytes(testDataPath(QStringLiteral("cli/household.tfx"))));
    sandbox.writeRegistry({QStringLiteral("\"Version\"=dword:000003b9"),
                           QStringLiteral("\"DataLocation\"=\"%1\"").arg(folder),
                           QStringLiteral("\"Database\"=\"%1\"").arg(database)});

    const CliRun run = sandbox.run({QStringLiteral("list")});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.err, QByteArray());
    EXPECT_EQ(run.out.count('\n'), 6);
    EXPECT_TRUE(run.out.startsWith("Salary\t-\t\t2010-02-03\tEUR\t-100.00\tBank transfer\tMyself\t-100.00\n"))
        << run.out.toStdString();
    // Reading makes nothing in the settings folder.
    EXPECT_FALSE(QFile::exists(folder + QStringLiteral("Tallyfox.log")));
    EXPECT_FALSE(QFile::exists(sandbox.settingsFolder()));
}

TEST(CliSwitches, DashDNamesTheSettingsFolderAndDashFTheDatabase)
{
    CliSandbox sandbox;
    const QString folder = sandbox.file(QStringLiteral("elsewhere/"));
    QDir().mkpath(folder);
    const QStringList inFolder = {QStringLiteral("-d"), folder};

    const CliRun added = sandbox.run(inFolder + QStringList{QStringLiteral("add"), QStringLiteral("--type"),
                                                            QStringLiteral("Lunch"),
                                                            QStringLiteral("--amount"), QStringLiteral("4")});
    EXPECT_EQ(added.exitCode, 0) << added.err.toStdString();
    EXPECT_TRUE(QFile::exists(folder + QStringLiteral("TallyfoxData.tfx")));
    EXPECT_TRUE(QFile::exists(folder + QStringLiteral("TallyfoxDefaults.ini")));
    EXPECT_FALSE(QFile::exists(sandbox.defaultDatabase()));

    // A relative -f is taken from the working folder, whether or not the file exists.
    writeFileBytes(sandbox.file(QStringLiteral("other.txt")),
                   readFileBytes(testDataPath(QStringLiteral("cli/household.tfx"))));
    const CliRun other = sandbox.run(
        inFolder + QStringList{QStringLiteral("-f"), QStringLiteral("other.txt"), QStringLiteral("list")});
    EXPECT_EQ(other.out.count('\n'), 6);
    const CliRun none = sandbox.run(
        inFolder + QStringList{QStringLiteral("-f"), QStringLiteral("none.doc"), QStringLiteral("report")});
    EXPECT_EQ(none.exitCode, 0);
    EXPECT_TRUE(
        none.out.startsWith("Filename:\n" + sandbox.file(QStringLiteral("none.doc")).toUtf8() + "\n"));
    EXPECT_FALSE(QFile::exists(sandbox.file(QStringLiteral("none.doc"))));

    const CliRun mine = sandbox.run(inFolder + QStringList{QStringLiteral("list")});
    EXPECT_TRUE(mine.out.startsWith("Lunch\t")) << mine.out.toStdString();
}

TEST(CliSwitches, AMissingSettingsFolderIsAFailureNotAFallBack)
{
    const CliSandbox sandbox;
    const QString missing = sandbox.file(QStringLiteral("no such folder"));
    const CliRun run =
        sandbox.run({QStringLiteral("-d"), missing, QStringLiteral("add"), QStringLiteral("--type"),
                     QStringLiteral("Lunch"), QStringLiteral("--amount"), QStringLiteral("4")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains(missing.toUtf8())) << run.err.toStdString();
    EXPECT_FALSE(QFile::exists(sandbox.registryFile()));
    EXPECT_FALSE(QFile::exists(sandbox.settingsFolder()));
}

TEST(CliSwitches, TodayPinsTheDateOfTheReportsMonths)
{
    CliSandbox sandbox;
    const QString database = sandbox.file(QStringLiteral("household.tfx"));
    writeFileBytes(database, readFileBytes(testDataPath(QStringLiteral("cli/household.tfx"))));
    const QStringList report = {QStringLiteral("-f"), database, QStringLiteral("report")};

    // TALLYFOX_NOW is February 2010; --today wins over it.
    EXPECT_TRUE(sandbox.run(report).out.contains("This month (2)\n"));
    const CliRun january =
        sandbox.run(QStringList{QStringLiteral("--today"), QStringLiteral("2010-01-31")} + report);
    EXPECT_TRUE(january.out.contains("This month (2)\nUS$: 0.00 - 14.40")) << january.out.toStdString();
    EXPECT_TRUE(january.out.contains("Last month (1)\nGBP: 0.00 - 8.00")) << january.out.toStdString();
    sandbox.environment.insert(QStringLiteral("TALLYFOX_NOW"), QStringLiteral("2009-12-01"));
    EXPECT_TRUE(sandbox.run(report).out.contains("This month (1)\nGBP:"));
}

} // namespace
} // namespace tallyfox
