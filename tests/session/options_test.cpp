// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "session/options.h"
#include "session/startup.h"
#include "sessionfixture.h"
#include "storage/defaultsfile.h"
#include "storage/editlog.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace tallyfox {
namespace {

using test::readFileBytes;
using test::writeFileBytes;

const QByteArray kUserDefaults = "[Currencies]\r\nEUR=Primary\r\nUS$=1.44\r\n"
                                 "[Expense types]\r\nTrain\r\nHotel=Room\r\n"
                                 "[Notes]\r\nkept=as it is\r\n"
                                 "[Payment methods]\r\nCash\r\n"
                                 "[Intended sources]\r\nEmployer\r\n";

const QByteArray kEditedSections = "[Expense types]\r\nTaxi\r\nHotel\r\n"
                                   "[Intended sources]\r\nClient\r\n"
                                   "[Payment methods]\r\nCash\r\nCard\r\n"
                                   "[Currencies]\r\nCHF=Primary\r\nEUR=0.66\r\n";

class Options : public test::SessionTest
{
protected:
    Options()
    {
        seedRegistry("\"NextReceiptNum\"=dword:00000007\r\n");
        writeFileBytes(defaultsFilePath(state), kUserDefaults);
        EXPECT_TRUE(session.log().createLogIfMissing(state).ok());
        session.logMessage(QStringLiteral("Before the move"));
        loadDefaults(session);
        EXPECT_TRUE(session.takeMessages().isEmpty());
    }

    // The dialog as a user leaves it: a few settings changed and the four lists edited.
    OptionsEdit edited()
    {
        OptionsEdit edit = loadOptions(session);
        edit.incomeIsPositive = true;
        edit.nextReceiptNumber = 42;
        edit.quickEnable[3] = false; // Amount
        edit.lastVisibleColumn = 8;
        edit.columnPositions = {8, 0, 1, 2, 3, 4, 5, 6, 7};
        edit.lists.expenseTypes = QStringList{"Taxi", "Hotel"};
        edit.lists.intendedSources = QStringList{"Client"};
        edit.lists.paymentMethods = QStringList{"Cash", "Card"};
        edit.lists.currencyNames = QStringList{"CHF", "EUR"};
        edit.lists.currencyRates = QStringList{"Primary", "0.66"};
        return edit;
    }

    [[nodiscard]] QString otherFolder() const { return file(QStringLiteral("moved/")); }
    [[nodiscard]] QString oldFolder() const { return folder.path() + u'/'; }

