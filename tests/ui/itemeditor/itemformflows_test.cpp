// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

// The item editor around the quick entry: the "Quick entry" key and the entry check after it, the editor
// that starts with the quick entry or accepts itself, the lists from the defaults file, and the
// landscape layout.
#include "core/daycount.h"
#include "itemeditor/itemeditorfixture.h"
#include "support/entrybuilder.h"
#include "toolkit/softkeybar.h"
#include "ui/mainwindow/entrylistmodel.h"
#include "ui/mainwindow/entrylistview.h"
#include "ui/quickentry/quickentryform.h"

#include <QApplication>
#include <QDateEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace tallyfox::test {
namespace {

// A box's items, joined by "|".
QString items(const QComboBox* box)
{
    QStringList texts;
    for (int i = 0; i < box->count(); ++i)
        texts << box->itemText(i);
    return texts.join(u'|');
}

class ItemEditorFlows : public ItemEditorFixture, public ::testing::Test
{
protected:
    MainForm& startQuiet(const QStringList& extra = {})
    {
        MainForm& main = start(extra);
        // No quick-entry step: the wizard ends at once, so the editor goes on without waiting for it.
        state().settings.quickEnable.fill(false);
        state().settings.fingerFriendly = false;
        return main;
    }
    void writeDefaults(const QByteArray& content)
    {
        writeFileBytes(fixture.settingsFolder() + QStringLiteral("TallyfoxDefaults.ini"), content);
    }
};

TEST_F(ItemEditorFlows, TheQuickEntryKeyRunsTheWizardThenTheCheckAsksForAType)
{
    startQuiet();
    newItem([this](ItemForm& item) {
        EXPECT_EQ(rightKey(), u"Quick entry");
        // Enter does what the key does while it reads "Quick entry".
        press(Qt::Key_Return);
        EXPECT_TRUE(item.isVisible());
        EXPECT_TRUE(box("typeBox")->hasFocus());
        EXPECT_EQ(rightKey(), u"Quick entry");
        EXPECT_FALSE(rightKeyEnabled()) << "after the quick entry a type is needed";
        EXPECT_FALSE(closePending());
        type(QStringLiteral("Bus"));
        EXPECT_TRUE(rightKeyEnabled());
        press(Qt::Key_Escape);
    });
    EXPECT_EQ(state().entryCount(), 3);
}

TEST_F(ItemEditorFlows, WithSkipOverviewTheQuickEntryKeyAcceptsTheEntryOnceTheWizardHasGone)
{
    startQuiet();
    state().settings.skipOverview = true;
    enableQuickSteps({0});
    newItem([this](ItemForm& item) {
        ShowWatch wizard(fixture.forms->quickEntry(), [this] { tapQuickItem(QStringLiteral("Dinner")); });
        tapRightKey();
        EXPECT_FALSE(fixture.forms->quickEntry().isVisible());
        EXPECT_TRUE(closePending());
        EXPECT_TRUE(item.isVisible()) << "accepted at the timer's next tick, not at once";
        EXPECT_TRUE(QTest::qWaitFor([&] { return !item.isVisible(); }, 5000));
    });
    ASSERT_EQ(state().entryCount(), 4);
    EXPECT_EQ(entry(3).type, u"Dinner");
    EXPECT_EQ(entry(3).amount, 0.0);
}

TEST_F(ItemEditorFlows, CancelBeforeThePendingAcceptStoresNothing)
{
    startQuiet();
    state().settings.skipOverview = true;
    newItem([this](ItemForm&) {
        box("typeBox")->setEditText(QStringLiteral("Bus"));
        tapRightKey();
        ASSERT_TRUE(closePending());
        press(Qt::Key_Escape);
        EXPECT_FALSE(closePending());
    });
    EXPECT_EQ(state().entryCount(), 3);
}

TEST_F(ItemEditorFlows, StartWithQuickOpensOnTheWizardAndSkipOverviewStoresWithoutAReview)
{
    startQuiet();
    state().settings.startWithQuick = true;
    newItem([this](ItemForm& item) {
        EXPECT_TRUE(QTest::qWaitFor([&] { return box("typeBox")->hasFocus(); }, 5000));
        EXPECT_FALSE(rightKeyEnabled());
        EXPECT_TRUE(item.isVisible()) << "without SkipOverview the editor shows the entry for review";
        press(Qt::Key_Escape);
    });
    EXPECT_EQ(state().entryCount(), 3);

    // Through the real wizard: what it takes is stored as it ends, and the editor is gone with it.
    state().settings.skipOverview = true;
    enableQuickSteps({0, 3});
    QuickEntryForm& wizard = fixture.forms->quickEntry();
    bool walked = false;
    ShowWatch watch(wizard, [&] {
        tapQuickItem(QStringLiteral("Lunch"));
        QTest::keyClicks(wizard.focusWidget(), QStringLiteral("7.5"));
        tapQuick("amountOkButton");
        walked = !wizard.isVisible();
    });
    QTest::keyClick(form->list(), Qt::Key_N, Qt::ControlModifier);
    EXPECT_TRUE(walked);
    EXPECT_FALSE(editor().isVisible());
    EXPECT_FALSE(closePending()) << "closed at once, not at the timer's tick";
    ASSERT_EQ(state().entryCount(), 4);
    EXPECT_EQ(entry(3).type, u"Lunch");
    EXPECT_EQ(entry(3).amount, 7.5);
    EXPECT_EQ(entry(3).receipt, u"00");
    // Editing an entry never starts the wizard.
    editRow(0, [](ItemForm& item) {
        QTest::qWait(0);
        EXPECT_TRUE(item.isVisible());
        press(Qt::Key_Escape);
    });
}

TEST_F(ItemEditorFlows, TheListPickAndReceiptButtonsOpenTheRealPanels)
{
    start();
    ASSERT_TRUE(state().settings.fingerFriendly);
    const int next = state().settings.nextReceiptNumber;
    QuickEntryForm& quick = fixture.forms->quickEntry();
    // Opens a panel with the button and works it once it is on screen.
    const auto through = [&](QWidget* button, const std::function<void()>& work) {
        ShowWatch watch(quick, work);
        QTest::mouseClick(button, Qt::LeftButton);
        EXPECT_FALSE(quick.isVisible());
    };
    editRow(1, [&](ItemForm&) {
        through(control<QWidget>("typeListButton"), [this] { tapQuickItem(QStringLiteral("Dinner")); });
        through(control<QWidget>("currencyListButton"), [this] { tapQuickItem(QStringLiteral("GBP")); });
        through(control<QWidget>("pickButton"), [this] {
            tapQuick("dayBox", QPoint(5, 5));
            tapQuick("dateOkButton");
        });
        through(control<QWidget>("receiptText"), [this] {
            tapQuick("receiptCheck");
            tapQuick("amountOkButton");
        });
        through(control<QWidget>("sourceListButton"), [this] { tapQuickItem(QStringLiteral("Myself")); });
        // A panel left with Cancel changes nothing.
        through(control<QWidget>("paidWithListButton"), [&quick] {
            QTest::mouseClick(test::control<SoftKeyBar>(quick, "softKeyBar")->button(SoftKeyBar::Key::Left),
                              Qt::LeftButton);
        });
        EXPECT_EQ(box("typeBox")->currentText(), u"Dinner");
        EXPECT_EQ(control<QDateEdit>("datePicker")->date(), QDate(2010, 1, 3));
        EXPECT_EQ(labelText("receiptText"), QStringLiteral("Receipt nr:\n%1").arg(next));
        tapRightKey();
    });
    EXPECT_EQ(entry(1).type, u"Dinner");
    EXPECT_EQ(entry(1).currency, u"GBP");
    EXPECT_EQ(entry(1).intendedSource, u"Myself");
    EXPECT_EQ(entry(1).paidWith, u"Credit card");
    EXPECT_EQ(entry(1).date, dayCountFromDate(2010, 1, 3));
    EXPECT_EQ(entry(1).receipt, QString::number(next));
    EXPECT_EQ(entry(1).amount, 3.2);
}

TEST_F(ItemEditorFlows, AQuickEntryOnlyRunStoresOneEntryAndClosesTheMainWindow)
{
    MainForm& main = startQuiet({QStringLiteral("-sqe")});
    EXPECT_EQ(test::control<EntryListModel>(main, "entryListModel")->rowCount(), 0)
        << "the list is never filled";
    fixture.runStartupTick();
    EXPECT_FALSE(editor().isVisible());
    EXPECT_FALSE(main.isVisible());
    ASSERT_EQ(state().entryCount(), 4);
    EXPECT_EQ(readFileBytes(database()).count("\r\nitem\t"), 4);
}

TEST_F(ItemEditorFlows, AQuickEntryStartOpensTheEditorAndKeepsTheWindow)
{
    MainForm& main = startQuiet({QStringLiteral("-qe")});
    whileOpen([this] { fixture.runStartupTick(); },
              [this](ItemForm&) {
                  EXPECT_TRUE(QTest::qWaitFor([&] { return box("typeBox")->hasFocus(); }, 5000));
                  type(QStringLiteral("Bus"));
                  press(Qt::Key_Backtab);
                  EXPECT_TRUE(control<QLineEdit>("amountField")->hasFocus());
                  press(Qt::Key_Escape);
              });
    EXPECT_TRUE(main.isVisible());
    EXPECT_EQ(state().entryCount(), 3);
    EXPECT_EQ(test::control<EntryListModel>(main, "entryListModel")->rowCount(), 3);
}

TEST_F(ItemEditorFlows, TheListsComeFromTheDefaultsFileAndAMissingSectionKeepsItsList)
{
    startQuiet();
    newItem([this](ItemForm& item) {
        EXPECT_EQ(items(box("typeBox")), u"Train|Car rental|Dinner|Lunch|Breakfast");
        EXPECT_EQ(items(box("currencyBox")), u"EUR|US$|GBP|CHF|DKK|JPY|NOK|PLN|SEK");
        box("paidWithBox")->setEditText(QStringLiteral("Voucher"));
        EXPECT_EQ(item.fields().lists.paymentMethods.join(u'|'), items(box("paidWithBox")));
        press(Qt::Key_Escape);
    });

    writeDefaults("[Expense types]\r\nBus\r\nTaxi = a cab\r\n[Currencies]\r\nCHF=Primary\r\nEUR=0.9\r\n"
                  "[Intended sources]\r\n[Payment methods]\r\n");
    state().settings.lastUsedCurrency = QStringLiteral("EUR");
    newItem([this](ItemForm& item) {
        // The types and the currency the entries use but the lists lack follow a separator.
        EXPECT_EQ(items(box("typeBox")), u"Bus|Taxi||Breakfast|Car rental|Dinner");
        EXPECT_EQ(box("typeBox")->currentText(), u"");
        EXPECT_EQ(items(box("currencyBox")), u"CHF|EUR||US$");
        EXPECT_EQ(box("currencyBox")->currentText(), u"EUR");
        EXPECT_EQ(items(box("sourceBox")), u"Employer|Client|Myself");
        EXPECT_EQ(items(box("paidWithBox")), u"Cash|Credit card|Debit card");
        EXPECT_EQ(item.fields().lists.expenseTypes.join(u'|'), u"Bus|Taxi");
        press(Qt::Key_Escape);
    });
}

TEST_F(ItemEditorFlows, ValuesOnlyTheEntriesUseArePickedAgainAndTheDefaultsFileStaysAsItWas)
{
    start();
    state().entries.append(makeExpense({.type = "Ferry", .currency = "CHF", .paidWith = "Voucher"}));
    state().entries.append(makeExpense({.type = "bus", .paidWith = "Voucher"}));
    const QString defaults = fixture.settingsFolder() + QStringLiteral("TallyfoxDefaults.ini");
    const QByteArray defaultsBefore = readFileBytes(defaults);
    QuickEntryForm& quick = fixture.forms->quickEntry();
    QStringList panel;
    editRow(0, [&](ItemForm&) {
        QComboBox* type = box("typeBox");
        EXPECT_EQ(items(type), u"Train|Car rental|Dinner|Lunch|Breakfast||bus|Ferry");
        const int ferry = type->findText(QStringLiteral("Ferry"));
        EXPECT_EQ(type->itemData(ferry, Qt::ToolTipRole).toString(), u"From the entries");
        EXPECT_TRUE(type->itemData(ferry, Qt::FontRole).value<QFont>().italic());
        EXPECT_FALSE(type->itemData(0, Qt::FontRole).isValid()) << "the list's own items look as before";
        EXPECT_TRUE(items(box("paidWithBox")).endsWith(u"||Voucher"));
        EXPECT_TRUE(items(box("currencyBox")).contains(u"CHF")) << "in the shipped list";
        EXPECT_FALSE(items(box("sourceBox")).contains(u"||")) << "every source is in the list";

        // The quick entry's list: a heading that is no choice, then the values.
        ShowWatch watch(quick, [&] {
            const auto* list = test::control<QListWidget>(quick, "listPanel");
            for (int row = 0; row < list->count(); ++row)
                panel << list->item(row)->text();
            const QListWidgetItem* heading = list->item(int(panel.indexOf(u"From the entries")));
            ASSERT_NE(heading, nullptr);
            EXPECT_FALSE(heading->flags().testFlag(Qt::ItemIsSelectable));
            tapQuickItem(QStringLiteral("From the entries"));
            EXPECT_TRUE(quick.isVisible()) << "a tap on the heading chooses nothing";
            tapQuickItem(QStringLiteral("Ferry"));
        });
        QTest::mouseClick(control<QWidget>("typeListButton"), Qt::LeftButton);
        EXPECT_EQ(type->currentText(), u"Ferry");
        tapRightKey();
    });
    EXPECT_EQ(panel.join(u'|'), u"Train|Car rental|Dinner|Lunch|Breakfast|From the entries|bus|Ferry");
    EXPECT_EQ(entry(0).type, u"Ferry");
    EXPECT_EQ(readFileBytes(defaults), defaultsBefore);
}

TEST_F(ItemEditorFlows, WithoutATypeSectionANewEntryKeepsTheTypeTheBoxShowed)
{
    startQuiet();
    writeDefaults("[Currencies]\r\nEUR=Primary\r\n");
    newItem([this](ItemForm&) {
        EXPECT_EQ(box("typeBox")->currentText(), u"Train") << "the built-in list's first item";
        box("typeBox")->setEditText(QStringLiteral("Ferry"));
        press(Qt::Key_Escape);
    });
    newItem([this](ItemForm&) {
        EXPECT_EQ(box("typeBox")->currentText(), u"Ferry");
        press(Qt::Key_Escape);
    });
}

TEST_F(ItemEditorFlows, LandscapeMovesTheLowerControlsAndTheReadingOrder)
{
    start();
    newItem([this](ItemForm& item) {
        const auto tabFromTypeList = [this] {
            control<QWidget>("typeListButton")->setFocus();
            press(Qt::Key_Tab);
            return QApplication::focusWidget()->objectName();
        };
        const QPoint portraitReceipt = control<QWidget>("receiptText")->pos();
        item.resize(320, 240);
        EXPECT_TRUE(QTest::qWaitFor([&] { return item.isLandscape(); }, 5000));
        EXPECT_GT(control<QWidget>("receiptText")->x(), portraitReceipt.x() + 40) << "beside the amount box";
        EXPECT_EQ(tabFromTypeList(), u"sourceBox") << "the right-hand column follows on the same row";
        item.resize(240, 320);
        EXPECT_TRUE(
            QTest::qWaitFor([&] { return control<QWidget>("receiptText")->pos() == portraitReceipt; }, 5000));
        EXPECT_EQ(tabFromTypeList(), u"datePicker");
        press(Qt::Key_Escape);
    });
}

TEST_F(ItemEditorFlows, EveryControlLiesInsideTheFormApartFromTheOthersAndCaptionsAreWhole)
{
    start();
    const auto check = [](ItemForm& item, const char* layout) {
        const QWidget* content = test::control<QWidget>(item, "formContent");
        QList<QWidget*> shown;
        for (QWidget* control : content->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (control->isVisible())
                shown << control;
        }
        for (QWidget* control : shown) {
            const std::string name = layout + (u' ' + control->objectName()).toStdString();
            EXPECT_TRUE(content->rect().contains(control->geometry())) << name;
            auto* label = qobject_cast<QLabel*>(control);
            if (label && !label->wordWrap()) {
                EXPECT_GE(label->height(), label->sizeHint().height()) << name;
            }
            // Captions may touch the box below them; boxes and buttons never cover one another.
            for (QWidget* other : shown) {
                if (other != control && !label && !qobject_cast<QLabel*>(other)) {
                    EXPECT_FALSE(control->geometry().intersects(other->geometry()))
                        << name << " and " << other->objectName().toStdString();
                }
            }
        }
    };
    for (const bool fingerMode : {true, false}) {
        state().settings.fingerFriendly = fingerMode;
        editRow(0, [&](ItemForm& item) {
            check(item, fingerMode ? "finger portrait" : "plain portrait");
            item.resize(320, 240);
            EXPECT_TRUE(QTest::qWaitFor([&] { return item.isLandscape(); }, 5000));
            check(item, fingerMode ? "finger landscape" : "plain landscape");
            item.resize(240, 320);
            press(Qt::Key_Escape);
        });
    }
}

} // namespace
} // namespace tallyfox::test
