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
    OldFormat() { state.SettingsFolder = folder.path() + u'/'; }

    expensearray convert(const QByteArray& content)
    {
        TIniFile ini(state.Locale, content);
        expensearray entries;
        readOldFormatEntries(ini, kNow, entries);
        return entries;
    }

    TempFolder folder;
    AppState state{test::pinnedLocale()};
};

TEST_F(OldFormat, AnOldFileConvertsToTheReferenceDatabase)
{
    const QByteArray old = readFileBytes(testDataPath(QStringLiteral("oldformat/TallyfoxData.ini")));
    writeFileBytes(oldDatabasePath(state), old);
    ASSERT_TRUE(ConvertOldDatabase(state, kNow).ok());
    ASSERT_EQ(state.EntryCount(), 4);

    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(writeDatabaseContent(buffer, state.Entries, state.EntryCount()));
    const QString reference = testDataPath(QStringLiteral("oldformat/TallyfoxData.expected.tfx"));
    if (qEnvironmentVariableIsSet("TALLYFOX_UPDATE_GOLDEN"))
        writeFileBytes(reference, buffer.data());
    EXPECT_EQ(buffer.data(), readFileBytes(reference));
    // The old file is left as it was.
    EXPECT_EQ(readFileBytes(oldDatabasePath(state)), old);
}

TEST_F(OldFormat, EntriesComeInNumberOrderWithTheirValues)
{
    const expensearray entries = convert("[Main]\r\nNr of expenses=2\r\n"
                                         "[Expense2]\r\nName=Second\r\nIncome=1\r\n"
                                         "[Expense1]\r\nName=First\r\nAmount=0000000000002940\r\n"
                                         "Date=000000008A642641\r\nCurrency=EUR\r\nIntended source=Client\r\n"
                                         "Paid with=Cash\r\nNote=\"quoted note\"\r\nIncome=0\r\n");
    ASSERT_EQ(entries.count(), 2);
    TExpense first;
    first.Type = QStringLiteral("First");
    first.Amount = 12.5;
    first.Date = dayCountFromDate(2009, 12, 24);
    first.Currency = QStringLiteral("EUR");
    first.IntendedSource = QStringLiteral("Client");
    first.PaidWith = QStringLiteral("Cash");
    first.Note = QStringLiteral("quoted note");
    first.Receipt = QStringLiteral("00");
    EXPECT_EQ(entries[0], first);
    EXPECT_EQ(entries[1].Type, u"Second");
    EXPECT_TRUE(entries[1].Income);
}

TEST_F(OldFormat, MissingSectionsAndValuesGiveDefaultEntries)
{
    const expensearray entries = convert(
        "[Main]\r\nNr of expenses=3\r\n[Expense1]\r\nDate=0000000000000000\r\nCurrency=\r\nNote=\r\n");
    ASSERT_EQ(entries.count(), 3);
    TExpense defaults;
    defaults.Date = kNowDayCount; // today, with the time of day
    defaults.Currency = QStringLiteral("?");
    defaults.Type = QStringLiteral("Unknown");
    defaults.IntendedSource = QStringLiteral("Unknown");
    defaults.PaidWith = QStringLiteral("Unknown");
    defaults.Receipt = QStringLiteral("00");
    for (const TExpense& entry : entries)
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
        const expensearray entries = convert("[Main]\r\nNr of expenses=1\r\n[Expense1]\r\nDate=" + c.date +
                                             "\r\nAmount=" + c.amount + "\r\n");
        ASSERT_EQ(entries.count(), 1);
        EXPECT_EQ(entries[0].Date, c.expectedDate) << c.date.constData();
        EXPECT_EQ(entries[0].Amount, c.expectedAmount) << c.amount.constData();
    }
}

TEST_F(OldFormat, AMissingFileGivesNoEntriesAndAnUnreadableOneLeavesThemAlone)
{
    state.Entries.append(TExpense());
    ASSERT_TRUE(ConvertOldDatabase(state, kNow).ok());
    EXPECT_EQ(state.EntryCount(), 0);

    state.Entries.append(TExpense());
    ASSERT_TRUE(QDir().mkdir(oldDatabasePath(state)));
    const FileResult result = ConvertOldDatabase(state, kNow);
    EXPECT_FALSE(result.ok());
    EXPECT_TRUE(result.message().contains(oldDatabasePath(state))) << result.message().toStdString();
    EXPECT_EQ(state.EntryCount(), 1);
}

} // namespace
} // namespace tallyfox
