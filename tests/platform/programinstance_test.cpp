// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "platform/filelock.h"
#include "platform/programinstance.h"
#include "support/testenvironment.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace tallyfox {
namespace {

TEST(ProgramInstance, KeysDifferPerRegistryFile)
{
    EXPECT_NE(programInstanceKey(QStringLiteral("/a/registry.reg")),
              programInstanceKey(QStringLiteral("/b/registry.reg")));
    EXPECT_EQ(programInstanceKey(QStringLiteral("/a/registry.reg")),
              programInstanceKey(QStringLiteral("/a//registry.reg")));
}

// Every way of naming one file, existing or still to be made, gives its real path, lock and window key.
struct OtherName
{
    const char* name;
    const char* path;
};

class OneFileNamedOtherwise : public ::testing::TestWithParam<OtherName>
{};

TEST_P(OneFileNamedOtherwise, MeetsTheSameLockAndWindow)
{
    test::TempFolder folder;
    ASSERT_TRUE(QDir(folder.path()).mkpath(QStringLiteral("a")));
    ASSERT_TRUE(QFile::link(folder.file(QStringLiteral("a")), folder.file(QStringLiteral("link"))));
    test::writeFileBytes(folder.file(QStringLiteral("a/registry.reg")), "");
    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(folder.path()));

    for (const char* file : {"registry.reg", "new.reg"}) {
        const QString canonical =
            QDir(folder.path()).canonicalPath() + QStringLiteral("/a/") + QLatin1String(file);
        const QString other = QString::fromUtf8(GetParam().path).arg(QLatin1String(file));
        EXPECT_EQ(FileLock::realPath(other), canonical) << file;
        for (LockPurpose purpose : {LockPurpose::Write, LockPurpose::Instance})
            EXPECT_EQ(FileLock::lockFilePathFor(other, purpose),
                      FileLock::lockFilePathFor(canonical, purpose));
        EXPECT_EQ(programInstanceKey(other), programInstanceKey(canonical)) << file;
    }
    EXPECT_NE(FileLock::lockFilePathFor(QStringLiteral("a/registry.reg"), LockPurpose::Write),
              FileLock::lockFilePathFor(QStringLiteral("a/registry.reg"), LockPurpose::Instance));
    QDir::setCurrent(previous);
}

INSTANTIATE_TEST_SUITE_P(Names, OneFileNamedOtherwise,
                         ::testing::Values(OtherName{"Relative", "a/%1"},
                                           OtherName{"SymlinkedFolder", "link/%1"},
                                           OtherName{"UpAndDown", "a/../a/%1"},
                                           OtherName{"UpAndDownThroughTheLink", "link/../a/%1"}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace tallyfox
