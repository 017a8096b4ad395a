// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "platform/descriptordevice.h"
#include "platform/filesystem.h"
#include "support/testenvironment.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tallyfox {
namespace {

using test::readFileBytes;
using test::TempFolder;
using test::writeFileBytes;

FileResult saveBytes(const QString& path, const QByteArray& text)
{
    return writeFileAtomically(path, [&](QIODevice& device) { return device.write(text) == text.size(); });
}

// Ends the test program instead of letting a blocking open hang it.
class TimeLimit
{
public:
    explicit TimeLimit(unsigned seconds) { ::alarm(seconds); }
    ~TimeLimit() { ::alarm(0); }
};

TEST(RegularFiles, AnythingElseIsRefusedAtOnceWithWhatItIs)
{
    TempFolder folder;
    const QString fifo = folder.file(QStringLiteral("fifo"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString zeroLink = folder.file(QStringLiteral("zero"));
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), zeroLink));
    const struct
    {
        QString path;
        const char* reason;
    } cases[] = {
        {fifo, "It is a FIFO, not a regular file."},
        {zeroLink, "It is a device, not a regular file."},
        {QStringLiteral("/dev/null"), "It is a device, not a regular file."},
        {folder.path(), "It is a folder, not a file."},
    };
    TimeLimit limit(20);
    for (const auto& c : cases) {
        const FileContent read = readWholeFile(c.path);
        EXPECT_EQ(read.result.error(), FileError::NotRegularFile) << c.path.toStdString();
        EXPECT_EQ(read.result.reason(), QString::fromUtf8(c.reason));
        EXPECT_EQ(saveBytes(c.path, "x").error(), FileError::NotRegularFile) << c.path.toStdString();
        const FileResult append = appendToFile(c.path, [](const AppendStart&) { return QByteArray("x"); });
        EXPECT_EQ(append.error(), FileError::NotRegularFile) << c.path.toStdString();
    }
    EXPECT_TRUE(QFileInfo(zeroLink).isSymLink());
}

TEST(RegularFiles, AFileLargerThanAnyOfOursIsNotRead)
{
    TempFolder folder;
    const QString path = folder.file(QStringLiteral("huge.tfx"));
    QFile huge(path);
    // Sparse: it takes no room on the disk.
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly) && huge.resize(kLargestReadableFile + 1));
    huge.close();
    const FileContent read = readWholeFile(path);
    EXPECT_EQ(read.result.error(), FileError::TooLarge);
    EXPECT_EQ(read.result.reason(), QStringLiteral("It is larger than 1 GB; no Tallyfox file is."));
    EXPECT_TRUE(read.bytes.isEmpty());
}

TEST(AtomicWrite, ASymlinkedFileIsWrittenAndTheLinkStays)
{
    TempFolder folder;
    const QString target = folder.file(QStringLiteral("real.tfx"));
    const QString link = folder.file(QStringLiteral("link.tfx"));
    writeFileBytes(target, "old");
    ASSERT_TRUE(QFile::link(target, link));
    ASSERT_TRUE(saveBytes(link, "new").ok());
    // A link to a file yet to be made leads to where the file goes.
    const QString ahead = folder.file(QStringLiteral("ahead.tfx"));
    ASSERT_TRUE(QFile::link(folder.file(QStringLiteral("made.tfx")), ahead));
    ASSERT_TRUE(saveBytes(ahead, "made").ok());
    EXPECT_EQ(readFileBytes(folder.file(QStringLiteral("made.tfx"))), QByteArray("made"));
    EXPECT_TRUE(QFileInfo(ahead).isSymLink());
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(readFileBytes(target), QByteArray("new"));
}

void makeOld(const QString& path)
{
    QFile file(path);
    ASSERT_TRUE(
        file.open(QIODevice::ReadWrite) &&
        file.setFileTime(QDateTime::currentDateTime().addSecs(-120), QFileDevice::FileModificationTime));
}

