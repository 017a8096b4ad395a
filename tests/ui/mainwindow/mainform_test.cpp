// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

// The main window driven as a user would: soft keys, menus, header taps, keys and answered questions.
#include "core/daycount.h"
#include "mainwindow/mainformfixture.h"
#include "storage/databasefile.h"
#include "support/controls.h"
#include "toolkit/softkeybar.h"
#include "ui/mainwindow/entrylistmodel.h"
#include "ui/mainwindow/entrylistview.h"
#include "ui/mainwindow/mainmenu.h"

#include <QAction>
#include <QFile>
#include <QHeaderView>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace tallyfox::test {
namespace {

using Kind = ScriptedPrompts::Kind;

QByteArray databaseWith(std::initializer_list<const char*> lines)
{
    QByteArray content(kDatabaseHeader.data(), kDatabaseHeader.size());
    content += "\r\n";
    for (const char* line : lines)
        content += QByteArray(line) + "\r\n";
    return content;
}

const QByteArray kThreeEntries = databaseWith({
    "item\t2010\t1\t3\tEUR\t12.50\tfalse\tDinner\tEmployer\tCash\ttrue\t0042\twith client",
    "item\t2009\t12\t31\tUS$\t20.00\ttrue\tSalary\tMyself\tBank\tfalse\t00\t",
    "item\t2010\t1\t2\tEUR\t3.20\tfalse\tBreakfast\tEmployer\tCash\tfalse\t00\t",
});

QStringList columnTexts(const MainForm& form, int column)
{
    QStringList texts;
    const EntryListModel* model = test::control<EntryListModel>(form, "entryListModel");
    for (int row = 0; row < model->rowCount(); ++row)
        texts << model->data(model->index(row, column), Qt::DisplayRole).toString();
    return texts;
}

// The Sort menu's item for a key.
QAction* sortItem(const MainForm& form, SortKey key)
{
    return test::control<QAction>(form, QStringLiteral("sortKey%1Action").arg(sortKeyNumber(key)));
}

class MainWindow : public ::testing::Test
{
protected:
    MainFormFixture fixture;

    QString database() const { return fixture.settingsFolder() + QStringLiteral("mine.tfx"); }

