// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

// tallyfox-cli import and the formats of export and list, as a user runs them: what is printed and
// stored, the exit codes, the mapping remembered per header, and a journal that ledger reads.
#include "clisandbox.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <gtest/gtest.h>

namespace tallyfox {
namespace {

using test::CliRun;
using test::CliSandbox;
using test::readFileBytes;
using test::testDataPath;
using test::writeFileBytes;

class CliImport : public ::testing::Test
{
protected:
    CliRun run(const QStringList& arguments) const
    {
        return sandbox.run(QStringList{QStringLiteral("-f"), database} + arguments);
    }
    [[nodiscard]] QString statement(const char* name) const
    {
        return testDataPath(QStringLiteral("import/") + QString::fromUtf8(name));
    }
    [[nodiscard]] int entryCount() const { return int(run({QStringLiteral("list")}).out.count('\n')); }

    CliSandbox sandbox;
    const QString database = sandbox.file(QStringLiteral("mine.tfx"));
};

TEST_F(CliImport, PrintsWhatItStoredAndEachRejectedRow)
{
    const CliRun first = run({QStringLiteral("import"), statement("german-bank.csv")});
    EXPECT_EQ(first.exitCode, 0) << first.err.toStdString();
    EXPECT_EQ(first.out, QByteArray("6 imported, 0 duplicates left out, 2 rejected\n"
                                    "line 7: no date\n"
                                    "line 8: amount \"1,5,0\" is not a number\n"));
    EXPECT_EQ(readFileBytes(database), readFileBytes(statement("german-bank.expected.tfx")));
    // One "New" line per entry in the edit log.
    const QByteArray log = readFileBytes(sandbox.settingsFolder() + QStringLiteral("Tallyfox.log"));
    EXPECT_EQ(log.count("\tNew\t"), 6);

    const CliRun again = run({QStringLiteral("import"), statement("german-bank.csv")});
    EXPECT_EQ(again.exitCode, 0);
    EXPECT_TRUE(again.out.startsWith("0 imported, 6 duplicates left out, 2 rejected\n"))
        << again.out.toStdString();
    EXPECT_EQ(entryCount(), 6);
    const CliRun allowed =
        run({QStringLiteral("import"), statement("german-bank.csv"), QStringLiteral("--allow-duplicates")});
    EXPECT_TRUE(allowed.out.startsWith("6 imported, 0 duplicates left out")) << allowed.out.toStdString();
    EXPECT_EQ(entryCount(), 12);
}

TEST_F(CliImport, ADryRunStoresNothingAndOptionsOverrideWhatTheFileProposes)
{
    const QStringList import = {QStringLiteral("import"), statement("spreadsheet.csv")};
    const CliRun dry = run(import + QStringList{QStringLiteral("--dry-run")});
    EXPECT_EQ(dry.exitCode, 0);
    EXPECT_TRUE(dry.out.startsWith("5 to import, 0 duplicates left out, 2 rejected\n"))
        << dry.out.toStdString();
    EXPECT_FALSE(QFile::exists(database));

    const CliRun stored =
        run(import + QStringList{QStringLiteral("--currency"), QStringLiteral("US$"), QStringLiteral("--map"),
                                 QStringLiteral("type=none,note=Payee"), QStringLiteral("--type"),
                                 QStringLiteral("Card"), QStringLiteral("--negative-is-income")});
    EXPECT_EQ(stored.exitCode, 0) << stored.err.toStdString();
    const QList<QByteArray> lines = run({QStringLiteral("list")}).out.split('\n');
    ASSERT_GE(lines.size(), 5);
    EXPECT_EQ(lines[0], QByteArray("Card\t-\tCorner Cafe\t2023-01-03\tUS$\t-3.50\tCash\tEmployer\t-2.43"));
    EXPECT_TRUE(lines[1].startsWith("Card\t-\tACME Corp\t2023-01-13\tUS$\t2500.00\t"))
        << lines[1].toStdString();
}

TEST_F(CliImport, TheMappingIsRememberedForTheHeader)
{
    const QString file = sandbox.file(QStringLiteral("statement.csv"));
    writeFileBytes(file, "Wann;Wer;Wieviel\n03.01.2023;Kiosk;-4,50\n");
    const QStringList import = {QStringLiteral("import"), file};
    const CliRun unknown = run(import);
    EXPECT_EQ(unknown.exitCode, 2);
    EXPECT_TRUE(unknown.err.contains("--map date=COL")) << unknown.err.toStdString();

    const CliRun mapped =
        run(import + QStringList{QStringLiteral("--map"), QStringLiteral("date=Wann,amount=3,note=2"),
                                 QStringLiteral("--type"), QStringLiteral("Kiosk")});
    EXPECT_EQ(mapped.exitCode, 0) << mapped.err.toStdString();
    EXPECT_TRUE(sandbox.registryText().contains(QStringLiteral("\"Columns\"=\"date=1,amount=3,note=2\"")))
        << sandbox.registryText().toStdString();

    // Next month's statement: the same header, no options.
    writeFileBytes(file, "Wann;Wer;Wieviel\n03.02.2023;Kiosk;-5,10\n");
    const CliRun next = run(import);
    EXPECT_EQ(next.exitCode, 0) << next.err.toStdString();
    EXPECT_EQ(next.out, QByteArray("1 imported, 0 duplicates left out, 0 rejected\n"));
    const QByteArray listed = run({QStringLiteral("list")}).out;
    EXPECT_TRUE(listed.contains("Kiosk\t-\tKiosk\t2023-02-03\tEUR\t5.10\t")) << listed.toStdString();
}

TEST_F(CliImport, ExitCodesAreAddsAndEveryRowRejectedStoresNothing)
{
    const QString bad = sandbox.file(QStringLiteral("bad.csv"));
    writeFileBytes(bad, "Date,Amount\nyesterday,5\n2023-01-01,lots\n");
    const CliRun rejected = run({QStringLiteral("import"), bad});
    EXPECT_EQ(rejected.exitCode, 1);
    EXPECT_EQ(rejected.out, QByteArray("0 imported, 0 duplicates left out, 2 rejected\n"
                                       "line 2: date \"yesterday\" is not yyyy-MM-dd\n"
                                       "line 3: amount \"lots\" is not a number\n"));
    EXPECT_FALSE(QFile::exists(database));

    const CliRun missing = run({QStringLiteral("import"), sandbox.file(QStringLiteral("none.csv"))});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_TRUE(missing.err.contains("none.csv")) << missing.err.toStdString();

    for (const QStringList& wrong :
         {QStringList{QStringLiteral("import")},
          QStringList{QStringLiteral("import"), bad, QStringLiteral("other.csv")},
          QStringList{QStringLiteral("import"), bad, QStringLiteral("--decimal"), QStringLiteral(";")},
          QStringList{QStringLiteral("import"), bad, QStringLiteral("--delimiter"), QStringLiteral("::")},
          QStringList{QStringLiteral("import"), bad, QStringLiteral("--date-format"), QStringLiteral("dddd")},
          QStringList{QStringLiteral("import"), bad, QStringLiteral("--map"), QStringLiteral("colour=1")},
          QStringList{QStringLiteral("import"), bad, QStringLiteral("--sort"), QStringLiteral("date")},
          QStringList{QStringLiteral("list"), QStringLiteral("--dry-run")},
          QStringList{QStringLiteral("list"), QStringLiteral("--format"), QStringLiteral("journal")},
          QStringList{QStringLiteral("export"), QStringLiteral("--format"), QStringLiteral("xml")}}) {
        SCOPED_TRACE(wrong.join(u' ').toStdString());
        const CliRun usage = run(wrong);
        EXPECT_EQ(usage.exitCode, 2);
        EXPECT_EQ(usage.errLines().size(), 1);
    }
}

TEST_F(CliImport, AnUnclearOrderOfDayAndMonthIsSaid)
{
    const QString file = sandbox.file(QStringLiteral("unclear.csv"));
    writeFileBytes(file, "Date,Amount,Note\n1/3/2023,-4.50,Kiosk\n2/1/2023,-1.20,Bus\n");
    const CliRun guessed = run({QStringLiteral("import"), file});
    EXPECT_EQ(guessed.exitCode, 0);
    EXPECT_TRUE(guessed.err.contains("read as M/d/yyyy; they read as d/M/yyyy too"))
        << guessed.err.toStdString();
    QFile::remove(database);
    const CliRun chosen =
        run({QStringLiteral("import"), file, QStringLiteral("--date-format"), QStringLiteral("d/M/yyyy")});
    EXPECT_EQ(chosen.err, QByteArray());
    EXPECT_TRUE(run({QStringLiteral("list")}).out.contains("\t2023-03-01\t"));
}

class CliFormats : public ::testing::Test
{
protected:
    void SetUp() override
    {
        writeFileBytes(database, readFileBytes(testDataPath(QStringLiteral("cli/household.tfx"))));
        sandbox.writeDefaults("EUR=Primary\r\nUS$=1.25\r\nGBP=0.80\r\n");
    }
    CliRun run(const QStringList& arguments) const
    {
        return sandbox.run(QStringList{QStringLiteral("-f"), database} + arguments);
    }

