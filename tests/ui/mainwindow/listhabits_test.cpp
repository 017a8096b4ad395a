// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

// The list as fingers and keyboards use it: a finger drags it without choosing a row or opening its
// menu, keys move the selected row without ever scrolling sideways, and a right click selects its row
// where the list stands.
#include "mainwindow/mainformfixture.h"
#include "storage/databasefile.h"
#include "support/controls.h"
#include "support/testenvironment.h"
#include "toolkit/longpress.h"
#include "ui/mainwindow/entrylistview.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QScrollBar>
#include <QScroller>
#include <QTest>
#include <gtest/gtest.h>

namespace tallyfox::test {
namespace {

class ListHabits : public ::testing::Test
{
protected:
    void SetUp() override
    {
        QByteArray content(kDatabaseHeader.data(), kDatabaseHeader.size());
        content += "\r\n";
        for (int day = 1; day <= 28; ++day) {
            for (int month = 1; month <= 3; ++month)
                content +=
                    QByteArrayLiteral(
                        "item\t2009\t%1\t%2\tEUR\t12.50\tfalse\tDinner\tEmployer\tCash\tfalse\t00\t\r\n")
                        .replace("%1", QByteArray::number(month))
                        .replace("%2", QByteArray::number(day));
        }
        const QString database = fixture.settingsFolder() + QStringLiteral("many.tfx");
        writeFileBytes(database, content);
        form = &fixture.start({QStringLiteral("-f"), database});
        ASSERT_GT(list().model()->rowCount(), 50);
    }

    [[nodiscard]] EntryListView& list() const { return *form->list(); }
    [[nodiscard]] QScrollBar& across() const { return *list().horizontalScrollBar(); }

    MainFormFixture fixture;
    MainForm* form = nullptr;
};

TEST_F(ListHabits, AFingerDragScrollsTheList)
{
    // QTest's synthetic touch points do not make the scroller drag under a scale factor, though the same
    // drag does at scale 1, so the gesture is checked at scale 1.
    if (qEnvironmentVariableIsSet("QT_SCALE_FACTOR") && qEnvironmentVariable("QT_SCALE_FACTOR") != u"1")
        GTEST_SKIP() << "synthetic touch drags do not reach the scroller under QT_SCALE_FACTOR";
    QPointingDevice* finger = QTest::createTouchDevice();
    QWidget* viewport = list().viewport();
    const int x = viewport->width() / 2;
    const int bottom = viewport->height() - 5;
    QTest::touchEvent(viewport, finger).press(0, QPoint(x, bottom), viewport);
    for (int y = bottom - 10; y > 10; y -= 10)
        QTest::touchEvent(viewport, finger).move(0, QPoint(x, y), viewport);
    QTest::touchEvent(viewport, finger).release(0, QPoint(x, 10), viewport);
    EXPECT_TRUE(QTest::qWaitFor([&] { return list().verticalScrollBar()->value() > 0; }, 5000));
    EXPECT_EQ(across().value(), 0);
}

TEST_F(ListHabits, APressThatTurnsIntoADragOpensNoMenuAndKeepsTheSelectedRow)
{
    list().selectRow(1);
    QWidget* viewport = list().viewport();
    const QPoint onRow(viewport->width() / 2, list().rowViewportPosition(5) + 3);
    // The list's scroller sees the press before the list does, and then takes the moves over: the list
    // gets no more of them, nor the release.
    QScroller* scroller = QScroller::scroller(viewport);
    qint64 time = 1000;
    scroller->handleInput(QScroller::InputPress, onRow, time);
    QTest::mousePress(viewport, Qt::LeftButton, {}, onRow);
    const LongPress* longPress = test::control<LongPress>(list(), "longPress");
    ASSERT_TRUE(longPress->isPending());
    ASSERT_EQ(list().selectedRow(), 5) << "the press selects its row at once";
    for (int step = 1; step <= 10; ++step)
        scroller->handleInput(QScroller::InputMove, onRow - QPoint(0, 12 * step), time += 20);
    ASSERT_EQ(scroller->state(), QScroller::Dragging);
    EXPECT_FALSE(longPress->isPending());
    EXPECT_EQ(list().selectedRow(), 1) << "the drag meant to scroll, not to choose a row";
    // A move that does reach the list while it scrolls (as a touch screen's do) selects nothing either.
    QTest::mouseMove(viewport, QPoint(onRow.x(), list().rowViewportPosition(8) + 3));
    EXPECT_EQ(list().selectedRow(), 1);
    scroller->handleInput(QScroller::InputRelease, onRow - QPoint(0, 120), time += 20);
    scroller->stop();
    QCoreApplication::processEvents();
    EXPECT_FALSE(test::control<QMenu>(*form, "listMenu")->isVisible());
}

TEST_F(ListHabits, KeysMoveTheRowAndNeverScrollSideways)
{
    list().setFocus();
    list().selectRow(0);
    ASSERT_GT(across().maximum(), 0) << "the list is wider than its window";
    across().setValue(across().maximum() / 2);
    const int scrolled = across().value();
    const struct
    {
        Qt::Key key;
        int row;
    } steps[] = {{Qt::Key_Down, 1}, {Qt::Key_Down, 2},      {Qt::Key_Right, 2},
                 {Qt::Key_Left, 2}, {Qt::Key_Up, 1},        {Qt::Key_End, -1},
                 {Qt::Key_Home, 0}, {Qt::Key_PageDown, -2}, {Qt::Key_PageUp, 0}};
    for (const auto& step : steps) {
        QTest::keyClick(&list(), step.key);
        if (step.row >= 0)
            EXPECT_EQ(list().selectedRow(), step.row) << int(step.key);
        else if (step.row == -1)
            EXPECT_EQ(list().selectedRow(), list().model()->rowCount() - 1);
        else
            EXPECT_GT(list().selectedRow(), 2);
        EXPECT_EQ(across().value(), scrolled) << int(step.key);
    }
}

TEST_F(ListHabits, ARightClickSelectsItsRowWithoutScrolling)
{
    across().setValue(0);
    // A cell of the column cut by the window's right edge.
    const QPoint at(list().viewport()->width() - 3, list().rowViewportPosition(4) + 3);
    QTest::mousePress(list().viewport(), Qt::RightButton, {}, at);
    QContextMenuEvent menu(QContextMenuEvent::Mouse, at, list().viewport()->mapToGlobal(at));
    QApplication::sendEvent(list().viewport(), &menu);
    QTest::mouseRelease(list().viewport(), Qt::RightButton, {}, at);
    EXPECT_EQ(list().selectedRow(), 4);
    EXPECT_EQ(across().value(), 0);
}

} // namespace
} // namespace tallyfox::test