    MainForm& startWith(const QByteArray& content)
    {
        writeFileBytes(database(), content);
        return fixture.start({QStringLiteral("-f"), database()});
    }
};

TEST_F(MainWindow, AFirstStartCreatesTheSettingsAndAsksForANewDatabase)
{
    QFile::remove(fixture.registryFile);
    qputenv("XDG_DATA_HOME", fixture.folder.file(QStringLiteral("data")).toUtf8());
    const QString chosen = fixture.folder.file(QStringLiteral("data/tallyfox/first"));
    fixture.prompts.answerFile(chosen);
    MainForm& form = fixture.start();

    EXPECT_EQ(fixture.prompts.texts(Kind::SaveFile), QStringList{QStringLiteral("New database file")});
    EXPECT_EQ(fixture.prompts.asked().constFirst().dialog.initialFolder,
              fixture.folder.file(QStringLiteral("data/tallyfox/")));
    EXPECT_TRUE(QFile::exists(chosen + QStringLiteral(".tfx")));
    EXPECT_TRUE(readFileBytes(chosen + QStringLiteral(".tfx")).startsWith("\tYear\tMonth"));
    const QString dataFolder = fixture.folder.file(QStringLiteral("data/tallyfox/"));
    EXPECT_TRUE(QFile::exists(dataFolder + QStringLiteral("TallyfoxDefaults.ini")));
    EXPECT_TRUE(
        readFileBytes(dataFolder + QStringLiteral("Tallyfox.log")).startsWith("Edit date\tEdit type\t"));
    const QString registry = fixture.registryText();
    EXPECT_TRUE(registry.contains(QStringLiteral("\"Version\"=dword:000003b9"))) << registry.toStdString();
    EXPECT_TRUE(registry.contains(QStringLiteral("\"Lastusedcurrency\"=\"EUR\"")));
    EXPECT_FALSE(registry.contains(QStringLiteral("\"Database\"")));

    EXPECT_FALSE(test::control<SoftKeyBar>(form, "softKeyBar")->isKeyEnabled(SoftKeyBar::Key::Left) == false);
    EXPECT_TRUE(fixture.prompts.texts(Kind::Message).isEmpty());
    fixture.runStartupTick();
    EXPECT_EQ(fixture.prompts.texts(Kind::Message),
              (QStringList{
                  QStringLiteral("Welcome to Tallyfox 0.95.3. Tallyfox is free software: you may use, copy "
                                 "and share it."),
                  QStringLiteral("No database file found. Please give a filename for a new database.")}));
    fixture.close();
    EXPECT_TRUE(fixture.registryText().contains(QStringLiteral("\"Database\"=\"%1.tfx\"").arg(chosen)));
    qunsetenv("XDG_DATA_HOME");
}

TEST_F(MainWindow, CancellingTheNewDatabaseDialogUsesTheDefaultName)
{
    MainForm& form = fixture.start();
    EXPECT_EQ(test::control<EntryListModel>(form, "entryListModel")->rowCount(), 0);
    EXPECT_EQ(fixture.state->databasePath, fixture.settingsFolder() + QStringLiteral("TallyfoxData.tfx"));
    EXPECT_TRUE(QFile::exists(fixture.state->databasePath));
    EXPECT_TRUE(fixture.logText().contains(QStringLiteral("\tNew file: ") + fixture.state->databasePath));
}

TEST_F(MainWindow, ChoosingAnExistingFileForANewDatabaseAsksFirst)
{
    const QString existing = fixture.settingsFolder() + QStringLiteral("keep.tfx");
    writeFileBytes(existing, kThreeEntries);
    fixture.prompts.answerFile(existing);
    fixture.prompts.answerQuestion(false);
    fixture.prompts.answerFile(std::nullopt);
    fixture.start();
    EXPECT_EQ(fixture.prompts.texts(Kind::Question).size(), 1);
    EXPECT_EQ(readFileBytes(existing), kThreeEntries);
}

TEST_F(MainWindow, StartsWithTheFileAndFolderOfTheCommandLine)
{
    const QString otherFolder = fixture.folder.file(QStringLiteral("other settings"));
    QDir().mkpath(otherFolder);
    writeFileBytes(database(), kThreeEntries);
    MainForm& form = fixture.start({QStringLiteral("-d"), otherFolder, QStringLiteral("-F"), database()});
    EXPECT_EQ(fixture.state->settingsFolder, otherFolder + u'/');
    EXPECT_EQ(fixture.state->databasePath, database());
    EXPECT_EQ(test::control<EntryListModel>(form, "entryListModel")->rowCount(), 3);
    EXPECT_TRUE(QFile::exists(otherFolder + QStringLiteral("/Tallyfox.log")));
    fixture.close();
    EXPECT_TRUE(fixture.registryText().contains(QStringLiteral("\"DataLocation\"=\"%1/\"").arg(otherFolder)));
}

TEST_F(MainWindow, ShowsTheEntriesInTheirColumns)
{
    MainForm& form = startWith(kThreeEntries);
    EXPECT_EQ(columnTexts(form, 0),
              (QStringList{QStringLiteral("Dinner"), QStringLiteral("Salary"), QStringLiteral("Breakfast")}));
    EXPECT_EQ(columnTexts(form, 1),
              (QStringList{QStringLiteral("0042"), QStringLiteral("-"), QStringLiteral("-")}));
    EXPECT_EQ(columnTexts(form, 5),
              (QStringList{QStringLiteral("12.50"), QStringLiteral("-20.00"), QStringLiteral("3.20")}));
    EXPECT_EQ(columnTexts(form, 8),
              (QStringList{QStringLiteral("12.50"), QStringLiteral("-13.89"), QStringLiteral("3.20")}));
    EXPECT_EQ(test::control<EntryListModel>(form, "entryListModel")
                  ->headerData(8, Qt::Horizontal, Qt::DisplayRole)
                  .toString(),
              u"EUR");
    // By default the primary amount column is hidden and the others follow their default order.
    const QHeaderView* header = form.list()->horizontalHeader();
    EXPECT_TRUE(header->isSectionHidden(8));
    EXPECT_EQ(header->visualIndex(3), 1);
    EXPECT_EQ(header->visualIndex(1), 6);
}

TEST_F(MainWindow, SortsFromTheMenuAndFromTheHeaderWithCheckMarks)
{
    MainForm& form = startWith(kThreeEntries);
    QAction* autoSort = test::control<QAction>(form, "autoSortAction");
    QAction* reverseOrder = test::control<QAction>(form, "reverseOrderAction");
    sortItem(form, SortKey::Date)->trigger();
    EXPECT_EQ(columnTexts(form, 0),
              (QStringList{QStringLiteral("Salary"), QStringLiteral("Breakfast"), QStringLiteral("Dinner")}));
    EXPECT_FALSE(sortItem(form, SortKey::Date)->isChecked()) << "without Autosort no key carries a mark";
    sortItem(form, SortKey::Date)->trigger(); // again: reversed
    EXPECT_EQ(columnTexts(form, 0),
              (QStringList{QStringLiteral("Dinner"), QStringLiteral("Breakfast"), QStringLiteral("Salary")}));
    EXPECT_TRUE(reverseOrder->isChecked());

    autoSort->trigger();
    EXPECT_TRUE(autoSort->isChecked());
    EXPECT_TRUE(sortItem(form, SortKey::Date)->isChecked());

    // A tap on the header of "What" sorts by name, forwards.
    QHeaderView* header = form.list()->horizontalHeader();
    const QPoint whatHeader(header->sectionViewportPosition(0) + 5, header->height() / 2);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, whatHeader);
    EXPECT_EQ(columnTexts(form, 0),
              (QStringList{QStringLiteral("Breakfast"), QStringLiteral("Dinner"), QStringLiteral("Salary")}));
    EXPECT_TRUE(sortItem(form, SortKey::Name)->isChecked());
    EXPECT_FALSE(sortItem(form, SortKey::Date)->isChecked());
    EXPECT_FALSE(reverseOrder->isChecked());
    // The note column chooses no key.
    const QPoint noteHeader(header->sectionViewportPosition(2) + 5, header->height() / 2);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, noteHeader);
    EXPECT_EQ(fixture.state->settings.sortKey, SortKey::Name);
    // The sorted order is what the file holds.
    EXPECT_TRUE(
        readFileBytes(database()).contains("Breakfast\tEmployer\tCash\tfalse\t00\t\r\nitem\t2010\t1\t3"));
}

