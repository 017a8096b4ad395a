// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

// The main window's gestures and flows beyond the menu: the list menu, the highlighted new row, the
// start-up tick with -qe, and failures shown.
#include "core/daycount.h"
#include "mainwindow/mainformfixture.h"
#include "storage/databasefile.h"
#include "support/controls.h"
#include "toolkit/longpress.h"
#include "ui/mainwindow/entrylistmodel.h"
#include "ui/mainwindow/entrylistview.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <string_view>

namespace tallyfox::test {
namespace {

using Kind = ScriptedPrompts::Kind;

class MainWindowFlows : public ::testing::Test
{
protected:
    MainForm& startWithEntries(int count, const QStringList& extra = {})
    {
        QByteArray content(kDatabaseHeader.data(), kDatabaseHeader.size());
        content += "\r\n";
        for (int i = 0; i < count; ++i)
            content += QStringLiteral(
                           "item\t2010\t1\t%1\tEUR\t%2.00\tfalse\tType %3\tEmployer\tCash\tfalse\t00\t\r\n")
                           .arg(1 + i % 28)
                           .arg(i + 1)
                           .arg(i, 3, 10, QLatin1Char('0'))
                           .toUtf8();
        const QString database = fixture.settingsFolder() + QStringLiteral("mine.tfx");
        writeFileBytes(database, content);
        return fixture.start(QStringList{QStringLiteral("-f"), database} + extra);
    }

    MainFormFixture fixture;
};

TEST_F(MainWindowFlows, TheListMenuOpensOnARightClickAndOnALongPress)
{
    MainForm& form = startWithEntries(3);
    EntryListView* list = form.list();
    QMenu* listMenu = test::control<QMenu>(form, "listMenu");
    // Edit, Delete, and "Show only …" for the cell it opens on.
    ASSERT_EQ(listMenu->actions().size(), 3);
    EXPECT_EQ(listMenu->actions().at(1)->text(), u"Delete entry");
    EXPECT_EQ(listMenu->defaultAction()->text(), u"Edit entry");

    const EntryListModel* model = test::control<EntryListModel>(form, "entryListModel");
    const QPoint secondRow = list->visualRect(model->index(1, 0)).center();
    const QPoint thirdRow = list->visualRect(model->index(2, 0)).center();
    // A press held for 600 ms opens it; the long press's timer is fired at once rather than waited for.
    QTimer& longPress = test::control<LongPress>(*list, "longPress")->timer();
    QTest::mousePress(list->viewport(), Qt::LeftButton, {}, thirdRow);
    ASSERT_TRUE(longPress.isActive());
    EXPECT_EQ(longPress.interval(), 600);
    EXPECT_FALSE(listMenu->isVisible());
    longPress.start(0);
    EXPECT_TRUE(QTest::qWaitFor([&] { return listMenu->isVisible(); }));
    QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, thirdRow);
    EXPECT_EQ(list->selectedRow(), 2);
    listMenu->hide();

    QContextMenuEvent rightClick(QContextMenuEvent::Mouse, secondRow,
                                 list->viewport()->mapToGlobal(secondRow));
    QCoreApplication::sendEvent(list->viewport(), &rightClick);
    EXPECT_TRUE(listMenu->isVisible());
    EXPECT_EQ(list->selectedRow(), 1);
    listMenu->hide();

