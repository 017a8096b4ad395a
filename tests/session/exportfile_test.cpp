// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "money/currencytable.h"
#include "session/exportfile.h"
#include "sessionfixture.h"

#include <QBuffer>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace tallyfox {
namespace {

using test::fileLines;
using test::readFileBytes;
using test::testDataPath;
using test::writeFileBytes;

const QStringList kEuroTable = {QStringLiteral("EUR=Primary"), QStringLiteral("US$=1.44"),
                                QStringLiteral("GBP=0.89")};

class ExportFile : public test::SessionTest
{
protected:
    ExportFile() { buildCurrencyTable(state, kEuroTable); }

    // The worked example: an expense with a receipt and an income without one.
    void addWorkedExample()
    {
        addEntries({{.type = "Dinner",
                     .currency = "EUR",
                     .amount = 12.5,
                     .date = QDate(2009, 12, 24),
                     .receipt = "17",
                     .note = "With client"},
                    {.type = "Refund",
                     .currency = "US$",
                     .amount = 20.0,
                     .income = true,
                     .date = QDate(2010, 1, 2),
                     .source = "Client",
                     .paidWith = "Bank transfer"}});
    }

    QStringList exportLines()
    {
        const QString path = file(QStringLiteral("export.txt"));
        EXPECT_TRUE(session.exportData(path).ok());
        return fileLines(path);
    }
};

TEST_F(ExportFile, TheWorkedExampleMatchesTheReferenceFile)
{
    addWorkedExample();
    const QString path = file(QStringLiteral("export.txt"));
    ASSERT_TRUE(session.exportData(path).ok());
    const QByteArray written = readFileBytes(path);
    const QString reference = testDataPath(QStringLiteral("export/worked.expected.txt"));
    if (qEnvironmentVariableIsSet("TALLYFOX_UPDATE_GOLDEN"))
        writeFileBytes(reference, written);
    EXPECT_EQ(written, readFileBytes(reference));

    const QStringList lines = fileLines(path);
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines[0],
              QStringLiteral("Date\tCurrency\tAmount\tEUR\tType\tIntended source\tPaid with\tReceipt\tNote"));
    const QStringList expense = lines[1].split(u'\t');
    const QStringList income = lines[2].split(u'\t');
    ASSERT_EQ(expense.size(), 9);
    ASSERT_EQ(income.size(), 9);
    EXPECT_EQ(expense[2], QStringLiteral("12.50"));
    EXPECT_EQ(income[2], QStringLiteral("-20.00"));
    EXPECT_EQ(expense[3], QStringLiteral("12.50"));
    EXPECT_EQ(income[3], QStringLiteral("-13.89"));
    EXPECT_EQ(expense[7], QStringLiteral("17"));
    EXPECT_EQ(income[7], QStringLiteral("-"));
}

TEST_F(ExportFile, ExportingChangesNothingElse)
{
    addWorkedExample();
    state.settings.autoSort = true;
    ASSERT_TRUE(session.exportData(file(QStringLiteral("export.txt"))).ok());
    // No refresh: the database is not written, nothing is sorted or logged.
    EXPECT_FALSE(QFileInfo::exists(state.databasePath));
    EXPECT_FALSE(QFileInfo::exists(logFilePath(state)));
    EXPECT_EQ(state.entries[0].type, QStringLiteral("Dinner"));
    EXPECT_EQ(state.entries[1].type, QStringLiteral("Refund"));
}

TEST_F(ExportFile, AnEmptyTableGivesTheHeaderOnly)
{
    const QString path = file(QStringLiteral("empty.txt"));
    ASSERT_TRUE(session.exportData(path).ok());
    EXPECT_EQ(readFileBytes(path),
              QByteArray("Date\tCurrency\tAmount\tEUR\tType\tIntended source\tPaid with\tReceipt\tNote\r\n"));
}

TEST_F(ExportFile, ACurrencyMissingFromTheTableExportsAQuestionMark)
{
    addEntries({{.currency = "CHF", .amount = 3.0}, {.currency = "eur", .amount = 3.0}});
    const QStringList lines = exportLines();
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines[1].section(u'\t', 3, 3), QStringLiteral("?"));
    // Currency names are matched with their case.
    EXPECT_EQ(lines[2].section(u'\t', 3, 3), QStringLiteral("?"));
}

TEST_F(ExportFile, TheHeaderFollowsThePrimaryCurrencyAndTheSignsTheSetting)
{
    buildCurrencyTable(state, {QStringLiteral("GBP=Primary"), QStringLiteral("EUR=1.12")});
    state.settings.incomeIsPositive = true;
    addEntries({{.currency = "EUR", .amount = 11.2}, {.currency = "GBP", .amount = 4.0, .income = true}});
    const QStringList lines = exportLines();
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines[0].section(u'\t', 3, 3), QStringLiteral("GBP"));
    EXPECT_EQ(lines[1].section(u'\t', 2, 3), QStringLiteral("-11.20\t-10.00"));
    EXPECT_EQ(lines[2].section(u'\t', 2, 3), QStringLiteral("4.00\t4.00"));

    // Without a currency table the header's field is empty, and nothing converts.
    state.currencies.clear();
    const QStringList bare = exportLines();
    EXPECT_EQ(bare[0].section(u'\t', 3, 3), QString());
    EXPECT_EQ(bare[1].section(u'\t', 3, 3), QStringLiteral("?"));
}

TEST_F(ExportFile, NoTextCanSplitALineOrAField)
{
    addEntries({{.type = "Taxi\tride",
                 .currency = "EUR",
                 .amount = 7.0,
                 .receipt = "1\r2",
                 .note = "line one\r\nline two\nthree\tfour",
                 .source = "Caf\xc3\xa9",
                 .paidWith = "Cash\n"}});
    const QStringList lines = exportLines();
    ASSERT_EQ(lines.size(), 2);
    const QStringList fields = lines[1].split(u'\t');
    ASSERT_EQ(fields.size(), 9);
    EXPECT_EQ(fields[4], QStringLiteral("Taxi ride"));
    EXPECT_EQ(fields[5], QStringLiteral("Caf\u00e9"));
    EXPECT_EQ(fields[6], QStringLiteral("Cash "));
    EXPECT_EQ(fields[7], QStringLiteral("1 2"));
    EXPECT_EQ(fields[8], QStringLiteral("line one  line two three four"));
}

TEST_F(ExportFile, AFailingDeviceIsReported)
{
    addWorkedExample();
    QBuffer whole;
    whole.open(QIODevice::WriteOnly);
    ASSERT_TRUE(writeExportContent(whole, state));
    const qint64 size = whole.data().size();

    test::FailingDevice enough(size);
    EXPECT_TRUE(writeExportContent(enough, state));
    EXPECT_EQ(enough.written(), whole.data());
    test::FailingDevice full(size - 1);
    EXPECT_FALSE(writeExportContent(full, state));
}

TEST_F(ExportFile, AFileThatCannotBeWrittenIsReportedByName)
{
    addWorkedExample();
    const QString path = file(QStringLiteral("no such folder/export.txt"));
    const FileResult result = session.exportData(path);
    ASSERT_FALSE(result.ok());
    EXPECT_TRUE(result.message().contains(path)) << result.message().toStdString();
    EXPECT_FALSE(QFileInfo::exists(path));

    // An existing export is replaced whole.
    const QString existing = file(QStringLiteral("old.txt"));
    writeFileBytes(existing, QByteArray(5000, 'x'));
    ASSERT_TRUE(session.exportData(existing).ok());
    EXPECT_EQ(fileLines(existing).size(), 3);
}

} // namespace
} // namespace tallyfox
