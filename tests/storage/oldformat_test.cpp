// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "core/daycount.h"
#include "storage/databasefile.h"
#include "storage/oldformat.h"
#include "support/testenvironment.h"

#include <QBuffer>
#include <QDir>
#include <bit>
#include <cstdint>
#include <gtest/gtest.h>

namespace tallyfox {
namespace {

using test::readFileBytes;
using test::TempFolder;
using test::testDataPath;
using test::writeFileBytes;

const QDateTime kNow(QDate(2010, 1, 3), QTime(12, 0));
const double kNowDayCount = dayCountFromDate(2010, 1, 3) + 0.5;

class OldFormat : public ::testing::Test
{
protected:
    OldFormat() { state.settingsFolder = folder.path() + u'/'; }

    ExpenseArray convert(const QByteArray& content)
    {
        const IniReader ini(state.locale, content);
        return readOldFormatEntries(ini, kNow);
    }

    TempFolder folder;
    AppState state{test::pinnedLocale()};
};

TEST_F(OldFormat, AnOldFileConvertsToTheReferenceDatabase)
{
    const QByteArray old = readFileBytes(testDataPath(QStringLiteral("oldformat/TallyfoxData.ini")));
    writeFileBytes(oldDatabasePath(state), old);
    ASSERT_TRUE(convertOldDatabase(state, kNow).ok());
    ASSERT_EQ(state.entryCount(), 4);

    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(writeDatabaseContent(buffer, state.entries, state.entryCount()));
    const QString reference = testDataPath(QStringLiteral("oldformat/TallyfoxData.expected.tfx"));
    if (qEnvironmentVariableIsSet("TALLYFOX_UPDATE_GOLDEN"))
        writeFileBytes(reference, buffer.data());
    EXPECT_EQ(buffer.data(), readFileBytes(reference));
    // The old file is left as it was.
    EXPECT_EQ(readFileBytes(oldDatabasePath(state)), old);
}

TEST_F(OldFormat, EntriesComeInNumberOrderWithTheirValues)
{
    const ExpenseArray entries = convert("[Main]\r\nNr of expenses=2\r\n"
                                         "[Expense2]\r\nName=Second\r\nIncome=1\r\n"
                                         "[Expense1]\r\nName=First\r\nAmount=0000000000002940\r\n"
                                         "Date=000000008A642641\r\nCurrency=EUR\r\nIntended source=Client\r\n"
                                         "Paid with=Cash\r\nNote=\"quoted note\"\r\nIncome=0\r\n");
    ASSERT_EQ(entries.count(), 2);
    Expense first;
    first.type = QStringLiteral("First");
    first.amount = 12.5;
    first.date = dayCountFromDate(2009, 12, 24);
    first.currency = QStringLiteral("EUR");
    first.intendedSource = QStringLiteral("Client");
    first.paidWith = QStringLiteral("Cash");
    first.note = QStringLiteral("quoted note");
    first.receipt = QStringLiteral("00");
    EXPECT_EQ(entries[0], first);
    EXPECT_EQ(entries[1].type, u"Second");
    EXPECT_TRUE(entries[1].income);
}

TEST_F(OldFormat, MissingSectionsAndValuesGiveDefaultEntries)
{
    const ExpenseArray entries = convert(
        "[Main]\r\nNr of expenses=3\r\n[Expense1]\r\nDate=0000000000000000\r\nCurrency=\r\nNote=\r\n");
    ASSERT_EQ(entries.count(), 3);
    Expense defaults;
    defaults.date = kNowDayCount; // today, with the time of day
    defaults.currency = QStringLiteral("?");
    defaults.type = QStringLiteral("Unknown");
    defaults.intendedSource = QStringLiteral("Unknown");
    defaults.paidWith = QStringLiteral("Unknown");
    defaults.receipt = QStringLiteral("00");
    for (const Expense& entry : entries)
        EXPECT_EQ(entry, defaults);
}

TEST_F(OldFormat, TheEntryCountIsReadSafely)
{
    struct Case
    {
        QByteArray content;
        int count;
    };
    const Case cases[] = {
        {"", 0},
        {"[Other]\r\nNr of expenses=2\r\n", 0},
        {"[main]\r\nnr of EXPENSES = 2\r\n", 2},
        {"[Main]\r\nNr of expenses=-4\r\n", 0},
        {"[Main]\r\nNr of expenses=abc\r\n", 0},
        // A count beyond what the file could hold is damage: no more entries than lines.
        {"[Main]\r\nNr of expenses=2147483647\r\n", 2},
    };
    for (const Case& c : cases)
        EXPECT_EQ(convert(c.content).count(), c.count) << c.content.constData();
}

TEST_F(OldFormat, BinaryValuesThatAreShortOrNonsenseReadSafely)
{
    struct Case
    {
        QByteArray date;
        QByteArray amount;
        double expectedDate;
        double expectedAmount;
    };
    const auto bits = [](std::uint64_t value) {
        return std::bit_cast<double>(value);
    };
    const double christmas = dayCountFromDate(2009, 12, 24);
    const Case cases[] = {
        // Bytes that the text does not reach stay 0.
        {"000000008A642641", "00000000000029", christmas, bits(0x0029000000000000)},
        {"000000008A642641", "29", christmas, bits(0x29)},
        {"000000008A642641", "2", christmas, 0.0},
        {"XYZ", "$1$2", kNowDayCount, bits(0x0201)},
        // Not a number, infinite, beyond the largest stored amount, before the first calendar day.
        {"000000000000F87F", "000000000000F87F", kNowDayCount, 0.0},
        {"000000000000F07F", "000000000000F0FF", kNowDayCount, 0.0},
        {"000000000000E03F", "0000000000003047", kNowDayCount, kLargestStoredAmount},
        {"000000000000E0BF", "00000000000030C7", kNowDayCount, -kLargestStoredAmount},
    };
    for (const Case& c : cases) {
        const ExpenseArray entries = convert("[Main]\r\nNr of expenses=1\r\n[Expense1]\r\nDate=" + c.date +
                                             "\r\nAmount=" + c.amount + "\r\n");
        ASSERT_EQ(entries.count(), 1);
        EXPECT_EQ(entries[0].date, c.expectedDate) << c.date.constData();
        EXPECT_EQ(entries[0].amount, c.expectedAmount) << c.amount.constData();
    }
}

TEST_F(OldFormat, AMissingFileGivesNoEntriesAndAnUnreadableOneLeavesThemAlone)
{
    state.entries.append(Expense());
    ASSERT_TRUE(convertOldDatabase(state, kNow).ok());
    EXPECT_EQ(state.entryCount(), 0);

    state.entries.append(Expense());
    ASSERT_TRUE(QDir().mkdir(oldDatabasePath(state)));
    const FileResult result = convertOldDatabase(state, kNow);
    EXPECT_EQ(result.error(), FileError::NotRegularFile);
    EXPECT_TRUE(result.message().contains(oldDatabasePath(state))) << result.message().toStdString();
    EXPECT_EQ(state.entryCount(), 1);
}

} // namespace
} // namespace tallyfox