TEST(AtomicWrite, OnlyItsOwnQuietUnlockedLeftoversAreRemoved)
{
    TempFolder folder;
    const QString path = folder.file(QStringLiteral("db.tfx"));
    // The user's files, whatever their names, and the temporary files of another file's saves.
    const QStringList users = {QStringLiteral("db.tfx.backup"),
                               QStringLiteral("db.tfx.before"),
                               QStringLiteral("db.tfx.copy01"),
                               QStringLiteral("db.tfx.AbC123"),
                               QStringLiteral(".db.tfx.tallyfox-tmp-AbC1"),
                               QStringLiteral(".other.tfx.tallyfox-tmp-AbC123")};
    const QString quiet = QStringLiteral(".db.tfx.tallyfox-tmp-AbC123");
    // A save still writing, and one that waits with its lock held.
    const QString young = QStringLiteral(".db.tfx.tallyfox-tmp-Young1");
    const QString held = QStringLiteral(".db.tfx.tallyfox-tmp-Held12");
    for (const QString& name : users + QStringList{quiet, young, held}) {
        writeFileBytes(folder.file(name), "left");
        if (name != young)
            makeOld(folder.file(name));
    }
    QFile holder(folder.file(held));
    ASSERT_TRUE(holder.open(QIODevice::ReadWrite));
    struct flock request
    {};
    request.l_type = F_WRLCK;
    ASSERT_EQ(::fcntl(holder.handle(), F_OFD_SETLK, &request), 0);

    ASSERT_TRUE(saveBytes(path, "saved").ok());
    QStringList expected = users + QStringList{QStringLiteral("db.tfx"), young, held};
    expected.sort();
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name), expected);
    EXPECT_EQ(readFileBytes(path), QByteArray("saved"));
}

TEST(AtomicWrite, AFileThatMayNotBeReplacedIsLeftAsItIs)
{
    TempFolder folder;
    const QString readOnly = folder.file(QStringLiteral("read-only.tfx"));
    writeFileBytes(readOnly, "old");
    ASSERT_TRUE(QFile::setPermissions(readOnly, QFileDevice::ReadOwner | QFileDevice::ReadUser));
    const FileResult refused = saveBytes(readOnly, "new");
    EXPECT_EQ(refused.error(), FileError::ReadOnly);
    EXPECT_EQ(refused.reason(), QStringLiteral("It is read-only."));

    const QString linked = folder.file(QStringLiteral("linked.tfx"));
    writeFileBytes(linked, "shared");
    const QString otherName = folder.file(QStringLiteral("other-name.tfx"));
    ASSERT_EQ(::link(QFile::encodeName(linked).constData(), QFile::encodeName(otherName).constData()), 0);
    const auto writeLinked = [&](HardLinks hardLinks) {
        return writeFileAtomically(
            linked, [](QIODevice& device) { return device.write("new") == 3; }, hardLinks);
    };
    EXPECT_EQ(writeLinked(HardLinks::Refuse).error(), FileError::HardLinked);
    for (const QString& file : {readOnly, linked})
        EXPECT_NE(readFileBytes(file), QByteArray("new")) << file.toStdString();
    EXPECT_TRUE(writeLinked(HardLinks::Part).ok());
    EXPECT_EQ(readFileBytes(linked), QByteArray("new"));
    EXPECT_EQ(readFileBytes(otherName), QByteArray("shared"));
}

TEST(AtomicWrite, AFullDiskNamesItsReasonAndLeavesNoTrace)
{
    TempFolder folder;
    const QString mountPoint = folder.file(QStringLiteral("small"));
    ASSERT_TRUE(QDir().mkdir(mountPoint));
    // A small disk of its own needs the right to mount one.
    if (::geteuid() != 0 ||
        ::mount("tmpfs", QFile::encodeName(mountPoint).constData(), "tmpfs", 0, "size=64k") != 0)
        GTEST_SKIP() << "cannot mount a small tmpfs here";
    const struct Unmount
    {
        QByteArray path;
        ~Unmount() { ::umount(path.constData()); }
    } unmount{QFile::encodeName(mountPoint)};
    const QString path = mountPoint + QStringLiteral("/data.tfx");
    writeFileBytes(path, "old content");
    const FileResult result = saveBytes(path, QByteArray(1 << 20, 'x'));
    EXPECT_EQ(result.error(), FileError::NoSpace);
    EXPECT_EQ(result.message(), QStringLiteral("Cannot write \"%1\": No space left on device").arg(path));
    EXPECT_EQ(readFileBytes(path), QByteArray("old content"));
    EXPECT_EQ(QDir(mountPoint).entryList(QDir::Files), QStringList{QStringLiteral("data.tfx")});
}

