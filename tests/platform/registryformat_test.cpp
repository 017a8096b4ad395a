// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "platform/registryformat.h"
#include "support/testenvironment.h"

#include <QStringEncoder>
#include <gtest/gtest.h>

namespace tallyfox {
namespace {

using test::readFileBytes;
using test::testDataPath;
using test::writeFileBytes;

const QString kKey = QStringLiteral("HKEY_LOCAL_MACHINE\\Software\\Tallyfox");

// The one value of a one-line section.
std::optional<RegistryValue> readValueLine(const QByteArray& line)
{
    const ParsedRegistry parsed = parseRegistryFile("[HKEY_LOCAL_MACHINE\\Software\\Tallyfox]\r\n" + line);
    const RegistryKeyContent* key = parsed.content.findKey(kKey);
    if (!key || key->lines().isEmpty())
        return std::nullopt;
    return key->lines().first().value;
}

void expectSameKeysAndValues(const RegistryContent& a, const RegistryContent& b)
{
    ASSERT_EQ(a.keys().size(), b.keys().size());
    for (qsizetype i = 0; i < a.keys().size(); ++i) {
        EXPECT_EQ(a.keys()[i].path(), b.keys()[i].path());
        ASSERT_EQ(a.keys()[i].lines().size(), b.keys()[i].lines().size());
        for (qsizetype j = 0; j < a.keys()[i].lines().size(); ++j) {
            EXPECT_EQ(a.keys()[i].lines()[j].name, b.keys()[i].lines()[j].name);
            EXPECT_TRUE(a.keys()[i].lines()[j].value == b.keys()[i].lines()[j].value);
        }
    }
}

// Updating a reference: TALLYFOX_UPDATE_GOLDEN=1 writes what the program produces, to be read and committed.
void expectMatchesReference(const QByteArray& actual, const QString& reference)
{
    if (qEnvironmentVariableIsSet("TALLYFOX_UPDATE_GOLDEN"))
        writeFileBytes(testDataPath(reference), actual);
    EXPECT_EQ(actual, readFileBytes(testDataPath(reference)));
}

TEST(RegistryGolden, AHandWrittenFileReadsAndWritesBackAsTheReference)
{
    const ParsedRegistry parsed =
        parseRegistryFile(readFileBytes(testDataPath(QStringLiteral("registry/handwritten.reg"))));
    EXPECT_TRUE(parsed.recognised);
    // The orphan value, five bad values, the stray line, and the section that names no registry key with
    // its value.
    EXPECT_EQ(parsed.skippedLines, 9);
    const QByteArray written = registryFileBytes(parsed.content);
    expectMatchesReference(written, QStringLiteral("registry/handwritten.expected.reg"));

    const ParsedRegistry again = parseRegistryFile(written);
    EXPECT_EQ(again.skippedLines, 0);
    expectSameKeysAndValues(parsed.content, again.content);
    EXPECT_EQ(registryFileBytes(again.content), written);
}

TEST(RegistryFormat, DuplicateSectionsAndValuesMergeWithoutRegardToCase)
{
    const ParsedRegistry parsed =
        parseRegistryFile(readFileBytes(testDataPath(QStringLiteral("registry/handwritten.reg"))));
    ASSERT_EQ(parsed.content.keys().size(), 2);
    const RegistryKeyContent* key = parsed.content.findKey(u"hkey_local_machine\\SOFTWARE\\tallyfox");
    ASSERT_NE(key, nullptr);
    EXPECT_EQ(key->path(), kKey);
    ASSERT_NE(key->find(u"LASTUSEDCURRENCY"), nullptr);
    EXPECT_EQ(key->find(u"LASTUSEDCURRENCY")->text, u"GBP");
    EXPECT_EQ(key->lines().first().name, QStringLiteral("Lastusedcurrency"));
    EXPECT_EQ(key->find(u"Lastpaidwith")->text, QStringLiteral("Carte bleue \u00e9t\u00e9"));
}

struct KindCase
{
    const char* line;
    RegistryValue expected;
};

class RegistryValueKinds : public ::testing::TestWithParam<KindCase>
{};

TEST_P(RegistryValueKinds, ReadAsTheirKind)
{
    const std::optional<RegistryValue> value = readValueLine(GetParam().line);
    ASSERT_TRUE(value.has_value()) << GetParam().line;
    EXPECT_TRUE(*value == GetParam().expected) << GetParam().line;
}

INSTANTIATE_TEST_SUITE_P(
    Lines, RegistryValueKinds,
    ::testing::Values(
        KindCase{R"("A"=dword:0000abcd)", RegistryValue::fromNumber(0xabcd)},
        KindCase{R"("A"=dword:FFFFFFFF)", RegistryValue::fromNumber(0xffffffff)},
        KindCase{R"("A" = dword:7)", RegistryValue::fromNumber(7)},
        KindCase{R"("A"=hex(4):01,02,00,00)", RegistryValue::fromNumber(0x201)},
        KindCase{R"("A"=hex(4):01,02)", RegistryValue::fromData(QStringLiteral("hex(4):01,02"))},
        KindCase{R"("A"=hex:01,ff)", RegistryValue::fromData(QStringLiteral("hex:01,ff"))},
        KindCase{R"("A"=hex(b):01,00,00,00,00,00,00,00)",
                 RegistryValue::fromData(QStringLiteral("hex(b):01,00,00,00,00,00,00,00"))},
        KindCase{R"("A"=hex(1):41,00,0a,00,00,00)", RegistryValue::fromText(QStringLiteral("A\n"))},
        KindCase{R"("A"=hex(1):)", RegistryValue::fromText(QString())},
        KindCase{R"("A"="")", RegistryValue::fromText(QString())},
        KindCase{R"("A"="C:\dir\\x")", RegistryValue::fromText(QStringLiteral("C:\\dir\\x"))},
        KindCase{R"("A"="say \"hi\"")", RegistryValue::fromText(QStringLiteral("say \"hi\""))},
        KindCase{R"(@="default")", RegistryValue::fromText(QStringLiteral("default"))}));