TEST_F(MainWindow, DeletingAsksFirstAndOnlyYesDeletes)
{
    MainForm& form = startWith(kThreeEntries);
    QAction* deleteEntry = test::control<QAction>(form, "deleteEntryAction");
    EXPECT_FALSE(deleteEntry->isEnabled());
    EXPECT_FALSE(test::control<QAction>(form, "editEntryAction")->isEnabled());

    EntryListView* list = form.list();
    const EntryListModel* model = test::control<EntryListModel>(form, "entryListModel");
    const QRect secondRow = list->visualRect(model->index(1, 0));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, secondRow.center());
    EXPECT_EQ(list->selectedRow(), 1);
    EXPECT_TRUE(deleteEntry->isEnabled());

    fixture.prompts.answerQuestion(false);
    QTest::keyClick(list, Qt::Key_Delete);
    EXPECT_EQ(fixture.prompts.texts(Kind::Question),
              QStringList{QStringLiteral("Do you really want to delete this entry?")});
    EXPECT_EQ(model->rowCount(), 3);
    EXPECT_EQ(readFileBytes(database()), kThreeEntries);
    EXPECT_FALSE(fixture.logText().contains(QStringLiteral("\tDelete\t")));

    fixture.prompts.answerQuestion(true);
    deleteEntry->trigger();
    EXPECT_EQ(columnTexts(form, 0), (QStringList{QStringLiteral("Dinner"), QStringLiteral("Breakfast")}));
    EXPECT_FALSE(readFileBytes(database()).contains("Salary"));
    EXPECT_TRUE(fixture.logText().contains(QStringLiteral("\tDelete\t12/31/09\tUS$\t-20.00\tSalary")));
    EXPECT_FALSE(deleteEntry->isEnabled());
}

TEST_F(MainWindow, NewOpenAndSaveAs)
{
    MainForm& form = startWith(kThreeEntries);
    const auto menuItem = [&form](const char* name) {
        return test::control<QAction>(form, name);
    };

    // Save as writes the entries to the new file; the old one stays as it was.
    const QString copy = fixture.settingsFolder() + QStringLiteral("copy.tfx");
    fixture.prompts.answerFile(copy);
    menuItem("saveDatabaseAsAction")->trigger();
    EXPECT_EQ(fixture.prompts.asked().constLast().dialog.title, u"Save as database file");
    EXPECT_EQ(fixture.prompts.asked().constLast().dialog.initialFolder, fixture.settingsFolder());
    EXPECT_EQ(readFileBytes(copy), kThreeEntries);
    EXPECT_EQ(fixture.state->databasePath, copy);

    // An export file opened as a database shows no entry and stays unchanged.
    const QString exported = fixture.settingsFolder() + QStringLiteral("export.txt");
    fixture.prompts.answerFile(exported);
    menuItem("exportDataAction")->trigger();
    const QByteArray exportBytes = readFileBytes(exported);
    EXPECT_TRUE(exportBytes.startsWith("Date\tCurrency\tAmount\tEUR\t"));
    fixture.prompts.answerFile(exported);
    menuItem("openDatabaseAction")->trigger();
    EXPECT_EQ(test::control<EntryListModel>(form, "entryListModel")->rowCount(), 0);
    EXPECT_EQ(readFileBytes(exported), exportBytes);
    EXPECT_TRUE(fixture.logText().contains(QStringLiteral("\tOpen file: ") + exported));

    // New empties the list and writes an empty database.
    const QString fresh = fixture.settingsFolder() + QStringLiteral("fresh.tfx");
    fixture.prompts.answerFile(fresh);
    fixture.prompts.answerFile(std::nullopt);
    menuItem("newDatabaseAction")->trigger();
    EXPECT_EQ(fixture.state->databasePath, fresh);
    menuItem("openDatabaseAction")->trigger(); // cancelled: nothing changes
    EXPECT_EQ(fixture.state->databasePath, fresh);
    EXPECT_EQ(readFileBytes(copy), kThreeEntries);
}

