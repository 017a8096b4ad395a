#include "platform/filesystem.h"
#include "support/testenvironment.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
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
    EXPECT_EQ(read.result.reason(), QStringLiteral("It is larger than 2 GB; no Tallyfox file is."));
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

TEST(AtomicWrite, OnlyTheLeftoversOfEarlierSavesAreRemoved)
{
    TempFolder folder;
    const QString path = folder.file(QStringLiteral("db.tfx"));
    const QStringList kept = {QStringLiteral("db.tfx"), QStringLiteral("db.tfx.notes"),
                              QStringLiteral("db.tfx.AbC12"), QStringLiteral("db.tfx.AbC1234"),
                              QStringLiteral("other.tfx.AbC123")};
    for (const QString& name :
         kept + QStringList{QStringLiteral("db.tfx.AbC123"), QStringLiteral("db.tfx.zz9ZZ0")})
        writeFileBytes(folder.file(name), "left");
    ASSERT_TRUE(saveBytes(path, "saved").ok());
    QStringList expected = kept;
    expected.sort();
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files, QDir::Name), expected);
    EXPECT_EQ(readFileBytes(path), QByteArray("saved"));
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

} // namespace
} // namespace tallyfox
