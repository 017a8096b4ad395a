// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "core/daycount.h"
#include "storage/editlog.h"
#include "support/testenvironment.h"

#include <QDir>
#include <gtest/gtest.h>

namespace tallyfox {
namespace {

using test::readFileBytes;
using test::TempFolder;
using test::testDataPath;
using test::writeFileBytes;

const QByteArray kHeaderLine = QByteArray(kLogHeader) + "\r\n";

Expense lunch()
{
    Expense entry;
    entry.type = QStringLiteral("Lunch");
    entry.currency = QStringLiteral("EUR");
    entry.intendedSource = QStringLiteral("Client");
    entry.paidWith = QStringLiteral("Credit card");
    entry.note = QStringLiteral("Caf\u00e9 \u20ac");
    entry.receipt = QStringLiteral("0042");
    entry.hasReceipt = true;
    entry.date = dayCountFromDate(2009, 12, 31);
    entry.amount = 20.0;
    return entry;
}

class EditLogTest : public ::testing::Test
{
protected:
    EditLogTest()
    {
        state.settingsFolder = folder.path() + u'/';
        state.entries.append(lunch());
    }

    QString logFile() const { return logFilePath(state); }

    TempFolder folder;
    // A locale whose short date and time forms are plain digits.
    AppState state{QLocale(QLocale::German, QLocale::Germany)};
    EditLog log{Clock(QDateTime(QDate(2010, 1, 3), QTime(12, 30, 45)))};
};

TEST_F(EditLogTest, ASessionOfChangesWritesTheReferenceLog)
{
    ASSERT_TRUE(log.createLogIfMissing(state).ok());
    ASSERT_TRUE(log.logMessage(state, QStringLiteral("Load file: /data/TallyfoxData.tfx")).ok());
    ASSERT_TRUE(log.logEntry(state, LogEditType::New, 0).ok());
    ASSERT_TRUE(log.logEntry(state, LogEditType::EditFrom, 0).ok());
    state.entries[0].income = true;
    state.entries[0].hasReceipt = false;
    ASSERT_TRUE(log.logEntry(state, LogEditType::EditTo, 0).ok());
    ASSERT_TRUE(log.logEntry(state, LogEditType::Delete, 0).ok());
    ASSERT_TRUE(log.logMessage(state, QStringLiteral("Purge all before 01.01.10")).ok());

    const QByteArray written = readFileBytes(logFile());
    const QString reference = testDataPath(QStringLiteral("log/session.expected.log"));
    if (qEnvironmentVariableIsSet("TALLYFOX_UPDATE_GOLDEN"))
        writeFileBytes(reference, written);
    EXPECT_EQ(written, readFileBytes(reference));
}

TEST_F(EditLogTest, TheLogIsCreatedWithItsHeaderOnlyWhenMissingWhetherLoggingIsOnOrNot)
{
    state.settings.enableLogging = false;
    ASSERT_TRUE(log.createLogIfMissing(state).ok());
    EXPECT_EQ(readFileBytes(logFile()), kHeaderLine);
    EXPECT_EQ(QFile::permissions(logFile()) & 0x0777, QFileDevice::ReadUser | QFileDevice::WriteUser);

    writeFileBytes(logFile(), "an old log\r\n");
    ASSERT_TRUE(log.createLogIfMissing(state).ok());
    EXPECT_EQ(readFileBytes(logFile()), "an old log\r\n");
}

TEST_F(EditLogTest, LinesAreAppendedToWhatTheLogHolds)
{
    writeFileBytes(logFile(), "an old log\r\n");
    const auto shared = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup;
    ASSERT_TRUE(QFile::setPermissions(logFile(), shared));
    const auto permissions = QFile::permissions(logFile());
    ASSERT_TRUE(log.logMessage(state, QStringLiteral("Open file: a.tfx")).ok());
    ASSERT_TRUE(log.logMessage(state, QStringLiteral("Save as file: b.tfx")).ok());
    EXPECT_EQ(readFileBytes(logFile()), "an old log\r\n03.01.10 12:30:45\tOpen file: a.tfx\r\n"
                                        "03.01.10 12:30:45\tSave as file: b.tfx\r\n");
    EXPECT_EQ(QFile::permissions(logFile()), permissions);

    // A line cut short by a full disk is ended before the next one, which never merges with it.
    writeFileBytes(logFile(), "03.01.10 12:30:45\tNew fi");
    ASSERT_TRUE(log.logMessage(state, QStringLiteral("Open file: a.tfx")).ok());
    writeFileBytes(logFile(), readFileBytes(logFile()) + "03.01.10 12:30:45\tCut\r");
    ASSERT_TRUE(log.logMessage(state, QStringLiteral("Open file: b.tfx")).ok());
    EXPECT_EQ(readFileBytes(logFile()), "03.01.10 12:30:45\tNew fi\r\n03.01.10 12:30:45\tOpen file: a.tfx\r\n"
                                        "03.01.10 12:30:45\tCut\r\n03.01.10 12:30:45\tOpen file: b.tfx\r\n");

    // A log removed while the program runs starts again with its header.
    ASSERT_TRUE(QFile::remove(logFile()));
    ASSERT_TRUE(log.logMessage(state, QStringLiteral("New file: c.tfx")).ok());
    EXPECT_EQ(readFileBytes(logFile()), kHeaderLine + "03.01.10 12:30:45\tNew file: c.tfx\r\n");
}

TEST_F(EditLogTest, EntryLinesCarryTheFieldsInTheirOrder)
{
    struct Case
    {
        bool income;
        bool incomeIsPositive;
        bool hasReceipt;
        QString expected;
    };
    const QString start = QStringLiteral("03.01.10 12:30:45\tNew\t31.12.09\tEUR\t");
    const QString texts = QStringLiteral("\tLunch\tClient\tCaf\u00e9 \u20ac\tCredit card\t");
    const Case cases[] = {
        {false, false, true, start + QStringLiteral("20.00") + texts + QStringLiteral("0042")},
        {true, false, true, start + QStringLiteral("-20.00") + texts + QStringLiteral("0042")},
        {false, true, true, start + QStringLiteral("-20.00") + texts + QStringLiteral("0042")},
        {true, true, true, start + QStringLiteral("20.00") + texts + QStringLiteral("0042")},
        {false, false, false, start + QStringLiteral("20.00") + texts + QStringLiteral("-")},
    };
    for (const Case& c : cases) {
        state.entries[0].income = c.income;
        state.settings.incomeIsPositive = c.incomeIsPositive;
        state.entries[0].hasReceipt = c.hasReceipt;
        EXPECT_EQ(log.entryLine(state, LogEditType::New, 0), c.expected);
    }
    // Texts are written as they are.
    state.entries[0].note = QStringLiteral("a\tb");
    EXPECT_EQ(log.entryLine(state, LogEditType::Delete, 0).split(u'\t').size(), 11);
}

// Many entries at once (an import) are logged in one append, in two halves made at once: every line as
// the entry's own line, in order, whatever its texts take in UTF-8 and however its days repeat.
TEST_F(EditLogTest, ManyEntriesAreLoggedAsEachOnItsOwn)
{
    constexpr int kEntries = 30000;
    std::vector<int> indexes;
    for (int i = 1; i <= kEntries; ++i) {
        Expense entry = lunch();
        entry.date = dayCountFromDate(2009, 1, 1) + (i * 7919) % 900;
        entry.amount = i / 100.0;
        entry.income = i % 3 == 0;
        entry.note = i % 1000 == 0 ? QString(300, u'\u20ac') : QString::number(i);
        state.entries.append(entry);
        indexes.push_back(i);
    }
    ASSERT_TRUE(log.logEntries(state, LogEditType::New, indexes).ok());
    const QByteArray written = readFileBytes(logFile());
    ASSERT_TRUE(written.startsWith(kHeaderLine));
    const QList<QByteArray> lines = written.sliced(kHeaderLine.size()).split('\n');
    ASSERT_EQ(lines.size(), kEntries + 1);
    EXPECT_TRUE(lines.back().isEmpty());
    for (int i = 1; i <= kEntries; ++i)
        ASSERT_EQ(lines[i - 1], (log.entryLine(state, LogEditType::New, i) + u'\r').toUtf8()) << i;
}

TEST_F(EditLogTest, LoggingOffWritesNothingButAnEntryChangeStillClearsKeepFileIfEmpty)
{
    writeFileBytes(logFile(), kHeaderLine);
    for (const bool logging : {false, true}) {
        state.settings.enableLogging = logging;
        state.keepFileIfEmpty = true;
        ASSERT_TRUE(log.logEntry(state, LogEditType::Delete, 0).ok());
        EXPECT_FALSE(state.keepFileIfEmpty) << logging;
        state.keepFileIfEmpty = true;
        ASSERT_TRUE(log.logMessage(state, QStringLiteral("Purge all")).ok());
        EXPECT_TRUE(state.keepFileIfEmpty) << logging;
        if (!logging) {
            EXPECT_EQ(readFileBytes(logFile()), kHeaderLine);
        }
    }
    EXPECT_EQ(readFileBytes(logFile()).count('\n'), 3);
    // An index without an entry writes nothing.
    ASSERT_TRUE(log.logEntry(state, LogEditType::Delete, 1).ok());
    EXPECT_EQ(readFileBytes(logFile()).count('\n'), 3);
}

TEST_F(EditLogTest, AFailingAppendIsReportedOnceUntilTheLogWorksAgain)
{
    state.settingsFolder = folder.file(QStringLiteral("gone/"));
    const LogResult first = log.logMessage(state, QStringLiteral("Load file: x"));
    EXPECT_FALSE(first.ok());
    EXPECT_TRUE(first.isNewFailure());
    EXPECT_TRUE(first.message().contains(logFile())) << first.message().toStdString();
    const LogResult second = log.logEntry(state, LogEditType::New, 0);
    EXPECT_FALSE(second.ok());
    EXPECT_FALSE(second.isNewFailure());

    ASSERT_TRUE(QDir().mkdir(folder.file(QStringLiteral("gone"))));
    EXPECT_TRUE(log.logMessage(state, QStringLiteral("Load file: x")).ok());
    ASSERT_TRUE(QDir(folder.file(QStringLiteral("gone"))).removeRecursively());
    const LogResult again = log.logMessage(state, QStringLiteral("Load file: x"));
    EXPECT_FALSE(again.ok());
    EXPECT_TRUE(again.isNewFailure());

    const LogResult create = log.createLogIfMissing(state);
    EXPECT_FALSE(create.ok());
    EXPECT_FALSE(create.isNewFailure());
}

} // namespace
} // namespace tallyfox
