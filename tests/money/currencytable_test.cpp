#include "money/currencytable.h"
#include "moneyfixtures.h"

#include <cmath>
#include <gtest/gtest.h>

namespace tallyfox {
namespace {

using test::kEuroTable;

struct LineCase
{
    const char16_t* line;
    const char16_t* name;
    const char16_t* value;
};

TEST(CurrencyLine, SplitsAtTheFirstEqualsSignAndTrimsControlCharactersAndBlanks)
{
    const LineCase cases[] = {
        {u"US$ = 1.44", u"US$", u"1.44"},
        {u"a=b=c", u"a", u"b=c"},
        {u"CHF", u"CHF", u""},
        {u"\t EUR\x01 =  Primary \r", u"EUR", u"Primary"},
        {u"=5", u"", u"5"},
        {u"", u"", u""},
        {u"x=", u"x", u""},
        // Only codes 32 and below are trimmed: a no-break space stays.
        {u"\u00a0Yen\u00a0=1", u"\u00a0Yen\u00a0", u"1"},
    };
    for (const LineCase& c : cases) {
        SCOPED_TRACE(QString::fromUtf16(c.line).toStdString());
        EXPECT_EQ(LineName(c.line), QStringView(c.name));
        EXPECT_EQ(LineValue(c.line), QStringView(c.value));
    }
}

TEST(CurrencyRate, ReadsACommaAsAPointAndUnreadableTextAsZero)
{
    EXPECT_DOUBLE_EQ(ReadRate(u"1,44"), 1.44);
    EXPECT_DOUBLE_EQ(ReadRate(u"1,5"), 1.5);
    EXPECT_DOUBLE_EQ(ReadRate(u"0.89"), 0.89);
    EXPECT_EQ(ReadRate(u"abc"), 0.0);
    EXPECT_EQ(ReadRate(u""), 0.0);
    EXPECT_DOUBLE_EQ(ReadRate(u"-2"), -2.0);
}

TEST(CurrencyTable, BuildsOneCurrencyPerLineWithThePrimaryAtRateOne)
{
    AppState state(test::pinnedLocale());
    BuildCurrencyTable(state, {u"EUR=2"_qs, u" US$ = 1,44"_qs, u"GBP=0.89"_qs, u"CHF"_qs});
    ASSERT_EQ(state.CurrencyCount(), 4);
    const char16_t* names[] = {u"EUR", u"US$", u"GBP", u"CHF"};
    // A line without a rate converts nothing.
    const double rates[] = {1.0, 1.44, 0.89, 0.0};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(state.Currencies[i].Name, QStringView(names[i]));
        EXPECT_DOUBLE_EQ(state.Currencies[i].Rate, rates[i]);
    }

    // Building again replaces the whole table.
    BuildCurrencyTable(state, {u"USD=Primary"_qs});
    ASSERT_EQ(state.CurrencyCount(), 1);
    EXPECT_EQ(state.Currencies[0].Name, u"USD");
    BuildCurrencyTable(state, {});
    EXPECT_EQ(state.CurrencyCount(), 0);
    EXPECT_EQ(FindCurrency(state.Currencies, u"USD"), -1);
}

TEST(CurrencyTable, FindsTrimmedNamesExactlyAndTheLastOfTwoEqualNames)
{
    currencyarray table;
    BuildCurrencyTable(table, {u"EUR=Primary"_qs, u"US$=1.44"_qs, u"EUR=2"_qs, u"GBP\t=0.89"_qs});
    EXPECT_EQ(FindCurrency(table, u" EUR "), 2);
    EXPECT_EQ(FindCurrency(table, u"eur"), -1);
    EXPECT_EQ(FindCurrency(table, u"US$\r\n"), 1);
    EXPECT_EQ(FindCurrency(table, u"GBP"), 3);
    EXPECT_EQ(FindCurrency(table, u"US"), -1);
    EXPECT_EQ(FindCurrency(table, u""), -1);

    // Names are compared trimmed on the table's side too.
    table[1].Name = u"  US$ "_qs;
    EXPECT_EQ(FindCurrency(table, u"US$"), 1);
}

TEST(CurrencyConversion, DividesByTheRateOfTheNamedCurrency)
{
    currencyarray table;
    BuildCurrencyTable(table, kEuroTable);
    EXPECT_EQ(ToPrimary(table, 10.0, u"US$"), 10.0 / 1.44);
    EXPECT_NEAR(ToPrimary(table, 10.0, u"US$"), 6.944444, 1e-6);
    EXPECT_EQ(ToPrimary(table, 10.0, u"EUR"), 10.0);
    EXPECT_EQ(ToPrimary(table, 10.0, u"XYZ"), 0.0);
    EXPECT_EQ(ToPrimary(currencyarray(), 10.0, u"EUR"), 0.0);
}

// Only a hand-edited file holds such rates; they convert to nothing, never to an infinity or a NaN.
TEST(CurrencyConversion, AnUnusableRateOrAnOverflowingResultConvertsToNothing)
{
    currencyarray table;
    BuildCurrencyTable(table, {u"EUR=Primary"_qs, u"ZER=0"_qs, u"NEG=-2"_qs, u"HUG=1e400"_qs,
                               u"TIN=1e-300"_qs, u"TXT=abc"_qs});
    EXPECT_TRUE(std::isinf(table[3].Rate));
    for (const char16_t* name : {u"ZER", u"NEG", u"HUG", u"TXT"}) {
        SCOPED_TRACE(QString::fromUtf16(name).toStdString());
        EXPECT_EQ(ToPrimary(table, 10.0, name), 0.0);
        EXPECT_EQ(PrimaryAmountText(table, 10.0, name, false, false), u"?");
    }
    EXPECT_DOUBLE_EQ(ToPrimary(table, 1.0, u"TIN"), 1e300);
    EXPECT_EQ(ToPrimary(table, 1e10, u"TIN"), 0.0);
    EXPECT_EQ(ToPrimary(table, std::nan(""), u"EUR"), 0.0);
    EXPECT_EQ(ToPrimary(table, HUGE_VAL, u"EUR"), 0.0);
    EXPECT_FALSE(IsUsableRate(0.0));
    EXPECT_FALSE(IsUsableRate(-1.0));
    EXPECT_FALSE(IsUsableRate(std::nan("")));
    EXPECT_TRUE(IsUsableRate(1e-300));
}

TEST(CurrencyConversion, PrimaryAmountTextCarriesTheListSignOrAQuestionMark)
{
    currencyarray table;
    BuildCurrencyTable(table, kEuroTable);
    EXPECT_EQ(PrimaryAmountText(table, 10.0, u"US$", false, false), u"6.94");
    EXPECT_EQ(PrimaryAmountText(table, 10.0, u"US$", true, false), u"-6.94");
    EXPECT_EQ(PrimaryAmountText(table, 10.0, u"US$", false, true), u"-6.94");
    EXPECT_EQ(PrimaryAmountText(table, 10.0, u"US$", true, true), u"6.94");
    EXPECT_EQ(PrimaryAmountText(table, 12.5, u"EUR", false, false), u"12.50");
    EXPECT_EQ(PrimaryAmountText(table, 12.5, u"XYZ", false, false), u"?");
    // An amount of 0 cannot be told from a failed conversion.
    EXPECT_EQ(PrimaryAmountText(table, 0.0, u"EUR", false, false), u"?");
}

} // namespace
} // namespace tallyfox