class RegistryBadLines : public ::testing::TestWithParam<const char*>
{};

TEST_P(RegistryBadLines, AreSkippedAndTheRestIsKept)
{
    const QByteArray file =
        QByteArray("[HKEY_LOCAL_MACHINE\\Software\\Tallyfox]\r\n\"Before\"=dword:00000001\r\n") + GetParam() +
        "\r\n\"After\"=\"kept\"\r\n";
    const ParsedRegistry parsed = parseRegistryFile(file);
    EXPECT_EQ(parsed.skippedLines, 1) << GetParam();
    const RegistryKeyContent* key = parsed.content.findKey(kKey);
    ASSERT_NE(key, nullptr);
    EXPECT_EQ(key->lines().size(), 2) << GetParam();
    ASSERT_NE(key->find(u"After"), nullptr);
    EXPECT_EQ(key->find(u"After")->text, u"kept");
}

INSTANTIATE_TEST_SUITE_P(Lines, RegistryBadLines,
                         ::testing::Values(R"("A"=dword:123456789)", R"("A"=dword:)", R"("A"=dword:12x4)",
                                           R"("A"="unterminated)", R"("A"="text" more)", R"("A"=-)",
                                           R"("A"=42)", R"(A="x")", R"("A")", R"("A"="a\")",
                                           "garbage \x01\x02\xff", R"(@x="y")"));

TEST(RegistryFormat, TextsKeepEveryCharacterThroughWritingAndReading)
{
    const QString texts[] = {
        QStringLiteral("plain"),
        QStringLiteral("C:\\dir\\"),
        QStringLiteral("\\\"\\\\\""),
        QStringLiteral("two\r\nlines"),
        QStringLiteral("tab\there"),
        QString(QStringLiteral("nul\0inside")),
        QStringLiteral("\u00e9\u20ac \u65e5\U0001F600"),
        QStringLiteral("lone ") + QChar(0xD800) + QStringLiteral(" half"),
        QStringLiteral("  spaces  "),
        QString(),
    };
    RegistryContent content;
    RegistryKeyContent& key = content.addKey(kKey);
    for (const QString& text : texts)
        key.set(QStringLiteral("T%1").arg(key.lines().size()), RegistryValue::fromText(text));
    const ParsedRegistry back = parseRegistryFile(registryFileBytes(content));
    EXPECT_EQ(back.skippedLines, 0);
    expectSameKeysAndValues(content, back.content);
}

TEST(RegistryFormat, WritesTheExportForm)
{
    RegistryContent content;
    RegistryKeyContent& key = content.addKey(kKey);
    key.set(QStringLiteral("Version"), RegistryValue::fromNumber(953));
    key.set(QStringLiteral("DataLocation"), RegistryValue::fromText(QStringLiteral("/home/a \"b\"\\")));
    key.set(QStringLiteral("Note"), RegistryValue::fromText(QStringLiteral("A\n")));
    content.addKey(kKey + QStringLiteral("\\Columns"));
    EXPECT_EQ(registryFileBytes(content), QByteArray("Windows Registry Editor Version 5.00\r\n"
                                                     "\r\n"
                                                     "[HKEY_LOCAL_MACHINE\\Software\\Tallyfox]\r\n"
                                                     "\"Version\"=dword:000003b9\r\n"
                                                     "\"DataLocation\"=\"/home/a \\\"b\\\"\\\\\"\r\n"
                                                     "\"Note\"=hex(1):41,00,0a,00,00,00\r\n"
                                                     "\r\n"
                                                     "[HKEY_LOCAL_MACHINE\\Software\\Tallyfox\\Columns]\r\n"
                                                     "\r\n"));
}

