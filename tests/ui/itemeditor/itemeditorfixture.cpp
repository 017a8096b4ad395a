// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "itemeditor/itemeditorfixture.h"

#include "storage/databasefile.h"
#include "toolkit/softkeybar.h"
#include "ui/mainwindow/entrylistview.h"
#include "ui/quickentry/quickentryform.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <utility>

namespace tallyfox::test {

const QByteArray ItemEditorFixture::kEntries =
    "item\t2010\t1\t3\tEUR\t12.50\tfalse\tDinner\tEmployer\tCash\ttrue\t0042\t\r\n"
    "item\t2010\t1\t2\tUS$\t3.20\tfalse\tBreakfast\tClient\tCredit card\tfalse\t00\tcoffee\r\n"
    "item\t2009\t12\t24\tEUR\t1500000.00\ttrue\tCar rental\tMyself\tDebit card\tfalse\t00\t\r\n";

MainForm& ItemEditorFixture::start(const QStringList& extra)
{
    QByteArray content(kDatabaseHeader.data(), kDatabaseHeader.size());
    content += "\r\n" + kEntries;
    QDir().mkpath(QFileInfo(database()).path());
    writeFileBytes(database(), content);
    form = &fixture.start(QStringList{QStringLiteral("-f"), database()} + extra);
    return *form;
}

QString ItemEditorFixture::rightKey() const
{
    return test::control<SoftKeyBar>(fixture.forms->item(), "softKeyBar")->caption(SoftKeyBar::Key::Right);
}

bool ItemEditorFixture::rightKeyEnabled() const
{
    return test::control<SoftKeyBar>(fixture.forms->item(), "softKeyBar")
        ->isKeyEnabled(SoftKeyBar::Key::Right);
}

ShowWatch::ShowWatch(QWidget& form, std::function<void()> shown) : m_shown(std::move(shown))
{
    form.installEventFilter(this);
}

bool ShowWatch::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Show && m_shown) {
        watched->removeEventFilter(this);
        QTimer::singleShot(0, this, std::exchange(m_shown, {}));
    }
    return false;
}

void ItemEditorFixture::whileOpen(const std::function<void()>& open,
                                  const std::function<void(ItemForm&)>& work)
{
    ItemForm& item = editor();
    bool worked = false;
    ShowWatch watch(item, [&] {
        worked = true;
        // Keys go where the focus is, once the window is active.
        EXPECT_TRUE(QTest::qWaitForWindowActive(&item));
        work(item);
        if (item.isVisible() && !QTest::qWaitFor([&] { return !item.isVisible(); }, 2000)) {
            ADD_FAILURE() << "the editor is still open";
            item.closeWith(FormBase::kResultCancel);
        }
    });
    open();
    EXPECT_TRUE(worked) << "the editor did not open";
    EXPECT_FALSE(item.isVisible());
}

void ItemEditorFixture::newItem(const std::function<void(ItemForm&)>& work)
{
    whileOpen([this] { QTest::keyClick(form->list(), Qt::Key_N, Qt::ControlModifier); }, work);
}

void ItemEditorFixture::editRow(int row, const std::function<void(ItemForm&)>& work)
{
    whileOpen(
        [this, row] {
            form->list()->selectRow(row);
            QTest::keyClick(form->list(), Qt::Key_Return);
        },
        work);
}

void ItemEditorFixture::type(const QString& text)
{
    QTest::keyClicks(QApplication::focusWidget(), text);
}

void ItemEditorFixture::press(Qt::Key key)
{
    QTest::keyClick(QApplication::focusWidget(), key);
}

void ItemEditorFixture::tapRightKey()
{
    QTest::mouseClick(test::control<SoftKeyBar>(editor(), "softKeyBar")->button(SoftKeyBar::Key::Right),
                      Qt::LeftButton);
}

void ItemEditorFixture::tapQuickItem(const QString& text)
{
    auto* list = test::control<QListWidget>(fixture.forms->quickEntry(), "listPanel");
    const QList<QListWidgetItem*> found = list->findItems(text, Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1) << text.toStdString();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(found.first()).center());
}

void ItemEditorFixture::tapQuick(const char* name, QPoint at)
{
    auto* control = test::control<QWidget>(fixture.forms->quickEntry(), name);
    QTest::mouseClick(control, Qt::LeftButton, {}, at.isNull() ? control->rect().center() : at);
}

void ItemEditorFixture::enableQuickSteps(std::initializer_list<int> positions)
{
    auto& enabled = state().settings.quickEnable;
    enabled.fill(false);
    for (const int position : positions)
        enabled[static_cast<size_t>(position)] = true;
}

} // namespace tallyfox::test