    // A short tap opens nothing: its release stops the long press before it is due.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, secondRow);
    EXPECT_FALSE(longPress.isActive());
    QCoreApplication::processEvents();
    EXPECT_FALSE(listMenu->isVisible());
}

TEST_F(MainWindowFlows, AStoredEntryIsScrolledIntoViewAndSelectedWhereverTheSortPutsIt)
{
    MainForm& form = startWithEntries(200);
    fixture.state->settings.autoSort = true;
    fixture.state->settings.sortKey = SortKey::Name;
    EntryDraft draft;
    draft.type = QStringLiteral("Type 000a");
    draft.currency = QStringLiteral("EUR");
    draft.date = QDate(2010, 1, 3);
    draft.amount = 4;
    fixture.session->storeEntry(draft);
    // Sorted by name it lands second, far from the end where it was appended.
    EXPECT_FALSE(fixture.state->entries[1].justChanged);
    EXPECT_EQ(form.list()->currentIndex().row(), 1);
    EXPECT_EQ(form.list()->selectedRow(), 1) << "the highlighted row is the one the entry commands act on";
    const QRect visible = form.list()->viewport()->rect();
    const EntryListModel* model = test::control<EntryListModel>(form, "entryListModel");
    EXPECT_TRUE(visible.contains(form.list()->visualRect(model->index(1, 0))));
    EXPECT_TRUE(test::control<QAction>(form, "editEntryAction")->isEnabled());
    EXPECT_TRUE(test::control<QAction>(form, "deleteEntryAction")->isEnabled());

    // The Delete key deletes what is highlighted.
    fixture.prompts.answerQuestion(true);
    QTest::keyClick(form.list(), Qt::Key_Delete);
    ASSERT_EQ(fixture.state->entryCount(), 200);
    EXPECT_EQ(fixture.state->entries[1].type, u"Type 001");
}

TEST_F(MainWindowFlows, TheStartupTickShowsTheMessagesThenOpensTheNewEntryFlow)
{
    QStringList shownBeforeNewItem;
    bool newItemOpened = false;
    // Start-up has two things to tell: the welcome of a first run, then a log that cannot be written.
    const QString log = fixture.settingsFolder() + QStringLiteral("Tallyfox.log");
    QDir().mkpath(log);
    MainForm& form = startWithEntries(1, {QStringLiteral("-qe")});
    form.setNewItemHandler([&] {
        newItemOpened = true;
        shownBeforeNewItem = fixture.prompts.texts(Kind::Message);
    });
    EXPECT_TRUE(fixture.prompts.texts(Kind::Message).isEmpty());
    const QTimer* tick = test::control<QTimer>(form, "startupTimer");
    EXPECT_TRUE(tick->isActive());
    EXPECT_EQ(tick->interval(), 1000);
    fixture.runStartupTick();
    EXPECT_TRUE(newItemOpened);
    ASSERT_EQ(shownBeforeNewItem.size(), 2);
    EXPECT_TRUE(shownBeforeNewItem[0].startsWith(QStringLiteral("Welcome")))
        << shownBeforeNewItem[0].toStdString();
    EXPECT_TRUE(shownBeforeNewItem[1].startsWith(QStringLiteral("Cannot write \"%1\"").arg(log)))
        << shownBeforeNewItem[1].toStdString();
    EXPECT_TRUE(fixture.session->takeMessages().isEmpty());
}

// Entries added after Open found a file that is no database live in memory only: Exit, New and Open ask
// first whether to keep them with Save as.
struct KeepCase
{
    const char* name;
    // The menu item's object name.
    const char* command;
    bool keep;
    // The Save as dialog's answer: nothing cancels it.
    bool saved;
    // The command went on: the window closed, or the New or Open dialog was shown.
    bool wentOn;
};

class EntriesOnlyInMemory : public MainWindowFlows, public ::testing::WithParamInterface<KeepCase>
{};

TEST_P(EntriesOnlyInMemory, AreOfferedToSaveAsBeforeTheyAreLeft)
{
    const KeepCase& c = GetParam();
    MainForm& form = startWithEntries(1);
    const QString notes = fixture.settingsFolder() + QStringLiteral("notes.txt");
    writeFileBytes(notes, "Shopping list\r\nMilk\r\n");
    fixture.prompts.answerFile(notes);
    test::control<QAction>(form, "openDatabaseAction")->trigger();
    ASSERT_EQ(fixture.prompts.texts(Kind::Message).size(), 1) << "said as soon as the file is read";
    EXPECT_TRUE(fixture.prompts.texts(Kind::Message)[0].contains(u"not a Tallyfox database"));
    EntryDraft draft;
    draft.type = QStringLiteral("Taxi");
    draft.currency = QStringLiteral("EUR");
    draft.date = QDate(2010, 1, 3);
    draft.amount = 9;
    fixture.session->storeEntry(draft);
    EXPECT_EQ(fixture.session->takeMessages().size(), 1) << "storing tells that the entry is in memory only";
    fixture.prompts.clear();

    const QString rescue = fixture.settingsFolder() + QStringLiteral("rescue.tfx");
    fixture.prompts.answerQuestion(c.keep);
    if (c.keep)
        fixture.prompts.answerFile(c.saved ? std::optional<QString>(rescue) : std::nullopt);
    // New and Open are cancelled in their own dialog.
    fixture.prompts.answerFile(std::nullopt);
    test::control<QAction>(form, c.command)->trigger();

    ASSERT_FALSE(fixture.prompts.asked().isEmpty());
    EXPECT_EQ(fixture.prompts.asked()[0].kind, Kind::Question);
    EXPECT_TRUE(fixture.prompts.asked()[0].text.contains(u"Save as"))
        << fixture.prompts.asked()[0].text.toStdString();
    const QString lastDialog = fixture.prompts.asked().constLast().dialog.title;
    if (c.command == std::string_view("exitAction"))
        EXPECT_EQ(!form.isVisible(), c.wentOn);
    else
        EXPECT_EQ(lastDialog == u"New database file" || lastDialog == u"Open database file", c.wentOn)
            << lastDialog.toStdString();
    EXPECT_EQ(QFile::exists(rescue) && readFileBytes(rescue).contains("\tTaxi\t"), c.saved);
    EXPECT_EQ(readFileBytes(notes), QByteArray("Shopping list\r\nMilk\r\n"));
}

INSTANTIATE_TEST_SUITE_P(
    Commands, EntriesOnlyInMemory,
    ::testing::Values(KeepCase{"ExitLeavingThem", "exitAction", false, false, true},
                      KeepCase{"ExitAfterSavingThem", "exitAction", true, true, true},
                      KeepCase{"ExitStopsWhenSaveAsIsCancelled", "exitAction", true, false, false},
                      KeepCase{"NewAfterSavingThem", "newDatabaseAction", true, true, true},
                      KeepCase{"NewStopsWhenSaveAsIsCancelled", "newDatabaseAction", true, false, false},
                      KeepCase{"OpenLeavingThem", "openDatabaseAction", false, false, true},
                      KeepCase{"OpenAfterSavingThem", "openDatabaseAction", true, true, true}),
    [](const ::testing::TestParamInfo<KeepCase>& info) { return std::string(info.param.name); });

TEST_F(MainWindowFlows, AnExportThatCannotBeWrittenIsShownByName)
{
    MainForm& form = startWithEntries(2);
    writeFileBytes(fixture.folder.file(QStringLiteral("plain")), "x");
    const QString impossible = fixture.folder.file(QStringLiteral("plain/export.txt"));
    fixture.prompts.answerFile(impossible);
    test::control<QAction>(form, "exportDataAction")->trigger();
    EXPECT_EQ(fixture.prompts.asked().constLast().kind, Kind::Message);
    EXPECT_TRUE(fixture.prompts.asked().constLast().text.contains(impossible));
    EXPECT_EQ(test::control<EntryListModel>(form, "entryListModel")->rowCount(), 2);
    const auto& exportDialog = fixture.prompts.asked()[fixture.prompts.asked().size() - 2];
    EXPECT_EQ(exportDialog.dialog.title, u"Export file");
    EXPECT_EQ(exportDialog.dialog.filter,
              u"Text files|*.txt|CSV files|*.csv|JSON files|*.json|Journal files|*.journal|All files|*.*");
    EXPECT_TRUE(exportDialog.dialog.askBeforeOverwrite);
}

TEST_F(MainWindowFlows, TheFilterShowsWhatMatchesItsTotalsAndEscShowsAllWithTheHighlightKept)
{
    MainForm& form = startWithEntries(30);
    EntryListView* list = form.list();
    auto* field = control<QLineEdit>(form, "filterField");
    const auto* summary = control<QLabel>(form, "filterSummary");
    QTest::keyClicks(field, QStringLiteral("TYPE 017"));
    ASSERT_EQ(list->model()->rowCount(), 1);
    list->selectRow(0);
    EXPECT_EQ(list->selectedEntry(), 17);
    EXPECT_TRUE(
        summary->text().simplified().startsWith(u"1 of 30 entries \u00b7 expenses 18.00 \u00b7 income 0.00"))
        << summary->text().toStdString();

    QTest::keyClick(field, Qt::Key_Escape);
    EXPECT_TRUE(field->text().isEmpty());
    EXPECT_EQ(list->model()->rowCount(), 30);
    EXPECT_EQ(list->selectedEntry(), 17);
    EXPECT_FALSE(control<QWidget>(form, "filterClearButton")->isVisibleTo(&form));
}

TEST_F(MainWindowFlows, AnEntryDeletedFromTheFilteredListComesBackWithUndo)
{
    MainForm& form = startWithEntries(30);
    auto* undo = control<QAction>(form, "undoAction");
    auto* redo = control<QAction>(form, "redoAction");
    EXPECT_FALSE(undo->isEnabled());
    QTest::keyClicks(control<QLineEdit>(form, "filterField"), QStringLiteral("type 017"));
    ASSERT_TRUE(fixture.session->deleteEntry(17).stored());
    EXPECT_EQ(form.list()->model()->rowCount(), 0);
    EXPECT_EQ(undo->text(), u"Undo delete Type 017 18.00");

    undo->trigger();
    ASSERT_EQ(form.list()->model()->rowCount(), 1);
    EXPECT_EQ(fixture.state->entries[17].type, u"Type 017");
    EXPECT_FALSE(undo->isEnabled());
    EXPECT_TRUE(redo->isEnabled());
    EXPECT_EQ(redo->text(), u"Redo delete Type 017 18.00");

    // Another database ends what could be taken back or made again.
    fixture.session->newDatabase(fixture.settingsFolder() + QStringLiteral("other.tfx"));
    EXPECT_FALSE(undo->isEnabled());
    EXPECT_FALSE(redo->isEnabled());
}

TEST_F(MainWindowFlows, APartOfAChartIsShownThroughTheFilter)
{
    MainForm& form = startWithEntries(30);
    auto* field = control<QLineEdit>(form, "filterField");
    QTest::keyClicks(field, QStringLiteral("type 017"));
    EntryPick pick;
    pick.value = QStringLiteral("Type 003");
    pick.from = QDate(2010, 1, 1);
    pick.to = QDate(2010, 1, 31);
    form.showEntries(pick);
    // The typed words give way to the part's value and days.
    EXPECT_TRUE(field->text().isEmpty());
    ASSERT_EQ(form.list()->model()->rowCount(), 1);
    EXPECT_EQ(form.list()->selectedEntry(), 3);

    // A part of no entry leaves the list as it is.
    pick.value = QStringLiteral("Nothing of this");
    form.showEntries(pick);
    EXPECT_EQ(form.list()->model()->rowCount(), 1);
}

} // namespace
} // namespace tallyfox::test
