// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "platform/filesystem.h"
#include "support/testenvironment.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace tallyfox {
namespace {

using test::readFileBytes;
using test::TempFolder;
using test::writeFileBytes;

FileResult writeText(const QString& path, const QByteArray& text)
{
    return writeFileAtomically(path, [&](QIODevice& device) { return device.write(text) == text.size(); });
}

TEST(AtomicWrite, CreatesANewFileReadableByItsOwnerOnly)
{
    TempFolder folder;
    const QString path = folder.file(QStringLiteral("new.tfx"));
    ASSERT_TRUE(writeText(path, "content").ok());
    EXPECT_EQ(readFileBytes(path), QByteArray("content"));
    EXPECT_EQ(QFile::permissions(path) & 0x0777, QFileDevice::ReadUser | QFileDevice::WriteUser);
}

TEST(AtomicWrite, AnExistingFileKeepsItsPermissions)
{
    TempFolder folder;
    const QString path = folder.file(QStringLiteral("shared.tfx"));
    writeFileBytes(path, "old");
    const auto shared = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadUser |
                        QFileDevice::WriteUser | QFileDevice::ReadGroup | QFileDevice::ReadOther;
    ASSERT_TRUE(QFile::setPermissions(path, shared));
    ASSERT_TRUE(writeText(path, "new").ok());
    EXPECT_EQ(readFileBytes(path), QByteArray("new"));
    EXPECT_EQ(QFile::permissions(path), shared);
}

TEST(AtomicWrite, AFailedWriteLeavesTheOldFileWholeAndNamesIt)
{
    TempFolder folder;
    const QString path = folder.file(QStringLiteral("data.tfx"));
    writeFileBytes(path, "old content");
    const FileResult result = writeFileAtomically(path, [](QIODevice& device) {
        device.write("partial");
        return false;
    });
    EXPECT_EQ(result.error(), FileError::NotWritable);
    EXPECT_EQ(result.action(), FileAction::Write);
    EXPECT_EQ(result.path(), path);
    EXPECT_EQ(result.message(), QStringLiteral("Cannot write \"%1\": %2").arg(path, result.reason()));
    EXPECT_EQ(readFileBytes(path), QByteArray("old content"));
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{QStringLiteral("data.tfx")});
}

TEST(AtomicWrite, AFullDiskLeavesTheOldFileWhole)
{
    TempFolder folder;
    const QString path = folder.file(QStringLiteral("data.tfx"));
    writeFileBytes(path, "old content");
    // Beyond the limit, so that a write meets the full disk part way through.
    const QByteArray content(2000, 'x');
    FileResult result;
    {
        test::FileSizeLimit disk(1000);
        result = writeText(path, content);
    }
    EXPECT_EQ(result.error(), FileError::NotWritable);
    EXPECT_EQ(result.message(), QStringLiteral("Cannot write \"%1\": File too large").arg(path));
    EXPECT_EQ(readFileBytes(path), QByteArray("old content"));
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{QStringLiteral("data.tfx")});
}

TEST(AtomicWrite, AFullDiskIsToldApartFromOtherFailures)
{
    // Unbuffered, so that the write itself meets the full device.
    QFile full(QStringLiteral("/dev/full"));
    if (!full.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        GTEST_SKIP() << "no /dev/full";
    EXPECT_NE(full.write("x", 1), 1);
    const FileResult result = FileResult::deviceFailure(FileAction::Write, full.fileName(), full);
    EXPECT_EQ(result.error(), FileError::NoSpace);
    EXPECT_EQ(result.message(), QStringLiteral("Cannot write \"/dev/full\": No space left on device"));

    // Only a file can tell a full disk; another device's failure is NotWritable, with the device's reason.
    test::FailingDevice device(0);
    ASSERT_TRUE(device.open(QIODevice::WriteOnly));
    EXPECT_NE(device.write("x", 1), 1);
    const FileResult other =
        FileResult::deviceFailure(FileAction::Write, QStringLiteral("elsewhere"), device);
    EXPECT_EQ(other.error(), FileError::NotWritable);
    EXPECT_EQ(other.reason(), device.errorString());
}

TEST(AtomicWrite, ReportsPlacesThatCannotHoldAFile)
{
    TempFolder folder;
    writeFileBytes(folder.file(QStringLiteral("plain")), "x");
    const QString underAFile = folder.file(QStringLiteral("plain/data.tfx"));
    const QString missingFolder = folder.file(QStringLiteral("missing/data.tfx"));
    const struct
    {
        QString path;
        FileError error;
    } cases[] = {
        {underAFile, FileError::NotWritable},
        {missingFolder, FileError::NotWritable},
        {folder.path(), FileError::NotRegularFile},
    };
    for (const auto& c : cases) {
        const FileResult result = writeText(c.path, "x");
        EXPECT_EQ(result.error(), c.error) << c.path.toStdString();
        EXPECT_TRUE(result.message().startsWith(QStringLiteral("Cannot write \"%1\": ").arg(c.path)))
            << result.message().toStdString();
    }
}

TEST(WholeFileRead, TellsAMissingFileFromAnUnreadableOne)
{
    TempFolder folder;
    const FileContent missing = readWholeFile(folder.file(QStringLiteral("none.tfx")));
    EXPECT_TRUE(missing.missing);
    EXPECT_TRUE(missing.result.ok());

    const FileContent directory = readWholeFile(folder.path());
    EXPECT_FALSE(directory.missing);
    EXPECT_EQ(directory.result.error(), FileError::NotRegularFile);
    EXPECT_EQ(directory.result.message(),
              QStringLiteral("Cannot read \"%1\": It is a folder, not a file.").arg(folder.path()));

    writeFileBytes(folder.file(QStringLiteral("a.tfx")), QByteArray("a\0b", 3));
    const FileContent content = readWholeFile(folder.file(QStringLiteral("a.tfx")));
    EXPECT_TRUE(content.result.ok());
    EXPECT_EQ(content.bytes, QByteArray("a\0b", 3));
}

} // namespace
} // namespace tallyfox
