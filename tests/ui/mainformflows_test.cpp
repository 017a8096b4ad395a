// The main window's gestures and flows beyond the menu: the list menu, the highlighted new row, the
// start-up tick with -qe, and failures shown.
#include "core/daycount.h"
#include "mainformfixture.h"
#include "storage/databasefile.h"
#include "ui/entrylistmodel.h"
#include "ui/entrylistview.h"
#include "ui/mainmenu.h"

#include <QAction>
#include <QDir>
#include <QMenu>
#include <QTest>
#include <gtest/gtest.h>

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
    QMenu* listMenu = form.mainMenu()->listMenu();
    EXPECT_EQ(listMenu->actions().size(), 2);
    EXPECT_EQ(listMenu->defaultAction()->text(), u"Edit entry");

    const QPoint secondRow = list->visualRect(form.listModel()->index(1, 0)).center();
    const QPoint thirdRow = list->visualRect(form.listModel()->index(2, 0)).center();
    // A press held for 600 ms opens it; the long press's timer is fired at once rather than waited for.
    QTimer& longPress = list->longPressTimer();
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

TEST_F(MainWindowFlows, AStoredEntryIsScrolledIntoViewAndHighlightedWhereverTheSortPutsIt)
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
    EXPECT_EQ(form.listModel()->highlightedRow(), 1);
    EXPECT_FALSE(fixture.state->entries[1].justChanged);
    EXPECT_EQ(form.list()->currentIndex().row(), 1);
    EXPECT_EQ(form.list()->selectedRow(), -1) << "highlighted, not selected";
    const QRect visible = form.list()->viewport()->rect();
    EXPECT_TRUE(visible.contains(form.list()->visualRect(form.listModel()->index(1, 0))));
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
    EXPECT_TRUE(form.startupTimer().isActive());
    EXPECT_EQ(form.startupTimer().interval(), 1000);
    fixture.runStartupTick();
    EXPECT_TRUE(newItemOpened);
    ASSERT_EQ(shownBeforeNewItem.size(), 2);
    EXPECT_TRUE(shownBeforeNewItem[0].startsWith(QStringLiteral("Welcome")))
        << shownBeforeNewItem[0].toStdString();
    EXPECT_TRUE(shownBeforeNewItem[1].startsWith(QStringLiteral("Cannot write \"%1\"").arg(log)))
        << shownBeforeNewItem[1].toStdString();
    EXPECT_TRUE(fixture.session->takeMessages().isEmpty());
}

TEST_F(MainWindowFlows, AnExportThatCannotBeWrittenIsShownByName)
{
    MainForm& form = startWithEntries(2);
    writeFileBytes(fixture.folder.file(QStringLiteral("plain")), "x");
    const QString impossible = fixture.folder.file(QStringLiteral("plain/export.txt"));
    fixture.prompts.answerFile(impossible);
    form.mainMenu()->exportData->trigger();
    EXPECT_EQ(fixture.prompts.asked().constLast().kind, Kind::Message);
    EXPECT_TRUE(fixture.prompts.asked().constLast().text.contains(impossible));
    EXPECT_EQ(form.listModel()->rowCount(), 2);
    const auto& exportDialog = fixture.prompts.asked()[fixture.prompts.asked().size() - 2];
    EXPECT_EQ(exportDialog.dialog.title, u"Export file");
    EXPECT_EQ(exportDialog.dialog.filter, u"Text files|*.txt|All files|*.*");
    EXPECT_TRUE(exportDialog.dialog.askBeforeOverwrite);
}

} // namespace
} // namespace tallyfox::test