TEST(CopyFile, KeepsTheBytesForTheOwnerOnlyAndReplacesTheOldCopy)
{
    TempFolder folder;
    const QString from = folder.file(QStringLiteral("db.tfx"));
    const QString to = folder.file(QStringLiteral("db.tfx.bak"));
    const QByteArray bytes = QByteArray("a\0b\r\n", 5).repeated(300000);
    writeFileBytes(from, bytes);
    writeFileBytes(to, "older copy");
    ASSERT_TRUE(QFile::setPermissions(to, QFile::permissions(to) | QFileDevice::ReadOther));
    ASSERT_TRUE(copyFileAtomically(from, to).ok());
    EXPECT_EQ(readFileBytes(to), bytes);
    EXPECT_EQ(QFile::permissions(to) & 0x0777, QFileDevice::ReadUser | QFileDevice::WriteUser);

    const QString none = folder.file(QStringLiteral("none.bak"));
    EXPECT_TRUE(copyFileAtomically(folder.file(QStringLiteral("none.tfx")), none).ok());
    EXPECT_FALSE(QFile::exists(none));
}

TEST(CopyFile, NeverWritesThroughALinkOrOverAFolder)
{
    TempFolder folder;
    const QString from = folder.file(QStringLiteral("db.tfx"));
    writeFileBytes(from, "entries");
    const QString victim = folder.file(QStringLiteral("victim"));
    writeFileBytes(victim, "precious");
    ASSERT_TRUE(QFile::setPermissions(victim, QFile::permissions(victim) | QFileDevice::ReadOther));
    const QString linked = folder.file(QStringLiteral("linked.bak"));
    const QString dangling = folder.file(QStringLiteral("dangling.bak"));
    const QString folderCopy = folder.file(QStringLiteral("folder.bak"));
    ASSERT_TRUE(QFile::link(victim, linked));
    ASSERT_TRUE(QFile::link(folder.file(QStringLiteral("made-by-the-link")), dangling));
    ASSERT_TRUE(QDir().mkdir(folderCopy));
    for (const QString& to : {linked, dangling, folderCopy})
        EXPECT_EQ(copyFileAtomically(from, to).error(), FileError::NotRegularFile) << to.toStdString();
    EXPECT_EQ(readFileBytes(victim), QByteArray("precious"));
    EXPECT_TRUE(QFile::permissions(victim) & QFileDevice::ReadOther);
    EXPECT_FALSE(QFile::exists(folder.file(QStringLiteral("made-by-the-link"))));
}

quint64 inodeOf(const QString& path)
{
    struct stat info
    {};
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_ino : 0;
}

