// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

// The options form driven as a user drives it: its three pages, the columns, the settings folder and Save.
#include "mainwindow/mainformfixture.h"
#include "session/entrycells.h"
#include "support/controls.h"
#include "toolkit/softkeybar.h"
#include "ui/mainwindow/entrylistview.h"
#include "ui/options/optionscolumnspage.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace tallyfox::test {
namespace {

using Kind = ScriptedPrompts::Kind;

QStringList texts(const QListWidget* list)
{
    QStringList result;
    for (int row = 0; row < list->count(); ++row)
        result.append(list->item(row)->text());
    return result;
}

void click(QWidget* control)
{
    QTest::mouseClick(control, Qt::LeftButton);
}

// The columns page's lists and buttons.
struct ColumnControls
{
    explicit ColumnControls(const OptionsForm& options)
        : page(test::control<ColumnsPage>(options, "columnsPage")),
          visible(test::control<QListWidget>(*page, "visibleColumnsList")),
          hidden(test::control<QListWidget>(*page, "hiddenColumnsList")),
          up(test::control<QPushButton>(*page, "upButton")),
          down(test::control<QPushButton>(*page, "downButton")),
          hide(test::control<QPushButton>(*page, "hideButton")),
          show(test::control<QPushButton>(*page, "showButton"))
    {}

    ColumnsPage* page;
    QListWidget* visible;
    QListWidget* hidden;
    QPushButton* up;
    QPushButton* down;
    QPushButton* hide;
    QPushButton* show;
};

class OptionsFormTest : public ::testing::Test
{
protected:
    OptionsForm& open(const QByteArray& registryExtra = {})
    {
        if (!registryExtra.isEmpty())
            writeFileBytes(fixture.registryFile, readFileBytes(fixture.registryFile) + registryExtra);
        fixture.start();
        // Start-up offers a new database first; that is not what these tests are about.
        fixture.prompts.clear();
        OptionsForm& options = fixture.forms->options();
        options.prepare();
        return options;
    }
    QString defaultsFile() const { return fixture.settingsFolder() + QStringLiteral("TallyfoxDefaults.ini"); }