    CliSandbox sandbox;
    const QString database = sandbox.file(QStringLiteral("household.tfx"));
};

TEST_F(CliFormats, EveryExportFormatImportsBackAsTheSameEntries)
{
    const QByteArray listed = run({QStringLiteral("list")}).out;
    for (const char* format : {"tsv", "csv", "json", "journal"}) {
        SCOPED_TRACE(format);
        const QString exported = sandbox.file(QStringLiteral("export.") + QString::fromUtf8(format));
        const CliRun written = run({QStringLiteral("export"), QStringLiteral("--format"),
                                    QString::fromUtf8(format), QStringLiteral("--out"), exported});
        ASSERT_EQ(written.exitCode, 0) << written.err.toStdString();
        const QString copy =
            sandbox.file(QStringLiteral("copy-") + QString::fromUtf8(format) + QStringLiteral(".tfx"));
        const CliRun imported = sandbox.run({QStringLiteral("-f"), copy, QStringLiteral("import"), exported});
        EXPECT_EQ(imported.out, QByteArray("6 imported, 0 duplicates left out, 0 rejected\n"));
        EXPECT_EQ(sandbox.run({QStringLiteral("-f"), copy, QStringLiteral("list")}).out, listed);
    }
}

TEST_F(CliFormats, ListPrintsIsoDatesWhateverTheLocaleAndTakesCsvAndJson)
{
    for (const char* locale : {"en_US.UTF-8", "de_DE.UTF-8", "C"}) {
        SCOPED_TRACE(locale);
        sandbox.environment.insert(QStringLiteral("LC_ALL"), QString::fromUtf8(locale));
        EXPECT_TRUE(run({QStringLiteral("list")}).out.startsWith("Salary\t-\t\t2010-02-03\tEUR\t-100.00\t"));
    }
    const CliRun csv = run({QStringLiteral("list"), QStringLiteral("--format"), QStringLiteral("csv"),
                            QStringLiteral("--sort"), QStringLiteral("date")});
    EXPECT_TRUE(csv.out.startsWith("What,Receipt,Note,Date,Currency,Amount,Paid with,Int. source,EUR\n"
                                   "Refund,-,,2009-11-15,US$,-20.00,Bank transfer,Employer,-16.00\n"))
        << csv.out.toStdString();
    const CliRun json = run({QStringLiteral("list"), QStringLiteral("--format"), QStringLiteral("json")});
    EXPECT_TRUE(
        json.out.startsWith("[\n  {\"date\": \"2010-02-03\", \"type\": \"Salary\", \"amount\": 100.00, "
                            "\"currency\": \"EUR\", \"income\": true,"))
        << json.out.toStdString();
    EXPECT_TRUE(json.out.contains("\"primaryAmount\": null")) << "XYZ is not in the table";
}

TEST_F(CliFormats, ReadingCommandsWriteNothingAndSayWhenTheFileIsMissing)
{
    const QString log = sandbox.settingsFolder() + QStringLiteral("Tallyfox.log");
    ASSERT_EQ(sandbox
                  .run({QStringLiteral("add"), QStringLiteral("--type"), QStringLiteral("Tea"),
                        QStringLiteral("--amount"), QStringLiteral("2")})
                  .exitCode,
              0);
    const QByteArray registryBefore = readFileBytes(sandbox.registryFile());
    const QByteArray logBefore = readFileBytes(log);
    for (const QStringList& command :
         {QStringList{QStringLiteral("list")}, QStringList{QStringLiteral("report")},
          QStringList{QStringLiteral("table"), QStringLiteral("types")},
          QStringList{QStringLiteral("export"), QStringLiteral("--format"), QStringLiteral("journal")}}) {
        SCOPED_TRACE(command.join(u' ').toStdString());
        EXPECT_EQ(run(command).exitCode, 0);
        const CliRun missing = sandbox.run(
            QStringList{QStringLiteral("-f"), sandbox.file(QStringLiteral("typo.tfx"))} + command);
        EXPECT_EQ(missing.exitCode, 0);
        ASSERT_EQ(missing.errLines().size(), 1);
        EXPECT_TRUE(missing.errLines()[0].contains("typo.tfx\": No such file")) << missing.err.toStdString();
    }
    EXPECT_EQ(readFileBytes(sandbox.registryFile()), registryBefore);
    EXPECT_EQ(readFileBytes(log), logBefore);
    EXPECT_FALSE(QFile::exists(sandbox.file(QStringLiteral("typo.tfx"))));
}

// The balances of the account as "COMMODITY AMOUNT", sorted, from ledger's or hledger's balance report.
QStringList balances(const QString& program, const QString& journal, const QString& account)
{
    QProcess process;
    const QStringList arguments = {QStringLiteral("-f"),         journal,
                                   QStringLiteral("balance"),    account,
                                   QStringLiteral("--no-total"), QStringLiteral("--depth"),
                                   QStringLiteral("1")};
    process.start(program, arguments);
    EXPECT_TRUE(process.waitForFinished(60000));
    EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    EXPECT_EQ(process.readAllStandardError(), QByteArray());
    QStringList found;
    for (const QString& line : QString::fromUtf8(process.readAllStandardOutput()).split(u'\n')) {
        const QStringList words = line.simplified().split(u' ', Qt::SkipEmptyParts);
        if (words.size() >= 2)
            found.append(QString(words[1]).remove(u'"') + u' ' + words[0]);
    }
    found.sort();
    return found;
}

TEST_F(CliFormats, LedgerAndHledgerReadTheJournalWithTheReportsTotals)
{
    const QString journal = sandbox.file(QStringLiteral("household.journal"));
    ASSERT_EQ(run({QStringLiteral("export"), QStringLiteral("--format"), QStringLiteral("journal"),
                   QStringLiteral("--out"), journal})
                  .exitCode,
              0);
    // The report's grand totals, "CUR: income - expenses = balance", as the journal's accounts hold them.
    const QString report = QString::fromUtf8(run({QStringLiteral("report")}).out);
    const QString grand =
        report.section(QStringLiteral("Grand totals"), 1).section(QStringLiteral("\n\n"), 0, 0);
    QStringList income;
    QStringList expenses;
    QStringList assets;
    const auto money = [](const QString& currency, const QString& amount) {
        return currency + u' ' + amount;
    };
    for (const QString& line : grand.split(u'\n')) {
        const QStringList parts = line.simplified().split(u' ');
        if (parts.size() != 6 || !parts[0].endsWith(u':') || parts[0].startsWith(QStringLiteral("In")))
            continue;
        const QString currency = parts[0].chopped(1);
        if (parts[1] != u"0.00")
            income.append(money(currency, u'-' + parts[1]));
        if (parts[3] != u"0.00")
            expenses.append(money(currency, parts[3]));
        assets.append(money(currency, parts[5]));
    }
    income.sort();
    expenses.sort();
    assets.sort();
    ASSERT_EQ(assets.size(), 4) << grand.toStdString();

    QStringList programs = {QStringLiteral("ledger")};
    if (!QStandardPaths::findExecutable(QStringLiteral("hledger")).isEmpty())
        programs.append(QStringLiteral("hledger"));
    const QString ledger = QStandardPaths::findExecutable(QStringLiteral("ledger"));
    ASSERT_FALSE(ledger.isEmpty()) << "make test installs ledger";
    for (const QString& program : programs) {
        SCOPED_TRACE(program.toStdString());
        const QString path = QStandardPaths::findExecutable(program);
        EXPECT_EQ(balances(path, journal, QStringLiteral("income")), income);
        EXPECT_EQ(balances(path, journal, QStringLiteral("expenses")), expenses);
        EXPECT_EQ(balances(path, journal, QStringLiteral("assets")), assets);
    }
}

} // namespace
} // namespace tallyfox