TEST(RegistryFormat, TellsARegistryFileFromAnotherProgramsFile)
{
    EXPECT_TRUE(parseRegistryFile("").recognised);
    EXPECT_TRUE(parseRegistryFile("\r\n  \n; only a note\r\n").recognised);
    EXPECT_TRUE(parseRegistryFile("Windows Registry Editor Version 5.00\r\nnonsense\r\n").recognised);
    EXPECT_TRUE(parseRegistryFile("nonsense\n[HKEY_CURRENT_USER\\Other]\n").recognised);
    EXPECT_FALSE(parseRegistryFile("\tYear\tMonth\tDay\r\nitem\t2010\t1\t3\r\n").recognised);
    EXPECT_FALSE(parseRegistryFile("[Currencies]\r\nEUR=1.0\r\n").recognised);
    EXPECT_FALSE(parseRegistryFile(QByteArray("\x7f"
                                              "ELF\x02\x01\x01\0\0",
                                              9))
                     .recognised);
}

TEST(RegistryFormat, ReadsAFileTheRegistryEditorExportedAsUtf16)
{
    QStringEncoder encoder(QStringEncoder::Utf16LE);
    const QByteArray file = "\xFF\xFE" + QByteArray(encoder(u"Windows Registry Editor Version 5.00\r\n\r\n"
                                                            u"[HKEY_LOCAL_MACHINE\\Software\\Tallyfox]\r\n"
                                                            u"\"Lastpaidwith\"=\"Ch\u00e8que\"\r\n"));
    const ParsedRegistry parsed = parseRegistryFile(file);
    const RegistryKeyContent* key = parsed.content.findKey(kKey);
    ASSERT_NE(key, nullptr);
    ASSERT_NE(key->find(u"Lastpaidwith"), nullptr);
    EXPECT_EQ(key->find(u"Lastpaidwith")->text, QStringLiteral("Ch\u00e8que"));
}

TEST(RegistryFormat, AHalfOfASurrogatePairInUtf16ReadsAsAReplacementCharacterAndWritesBackAlike)
{
    // A comment holding a lone high surrogate, then a value holding a lone low one before a whole pair.
    const QByteArray file =
        QByteArray("\xFF\xFE;\0\x01\xD8\n\0[\0", 10) +
        QStringEncoder(QStringEncoder::Utf16LE)(u"HKEY_LOCAL_MACHINE\\Software\\Tallyfox]\n\"A\"=\"") +
        QByteArray("\x00\xDC\x3D\xD8\x00\xDE\"\0\n\0", 10);
    const ParsedRegistry first = parseRegistryFile(file);
    const RegistryKeyContent* key = first.content.findKey(kKey);
    ASSERT_NE(key, nullptr);
    ASSERT_NE(key->find(u"A"), nullptr);
    EXPECT_EQ(key->find(u"A")->text, QStringLiteral("\uFFFD\U0001F600"));
    const QByteArray written = registryFileBytes(first.content);
    EXPECT_TRUE(written.contains("\xEF\xBF\xBD")) << written.toStdString();
    EXPECT_EQ(registryFileBytes(parseRegistryFile(written).content), written);
}

TEST(RegistryFormat, BytesWithALoneSurrogateInACommentReadTheSameAfterASave)
{
    // Found by fuzzing: the lone surrogate was kept when read and became "?" when written.
    const QByteArray input("\xFF\xFE\x3B\x00\x00\x00\x00\x00\x01\x00\x60\xE0\x00\x02\x87\xDC", 16);
    const QByteArray written = registryFileBytes(parseRegistryFile(input).content);
    const ParsedRegistry second = parseRegistryFile(written);
    EXPECT_TRUE(second.recognised);
    EXPECT_EQ(second.skippedLines, 0);
    EXPECT_EQ(registryFileBytes(second.content), written);
}

TEST(RegistryFormat, AFailingDeviceIsReported)
{
    RegistryContent content;
    content.addKey(kKey).set(QStringLiteral("A"), RegistryValue::fromNumber(1));
    test::FailingDevice full(10);
    EXPECT_FALSE(writeRegistryFile(full, content));
}

} // namespace
} // namespace tallyfox
