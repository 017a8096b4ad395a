// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "lockholder.h"
#include "platform/filelock.h"
#include "platform/registrystore.h"
#include "support/testenvironment.h"

#include <QDir>
#include <QFile>
#include <cerrno>
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tallyfox {
namespace {

using namespace std::chrono_literals;

TEST(FileLock, AHolderThatIsKilledLetsGoAtOnce)
{
    test::TempFolder folder;
    const QString database = folder.file(QStringLiteral("db.tfx"));
    test::LockHolder holder(database, LockPurpose::Write);
    ASSERT_TRUE(holder.holds());

    FileLock lock(database);
    EXPECT_FALSE(lock.lock(0ms));
    EXPECT_EQ(lock.lastError(), EWOULDBLOCK);
    // The window's instance lock is another one: a running window keeps no writer out.
    FileLock instance(database, LockPurpose::Instance);
    EXPECT_TRUE(instance.lock(0ms));

    holder.kill();
    // The lock file stays behind and means nothing.
    EXPECT_TRUE(QFile::exists(lock.lockFilePath()));
    EXPECT_TRUE(lock.lock(0ms));
}

TEST(FileLock, OneFileHasOneLockHoweverItIsReached)
{
    test::TempFolder folder;
    const QString database = folder.file(QStringLiteral("db.tfx"));
    test::writeFileBytes(database, "entries");
    test::LockHolder holder(database, LockPurpose::Write);
    ASSERT_TRUE(holder.holds());
    EXPECT_EQ(FileLock::lockFilePathFor(database, LockPurpose::Write),
              folder.file(QStringLiteral(".db.tfx.tallyfox-lock")));

    // Another session (its own runtime folder), a link, and another mount of the same folder.
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(folder.path()));
    FileLock otherSession(database);
    EXPECT_FALSE(otherSession.lock(0ms));
    EXPECT_TRUE(otherSession.wasBusy());
    qputenv("XDG_RUNTIME_DIR", runtime);
    const QString link = folder.file(QStringLiteral("link.tfx"));
    ASSERT_TRUE(QFile::link(database, link));
    FileLock throughLink(link);
    EXPECT_FALSE(throughLink.lock(0ms));

    const QString mountPoint = folder.file(QStringLiteral("elsewhere"));
    ASSERT_TRUE(QDir().mkdir(mountPoint));
    if (::geteuid() != 0 ||
        ::mount(QFile::encodeName(folder.path()).constData(), QFile::encodeName(mountPoint).constData(),
                nullptr, MS_BIND, nullptr) != 0)
        GTEST_SKIP() << "cannot bind-mount a folder here";
    FileLock throughMount(mountPoint + QStringLiteral("/db.tfx"));
    const bool taken = throughMount.lock(0ms);
    ::umount(QFile::encodeName(mountPoint).constData());
    EXPECT_FALSE(taken);
}

TEST(FileLock, WhoMayWriteTheFileMayOpenItsLockWhateverTheUmask)
{
    test::TempFolder folder;
    const QString shared = folder.file(QStringLiteral("shared.tfx"));
    test::writeFileBytes(shared, "entries");
    ASSERT_EQ(::chmod(QFile::encodeName(shared).constData(), 0666), 0);
    const mode_t umask = ::umask(077);
    FileLock lock(shared);
    const bool taken = lock.lock(0ms);
    ::umask(umask);
    ASSERT_TRUE(taken);
    struct stat made
    {};
    ASSERT_EQ(::stat(QFile::encodeName(lock.lockFilePath()).constData(), &made), 0);
    EXPECT_EQ(made.st_mode & 0777, 0666u);
}

TEST(FileLock, AFolderThatCannotHoldTheLockIsNamed)
{
    test::TempFolder folder;
    const QString missing = folder.file(QStringLiteral("missing/db.tfx"));
    FileLock lock(missing);
    ASSERT_FALSE(lock.lock(0ms));
    EXPECT_FALSE(lock.wasBusy());
    EXPECT_EQ(lock.failure(missing, QStringLiteral("busy")).error(), FileError::NotWritable);
    if (::geteuid() == 0)
        GTEST_SKIP() << "the superuser writes any folder";
    const QString closed = folder.file(QStringLiteral("closed"));
    ASSERT_TRUE(QDir().mkdir(closed));
    ASSERT_TRUE(QFile::setPermissions(closed, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    FileLock inClosed(closed + QStringLiteral("/db.tfx"));
    ASSERT_FALSE(inClosed.lock(0ms));
    EXPECT_EQ(
        inClosed.failure(QStringLiteral("db.tfx"), QStringLiteral("busy")).message(),
        QStringLiteral("Cannot write \"db.tfx\": The folder \"%1\" cannot be written: Permission denied")
            .arg(closed));
}

TEST(RegistryStore, AWriterGivesUpWhileAnotherProcessHoldsTheLockAndChangesNothing)
{
    test::TempFolder folder;
    const QString file = folder.file(QStringLiteral("registry.reg"));
    const QByteArray before =
        "[HKEY_LOCAL_MACHINE\\Software\\Tallyfox]\r\n\"AutoSort\"=dword:00000000\r\n\r\n";
    test::writeFileBytes(file, before);
    RegistryStore store(file);
    store.setValue(QStringLiteral("HKEY_LOCAL_MACHINE\\Software\\Tallyfox"), QStringLiteral("AutoSort"),
                   RegistryValue::fromNumber(1));

    test::LockHolder holder(file, LockPurpose::Write);
    ASSERT_TRUE(holder.holds());
    const FileResult busy = store.writeChanges(50ms);
    EXPECT_EQ(busy.error(), FileError::Busy);
    EXPECT_TRUE(
        busy.message().contains(QStringLiteral("busy: another Tallyfox is saving it. Nothing was changed.")))
        << busy.message().toStdString();
    EXPECT_EQ(test::readFileBytes(file), before);

    holder.kill();
    EXPECT_TRUE(store.writeChanges(50ms).ok());
    EXPECT_TRUE(test::readFileBytes(file).contains("\"AutoSort\"=dword:00000001"));
}

} // namespace
} // namespace tallyfox
