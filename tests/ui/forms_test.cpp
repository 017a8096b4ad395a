// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

// The program's forms as the program builds them: every command of the main window reaches its form.
#include "mainwindow/mainformfixture.h"
#include "storage/databasefile.h"
#include "support/controls.h"
#include "toolkit/softkeybar.h"
#include "ui/mainwindow/entrylistmodel.h"
#include "ui/mainwindow/entrylistview.h"

#include <QAction>
#include <QBuffer>
#include <QCheckBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace tallyfox::test {
namespace {

using Kind = ScriptedPrompts::Kind;

void selectSecondRow(MainForm& form)
{
    form.list()->selectRow(1);
}

constexpr const char* kDinnerLine =
    "item\t2010\t1\t3\tEUR\t12.50\tfalse\tDinner\tEmployer\tCash\ttrue\t0042\t\r\n";
constexpr const char* kBreakfastLine =
    "item\t2010\t1\t2\tEUR\t3.20\tfalse\tBreakfast\tEmployer\tCash\tfalse\t00\t\r\n";

// The fixture's database "mine.tfx", holding these entry lines, and the window started on it.
MainForm& startOn(MainFormFixture& fixture, const QByteArray& entryLines)
{
    writeFileBytes(fixture.settingsFolder() + QStringLiteral("mine.tfx"),
                   QByteArray(kDatabaseHeader.data(), kDatabaseHeader.size()) + "\r\n" + entryLines);
    return fixture.start({QStringLiteral("-f"), fixture.settingsFolder() + QStringLiteral("mine.tfx")});
}

TEST(CommandOpeningTheOptions, ShowsThemOnTheFirstPageAndCancelChangesNothing)
{
    MainFormFixture fixture;
    MainForm& form = fixture.start();
    // Past the new database that start-up offers.
    fixture.prompts.clear();
    OptionsForm& options = fixture.forms->options();
    EXPECT_EQ(options.parentWidget(), &form);
    const QString registryBefore = fixture.registryText();
    bool shown = false;
    QTimer::singleShot(0, &options, [&] {
        shown = options.isVisible();
        auto* tabs = test::control<QTabWidget>(options, "optionsTabs");
        EXPECT_EQ(tabs->currentIndex(), 0);
        tabs->setCurrentIndex(2);
        test::control<QCheckBox>(options, "enableLoggingBox")->toggle();
        QTest::keyClick(&options, Qt::Key_Escape);
    });
    test::control<QAction>(form, "optionsAction")->trigger();
    EXPECT_TRUE(shown);
    EXPECT_FALSE(options.isVisible());
    EXPECT_TRUE(fixture.prompts.asked().isEmpty());
    EXPECT_EQ(fixture.registryText(), registryBefore);
}

// The gestures that open the item editor, each on the entry it names.
struct EditorCommand
{
    const char* name;
    std::function<void(MainForm&)> give;
    bool editing;
};

class CommandOpeningTheEditor : public ::testing::TestWithParam<EditorCommand>
{
protected:
    MainFormFixture fixture;
};

TEST_P(CommandOpeningTheEditor, ShowsItOverTheMainWindowOnItsEntry)
{
    MainForm& form = startOn(fixture, QByteArray(kDinnerLine) + kBreakfastLine);
    ItemForm& item = fixture.forms->item();
    EXPECT_EQ(item.parentWidget(), &form);
    bool shown = false;
    QString type;
    QTimer::singleShot(0, &item, [&] {
        shown = item.isVisible();
        type = item.fields().type;
        EXPECT_EQ(item.isEditing(), GetParam().editing);
        QTest::mouseClick(test::control<SoftKeyBar>(item, "softKeyBar")->button(SoftKeyBar::Key::Left),
                          Qt::LeftButton);
    });
    GetParam().give(form);
    EXPECT_TRUE(shown);
    EXPECT_FALSE(item.isVisible());
    EXPECT_EQ(type, GetParam().editing ? u"Breakfast" : u"");
    EXPECT_TRUE(fixture.prompts.asked().isEmpty());
    EXPECT_EQ(test::control<EntryListModel>(form, "entryListModel")->rowCount(), 2);
}

INSTANTIATE_TEST_SUITE_P(
    MainWindow, CommandOpeningTheEditor,
    ::testing::Values(
        EditorCommand{"NewItemKey",
                      [](MainForm& form) {
                          QTest::mouseClick(
                              test::control<SoftKeyBar>(form, "softKeyBar")->button(SoftKeyBar::Key::Right),
                              Qt::LeftButton);
                      },
                      false},
        EditorCommand{"EditEntryMenu",
                      [](MainForm& form) {
                          selectSecondRow(form);
                          test::control<QAction>(form, "editEntryAction")->trigger();
                      },
                      true},
        EditorCommand{"DoubleTapOnARow",
                      [](MainForm& form) {
                          const QRect row = form.list()->visualRect(
                              test::control<EntryListModel>(form, "entryListModel")->index(1, 0));
                          QTest::mouseDClick(form.list()->viewport(), Qt::LeftButton, {}, row.center());
                      },
                      true}),
    [](const ::testing::TestParamInfo<EditorCommand>& info) { return std::string(info.param.name); });

TEST(Forms, AboutOpensTheOneAboutBoxOverTheMainWindow)
{
    MainFormFixture fixture;
    MainForm& form = fixture.start();
    AboutForm& about = fixture.forms->about();
    EXPECT_EQ(about.parentWidget(), &form);
    bool shown = false;
    QTimer::singleShot(0, &about, [&] {
        shown = about.isVisible();
        QTest::mouseClick(test::control<SoftKeyBar>(about, "softKeyBar")->button(SoftKeyBar::Key::Right),
                          Qt::LeftButton);
    });
    test::control<QAction>(form, "aboutAction")->trigger();
    EXPECT_TRUE(shown);
    EXPECT_FALSE(about.isVisible());
    EXPECT_TRUE(fixture.prompts.texts(Kind::Message).isEmpty());
}

TEST(Forms, OverviewOpensTheOverviewOverTheMainWindowAndChangesNothing)
{
    MainFormFixture fixture;
    const QString database = fixture.settingsFolder() + QStringLiteral("mine.tfx");
    MainForm& form = startOn(fixture, kDinnerLine);
    const QByteArray before = readFileBytes(database);
    OverviewForm& overview = fixture.forms->overview();
    EXPECT_EQ(overview.parentWidget(), &form);
    bool shown = false;
    QTimer::singleShot(0, &overview, [&] {
        shown = overview.isVisible();
        QTest::keyClick(test::control<QPlainTextEdit>(overview, "overviewText"), Qt::Key_Return);
    });
    test::control<QAction>(form, "overviewAction")->trigger();
    EXPECT_TRUE(shown);
    EXPECT_FALSE(overview.isVisible());
    EXPECT_TRUE(fixture.prompts.asked().isEmpty());
    EXPECT_EQ(readFileBytes(database), before);
}

TEST(Forms, PurgeOpensThePurgeFormOverTheMainWindowAndItsPurgeReachesTheList)
{
    MainFormFixture fixture;
    const QString database = fixture.settingsFolder() + QStringLiteral("mine.tfx");
    MainForm& form = startOn(fixture, kDinnerLine);
    PurgeForm& purge = fixture.forms->purge();
    EXPECT_EQ(purge.parentWidget(), &form);
    fixture.prompts.answerQuestion(true);
    bool shown = false;
    QTimer::singleShot(0, &purge, [&] {
        shown = purge.isVisible();
        QTest::mouseClick(test::control<QRadioButton>(purge, "purgeAllButton"), Qt::LeftButton);
        QTest::mouseClick(test::control<SoftKeyBar>(purge, "softKeyBar")->button(SoftKeyBar::Key::Right),
                          Qt::LeftButton);
        if (purge.isVisible())
            purge.closeWith(FormBase::kResultCancel);
    });
    test::control<QAction>(form, "purgeAction")->trigger();
    EXPECT_TRUE(shown);
    EXPECT_FALSE(purge.isVisible());
    EXPECT_EQ(fixture.prompts.texts(Kind::Question),
              QStringList{QStringLiteral("Do you really want to delete all entries?")});
    EXPECT_EQ(test::control<EntryListModel>(form, "entryListModel")->rowCount(), 0);
    QBuffer empty;
    empty.open(QIODevice::WriteOnly);
    ASSERT_TRUE(writeDatabaseContent(empty, ExpenseArray(), 0));
    EXPECT_EQ(readFileBytes(database), empty.data());
    EXPECT_TRUE(fixture.logText().contains(QStringLiteral("Purge all")));
}

} // namespace
} // namespace tallyfox::test