// The backup of a file its owner alone may read is another name of it: the next save gives the file a
// new one and the backup keeps the old bytes, even when a save cut short left the two names one file.
// Anything else, or another name besides, makes the caller copy.
TEST(LinkFile, KeepsTheOldFileUnderTheBackupsName)
{
    TempFolder folder;
    const QString from = folder.file(QStringLiteral("db.tfx"));
    const QString to = from + QStringLiteral(".bak");
    const auto save = [&](const char* bytes) {
        return writeFileAtomically(
            from, [bytes](QIODevice& device) { return device.write(bytes) == qint64(qstrlen(bytes)); },
            HardLinks::Refuse);
    };
    ASSERT_TRUE(save("first").ok());
    writeFileBytes(to, "older copy");
    // What a backup killed after putting the old one aside leaves, long enough ago to be swept.
    const QString setAside = folder.file(QStringLiteral(".db.tfx.bak.tallyfox-tmp-Ab12Cd"));
    writeFileBytes(setAside, "oldest copy");
    QFile aside(setAside);
    ASSERT_TRUE(
        aside.open(QIODevice::ReadWrite) &&
        aside.setFileTime(QDateTime::currentDateTime().addSecs(-120), QFileDevice::FileModificationTime));
    aside.close();
    for (const char* next : {"second", "third"}) {
        const std::optional<FileResult> linked = linkFileAtomically(from, to);
        ASSERT_TRUE(linked && linked->ok());
        EXPECT_EQ(inodeOf(to), inodeOf(from));
        // No name besides the backup, which would keep the next save from replacing the file.
        struct stat info
        {};
        ASSERT_EQ(::stat(QFile::encodeName(from).constData(), &info), 0);
        EXPECT_EQ(info.st_nlink, 2U);
        const QByteArray before = readFileBytes(from);
        // Twice: the second time the two names are one file already.
        ASSERT_TRUE(linkFileAtomically(from, to)->ok());
        ASSERT_TRUE(save(next).ok());
        EXPECT_EQ(readFileBytes(to), before);
        EXPECT_EQ(readFileBytes(from), QByteArray(next));
    }
    // A save killed while it wrote, after the link, left the old backup that it was to remove; the next
    // save finds the backup made already and sweeps it.
    QString oldBackup;
    ASSERT_TRUE(linkFileAtomically(from, to, &oldBackup)->ok());
    QFile left(oldBackup);
    ASSERT_TRUE(
        left.open(QIODevice::ReadWrite) &&
        left.setFileTime(QDateTime::currentDateTime().addSecs(-120), QFileDevice::FileModificationTime));
    left.close();
    ASSERT_TRUE(linkFileAtomically(from, to)->ok());
    EXPECT_FALSE(QFile::exists(oldBackup));
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden).size(), 2);
    EXPECT_TRUE(linkFileAtomically(folder.file(QStringLiteral("none.tfx")), to)->ok());

    ASSERT_TRUE(QFile::setPermissions(from, QFile::permissions(from) | QFileDevice::ReadOther));
    EXPECT_FALSE(linkFileAtomically(from, to));
    ASSERT_TRUE(QFile::setPermissions(from, QFileDevice::ReadOwner | QFileDevice::WriteOwner));
    const QString otherName = folder.file(QStringLiteral("other-name.tfx"));
    ASSERT_EQ(::link(QFile::encodeName(from).constData(), QFile::encodeName(otherName).constData()), 0);
    EXPECT_FALSE(linkFileAtomically(from, to));
    EXPECT_EQ(save("fourth").error(), FileError::HardLinked);
    ASSERT_TRUE(QFile::remove(otherName));

    const QString victim = folder.file(QStringLiteral("victim"));
    writeFileBytes(victim, "precious");
    ASSERT_TRUE(QFile::remove(to));
    ASSERT_TRUE(QFile::link(victim, to));
    EXPECT_EQ(linkFileAtomically(from, to)->error(), FileError::NotRegularFile);
    EXPECT_EQ(readFileBytes(victim), QByteArray("precious"));
}

TEST(CopyFile, AFileWithHolesTakesNoMoreRoomThanItsData)
{
    TempFolder folder;
    const QString from = folder.file(QStringLiteral("holes.tfx"));
    QFile file(from);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("start");
    file.seek(16 << 20);
    file.write("end");
    file.close();
    const QString to = from + QStringLiteral(".bak");
    ASSERT_TRUE(copyFileAtomically(from, to).ok());
    struct stat copy
    {};
    ASSERT_EQ(::stat(QFile::encodeName(to).constData(), &copy), 0);
    EXPECT_EQ(copy.st_size, (16 << 20) + 3);
    EXPECT_LT(copy.st_blocks * 512, 1 << 20);
    EXPECT_EQ(readFileBytes(to), readFileBytes(from));
}

