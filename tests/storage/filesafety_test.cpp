// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "platform/registrystore.h"
#include "storage/databasefile.h"
#include "storage/editlog.h"
#include "storage/inireader.h"
#include "support/testenvironment.h"

#include <QFile>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tallyfox {
namespace {

using test::readFileBytes;
using test::TempFolder;
using test::writeFileBytes;

TEST(FileSafety, AFifoIsRefusedAtOnceByEveryReader)
{
    TempFolder folder;
    const QString fifo = folder.file(QStringLiteral("Tallyfox.log"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    // A blocking open would wait here for ever; the alarm ends the test program instead.
    ::alarm(20);
    AppState state(test::pinnedLocale());
    state.databasePath = fifo;
    state.settingsFolder = folder.path() + u'/';
    state.settings.enableLogging = true;
    EXPECT_EQ(readDatabaseFile(state).error(), FileError::NotRegularFile);
    EXPECT_EQ(RegistryStore(fifo).readResult().error(), FileError::NotRegularFile);
    EXPECT_EQ(IniReader(fifo, state.locale).loadResult().error(), FileError::NotRegularFile);
    EditLog log{Clock(QDateTime(QDate(2010, 1, 3), QTime(12, 30, 45)))};
    const LogResult logged = log.logMessage(state, QStringLiteral("Load file: x"));
    EXPECT_EQ(logged.result().error(), FileError::NotRegularFile);
    EXPECT_EQ(logged.message(),
              QStringLiteral("Cannot write \"%1\": It is a FIFO, not a regular file.").arg(fifo));
    EXPECT_EQ(writeDatabaseFile(state).error(), FileError::NotRegularFile);
    ::alarm(0);
}

TEST(FileSafety, ReadingTellsWhatTheFileHeldBesidesEntries)
{
    const QByteArray header = kDatabaseHeader.toByteArray() + "\r\n";
    const QByteArray entry = "item\t2024\t5\t1\tEUR\t3.50\tfalse\tLunch\tWork\tCash\tfalse\t00\t\r\n";
    const struct
    {
        QByteArray bytes;
        DatabaseReadSummary summary;
        bool notDatabase;
    } cases[] = {
        {header + entry + "\r\n  \t\r\n" + entry + "# my notes\r\nitem\r\n", {true, 3, 1}, false},
        {"# Shopping\n\n- milk\n- bread", {false, 0, 3}, true},
        {QByteArray("\x7f"
                    "ELF\0\1\2",
                    7),
         {false, 0, 1},
         true},
        {"", {false, 0, 0}, false},
        {entry, {false, 1, 0}, false},
    };
    for (const auto& c : cases) {
        TempFolder folder;
        AppState state(test::pinnedLocale());
        state.databasePath = folder.file(QStringLiteral("data.tfx"));
        writeFileBytes(state.databasePath, c.bytes);
        DatabaseFileVersion version;
        DatabaseReadSummary summary;
        ASSERT_TRUE(readDatabaseFile(state, &version, &summary).ok());
        EXPECT_EQ(summary.headerSeen, c.summary.headerSeen) << c.bytes.toStdString();
        EXPECT_EQ(summary.entryLines, c.summary.entryLines) << c.bytes.toStdString();
        EXPECT_EQ(summary.otherLines, c.summary.otherLines) << c.bytes.toStdString();
        EXPECT_EQ(summary.isNotDatabase(), c.notDatabase) << c.bytes.toStdString();
        EXPECT_EQ(version.stamp, fileStamp(state.databasePath));
        EXPECT_EQ(version.hash, hashFile(state.databasePath));
    }
}

// The bytes this process has read so far, as the kernel counts them.
qint64 bytesReadSoFar()
{
    QFile io(QStringLiteral("/proc/self/io"));
    if (!io.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : io.readAll().split('\n')) {
        if (line.startsWith("rchar: "))
            return line.mid(7).toLongLong();
    }
    return -1;
}

TEST(FileSafety, AFileIsJudgedByItsFirstBytesAndAnOverlongLineIsSkipped)
{
    const QByteArray header = kDatabaseHeader.toByteArray() + "\r\n";
    const QByteArray entry = "item\t2024\t5\t1\tEUR\t3.50\tfalse\tLunch\tWork\tCash\tfalse\t00\t\r\n";
    const QByteArray notes = QByteArray("a line of notes\r\n").repeated(600);
    TempFolder folder;
    AppState state(test::pinnedLocale());
    state.databasePath = folder.file(QStringLiteral("data.tfx"));
    const auto read = [&state]() {
        DatabaseReadSummary summary;
        EXPECT_TRUE(readDatabaseFile(state, nullptr, &summary).ok());
        return summary;
    };

    // Pages of notes before the first entry: no database, however the file goes on.
    writeFileBytes(state.databasePath, notes + header + entry);
    EXPECT_TRUE(read().isNotDatabase());
    // A huge file with holes after its first bytes is not read beyond them.
    QFile huge(state.databasePath);
    ASSERT_TRUE(huge.open(QIODevice::ReadWrite) && huge.resize(qint64(900) << 20));
    huge.close();
    const qint64 before = bytesReadSoFar();
    EXPECT_TRUE(read().isNotDatabase());
    if (before >= 0) {
        EXPECT_LT(bytesReadSoFar() - before, qint64(4) << 20);
    }

    // A line longer than any entry is passed over, and the entries after it are read.
    writeFileBytes(state.databasePath, header + "item\t" + QByteArray(3 << 20, 'x') + "\r\n" + entry);
    const DatabaseReadSummary summary = read();
    EXPECT_FALSE(summary.isNotDatabase());
    EXPECT_EQ(summary.otherLines, 1);
    ASSERT_EQ(state.entryCount(), 1);
    EXPECT_EQ(state.entries[0].type, QStringLiteral("Lunch"));
}

TEST(FileSafety, TheVersionWrittenIsTheVersionReadBack)
{
    TempFolder folder;
    AppState state(test::pinnedLocale());
    state.databasePath = folder.file(QStringLiteral("data.tfx"));
    for (int i = 0; i < 20000; ++i)
        state.entries.append().type = QStringLiteral("Lunch %1").arg(i);
    DatabaseFileVersion written;
    ASSERT_TRUE(writeDatabaseFile(state, &written).ok());
    DatabaseFileVersion read;
    ASSERT_TRUE(readDatabaseFile(state, &read).ok());
    EXPECT_EQ(written.hash, read.hash);
    EXPECT_EQ(written.stamp, read.stamp);
    ASSERT_TRUE(written.stamp.has_value());
    EXPECT_EQ(written.stamp->size, QFileInfo(state.databasePath).size());
}

TEST(FileSafety, ALogAppendCutShortLeavesOnlyWholeLines)
{
    TempFolder folder;
    AppState state(test::pinnedLocale());
    state.settingsFolder = folder.path() + u'/';
    state.settings.enableLogging = true;
    EditLog log{Clock(QDateTime(QDate(2010, 1, 3), QTime(12, 30, 45)))};
    ASSERT_TRUE(log.logMessage(state, QStringLiteral("first")).ok());
    const QByteArray before = readFileBytes(logFilePath(state));
    LogResult cut;
    {
        test::FileSizeLimit full(rlim_t(before.size() + 10));
        cut = log.logMessage(state, QStringLiteral("a line longer than the room that is left"));
    }
    EXPECT_FALSE(cut.ok());
    EXPECT_TRUE(cut.message().endsWith(QStringLiteral(": File too large"))) << cut.message().toStdString();
    EXPECT_EQ(readFileBytes(logFilePath(state)), before);
    ASSERT_TRUE(log.logMessage(state, QStringLiteral("next")).ok());
    const QByteArray after = readFileBytes(logFilePath(state));
    EXPECT_TRUE(after.startsWith(before));
    EXPECT_TRUE(after.sliced(before.size()).endsWith("\tnext\r\n"));
    EXPECT_EQ(after.count('\n'), before.count('\n') + 1);
}

} // namespace
} // namespace tallyfox