    MainFormFixture fixture;
};

// The settings hold each column's position; the dialog shows the columns in that order, and a move
// is stored back the same way round.
TEST_F(OptionsFormTest, ShowsAndStoresTheColumnOrderInverted)
{
    OptionsForm& options =
        open("[HKEY_LOCAL_MACHINE\\Software\\Tallyfox\\Columns]\r\n"
             "\"OrderType\"=dword:00000002\r\n\"OrderDate\"=dword:00000000\r\n"
             "\"OrderCurrency\"=dword:00000001\r\n\"LastVisibleColumn\"=dword:00000003\r\n");
    const ColumnControls columns(options);
    EXPECT_EQ(texts(columns.visible), (QStringList{"Date", "Currency", "What/name", "Amount"}));
    EXPECT_EQ(texts(columns.hidden).first(), u"Paid with");

    columns.visible->setCurrentRow(0);
    EXPECT_FALSE(columns.up->isEnabled());
    click(columns.down);
    EXPECT_EQ(columns.visible->currentRow(), 1);
    ASSERT_TRUE(options.save());

    const ColumnArray<int> expected = {{2, 1, 0, 3, 4, 5, 6, 7, 8}};
    EXPECT_EQ(fixture.state->settings.columnPositions, expected);
    EXPECT_TRUE(fixture.registryText().contains(u"\"OrderDate\"=dword:00000001"));
    EXPECT_TRUE(fixture.registryText().contains(u"\"OrderCurrency\"=dword:00000000"));
}

// Hide takes the selected column to the top of the hidden list; Show takes a hidden one to the end of
// the visible list, the first hidden column filling its place.
TEST_F(OptionsFormTest, HidesAndShowsInPlaceAndKeepsOneColumnVisible)
{
    const ColumnControls columns(open());
    columns.visible->setCurrentRow(2);
    click(columns.hide);
    EXPECT_EQ(texts(columns.hidden).mid(0, 2), (QStringList{"Currency", "Primary amount"}));
    EXPECT_EQ(columns.hidden->currentRow(), 0);
    EXPECT_FALSE(columns.hide->isEnabled());

    columns.visible->setCurrentRow(0);
    EXPECT_TRUE(columns.hidden->selectedItems().isEmpty());
    click(columns.hide);
    columns.hidden->setCurrentRow(2);
    click(columns.show);
    EXPECT_EQ(texts(columns.visible).last(), u"Primary amount");
    EXPECT_EQ(texts(columns.hidden), (QStringList{"Currency", "What/name"}));

    while (columns.visible->count() > 1) {
        columns.visible->setCurrentRow(0);
        ASSERT_TRUE(columns.hide->isEnabled());
        click(columns.hide);
    }
    columns.visible->setCurrentRow(0);
    EXPECT_FALSE(columns.hide->isEnabled());
    EXPECT_FALSE(columns.up->isEnabled());
    EXPECT_FALSE(columns.down->isEnabled());
    EXPECT_EQ(columns.page->arrangement().lastVisible(), 0);
}

// From the menu to Save: the settings reach the registry file and the list shows the new columns.
TEST_F(OptionsFormTest, SavedSettingsReachTheRegistryAndTheList)
{
    MainForm& main = fixture.start();
    fixture.prompts.clear();
    OptionsForm& options = fixture.forms->options();
    QTimer::singleShot(0, &options, [&] {
        EXPECT_EQ(test::control<QTabWidget>(options, "optionsTabs")->currentIndex(), 0);
        test::control<QCheckBox>(options, "incomeIsPositiveBox")->setChecked(true);
        test::control<QLineEdit>(options, "receiptEdit")->setText(QStringLiteral("12abc"));
        test::control<QCheckBox>(options, "quickAmountBox")->setChecked(false);
        const ColumnControls columns(options);
        columns.visible->setCurrentRow(1);
        click(columns.hide);
        QTest::keyClick(columns.visible, Qt::Key_Return);
    });
    test::control<QAction>(main, "optionsAction")->trigger();
    EXPECT_FALSE(options.isVisible());

    const QString registry = fixture.registryText();
    for (const char* value : {"\"IncomeIsPositive\"=dword:00000001", "\"NextReceiptNum\"=dword:0000000c",
                              "\"QuickEnableAmount\"=dword:00000000", "\"LastVisibleColumn\"=dword:00000006",
                              "\"OrderDate\"=dword:00000007"})
        EXPECT_TRUE(registry.contains(QString::fromLatin1(value))) << value;
    const QHeaderView* header = main.list()->horizontalHeader();
    EXPECT_TRUE(header->isSectionHidden(listSectionOf(ColumnId::Date)));
    EXPECT_FALSE(header->isSectionHidden(listSectionOf(ColumnId::Note)));
    EXPECT_TRUE(fixture.prompts.asked().isEmpty());
}

// Moving the settings folder: an empty folder takes both files without a question; one that holds
// settings files asks, and Yes replaces them while No keeps them. The lists are written there either way.
struct FolderMove
{
    const char* name;
    bool holdsFiles;
    bool answer;
};

class SettingsFolderMove : public OptionsFormTest, public ::testing::WithParamInterface<FolderMove>
{};

TEST_P(SettingsFolderMove, CopiesOrKeepsTheFilesThere)
{
    OptionsForm& options = open();
    const QString target = fixture.folder.file(QStringLiteral("moved/"));
    QDir().mkpath(target);
    if (GetParam().holdsFiles) {
        writeFileBytes(target + QStringLiteral("TallyfoxDefaults.ini"), "[Expense types]\r\nKept\r\n");
        writeFileBytes(target + QStringLiteral("Tallyfox.log"), "kept log\r\n");
    }
    fixture.prompts.answerFolder(fixture.folder.file(QStringLiteral("moved")));
    if (GetParam().holdsFiles)
        fixture.prompts.answerQuestion(GetParam().answer);
    click(test::control<QPushButton>(options, "changeLocationButton"));
    EXPECT_EQ(test::control<QLabel>(options, "locationLabel")->text(), target);
    const QStringList asked = fixture.prompts.texts(Kind::Question);
    const QStringList expected = {QStringLiteral("Setting files already exist on new location. Do you want "
                                                 "to overwrite with files from old location?")};
    EXPECT_EQ(asked, GetParam().holdsFiles ? expected : QStringList());

    ASSERT_TRUE(options.save());
    EXPECT_EQ(fixture.state->settingsFolder, target);
    const QByteArray oldLog = readFileBytes(fixture.settingsFolder() + QStringLiteral("Tallyfox.log"));
    const QByteArray log = readFileBytes(target + QStringLiteral("Tallyfox.log"));
    EXPECT_EQ(log, GetParam().holdsFiles && !GetParam().answer ? QByteArray("kept log\r\n") : oldLog);
    const QByteArray defaults = readFileBytes(target + QStringLiteral("TallyfoxDefaults.ini"));
    EXPECT_FALSE(defaults.contains("Kept"));
    EXPECT_TRUE(defaults.contains("[Currencies]"));
}

INSTANTIATE_TEST_SUITE_P(OptionsForm, SettingsFolderMove,
                         ::testing::Values(FolderMove{"EmptyFolder", false, false},
                                           FolderMove{"OverwriteAnsweredYes", true, true},
                                           FolderMove{"KeepAnsweredNo", true, false}),
                         [](const ::testing::TestParamInfo<FolderMove>& info) {
                             return std::string(info.param.name);
                         });

// A write that fails keeps the form open with what the user set, says which file failed, and a later
// Save stores it.
TEST_F(OptionsFormTest, FailedWriteKeepsTheFormAndItsValues)
{
    MainForm& main = fixture.start();
    fixture.prompts.clear();
    OptionsForm& options = fixture.forms->options();
    QCheckBox* logging = nullptr;
    bool openAfterFailure = false;
    QTimer::singleShot(0, &options, [&] {
        logging = test::control<QCheckBox>(options, "enableLoggingBox");
        logging->setChecked(!logging->isChecked());
        QFile::remove(defaultsFile());
        QDir().mkpath(defaultsFile());
        click(test::control<SoftKeyBar>(options, "softKeyBar")->button(SoftKeyBar::Key::Right));
        openAfterFailure = options.isVisible();
        QDir(defaultsFile()).removeRecursively();
        click(test::control<SoftKeyBar>(options, "softKeyBar")->button(SoftKeyBar::Key::Right));
    });
    const bool loggingBefore = fixture.state->settings.enableLogging;
    test::control<QAction>(main, "optionsAction")->trigger();
    EXPECT_TRUE(openAfterFailure);
    const QStringList messages = fixture.prompts.texts(Kind::Message);
    ASSERT_FALSE(messages.isEmpty());
    EXPECT_TRUE(messages.first().contains(defaultsFile())) << messages.first().toStdString();
    EXPECT_FALSE(options.isVisible());
    EXPECT_NE(fixture.state->settings.enableLogging, loggingBefore);
    EXPECT_TRUE(readFileBytes(defaultsFile()).contains("[Currencies]"));
}

} // namespace
} // namespace tallyfox::test