TEST_F(MainWindow, ColumnSettingsSurviveARestart)
{
    MainForm& form = startWith(kThreeEntries);
    fixture.state->settings.lastVisibleColumn = 8;
    fixture.state->settings.columnPositions = {8, 0, 1, 2, 3, 4, 5, 6, 7};
    form.list()->applyColumns(fixture.state->settings, QStringLiteral("EUR"));
    form.list()->horizontalHeader()->resizeSection(5, 77); // Amount
    fixture.close();

    MainForm& again = fixture.start({QStringLiteral("-f"), database()});
    const QHeaderView* header = again.list()->horizontalHeader();
    EXPECT_EQ(header->visualIndex(0), 8); // What, last
    EXPECT_EQ(header->visualIndex(3), 0); // Date, first
    EXPECT_FALSE(header->isSectionHidden(8));
    EXPECT_EQ(header->sectionSize(5), 77);
}

TEST_F(MainWindow, AFailedWriteIsShownAndTheEntriesAreKept)
{
    MainForm& form = startWith(kThreeEntries);
    // The database's folder disappears under the program: a plain file takes its place.
    const QString blocked = fixture.folder.file(QStringLiteral("blocked"));
    writeFileBytes(blocked, "not a folder");
    fixture.state->databasePath = blocked + QStringLiteral("/data.tfx");
    fixture.prompts.answerQuestion(true);
    form.list()->selectRow(0);
    test::control<QAction>(form, "deleteEntryAction")->trigger();
    const QStringList messages = fixture.prompts.texts(Kind::Message);
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].contains(fixture.state->databasePath)) << messages[0].toStdString();
    EXPECT_EQ(test::control<EntryListModel>(form, "entryListModel")->rowCount(), 2);

    // Save as writes the entries that could not be written.
    const QString rescue = fixture.settingsFolder() + QStringLiteral("rescue.tfx");
    fixture.prompts.answerFile(rescue);
    test::control<QAction>(form, "saveDatabaseAsAction")->trigger();
    ExpenseArray saved;
    parseDatabase(readFileBytes(rescue), saved);
    EXPECT_EQ(saved.count(), 2);
}

TEST_F(MainWindow, SoftKeysAndKeyboard)
{
    MainForm& form = startWith(kThreeEntries);
    const SoftKeyBar* keys = test::control<SoftKeyBar>(form, "softKeyBar");
    QPushButton* menuKey = keys->button(SoftKeyBar::Key::Left);
    EXPECT_EQ(menuKey->text(), u"Menu");
    EXPECT_EQ(keys->caption(SoftKeyBar::Key::Right), u"New item");
    QTest::mouseClick(menuKey, Qt::LeftButton);
    QMenu* menu = test::control<QMenu>(form, "mainMenu");
    EXPECT_TRUE(menu->isVisible());
    EXPECT_EQ(menu->defaultAction(), test::control<QAction>(form, "editEntryAction"));
    menu->hide();
    QTest::keyClick(&form, Qt::Key_F10);
    EXPECT_TRUE(menu->isVisible());
    menu->hide();

    int edited = -1;
    form.setEditEntryHandler([&edited](int row) { edited = row; });
    EntryListView* list = form.list();
    const QRect thirdRow =
        list->visualRect(test::control<EntryListModel>(form, "entryListModel")->index(2, 0));
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, thirdRow.center());
    EXPECT_EQ(edited, 2);
    list->selectRow(0);
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_EQ(edited, 0);

    int newItems = 0;
    form.setNewItemHandler([&newItems] { ++newItems; });
    QTest::keyClick(list, Qt::Key_N, Qt::ControlModifier);
    QTest::mouseClick(keys->button(SoftKeyBar::Key::Right), Qt::LeftButton);
    EXPECT_EQ(newItems, 2);
}

} // namespace
} // namespace tallyfox::test
