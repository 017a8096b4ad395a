// The quick entry's amount panel: where it starts from, the receipt area, the conversion label, and what
// its confirmation writes into the editor's fields and the settings.
#include "quickentryfixture.h"
#include "ui/amountpanel.h"
#include "ui/digitamountwidget.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

namespace tallyfox::test {
namespace {

using Key = SoftKeyBar::Key;

struct ReceiptCase
{
    const char* name;
    bool hasReceipt;
    const char* receipt;
    const char* shown;
};

class ReceiptArea : public QuickEntryFixture, public ::testing::WithParamInterface<ReceiptCase>
{};

TEST_P(ReceiptArea, ShowsTheEntrysNumberOrProposesTheNext)
{
    const ReceiptCase& c = GetParam();
    state.settings.nextReceiptNumber = 42;
    fields.hasReceipt = c.hasReceipt;
    fields.receipt = QString::fromLatin1(c.receipt);
    bool ticked = false;
    bool editShown = false;
    bool labelShown = false;
    QString text;
    whileShown([&] {
        ticked = child<QCheckBox>("receiptCheck")->isChecked();
        editShown = child<QWidget>("receiptEdit")->isVisible();
        labelShown = child<QWidget>("receiptLabel")->isVisible();
        text = child<QLineEdit>("receiptEdit")->text();
        tapKey(Key::Left);
    });
    EXPECT_FALSE(form->editAmount(fields));
    EXPECT_EQ(ticked, c.hasReceipt);
    EXPECT_EQ(editShown, c.hasReceipt);
    EXPECT_EQ(labelShown, c.hasReceipt);
    EXPECT_EQ(text, QString::fromLatin1(c.shown));
}

INSTANTIATE_TEST_SUITE_P(QuickEntryAmount, ReceiptArea,
                         ::testing::Values(ReceiptCase{"NoReceiptProposesTheNextNumber", false, "00", "42"},
                                           ReceiptCase{"NoReceiptKeepsAnotherText", false, "0007", "0007"},
                                           ReceiptCase{"ReceiptShowsItsNumber", true, "0042", "0042"},
                                           ReceiptCase{"ReceiptShowsEvenZeroZero", true, "00", "00"}),
                         [](const ::testing::TestParamInfo<ReceiptCase>& info) {
                             return std::string(info.param.name);
                         });

class QuickEntryAmount : public QuickEntryFixture
{};

TEST_F(QuickEntryAmount, TickingReceiptShowsTheNumberAndOkStoresIt)
{
    state.settings.nextReceiptNumber = 9;
    fields.hasReceipt = false;
    fields.receipt = QStringLiteral("00");
    bool shownAfterTick = false;
    bool hiddenAfterUntick = false;
    whileShown([&] {
        auto* receipt = child<QCheckBox>("receiptCheck");
        QTest::mouseClick(receipt, Qt::LeftButton);
        shownAfterTick =
            child<QWidget>("receiptEdit")->isVisible() && child<QWidget>("receiptLabel")->isVisible();
        QTest::mouseClick(receipt, Qt::LeftButton);
        hiddenAfterUntick = !child<QWidget>("receiptEdit")->isVisible();
        QTest::mouseClick(receipt, Qt::LeftButton);
        auto* edit = child<QLineEdit>("receiptEdit");
        edit->selectAll();
        QTest::keyClicks(edit, QStringLiteral("0815"));
        press(Qt::Key_Return);
    });
    EXPECT_TRUE(form->editAmount(fields));
    EXPECT_TRUE(shownAfterTick);
    EXPECT_TRUE(hiddenAfterUntick);
    EXPECT_TRUE(fields.hasReceipt);
    EXPECT_EQ(fields.receipt, u"0815");
}

TEST_F(QuickEntryAmount, WithoutReceiptTheEntrysTextStays)
{
    fields.hasReceipt = true;
    fields.receipt = QStringLiteral("0042");
    whileShown([&] {
        QTest::mouseClick(child<QCheckBox>("receiptCheck"), Qt::LeftButton);
        QTest::mouseClick(child<QWidget>("amountOkButton"), Qt::LeftButton);
    });
    EXPECT_TRUE(form->editAmount(fields));
    EXPECT_FALSE(fields.hasReceipt);
    EXPECT_EQ(fields.receipt, u"0042");
}

struct StartCase
{
    const char* name;
    const char* amountText;
    double digitAmount;
    double expected;
};

class AmountStart : public QuickEntryFixture, public ::testing::WithParamInterface<StartCase>
{};

TEST_P(AmountStart, ReadsTheTextAndFallsBackOnTheBoxesAmount)
{
    const StartCase& c = GetParam();
    fields.amountText = QString::fromLatin1(c.amountText);
    fields.digitAmount = c.digitAmount;
    double shown = -1;
    whileShown([&] {
        shown = child<DigitAmountWidget>("digitAmountBox")->value().amount;
        tapKey(Key::Left);
    });
    EXPECT_FALSE(form->editAmount(fields));
    EXPECT_EQ(shown, c.expected);
    EXPECT_EQ(fields.digitAmount, c.digitAmount) << "Cancel writes nothing";
}

INSTANTIATE_TEST_SUITE_P(QuickEntryAmount, AmountStart,
                         ::testing::Values(StartCase{"TypedAmount", "12.50", 3.0, 12.5},
                                           StartCase{"ZeroTakesTheBox", "0.00", 3.0, 3.0},
                                           StartCase{"UnreadableTakesTheBox", "abc", 7.25, 7.25},
                                           StartCase{"NegativeTakesTheBox", "-5", 2.0, 2.0}),
                         [](const ::testing::TestParamInfo<StartCase>& info) {
                             return std::string(info.param.name);
                         });

TEST_F(QuickEntryAmount, OkWritesTheAmountIncomeAndTheBoxesColumns)
{
    fields.amountText = QStringLiteral("12");
    fields.income = true;
    state.settings.showDecimals = false;
    state.settings.decimalsVisible = 4;
    DigitAmount opened;
    whileShown([&] {
        opened = child<DigitAmountWidget>("digitAmountBox")->value();
        QTest::mouseClick(child<QCheckBox>("incomeCheck"), Qt::LeftButton);
        tapKey(Key::Right);
    });
    EXPECT_TRUE(form->editAmount(fields));
    EXPECT_EQ(opened, (DigitAmount{12.0, false, 4}));
    EXPECT_EQ(fields.digitAmount, 12.0);
    EXPECT_EQ(fields.amountText, u"12.00");
    EXPECT_FALSE(fields.income);
    EXPECT_FALSE(state.settings.showDecimals);
    EXPECT_EQ(state.settings.decimalsVisible, 4);
}

TEST_F(QuickEntryAmount, AColumnCountOutOfRangeOpensWithinIt)
{
    state.settings.decimalsVisible = 99;
    int columns = 0;
    whileShown([&] {
        columns = child<DigitAmountWidget>("digitAmountBox")->value().columns;
        tapKey(Key::Left);
    });
    EXPECT_FALSE(form->editAmount(fields));
    EXPECT_EQ(columns, 6);
}

TEST_F(QuickEntryAmount, CancelWritesNothing)
{
    fields.amountText = QStringLiteral("3.00");
    const EditorFields before = fields;
    const Settings settingsBefore = state.settings;
    whileShown([&] {
        QTest::mouseClick(child<QCheckBox>("receiptCheck"), Qt::LeftButton);
        QTest::mouseClick(child<QCheckBox>("incomeCheck"), Qt::LeftButton);
        press(Qt::Key_Escape);
    });
    EXPECT_FALSE(form->editAmount(fields));
    EXPECT_FALSE(leftOpen);
    EXPECT_EQ(fields, before);
    EXPECT_EQ(state.settings, settingsBefore);
}

TEST_F(QuickEntryAmount, TheConversionLabelFollowsTheAmount)
{
    fields.currency = QStringLiteral("US$");
    fields.amountText = QStringLiteral("12.50");
    QStringList labels;
    whileShown([&] {
        auto* label = child<QLabel>("conversionLabel");
        labels << label->text();
        auto* box = child<DigitAmountWidget>("digitAmountBox");
        box->setValue(DigitAmount{7.25, true, 3});
        Q_EMIT box->valueChanged();
        labels << label->text();
        EXPECT_TRUE(label->alignment() & Qt::AlignRight);
        tapKey(Key::Left);
    });
    EXPECT_FALSE(form->editAmount(fields));
    EXPECT_EQ(labels, (QStringList{u"US$ 12.50 = EUR 8.68"_qs, u"US$ 7.25 = EUR 5.03"_qs}));
}

struct ConversionCase
{
    const char* name;
    const char* currency;
    double amount;
    bool incomeIsPositive;
    const char* expected;
};

class ConversionText : public ::testing::TestWithParam<ConversionCase>
{};

TEST_P(ConversionText, NamesBothCurrenciesOrNothing)
{
    const ConversionCase& c = GetParam();
    CurrencyArray currencies;
    buildCurrencyTable(currencies, {QStringLiteral("EUR"), QStringLiteral("US$=1.44"),
                                    QStringLiteral("XYZ=0"), QStringLiteral("GBP=0.89")});
    EXPECT_EQ(conversionText(currencies, QString::fromLatin1(c.currency), c.amount, c.incomeIsPositive),
              QString::fromLatin1(c.expected));
}

INSTANTIATE_TEST_SUITE_P(
    QuickEntryAmount, ConversionText,
    ::testing::Values(ConversionCase{"Dollars", "US$", 12.5, false, "US$ 12.50 = EUR 8.68"},
                      ConversionCase{"Pounds", "GBP", 100.0, false, "GBP 100.00 = EUR 112.36"},
                      ConversionCase{"ExpenseShownNegative", "US$", 12.5, true, "US$ 12.50 = EUR -8.68"},
                      ConversionCase{"ZeroConvertsToNothing", "US$", 0.0, false, "US$ 0.00 = EUR ?"},
                      ConversionCase{"UnusableRate", "XYZ", 5.0, false, "XYZ 5.00 = EUR ?"},
                      ConversionCase{"PrimaryCurrency", "EUR", 12.5, false, ""},
                      ConversionCase{"NotInTheTable", "CHF", 12.5, false, ""},
                      ConversionCase{"CaseMatters", "us$", 12.5, false, ""}),
    [](const ::testing::TestParamInfo<ConversionCase>& info) { return std::string(info.param.name); });

} // namespace
} // namespace tallyfox::test