TEST(ContentHasher, TheHashDependsOnTheBytesNotOnHowTheyArrive)
{
    QByteArray bytes(200000, Qt::Uninitialized);
    QRandomGenerator generator(7);
    for (char& c : bytes)
        c = char(generator.bounded(256));
    ContentHasher whole;
    whole.add(bytes);
    for (const qsizetype piece : {1, 7, 65535, 65536, 65537, 150000}) {
        ContentHasher split;
        for (qsizetype at = 0; at < bytes.size(); at += piece)
            split.add(QByteArrayView(bytes).sliced(at, std::min(piece, bytes.size() - at)));
        EXPECT_EQ(split.result(), whole.result()) << piece;
    }
    // Two parts hashed apart, the second from a block boundary, join to the hash of the whole.
    for (const qsizetype boundary : {qsizetype(0), ContentHasher::kBlock, 3 * ContentHasher::kBlock}) {
        ContentHasher first;
        first.add(QByteArrayView(bytes).first(boundary));
        ContentHasher second(boundary);
        second.add(QByteArrayView(bytes).sliced(boundary));
        first.join(second);
        EXPECT_EQ(first.result(), whole.result()) << boundary;
    }
    QByteArray changed = bytes;
    changed[100000] = char(changed[100000] ^ 1);
    ContentHasher other;
    other.add(changed);
    EXPECT_NE(other.result(), whole.result());
    ContentHasher longer;
    longer.add(bytes + QByteArray(1, '\0'));
    EXPECT_NE(longer.result(), whole.result());

    TempFolder folder;
    writeFileBytes(folder.file(QStringLiteral("f")), bytes);
    EXPECT_EQ(hashFile(folder.file(QStringLiteral("f"))), whole.result());
}

// A kept file tells whether it was written to since it was read, whatever its names; a copy from it
// takes the bytes asked for, across the steps it is made in, and fails where the file ends too soon.
TEST(KeptFileCopy, CopiesWhatWasReadUntilTheFileChanges)
{
    TempFolder folder;
    const QString sourcePath = folder.file(QStringLiteral("source"));
    QByteArray bytes((qsizetype(9) << 20) + 3, 'x');
    for (qsizetype i = 0; i < bytes.size(); i += 4099)
        bytes[i] = char('a' + i % 26);
    writeFileBytes(sourcePath, bytes);
    QFile source(sourcePath);
    ASSERT_TRUE(source.open(QIODevice::ReadOnly));
    const std::unique_ptr<KeptFile> kept = KeptFile::keep(source.handle(), *fileStamp(source));
    ASSERT_NE(kept, nullptr);
    source.close();

    const QString copyPath = folder.file(QStringLiteral("copy"));
    const int copy = ::open(QFile::encodeName(copyPath).constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    ASSERT_GE(copy, 0);
    DescriptorDevice device(copy);
    EXPECT_TRUE(device.copyFrom(kept->handle(), 5, bytes.size() - 5));
    EXPECT_FALSE(device.copyFrom(kept->handle(), bytes.size() - 2, 3));
    EXPECT_EQ(device.systemError(), EIO);
    EXPECT_EQ(readFileBytes(copyPath).left(bytes.size() - 5), bytes.mid(5));
    // Started again, the file holds only what comes after.
    ASSERT_TRUE(device.restart());
    EXPECT_EQ(device.write("again"), 5);
    EXPECT_TRUE(device.copyFrom(kept->handle(), 0, 3));
    EXPECT_TRUE(device.finishSyncs());
    ::close(copy);
    EXPECT_EQ(readFileBytes(copyPath), "again" + bytes.left(3));

    ASSERT_TRUE(QFile::rename(sourcePath, folder.file(QStringLiteral("renamed"))));
    EXPECT_TRUE(kept->unchanged());
    QFile again(folder.file(QStringLiteral("renamed")));
    ASSERT_TRUE(again.open(QIODevice::Append));
    again.write("more");
    again.close();
    EXPECT_FALSE(kept->unchanged());
}

// Writes of many megabytes are synced while they go on; the file holds every byte in order, and a
// device let go with syncs still running waits for them.
TEST(DescriptorDeviceSyncs, KeepEveryByteOfALongWrite)
{
    TempFolder folder;
    const QString path = folder.file(QStringLiteral("long"));
    QByteArray expected;
    for (int round = 0; round < 2; ++round) {
        const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        ASSERT_GE(fd, 0);
        expected.clear();
        {
            DescriptorDevice device(fd);
            for (int piece = 0; piece < 20; ++piece) {
                const QByteArray bytes(qsizetype(1) << 20, char('a' + piece));
                ASSERT_EQ(device.write(bytes), bytes.size());
                expected += bytes;
            }
            if (round == 0) {
                EXPECT_TRUE(device.finishSyncs());
            }
        }
        ::close(fd);
        EXPECT_EQ(readFileBytes(path), expected);
    }
}

} // namespace
} // namespace tallyfox
