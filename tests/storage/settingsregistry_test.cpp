// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "platform/registry.h"
#include "storage/settingsregistry.h"
#include "support/testenvironment.h"

#include <QDir>
#include <functional>
#include <gtest/gtest.h>

namespace tallyfox {
namespace {

using test::readFileBytes;
using test::TempFolder;
using test::writeFileBytes;

const QString kMain = QStringLiteral("Software\\Tallyfox");

// One read of the value "V" from a key where it is stored as a line of the file (or is missing), what
// the read gives, and what the key holds afterwards.
struct ReadCase
{
    const char* name;
    const char* storedLine;
    std::function<QString(RegistryKey&)> read;
    QString expected;
    std::optional<RegistryValue> storedAfter;
};

QString readText(RegistryKey& key)
{
    return readTextSetting(key, QStringLiteral("V"), QStringLiteral("EUR"));
}
QString readNumber(RegistryKey& key)
{
    return QString::number(readNumberSetting(key, QStringLiteral("V"), 3));
}
QString readNumber16(RegistryKey& key)
{
    return QString::number(readNumber16Setting(key, QStringLiteral("V"), 1));
}
QString readFlag(RegistryKey& key)
{
    return readFlagSetting(key, QStringLiteral("V"), true) ? QStringLiteral("true") : QStringLiteral("false");
}

RegistryValue text(const char* t)
{
    return RegistryValue::fromText(QString::fromUtf8(t));
}
RegistryValue number(quint32 n)
{
    return RegistryValue::fromNumber(n);
}

class SettingReads : public ::testing::TestWithParam<ReadCase>
{};

TEST_P(SettingReads, FollowTheRulesOfTheirKind)
{
    const ReadCase& c = GetParam();
    TempFolder folder;
    const QString file = folder.file(QStringLiteral("registry.reg"));
    writeFileBytes(file, QByteArray("[HKEY_LOCAL_MACHINE\\Software\\Tallyfox]\r\n") + c.storedLine + "\r\n");
    Registry registry(file);
    RegistryKey key = registry.open(kMain);
    ASSERT_TRUE(key.isOpen());
    EXPECT_EQ(c.read(key), c.expected);
    ASSERT_TRUE(key.close().ok());

    RegistryKey reopened = registry.open(kMain);
    EXPECT_EQ(reopened.value(u"V"), c.storedAfter);
}

INSTANTIATE_TEST_SUITE_P(
    Values, SettingReads,
    ::testing::Values(
        ReadCase{"TextMissing", "", readText, QStringLiteral("EUR"), text("EUR")},
        ReadCase{"TextStored", R"("v"="USD")", readText, QStringLiteral("USD"), text("USD")},
        ReadCase{"TextEmpty", R"("V"="")", readText, QStringLiteral("EUR"), text("EUR")},
        ReadCase{"TextStoredAsNumber", R"("V"=dword:00000005)", readText, QStringLiteral("EUR"), text("EUR")},
        ReadCase{"TextStoredAsBinary", R"("V"=hex:55,53,44)", readText, QStringLiteral("EUR"), text("EUR")},
        ReadCase{"NumberMissing", "", readNumber, QStringLiteral("3"), number(3)},
        ReadCase{"NumberStored", R"("V"=dword:00011170)", readNumber, QStringLiteral("70000"), number(70000)},
        ReadCase{"NumberAllBits", R"("V"=dword:ffffffff)", readNumber, QStringLiteral("-1"),
                 number(0xffffffff)},
        ReadCase{"NumberStoredAsText", R"("V"="7")", readNumber, QStringLiteral("0"), text("7")},
        ReadCase{"NumberOfTwoBytes", R"("V"=hex(4):07,00)", readNumber, QStringLiteral("0"),
                 RegistryValue::fromData(QStringLiteral("hex(4):07,00"))},
        ReadCase{"Number16LowBits", R"("V"=dword:00011170)", readNumber16, QStringLiteral("4464"),
                 number(70000)},
        ReadCase{"Number16Missing", "", readNumber16, QStringLiteral("1"), number(1)},
        ReadCase{"FlagMissing", "", readFlag, QStringLiteral("true"), number(1)},
        ReadCase{"FlagOne", R"("V"=dword:00000001)", readFlag, QStringLiteral("true"), number(1)},
        ReadCase{"FlagZero", R"("V"=dword:00000000)", readFlag, QStringLiteral("false"), number(0)},
        ReadCase{"FlagTwo", R"("V"=dword:00000002)", readFlag, QStringLiteral("false"), number(2)},
        ReadCase{"FlagStoredAsText", R"("V"="1")", readFlag, QStringLiteral("false"), text("1")}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SettingWrites, StoreFlagsAsOneOrZeroAndNumbersAsTheir32Bits)
{
    TempFolder folder;
    const QString file = folder.file(QStringLiteral("registry.reg"));
    Registry registry(file);
    RegistryKey key = registry.openOrCreate(kMain);
    writeFlagSetting(key, QStringLiteral("On"), true);
    writeFlagSetting(key, QStringLiteral("Off"), false);
    writeNumberSetting(key, QStringLiteral("Minus"), -2);
    writeTextSetting(key, QStringLiteral("Text"), QStringLiteral("a\\b"));
    ASSERT_TRUE(key.close().ok());
    EXPECT_EQ(readFileBytes(file), QByteArray("Windows Registry Editor Version 5.00\r\n\r\n"
                                              "[HKEY_LOCAL_MACHINE\\Software\\Tallyfox]\r\n"
                                              "\"On\"=dword:00000001\r\n"
                                              "\"Off\"=dword:00000000\r\n"
                                              "\"Minus\"=dword:fffffffe\r\n"
                                              "\"Text\"=\"a\\\\b\"\r\n\r\n"));
}

TEST(SettingReads, AKeyThatIsNotOpenGivesDefaultsAndWritesNothing)
{
    TempFolder folder;
    const QString file = folder.file(QStringLiteral("registry.reg"));
    ASSERT_TRUE(QDir().mkpath(file));
    Registry registry(file);
    RegistryKey key = registry.openOrCreate(kMain);
    ASSERT_FALSE(key.isOpen());
    EXPECT_EQ(readText(key), u"EUR");
    EXPECT_EQ(readNumber(key), u"3");
    EXPECT_EQ(readFlag(key), u"true");
    writeTextSetting(key, QStringLiteral("V"), QStringLiteral("x"));
    EXPECT_TRUE(key.close().ok());
    EXPECT_TRUE(QDir(file).isEmpty());
}

} // namespace
} // namespace tallyfox
