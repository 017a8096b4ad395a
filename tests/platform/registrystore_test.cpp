// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "platform/registrystore.h"
#include "support/testenvironment.h"

#include <QDateTime>
#include <QFile>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

namespace tallyfox {
namespace {

const QString kMainKey = QStringLiteral("HKEY_LOCAL_MACHINE\\Software\\Tallyfox");

std::optional<RegistryValue> storedValue(const QString& file, const QString& keyPath, const QString& name)
{
    const RegistryStore store(file);
    const RegistryKeyContent* key = store.content().findKey(keyPath);
    const RegistryValue* value = key ? key->find(name) : nullptr;
    return value ? std::optional(*value) : std::nullopt;
}

TEST(RegistryStore, TwoProcessesThatChangeDifferentValuesBothKeepThem)
{
    test::TempFolder folder;
    const QString file = folder.file(QStringLiteral("registry.reg"));
    test::writeFileBytes(file, "[HKEY_LOCAL_MACHINE\\Software\\Tallyfox]\r\n\"Lastusedcurrency\"=\"EUR\"\r\n"
                               "\"NextReceiptNum\"=dword:00000001\r\n\"AutoSort\"=dword:00000000\r\n\r\n");
    RegistryStore mine(file);

    // Another process reads the file after this one did and writes first.
    const pid_t other = ::fork();
    if (other == 0) {
        RegistryStore theirs(file);
        theirs.setValue(kMainKey, QStringLiteral("Lastusedcurrency"),
                        RegistryValue::fromText(QStringLiteral("USD")));
        theirs.setValue(kMainKey, QStringLiteral("NextReceiptNum"), RegistryValue::fromNumber(5));
        theirs.addKey(kMainKey + QStringLiteral("\\Display"));
        ::_exit(theirs.writeChanges().ok() ? 0 : 1);
    }
    ASSERT_GT(other, 0);
    int status = -1;
    ASSERT_EQ(::waitpid(other, &status, 0), other);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);

    mine.setValue(kMainKey, QStringLiteral("AutoSort"), RegistryValue::fromNumber(1));
    mine.addKey(kMainKey + QStringLiteral("\\Columns"));
    ASSERT_TRUE(mine.writeChanges().ok());

    EXPECT_EQ(storedValue(file, kMainKey, QStringLiteral("Lastusedcurrency")),
              RegistryValue::fromText(QStringLiteral("USD")));
    EXPECT_EQ(storedValue(file, kMainKey, QStringLiteral("NextReceiptNum")), RegistryValue::fromNumber(5));
    EXPECT_EQ(storedValue(file, kMainKey, QStringLiteral("AutoSort")), RegistryValue::fromNumber(1));
    const RegistryStore after(file);
    EXPECT_TRUE(after.content().findKey(kMainKey + QStringLiteral("\\Display")));
    EXPECT_TRUE(after.content().findKey(kMainKey + QStringLiteral("\\Columns")));
    // The store goes on from the file as it now is.
    EXPECT_EQ(mine.content().findKey(kMainKey)->find(u"Lastusedcurrency")->text, u"USD");
}

TEST(RegistryStore, AStoreThatChangesNothingStillRemovesWhatAKilledSaveLeft)
{
    test::TempFolder folder;
    const QString file = folder.file(QStringLiteral("registry.reg"));
    test::writeFileBytes(file, "[HKEY_LOCAL_MACHINE\\Software\\Tallyfox]\r\n\r\n");
    const QString leftover = folder.file(QStringLiteral(".registry.reg.tallyfox-tmp-Ab12Cd"));
    test::writeFileBytes(leftover, "half a registry");
    QFile old(leftover);
    ASSERT_TRUE(old.open(QIODevice::ReadWrite) && old.setFileTime(QDateTime::currentDateTime().addSecs(-120),
                                                                  QFileDevice::FileModificationTime));
    old.close();
    RegistryStore store(file);
    ASSERT_TRUE(store.writeChanges().ok());
    EXPECT_FALSE(QFile::exists(leftover));
    EXPECT_TRUE(QFile::exists(file));
}

TEST(RegistryStore, AFileThatIsNoLongerARegistryIsNotWrittenOver)
{
    test::TempFolder folder;
    const QString file = folder.file(QStringLiteral("registry.reg"));
    test::writeFileBytes(file, "[HKEY_LOCAL_MACHINE\\Software\\Tallyfox]\r\n\r\n");
    RegistryStore store(file);
    store.setValue(kMainKey, QStringLiteral("AutoSort"), RegistryValue::fromNumber(1));
    const QByteArray other("\x7f"
                           "ELF binary that replaced it\0\1\2",
                           32);
    test::writeFileBytes(file, other);

    EXPECT_EQ(store.writeChanges().error(), FileError::ContentNotRead);
    EXPECT_EQ(test::readFileBytes(file), other);
    EXPECT_TRUE(store.hasChanges());
}

} // namespace
} // namespace tallyfox
