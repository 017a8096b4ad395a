#include "itemeditorfixture.h"

#include "storage/databasefile.h"
#include "toolkit/softkeybar.h"
#include "ui/entrylistview.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
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
    return fixture.forms->item().softKeys()->caption(SoftKeyBar::Key::Right);
}

bool ItemEditorFixture::rightKeyEnabled() const
{
    return fixture.forms->item().softKeys()->isKeyEnabled(SoftKeyBar::Key::Right);
}

namespace {

// Calls back once, when the watched form is shown.
class ShowWatch : public QObject
{
public:
    ShowWatch(QWidget& form, std::function<void()> shown) : m_shown(std::move(shown))
    {
        form.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show && m_shown) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, this, std::exchange(m_shown, {}));
        }
        return false;
    }

private:
    std::function<void()> m_shown;
};

} // namespace

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
    QTest::mouseClick(editor().softKeys()->button(SoftKeyBar::Key::Right), Qt::LeftButton);
}

} // namespace tallyfox::test
