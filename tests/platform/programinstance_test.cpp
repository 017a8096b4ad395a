#include "platform/programinstance.h"
#include "support/testenvironment.h"

#include <QLockFile>
#include <gtest/gtest.h>

namespace tallyfox {
namespace {

TEST(ProgramInstance, KeysDifferPerRegistryFile)
{
    EXPECT_NE(programInstanceKey(QStringLiteral("/a/registry.reg")),
              programInstanceKey(QStringLiteral("/b/registry.reg")));
    EXPECT_EQ(programInstanceKey(QStringLiteral("/a/registry.reg")),
              programInstanceKey(QStringLiteral("/a//registry.reg")));
    EXPECT_TRUE(programInstanceLockPath(QStringLiteral("k")).endsWith(u"/k.lock"));
}

TEST(ProgramInstance, RunsWhileItsLockIsHeld)
{
    test::TempFolder folder;
    qputenv("XDG_RUNTIME_DIR", folder.path().toUtf8());
    const QString registry = folder.file(QStringLiteral("registry.reg"));
    EXPECT_FALSE(isProgramRunning(registry));
    {
        QLockFile held(programInstanceLockPath(programInstanceKey(registry)));
        ASSERT_TRUE(held.tryLock(0));
        EXPECT_TRUE(isProgramRunning(registry));
        EXPECT_FALSE(isProgramRunning(folder.file(QStringLiteral("other.reg"))));
    }
    EXPECT_FALSE(isProgramRunning(registry));
    qunsetenv("XDG_RUNTIME_DIR");
}

} // namespace
} // namespace tallyfox
