// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

// The item editor driven as a user drives it: new entries typed at a desk or made with the painted amount
// box, existing entries changed, the receipt numbers, Cancel, and the plain field for large amounts.
#include "amountbox/paintcount.h"
#include "core/daycount.h"
#include "itemeditor/itemeditorfixture.h"
#include "toolkit/softkeybar.h"
#include "ui/amountbox/digitamountwidget.h"
#include "ui/mainwindow/entrylistmodel.h"
#include "ui/quickentry/quickentryform.h"

#include <QApplication>
#include <QCheckBox>
#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace tallyfox::test {
namespace {

using Kind = ScriptedPrompts::Kind;

class ItemEditor : public ItemEditorFixture, public ::testing::Test
{};

TEST_F(ItemEditor, ANewEntryTypedAtADeskIsStoredLoggedAndWritten)
{
    start();
    state().settings.fingerFriendly = false;
    state().settings.lastUsedCurrency = QStringLiteral("US$");
    newItem([this](ItemForm& item) {
        auto* amount = control<QLineEdit>("amountField");
        EXPECT_TRUE(amount->isVisible());
        EXPECT_FALSE(control<QWidget>("digitAmountBox")->isVisible());
        EXPECT_FALSE(control<QPushButton>("typeListButton")->isVisible());
        EXPECT_FALSE(control<QPushButton>("pickButton")->isVisible());
        EXPECT_EQ(QApplication::focusWidget(), amount);
        EXPECT_EQ(amount->selectedText(), u"0.00");
        EXPECT_EQ(rightKey(), u"Quick entry");
        EXPECT_TRUE(rightKeyEnabled());
        EXPECT_FALSE(control<QLabel>("okReason")->isVisible());
        EXPECT_EQ(box("typeBox")->currentText(), u"") << "the type is not preset";
        EXPECT_EQ(box("currencyBox")->currentText(), u"US$");
        EXPECT_EQ(control<QDateEdit>("datePicker")->date(), QDate(2010, 1, 3));
        EXPECT_EQ(labelText("receiptText"), u"No receipt");

        type(QStringLiteral("12.50"));
        EXPECT_EQ(amount->text(), u"12.50");
        EXPECT_EQ(rightKey(), u"OK");
        EXPECT_FALSE(rightKeyEnabled()) << "an amount needs its type";
        // The disabled key says why.
        EXPECT_TRUE(control<QLabel>("okReason")->isVisible());
        EXPECT_EQ(labelText("okReason"), u"Choose an expense type");
        EXPECT_EQ(labelText("conversionLabel"), u"= EUR 8.68");
        press(Qt::Key_Return);
        EXPECT_TRUE(item.isVisible());

        press(Qt::Key_Tab);
        EXPECT_TRUE(box("typeBox")->hasFocus());
        type(QStringLiteral("Taxi"));
        EXPECT_TRUE(rightKeyEnabled());
        EXPECT_FALSE(control<QLabel>("okReason")->isVisible());
        press(Qt::Key_Tab);
        EXPECT_TRUE(control<QDateEdit>("datePicker")->hasFocus()) << "the hidden List button is skipped";
        press(Qt::Key_Return);
    });

    ASSERT_EQ(state().entryCount(), 4);
    const Expense& stored = entry(3);
    EXPECT_EQ(stored.type, u"Taxi");
    EXPECT_EQ(stored.amount, 12.5);
    EXPECT_EQ(stored.currency, u"US$");
    EXPECT_EQ(stored.paidWith, u"Cash");
    EXPECT_EQ(stored.intendedSource, u"Employer");
    EXPECT_EQ(stored.date, dayCountFromDate(2010, 1, 3)) << "today, without its time";
    EXPECT_EQ(stored.receipt, u"00");
    EXPECT_FALSE(stored.income);
    EXPECT_EQ(test::control<EntryListModel>(*form, "entryListModel")->rowCount(), 4);
    EXPECT_TRUE(readFileBytes(database()).contains("\tUS$\t12.50\tfalse\tTaxi\tEmployer\tCash\tfalse\t00\t"));
    EXPECT_TRUE(fixture.logText().contains(QStringLiteral("Taxi"))) << fixture.logText().toStdString();
    EXPECT_TRUE(fixture.prompts.asked().isEmpty());
}

// With decimals shown and three columns on a 236-pixel box, the tens column spans 54-92 and the units
// 92-131, so the taps below make 12.00.
TEST_F(ItemEditor, TapsOnThePaintedBoxMakeTheAmountOfANewEntry)
{
    start();
    ASSERT_TRUE(state().settings.fingerFriendly);
    state().settings.lastUsedCurrency = QStringLiteral("GBP");
    const PaintCount painted(*control<DigitAmountWidget>("digitAmountBox"));
    newItem([this, &painted](ItemForm&) {
        auto* amountBox = control<DigitAmountWidget>("digitAmountBox");
        EXPECT_FALSE(control<QLineEdit>("amountField")->isVisible());
        for (const char* name :
             {"currencyListButton", "typeListButton", "pickButton", "sourceListButton", "paidWithListButton"})
            EXPECT_TRUE(control<QPushButton>(name)->isVisible()) << name;
        EXPECT_TRUE(amountBox->hasFocus());
        EXPECT_EQ(amountBox->value().amount, 0.0);
        EXPECT_TRUE(QTest::qWaitFor([&] { return painted.paints() > 0; }, 5000));
        for (const int x : {73, 111, 111})
            QTest::mouseClick(amountBox, Qt::LeftButton, {}, QPoint(x, 10));
        EXPECT_TRUE(QTest::qWaitFor([&] { return amountBox->value().amount == 12.0; }, 5000));
        EXPECT_EQ(rightKey(), u"OK");
        EXPECT_FALSE(rightKeyEnabled());
        EXPECT_EQ(labelText("conversionLabel"), u"= EUR 13.48");
        box("typeBox")->setFocus();
        type(QStringLiteral("Lunch"));
        tapRightKey();
    });
    ASSERT_EQ(state().entryCount(), 4);
    EXPECT_EQ(entry(3).amount, 12.0);
    EXPECT_EQ(entry(3).type, u"Lunch");
    EXPECT_EQ(entry(3).currency, u"GBP");
}

TEST_F(ItemEditor, EditingShowsTheEntryAndChangesItInPlace)
{
    start();
    editRow(1, [this](ItemForm& item) {
        EXPECT_TRUE(item.isEditing());
        EXPECT_EQ(item.windowTitle(), u"New item");
        EXPECT_EQ(rightKey(), u"OK");
        EXPECT_TRUE(rightKeyEnabled());
        EXPECT_EQ(box("typeBox")->currentText(), u"Breakfast");
        EXPECT_EQ(box("currencyBox")->currentText(), u"US$");
        EXPECT_EQ(box("sourceBox")->currentText(), u"Client");
        EXPECT_EQ(box("paidWithBox")->currentText(), u"Credit card");
        EXPECT_EQ(control<QLineEdit>("noteField")->text(), u"coffee");
        EXPECT_EQ(control<QLineEdit>("amountField")->text(), u"3.20");
        EXPECT_EQ(control<DigitAmountWidget>("digitAmountBox")->value().amount, 3.2);
        EXPECT_EQ(control<QDateEdit>("datePicker")->date(), QDate(2010, 1, 2));
        EXPECT_EQ(labelText("receiptText"), u"No receipt");
        EXPECT_EQ(labelText("conversionLabel"), u"= EUR 2.22");
        control<QLineEdit>("noteField")->setText(QStringLiteral("coffee and cake"));
        // Clearing the type leaves nothing to store until a type is back.
        box("typeBox")->setEditText(QString());
        EXPECT_FALSE(rightKeyEnabled());
        box("typeBox")->setEditText(QStringLiteral("Lunch"));
        // Enter on a focused button presses that button, not OK: the type list opens over the editor.
        QuickEntryForm& quickEntry = fixture.forms->quickEntry();
        bool listShown = false;
        QTimer::singleShot(0, &quickEntry, [&] {
            listShown = quickEntry.isVisible();
            quickEntry.closeWith(FormBase::kResultCancel);
        });
        control<QPushButton>("typeListButton")->setFocus();
        press(Qt::Key_Return);
        EXPECT_TRUE(listShown);
        EXPECT_TRUE(item.isVisible());
        tapRightKey();
    });
    ASSERT_EQ(state().entryCount(), 3);
    EXPECT_EQ(entry(1).type, u"Lunch");
    EXPECT_EQ(entry(1).note, u"coffee and cake");
    EXPECT_EQ(entry(1).amount, 3.2);
    EXPECT_EQ(entry(1).date, dayCountFromDate(2010, 1, 2));
    EXPECT_FALSE(editor().isEditing());
    const QString log = fixture.logText();
    EXPECT_TRUE(log.contains(QStringLiteral("EditFrom"))) << log.toStdString();
    EXPECT_TRUE(log.contains(QStringLiteral("EditTo"))) << log.toStdString();
}

TEST_F(ItemEditor, AnAmountTooLargeForThePaintedBoxIsEditedInThePlainField)
{
    start();
    ASSERT_TRUE(state().settings.fingerFriendly);
    editRow(2, [this](ItemForm&) {
        auto* amount = control<QLineEdit>("amountField");
        EXPECT_TRUE(amount->isVisible());
        EXPECT_FALSE(control<QWidget>("digitAmountBox")->isVisible());
        EXPECT_EQ(amount->text(), u"1500000.00");
        EXPECT_TRUE(control<QCheckBox>("incomeBox")->isChecked());
        EXPECT_TRUE(amount->hasFocus());
        press(Qt::Key_Return);
    });
    EXPECT_EQ(entry(2).amount, 1500000.0);
    EXPECT_TRUE(entry(2).income);

    editRow(0, [this](ItemForm&) {
        EXPECT_TRUE(control<QWidget>("digitAmountBox")->isVisible());
        EXPECT_FALSE(control<QLineEdit>("amountField")->isVisible());
        press(Qt::Key_Escape);
    });
}

TEST_F(ItemEditor, ATypedAmountThatIsNoNumberKeepsOkDisabledAndSaysWhy)
{
    start();
    state().settings.fingerFriendly = false;
    editRow(0, [this](ItemForm& item) {
        auto* amount = control<QLineEdit>("amountField");
        auto* reason = control<QLabel>("amountHint");
        EXPECT_EQ(amount->text(), u"12.50");
        EXPECT_FALSE(reason->isVisible());
        EXPECT_TRUE(rightKeyEnabled());
        const struct
        {
            const char16_t* typed;
            const char16_t* reason;
        } refused[] = {{u"abc", u"Amount must be a number"},
                       {u"12.50abc", u"Amount must be a number"},
                       {u"1,234.50", u"Amount must be a number"},
                       {u"-3", u"Amount must not be negative"},
                       {u"", u"Type an amount"}};
        for (const auto& c : refused) {
            const QString typed = QString::fromUtf16(c.typed);
            SCOPED_TRACE(typed.toStdString());
            amount->selectAll();
            if (typed.isEmpty())
                press(Qt::Key_Delete);
            else
                type(typed);
            EXPECT_EQ(amount->text(), typed);
            EXPECT_FALSE(rightKeyEnabled());
            EXPECT_TRUE(reason->isVisible());
            EXPECT_EQ(reason->text(), QString::fromUtf16(c.reason));
            EXPECT_FALSE(reason->geometry().intersects(amount->geometry())) << "beside the field";
            press(Qt::Key_Return);
            EXPECT_TRUE(item.isVisible()) << "Enter stores nothing";
        }
        amount->selectAll();
        type(QStringLiteral("3,10"));
        EXPECT_TRUE(rightKeyEnabled());
        EXPECT_FALSE(reason->isVisible());
        press(Qt::Key_Return);
    });
    EXPECT_EQ(entry(0).amount, 3.1);
}

struct ReceiptNumberingCase
{
    const char* name;
    // -1 for a new entry, else the row edited.
    int row;
    bool lastHasReceipt;
    // What the quick entry's amount panel hands back, when it is used.
    std::optional<bool> givenReceipt;
    QString storedReceipt;
    int nextReceiptAfter;
    // The receipt counter when the editor opens; entry 0 holds 42.
    quint16 counter = 7;
};

class ReceiptNumbers : public ItemEditorFixture, public ::testing::TestWithParam<ReceiptNumberingCase>
{};

TEST_P(ReceiptNumbers, AdvanceOnlyWhenTheProposedNumberIsUsed)
{
    const ReceiptNumberingCase& test = GetParam();
    start();
    state().settings.nextReceiptNumber = test.counter;
    state().settings.lastHasReceipt = test.lastHasReceipt;
    state().settings.fingerFriendly = false;
    const auto work = [&](ItemForm& item) {
        type(QStringLiteral("1"));
        if (test.givenReceipt) {
            // What the amount panel writes back when the user ticks or unticks "Receipt".
            EditorFields fields = item.fields();
            fields.hasReceipt = *test.givenReceipt;
            if (*test.givenReceipt && fields.receipt == u"00")
                fields.receipt = fields.proposedReceipt;
            item.applyFields(fields);
        }
        EXPECT_EQ(labelText("receiptText"), item.fields().hasReceipt
                                                ? QStringLiteral("Receipt nr:\n") + item.fields().receipt
                                                : QStringLiteral("No receipt"));
        box("typeBox")->setEditText(QStringLiteral("Dinner"));
        tapRightKey();
    };
    const int target = test.row < 0 ? 3 : test.row;
    if (test.row < 0)
        newItem(work);
    else
        editRow(test.row, work);
    EXPECT_EQ(entry(target).receipt, test.storedReceipt);
    EXPECT_EQ(state().settings.nextReceiptNumber, test.nextReceiptAfter);
}

INSTANTIATE_TEST_SUITE_P(
    ItemEditor, ReceiptNumbers,
    ::testing::Values(ReceiptNumberingCase{"NewWithoutReceipt", -1, false, {}, QStringLiteral("00"), 7},
                      ReceiptNumberingCase{"NewWithReceipt", -1, true, {}, QStringLiteral("7"), 8},
                      ReceiptNumberingCase{"NewReceiptRemoved", -1, true, false, QStringLiteral("00"), 7},
                      ReceiptNumberingCase{"EditGainsReceipt", 1, false, true, QStringLiteral("7"), 8},
                      ReceiptNumberingCase{"EditKeepsReceipt", 0, false, {}, QStringLiteral("0042"), 7},
                      ReceiptNumberingCase{"EditKeepsNoReceipt", 1, true, {}, QStringLiteral("00"), 7},
                      // 42 is taken: the editor shows the next free number, and stores what it shows.
                      ReceiptNumberingCase{
                          "NewPastATakenCounter", -1, true, {}, QStringLiteral("43"), 44, 42},
                      ReceiptNumberingCase{"EditGainsReceiptPastATakenCounter", 1, false, true,
                                           QStringLiteral("43"), 44, 42}),
    [](const ::testing::TestParamInfo<ReceiptNumberingCase>& info) { return std::string(info.param.name); });

TEST_F(ItemEditor, CancelStoresNothingButRefreshesTheListAndItsFile)
{
    start();
    const QByteArray before = readFileBytes(database());
    QFile::remove(database());
    for (const auto& cancel : std::vector<std::function<void()>>{
             [] { press(Qt::Key_Escape); },
             [this] {
                 QTest::mouseClick(control<SoftKeyBar>("softKeyBar")->button(SoftKeyBar::Key::Left),
                                   Qt::LeftButton);
             }}) {
        newItem([&](ItemForm&) {
            type(QStringLiteral("5"));
            cancel();
        });
        EXPECT_EQ(state().entryCount(), 3);
        EXPECT_EQ(readFileBytes(database()), before) << "the refresh writes the file again";
        QFile::remove(database());
    }
    editRow(0, [](ItemForm&) { press(Qt::Key_Escape); });
    EXPECT_EQ(entry(0).type, u"Dinner");
    EXPECT_TRUE(QFile::exists(database()));
}

TEST_F(ItemEditor, TheConversionLabelShowsWhatWouldBeStoredAndACurrencyNotInTheTableIsKept)
{
    start();
    state().settings.fingerFriendly = false;
    // The label an edited entry showed does not stay for the next one.
    editRow(1, [this](ItemForm&) {
        EXPECT_EQ(labelText("conversionLabel"), u"= EUR 2.22");
        press(Qt::Key_Escape);
    });
    struct Step
    {
        QString currency;
        QString amount;
        QString label;
    };
    const Step steps[] = {
        {u"US$"_qs, u"0.00"_qs, {}},
        {u"US$"_qs, u"12.50"_qs, u"= EUR 8.68"_qs},
        {u"GBP"_qs, u"12.50"_qs, u"= EUR 14.04"_qs},
        {u"EUR"_qs, u"12.50"_qs, {}},
        {u"XYZ"_qs, u"12.50"_qs, {}},
        {u"US$"_qs, u"0"_qs, {}},
        {u"XYZ"_qs, u"20"_qs, {}},
    };
    newItem([&](ItemForm&) {
        for (const Step& step : steps) {
            box("currencyBox")->setEditText(step.currency);
            control<QLineEdit>("amountField")->setText(step.amount);
            EXPECT_EQ(labelText("conversionLabel"), step.label)
                << step.currency.toStdString() << ' ' << step.amount.toStdString();
        }
        box("typeBox")->setEditText(QStringLiteral("Dinner"));
        press(Qt::Key_Return);
    });
    ASSERT_EQ(state().entryCount(), 4);
    EXPECT_EQ(entry(3).currency, u"XYZ");
    EXPECT_EQ(state().settings.lastUsedCurrency, u"XYZ");
    const int primaryColumn = 8;
    EXPECT_EQ(
        test::control<EntryListModel>(*form, "entryListModel")->index(3, primaryColumn).data().toString(),
        u"?");
}

TEST_F(ItemEditor, AStoreThatCannotBeWrittenKeepsTheEntryAndSaysSo)
{
    const QString folder = fixture.settingsFolder() + QStringLiteral("gone");
    databaseFile = folder + QStringLiteral("/mine.tfx");
    start();
    state().settings.fingerFriendly = false;
    // The database's folder turns into a file: nothing can be written there any more.
    QDir(folder).removeRecursively();
    writeFileBytes(folder, "x");

    newItem([](ItemForm&) {
        type(QStringLiteral("4.75"));
        press(Qt::Key_Tab);
        type(QStringLiteral("Parking"));
        press(Qt::Key_Return);
    });
    ASSERT_EQ(state().entryCount(), 4);
    EXPECT_EQ(entry(3).type, u"Parking");
    EXPECT_EQ(test::control<EntryListModel>(*form, "entryListModel")->rowCount(), 4);
    const QStringList shown = fixture.prompts.texts(Kind::Message);
    ASSERT_EQ(shown.size(), 1);
    EXPECT_TRUE(shown[0].contains(state().databasePath)) << shown[0].toStdString();
}

} // namespace
} // namespace tallyfox::test
