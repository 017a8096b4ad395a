#include "lockholder.h"
#include "platform/filelock.h"
#include "platform/registrystore.h"
#include "support/testenvironment.h"

#include <QFile>
#include <cerrno>
#include <gtest/gtest.h>

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
