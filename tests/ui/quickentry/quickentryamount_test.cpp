// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

// The quick entry's amount panel: where it starts from, the receipt area, the conversion label, and what
// its confirmation writes into the editor's fields and the settings.
#include "quickentry/quickentryfixture.h"
#include "ui/amountbox/digitamountwidget.h"
#include "ui/quickentry/amountpanel.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

namespace tallyfox::test {
namespace {

class QuickEntryAmount : public QuickEntryFixture
{
protected:
    DigitAmountWidget* box() const { return child<DigitAmountWidget>("digitAmountBox"); }
};

struct ReceiptCase
{
    bool hasReceipt;
    const char* receipt;
    const char* shown; // in the number's edit on opening
    bool toggle;
    const char* typed; // over the whole number, when not null
    bool storedHasReceipt;
    const char* stored;
};

TEST_F(QuickEntryAmount, TheReceiptAreaShowsTheNumberOrProposesTheNextAndOkStoresIt)
{
    state.settings.nextReceiptNumber = 42;
    const ReceiptCase cases[] = {
        {false, "00", "42", false, nullptr, false, "00"},
        {false, "0007", "0007", false, nullptr, false, "0007"},
        {true, "0042", "0042", false, nullptr, true, "0042"},
        {true, "00", "00", false, nullptr, true, "00"},
        {false, "00", "42", true, nullptr, true, "42"},
        {false, "00", "42", true, "0815", true, "0815"},
        {true, "0042", "0042", true, nullptr, false, "0042"},
    };
    for (const ReceiptCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.hasReceipt << ' ' << c.receipt << (c.toggle ? " toggled" : ""));
        fields.hasReceipt = c.hasReceipt;
        fields.receipt = QString::fromLatin1(c.receipt);
        EXPECT_TRUE(runAmount([&] {
            auto* check = child<QCheckBox>("receiptCheck");
            auto* edit = child<QLineEdit>("receiptEdit");
            EXPECT_EQ(check->isChecked(), c.hasReceipt);
            EXPECT_EQ(edit->text(), QString::fromLatin1(c.shown));
            for (const bool tick : {false, c.toggle}) {
                if (tick)
                    QTest::mouseClick(check, Qt::LeftButton);
                EXPECT_EQ(edit->isVisible(), check->isChecked());
                EXPECT_EQ(child("receiptLabel")->isVisible(), check->isChecked());
            }
            if (c.typed) {
                edit->selectAll();
                QTest::keyClicks(edit, QString::fromLatin1(c.typed));
                press(Qt::Key_Return);
            } else {
                tap("amountOkButton");
            }
        }));
        EXPECT_EQ(fields.hasReceipt, c.storedHasReceipt);
        EXPECT_EQ(fields.receipt, QString::fromLatin1(c.stored));
    }
}

TEST_F(QuickEntryAmount, OpensOnTheTypedAmountOrElseTheBoxesAndCancelWritesNothing)
{
    const struct
    {
        const char* amountText;
        double digitAmount;
        double shown;
    } cases[] = {{"12.50", 3.0, 12.5}, {"0.00", 3.0, 3.0}, {"abc", 7.25, 7.25}, {"-5", 2.0, 2.0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.amountText);
        fields.amountText = QString::fromLatin1(c.amountText);
        fields.digitAmount = c.digitAmount;
        const EditorFields before = fields;
        const Settings settingsBefore = state.settings;
        EXPECT_FALSE(runAmount([&] {
            EXPECT_EQ(box()->value().amount, c.shown);
            tap("receiptCheck");
            tap("incomeCheck");
            press(Qt::Key_Escape);
        }));
        EXPECT_EQ(fields, before);
        EXPECT_EQ(state.settings, settingsBefore);
    }
}

TEST_F(QuickEntryAmount, OkWritesTheAmountIncomeAndTheBoxesColumns)
{
    fields.amountText = QStringLiteral("12");
    fields.income = true;
    state.settings.showDecimals = false;
    state.settings.wholeDigitColumns = 4;
    EXPECT_TRUE(runAmount([&] {
        EXPECT_EQ(box()->value(), (DigitAmount{12.0, false, 4}));
        tap("incomeCheck");
        tapKey(Key::Right);
    }));
    EXPECT_EQ(fields.digitAmount, 12.0);
    EXPECT_EQ(fields.amountText, u"12.00");
    EXPECT_FALSE(fields.income);
    EXPECT_FALSE(state.settings.showDecimals);
    EXPECT_EQ(state.settings.wholeDigitColumns, 4);

    // A column count out of range opens within it.
    state.settings.wholeDigitColumns = 99;
    EXPECT_TRUE(runAmount([&] {
        EXPECT_EQ(box()->value().columns, 6);
        tapKey(Key::Right);
    }));
}

TEST_F(QuickEntryAmount, TheConversionLabelFollowsTheAmount)
{
    fields.currency = QStringLiteral("US$");
    fields.amountText = QStringLiteral("12.50");
    EXPECT_FALSE(runAmount([&] {
        auto* label = child<QLabel>("conversionLabel");
        EXPECT_EQ(label->text(), u"US$ 12.50 = EUR 8.68");
        box()->setValue(DigitAmount{7.25, true, 3});
        Q_EMIT box()->valueChanged();
        EXPECT_EQ(label->text(), u"US$ 7.25 = EUR 5.03");
        tapKey(Key::Left);
    }));
}

TEST(QuickEntryConversionText, NamesBothCurrenciesOrNothing)
{
    CurrencyArray currencies;
    buildCurrencyTable(currencies, {QStringLiteral("EUR"), QStringLiteral("US$=1.44"),
                                    QStringLiteral("XYZ=0"), QStringLiteral("GBP=0.89")});
    const struct
    {
        const char* currency;
        double amount;
        bool incomeIsPositive;
        const char* expected;
    } cases[] = {
        {"US$", 12.5, false, "US$ 12.50 = EUR 8.68"},
        {"GBP", 100.0, false, "GBP 100.00 = EUR 112.36"},
        {"US$", 12.5, true, "US$ 12.50 = EUR -8.68"},
        {"US$", 0.0, false, "US$ 0.00 = EUR ?"},
        {"XYZ", 5.0, false, "XYZ 5.00 = EUR ?"},
        {"EUR", 12.5, false, ""}, // the primary currency
        {"CHF", 12.5, false, ""},
        {"us$", 12.5, false, ""}, // case matters
    };
    for (const auto& c : cases) {
        EXPECT_EQ(conversionText(currencies, QString::fromLatin1(c.currency), c.amount, c.incomeIsPositive),
                  QString::fromLatin1(c.expected))
            << c.currency << ' ' << c.amount;
    }
}

} // namespace
} // namespace tallyfox::test
