// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "storage/defaultsfile.h"
#include "support/testenvironment.h"

#include <QDir>
#include <gtest/gtest.h>

namespace tallyfox {
namespace {

using test::readFileBytes;
using test::TempFolder;
using test::testDataPath;
using test::writeFileBytes;

QString shippedName()
{
    return QString::fromUtf16(kShippedDefaultsFileName);
}

class DefaultsFile : public ::testing::Test
{
protected:
    DefaultsFile()
    {
        QDir().mkpath(folder.file(QStringLiteral("settings")));
        QDir().mkpath(folder.file(QStringLiteral("program")));
        state.settingsFolder = folder.file(QStringLiteral("settings/"));
        state.programFolder = folder.file(QStringLiteral("program/"));
    }

    QString userFile() const { return defaultsFilePath(state); }

    TempFolder folder;
    AppState state{test::pinnedLocale()};
};

TEST_F(DefaultsFile, AUserFileReadAndWrittenBackMatchesTheReference)
{
    writeFileBytes(userFile(), readFileBytes(testDataPath(QStringLiteral("defaults/user.ini"))));
    const ReadResult<DefaultsLists> read = readDefaultsLists(state);
    ASSERT_TRUE(read.result.ok());
    const DefaultsLists& lists = read.value;
    EXPECT_EQ(lists.expenseTypes,
              (QStringList{QStringLiteral("Train"), QStringLiteral("Taxi"), QStringLiteral("Hotel=Room")}));
    EXPECT_EQ(lists.currencyNames,
              (QStringList{QStringLiteral("EUR"), QStringLiteral("US$"), QStringLiteral("GBP")}));
    EXPECT_EQ(lists.currencyRates,
              (QStringList{QStringLiteral("Primary"), QStringLiteral("1.44"), QStringLiteral("0,89")}));

    ASSERT_TRUE(writeDefaultsLists(state, lists).ok());
    const QByteArray written = readFileBytes(userFile());
    const QString reference = testDataPath(QStringLiteral("defaults/user.expected.ini"));
    if (qEnvironmentVariableIsSet("TALLYFOX_UPDATE_GOLDEN"))
        writeFileBytes(reference, written);
    EXPECT_EQ(written, readFileBytes(reference));

    const ReadResult<DefaultsLists> again = readDefaultsLists(state);
    ASSERT_TRUE(again.result.ok());
    EXPECT_EQ(again.value, lists);
}

TEST_F(DefaultsFile, TheShippedFileIsCopiedWithCrLfOnlyWhenTheUserHasNone)
{
    writeFileBytes(state.programFolder + shippedName(),
                   readFileBytes(testDataPath(QStringLiteral("defaults/shipped-lf.ini"))));
    ASSERT_TRUE(installDefaultsFile(state).ok());
    const QByteArray copied =
        "[Expense types]\r\nTrain\r\nDinner\r\n[Currencies]\r\nEUR=Primary\r\nUS$=1.44\r\n";
    EXPECT_EQ(readFileBytes(userFile()), copied);
    EXPECT_EQ(QFile::permissions(userFile()) & 0x0777, QFileDevice::ReadUser | QFileDevice::WriteUser);

    // A changed shipped file is not copied again.
    writeFileBytes(state.programFolder + shippedName(), "[Expense types]\r\nBus\r\n");
    ASSERT_TRUE(installDefaultsFile(state).ok());
    EXPECT_EQ(readFileBytes(userFile()), copied);
}

TEST_F(DefaultsFile, TheShippedFileIsFoundBesideTheProgramFirstThenInShare)
{
    // An installed program: bin/ and share/tallyfox/ side by side.
    state.programFolder = folder.file(QStringLiteral("prefix/bin/"));
    QDir().mkpath(folder.file(QStringLiteral("prefix/bin")));
    QDir().mkpath(folder.file(QStringLiteral("prefix/share/tallyfox")));
    ASSERT_TRUE(installDefaultsFile(state).ok());
    EXPECT_FALSE(QFile::exists(userFile())); // neither file: nothing is made

    writeFileBytes(folder.file(QStringLiteral("prefix/share/tallyfox/")) + shippedName(), "[Installed]\r\n");
    ASSERT_TRUE(installDefaultsFile(state).ok());
    EXPECT_EQ(readFileBytes(userFile()), "[Installed]\r\n");

    ASSERT_TRUE(QFile::remove(userFile()));
    writeFileBytes(state.programFolder + shippedName(), "[Build tree]\r\n");
    ASSERT_TRUE(installDefaultsFile(state).ok());
    EXPECT_EQ(readFileBytes(userFile()), "[Build tree]\r\n");
}

TEST_F(DefaultsFile, TheBuildShipsTheNaturalListsBesideThePrograms)
{
    state.programFolder = qEnvironmentVariable("TALLYFOX_BIN_DIR") + u'/';
    ASSERT_TRUE(installDefaultsFile(state).ok());
    const ReadResult<DefaultsLists> read = readDefaultsLists(state);
    ASSERT_TRUE(read.result.ok());
    const DefaultsLists& lists = read.value;
    EXPECT_EQ(lists.expenseTypes,
              (QStringList{QStringLiteral("Train"), QStringLiteral("Car rental"), QStringLiteral("Dinner"),
                           QStringLiteral("Lunch"), QStringLiteral("Breakfast")}));
    EXPECT_EQ(lists.intendedSources,
              (QStringList{QStringLiteral("Employer"), QStringLiteral("Client"), QStringLiteral("Myself")}));
    EXPECT_EQ(lists.paymentMethods, (QStringList{QStringLiteral("Cash"), QStringLiteral("Credit card"),
                                                 QStringLiteral("Debit card")}));
    // The sample database's currencies are all there, so that it converts without a "?".
    EXPECT_EQ(lists.currencyNames,
              (QStringList{"EUR", "US$", "GBP", "CHF", "DKK", "JPY", "NOK", "PLN", "SEK"}));
    EXPECT_EQ(lists.currencyRates,
              (QStringList{"Primary", "1.44", "0.89", "0.95", "7.46", "157", "11.6", "4.4", "11.4"}));
    // The copy is identical: the shipped file is already written with CR LF.
    EXPECT_EQ(readFileBytes(userFile()), readFileBytes(state.programFolder + shippedName()));
}

TEST_F(DefaultsFile, LinesSplitIntoNameAndValueAtTheFirstEqualsSign)
{
    struct Case
    {
        QString line;
        DefaultsItem item;
    };
    const Case cases[] = {
        {QStringLiteral("US$ = 1.44"), {QStringLiteral("US$"), QStringLiteral("1.44")}},
        {QStringLiteral("a=b=c"), {QStringLiteral("a"), QStringLiteral("b=c")}},
        {QStringLiteral("CHF"), {QStringLiteral("CHF"), QString()}},
        {QStringLiteral("\t Hotel=Room\x01"), {QStringLiteral("Hotel"), QStringLiteral("Room")}},
        {QStringLiteral("=1"), {QString(), QStringLiteral("1")}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(splitDefaultsLine(c.line), c.item) << c.line.toStdString();
}

TEST_F(DefaultsFile, ASectionReadsAsItsNonEmptyLinesAndAMissingOneAsNone)
{
    writeFileBytes(userFile(), "[Payment methods]\r\n\r\n  Cash  \r\nCard=Visa\r\n\t\r\n[Other]\r\nx\r\n");
    const QString payment = QString::fromUtf16(kPaymentMethodsSection);
    const ReadResult<QStringList> read = readDefaultsSection(state, payment);
    ASSERT_TRUE(read.result.ok());
    EXPECT_EQ(read.value, (QStringList{QStringLiteral("Cash"), QStringLiteral("Card=Visa")}));
    EXPECT_EQ(defaultsItems(read.value),
              (std::vector<DefaultsItem>{{QStringLiteral("Cash"), QString()},
                                         {QStringLiteral("Card"), QStringLiteral("Visa")}}));

    const ReadResult<QStringList> missingSection =
        readDefaultsSection(state, QString::fromUtf16(kCurrenciesSection));
    ASSERT_TRUE(missingSection.result.ok());
    EXPECT_TRUE(missingSection.value.isEmpty());

    ASSERT_TRUE(QFile::remove(userFile()));
    const ReadResult<QStringList> missingFile = readDefaultsSection(state, payment);
    ASSERT_TRUE(missingFile.result.ok());
    EXPECT_TRUE(missingFile.value.isEmpty());

    ASSERT_TRUE(QDir().mkdir(userFile()));
    const ReadResult<QStringList> unreadable = readDefaultsSection(state, payment);
    EXPECT_EQ(unreadable.result.error(), FileError::NotRegularFile);
    EXPECT_EQ(unreadable.result.path(), userFile());
    EXPECT_TRUE(unreadable.value.isEmpty());
}

TEST_F(DefaultsFile, WritingPutsTheFourListsAtTheEndInTheirOrderAndKeepsEveryCurrency)
{
    writeFileBytes(userFile(), "[Currencies]\r\nEUR=Primary\r\n[Notes]\r\nkept\r\n");
    DefaultsLists lists;
    lists.expenseTypes = QStringList{QStringLiteral(" Taxi "), QString(), QStringLiteral("Hotel")};
    lists.paymentMethods = QStringList{QStringLiteral("Cash")};
    // Names that differ only in case are two currencies, and neither takes the primary's line.
    lists.currencyNames = QStringList{QStringLiteral("EUR"), QStringLiteral("usd"), QStringLiteral("USD"),
                                      QStringLiteral("eur")};
    lists.currencyRates = QStringList{QStringLiteral("Primary"), QStringLiteral("1.4"), QStringLiteral("1.5"),
                                      QStringLiteral("1")};
    ASSERT_TRUE(writeDefaultsLists(state, lists).ok());
    EXPECT_EQ(readFileBytes(userFile()), "[Notes]\r\nkept\r\n[Expense types]\r\nTaxi\r\nHotel\r\n"
                                         "[Intended sources]\r\n[Payment methods]\r\nCash\r\n[Currencies]\r\n"
                                         "EUR=Primary\r\nusd=1.4\r\nUSD=1.5\r\neur=1\r\n");
}

TEST_F(DefaultsFile, AFileThatCannotBeReadIsNotWrittenOverAndAFailedCopyIsReported)
{
    ASSERT_TRUE(QDir().mkdir(userFile()));
    DefaultsLists lists;
    lists.expenseTypes = QStringList{QStringLiteral("Taxi")};
    const FileResult result = writeDefaultsLists(state, lists);
    EXPECT_EQ(result.error(), FileError::ContentNotRead);
    EXPECT_EQ(result.path(), userFile());
    EXPECT_TRUE(QFileInfo(userFile()).isDir());

    state.settingsFolder = folder.file(QStringLiteral("missing/"));
    writeFileBytes(state.programFolder + shippedName(), "[Expense types]\r\n");
    const FileResult copy = installDefaultsFile(state);
    EXPECT_EQ(copy.error(), FileError::NotWritable);
    EXPECT_TRUE(copy.message().contains(userFile())) << copy.message().toStdString();
}

} // namespace
} // namespace tallyfox