    [[nodiscard]] quint32 storedNumber(QStringView name,
                                       const QString& key = QStringLiteral("Software\\Tallyfox"))
    {
        const std::optional<RegistryValue> value = stored(name, key);
        return value ? value->number : 0xFFFFFFFF;
    }
};

TEST_F(Options, OpenWithTheListsOfTheDefaultsFileAsTheyAreWritten)
{
    const OptionsEdit edit = loadOptions(session);
    EXPECT_EQ(edit.location, oldFolder());
    EXPECT_EQ(edit.lists.expenseTypes, (QStringList{"Train", "Hotel=Room"}));
    EXPECT_EQ(edit.lists.currencyNames, (QStringList{"EUR", "US$"}));
    EXPECT_EQ(edit.lists.currencyRates, (QStringList{"Primary", "1.44"}));
}

TEST_F(Options, SaveStoresTheSettingsAndListsThenRebuildsTheCurrenciesAndRefreshes)
{
    addEntries({{.type = "Lunch"}});
    OptionsEdit edit = edited();
    // The current folder written without its slash is no move.
    edit.location = folder.path();
    edit.overwrite = true;
    ASSERT_TRUE(saveOptions(session, edit).ok());
    EXPECT_TRUE(session.takeMessages().isEmpty());
    EXPECT_EQ(state.settingsFolder, oldFolder());

    EXPECT_TRUE(state.settings.incomeIsPositive);
    EXPECT_EQ(storedNumber(u"IncomeIsPositive"), 1u);
    EXPECT_EQ(storedNumber(u"NextReceiptNum"), 42u);
    EXPECT_EQ(storedNumber(u"QuickEnableAmount"), 0u);
    EXPECT_EQ(storedNumber(u"LastVisibleColumn", QStringLiteral("Software\\Tallyfox\\Columns")), 8u);
    EXPECT_EQ(storedNumber(u"OrderType", QStringLiteral("Software\\Tallyfox\\Columns")), 8u);
    // Other sections stay where they were; the four lists follow them in this order.
    EXPECT_EQ(readFileBytes(defaultsFilePath(state)), "[Notes]\r\nkept=as it is\r\n" + kEditedSections);
    ASSERT_EQ(state.currencyCount(), 2);
    EXPECT_EQ(state.currencies[0].name, QStringLiteral("CHF"));
    EXPECT_DOUBLE_EQ(state.currencies[1].rate, 0.66);
    EXPECT_EQ(readFileBytes(state.databasePath), databaseBytes(state.entries));
    // Save writes no log line of its own.
    EXPECT_EQ(logTexts(), QStringList{"Before the move"});
}

TEST_F(Options, TheColumnsChangedAreOneStepThatUndoTakesBackInTheRegistry)
{
    addEntries({{.type = "Lunch"}});
    session.refreshList(false);
    const QByteArray database = readFileBytes(state.databasePath);
    const QStringList logged = logTexts();
    const quint16 lastVisible = state.settings.lastVisibleColumn;
    const ColumnArray<int> positions = state.settings.columnPositions;
    OptionsEdit edit = loadOptions(session);
    edit.lastVisibleColumn = 3;
    edit.columnPositions = {8, 0, 1, 2, 3, 4, 5, 6, 7};
    ASSERT_TRUE(saveOptions(session, edit).ok());
    EXPECT_EQ(session.history().undoText(), QStringLiteral("Undo column changes"));

    const QString columns = QStringLiteral("Software\\Tallyfox\\Columns");
    EXPECT_TRUE(session.undo().stored());
    EXPECT_EQ(state.settings.lastVisibleColumn, lastVisible);
    EXPECT_EQ(state.settings.columnPositions, positions);
    EXPECT_EQ(storedNumber(u"LastVisibleColumn", columns), lastVisible);
    EXPECT_EQ(storedNumber(u"OrderType", columns), quint32(positions[0]));
    EXPECT_EQ(session.history().redoText(), QStringLiteral("Redo column changes"));

    EXPECT_TRUE(session.redo().stored());
    EXPECT_EQ(state.settings.lastVisibleColumn, 3);
    EXPECT_EQ(storedNumber(u"LastVisibleColumn", columns), 3u);
    EXPECT_EQ(storedNumber(u"OrderType", columns), 8u);
    // The entries and the log are as they were: only the columns changed.
    EXPECT_EQ(readFileBytes(state.databasePath), database);
    EXPECT_EQ(logTexts(), logged);
    EXPECT_TRUE(session.takeMessages().isEmpty());
}

TEST_F(Options, MovingToAnEmptyFolderCarriesBothFilesAndSwitchesToIt)
{
    EXPECT_FALSE(holdsSettingsFiles(otherFolder()));
    const QByteArray log = readFileBytes(logFilePath(state));
    OptionsEdit edit = edited();
    edit.location = file(QStringLiteral("moved"));
    ASSERT_TRUE(saveOptions(session, edit).ok());
    EXPECT_EQ(state.settingsFolder, otherFolder());
    EXPECT_EQ(readFileBytes(otherFolder() + QStringLiteral("Tallyfox.log")), log);
    EXPECT_EQ(readFileBytes(otherFolder() + QStringLiteral("TallyfoxDefaults.ini")),
              "[Notes]\r\nkept=as it is\r\n" + kEditedSections);
    // The old folder keeps its files as they were.
    EXPECT_EQ(readFileBytes(oldFolder() + QStringLiteral("TallyfoxDefaults.ini")), kUserDefaults);
    // Later log lines go to the new folder.
    session.logMessage(QStringLiteral("After the move"));
    EXPECT_EQ(logTexts(), (QStringList{"Before the move", "After the move"}));
}

TEST_F(Options, MovingOntoSettingsFilesKeepsThemUnlessTheyAreToBeReplaced)
{
    for (const bool overwrite : {false, true}) {
        SCOPED_TRACE(overwrite ? "overwrite" : "keep");
        state.settingsFolder = oldFolder();
        QDir().mkpath(otherFolder());
        writeFileBytes(otherFolder() + QStringLiteral("Tallyfox.log"), "their log\r\n");
        writeFileBytes(otherFolder() + QStringLiteral("TallyfoxDefaults.ini"), "[Theirs]\r\nx\r\n");
        EXPECT_TRUE(holdsSettingsFiles(file(QStringLiteral("moved"))));
        OptionsEdit edit = edited();
        edit.location = otherFolder();
        edit.overwrite = overwrite;
        ASSERT_TRUE(saveOptions(session, edit).ok());
        EXPECT_EQ(state.settingsFolder, otherFolder());
        EXPECT_EQ(readFileBytes(otherFolder() + QStringLiteral("Tallyfox.log")) == "their log\r\n",
                  !overwrite);
        const QByteArray kept = overwrite ? "[Notes]\r\nkept=as it is\r\n" : "[Theirs]\r\nx\r\n";
        EXPECT_EQ(readFileBytes(otherFolder() + QStringLiteral("TallyfoxDefaults.ini")),
                  kept + kEditedSections);
    }
}

TEST_F(Options, AFailedCopyStopsTheSaveBeforeTheFolderOrTheListsChange)
{
    // The new folder's defaults file cannot be replaced: a folder stands in its place.
    QDir().mkpath(otherFolder() + QStringLiteral("TallyfoxDefaults.ini"));
    OptionsEdit edit = edited();
    edit.location = otherFolder();
    edit.overwrite = true;
    const FileResult result = saveOptions(session, edit);
    ASSERT_FALSE(result.ok());
    EXPECT_TRUE(result.message().contains(otherFolder() + QStringLiteral("TallyfoxDefaults.ini")))
        << result.message().toStdString();
    EXPECT_EQ(state.settingsFolder, oldFolder());
    EXPECT_EQ(readFileBytes(defaultsFilePath(state)), kUserDefaults);
    EXPECT_EQ(state.currencies[1].name, QStringLiteral("US$"));
    // The settings were taken and stored before the copy failed.
    EXPECT_TRUE(state.settings.incomeIsPositive);
    EXPECT_EQ(storedNumber(u"NextReceiptNum"), 42u);
}

// The receipt counter after the options are saved while another process had stored 50 and "USD".
TEST_F(Options, TheNextReceiptNumberShownIsTheFreeOneAndSavedAsShown)
{
    state.settings.nextReceiptNumber = 7;
    addEntries({{.receipt = "7"}, {.receipt = "12"}});
    OptionsEdit edit = loadOptions(session);
    EXPECT_EQ(edit.nextReceiptNumber, 13) << "7 is taken";
    ASSERT_TRUE(saveOptions(session, edit).ok());
    EXPECT_EQ(state.settings.nextReceiptNumber, 13);
    EXPECT_EQ(storedNumber(u"NextReceiptNum"), 13u);
    EXPECT_EQ(session.proposedReceiptNumber(), 13);
}

struct CounterCase
{
    const char* name;
    quint16 typed;
    quint32 stored;
};

class OptionsWhileAnotherProcessStores : public Options, public ::testing::WithParamInterface<CounterCase>
{};

TEST_P(OptionsWhileAnotherProcessStores, KeepTheirValuesAndATypedReceiptNumber)
{
    state.settings.nextReceiptNumber = 7;
    session.saveSettings();
    Registry elsewhere(registryFile);
    RegistryKey theirs = elsewhere.open(QStringLiteral("Software\\Tallyfox"));
    theirs.setText(QStringLiteral("Lastusedcurrency"), QStringLiteral("USD"));
    theirs.setNumber(QStringLiteral("NextReceiptNum"), 50);
    ASSERT_TRUE(theirs.close().ok());

    OptionsEdit edit = edited();
    edit.nextReceiptNumber = GetParam().typed;
    ASSERT_TRUE(saveOptions(session, edit).ok());
    EXPECT_EQ(storedNumber(u"NextReceiptNum"), GetParam().stored);
    EXPECT_EQ(state.settings.nextReceiptNumber, GetParam().stored);
    EXPECT_EQ(stored(u"Lastusedcurrency")->text, u"USD");
    EXPECT_EQ(storedNumber(u"IncomeIsPositive"), 1u);
}

INSTANTIATE_TEST_SUITE_P(Counter, OptionsWhileAnotherProcessStores,
                         ::testing::Values(CounterCase{"TypedBelowTheirs", 42, 42},
                                           CounterCase{"LeftAsItWas", 7, 50}),
                         [](const auto& info) { return std::string(info.param.name); });

struct ReceiptText
{
    const char* typed;
    quint16 stored;
};

class ReceiptNumberText : public ::testing::TestWithParam<ReceiptText>
{};

TEST_P(ReceiptNumberText, ReadsLeadingDigitsAndWraps)
{
    EXPECT_EQ(receiptNumberFromText(QString::fromUtf8(GetParam().typed)), GetParam().stored);
}

INSTANTIATE_TEST_SUITE_P(Typed, ReceiptNumberText,
                         ::testing::Values(ReceiptText{"12", 12}, ReceiptText{"12abc", 12},
                                           ReceiptText{"+7", 7}, ReceiptText{"-1", 65535},
                                           ReceiptText{"65536", 0}, ReceiptText{"70000", 4464},
                                           ReceiptText{"", 0}, ReceiptText{"abc", 0}));

} // namespace
} // namespace tallyfox
