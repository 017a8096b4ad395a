// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

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
        EXPECT_EQ(lineName(c.line), QStringView(c.name));
        EXPECT_EQ(lineValue(c.line), QStringView(c.value));
    }
}

TEST(CurrencyRate, ReadsACommaAsAPointAndUnreadableTextAsZero)
{
    EXPECT_DOUBLE_EQ(readRate(u"1,44"), 1.44);
    EXPECT_DOUBLE_EQ(readRate(u"1,5"), 1.5);
    EXPECT_DOUBLE_EQ(readRate(u"0.89"), 0.89);
    EXPECT_EQ(readRate(u"abc"), 0.0);
    EXPECT_EQ(readRate(u""), 0.0);
    EXPECT_DOUBLE_EQ(readRate(u"-2"), -2.0);
}

TEST(CurrencyTable, BuildsOneCurrencyPerLineWithThePrimaryAtRateOne)
{
    AppState state(test::pinnedLocale());
    buildCurrencyTable(state, {u"EUR=2"_qs, u" US$ = 1,44"_qs, u"GBP=0.89"_qs, u"CHF"_qs});
    ASSERT_EQ(state.currencyCount(), 4);
    const char16_t* names[] = {u"EUR", u"US$", u"GBP", u"CHF"};
    // A line without a rate converts nothing.
    const double rates[] = {1.0, 1.44, 0.89, 0.0};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(state.currencies[i].name, QStringView(names[i]));
        EXPECT_DOUBLE_EQ(state.currencies[i].rate, rates[i]);
    }

    // Building again replaces the whole table.
    buildCurrencyTable(state, {u"USD=Primary"_qs});
    ASSERT_EQ(state.currencyCount(), 1);
    EXPECT_EQ(state.currencies[0].name, u"USD");
    buildCurrencyTable(state, {});
    EXPECT_EQ(state.currencyCount(), 0);
    EXPECT_EQ(findCurrency(state.currencies, u"USD"), -1);
}

TEST(CurrencyTable, FindsTrimmedNamesExactlyAndTheLastOfTwoEqualNames)
{
    CurrencyArray table;
    buildCurrencyTable(table, {u"EUR=Primary"_qs, u"US$=1.44"_qs, u"EUR=2"_qs, u"GBP\t=0.89"_qs});
    EXPECT_EQ(findCurrency(table, u" EUR "), 2);
    EXPECT_EQ(findCurrency(table, u"eur"), -1);
    EXPECT_EQ(findCurrency(table, u"US$\r\n"), 1);
    EXPECT_EQ(findCurrency(table, u"GBP"), 3);
    EXPECT_EQ(findCurrency(table, u"US"), -1);
    EXPECT_EQ(findCurrency(table, u""), -1);

    // Names are compared trimmed on the table's side too.
    table[1].name = u"  US$ "_qs;
    EXPECT_EQ(findCurrency(table, u"US$"), 1);
}

TEST(CurrencyConversion, DividesByTheRateOfTheNamedCurrency)
{
    CurrencyArray table;
    buildCurrencyTable(table, kEuroTable);
    EXPECT_EQ(convertToPrimary(table, 10.0, u"US$"), 10.0 / 1.44);
    EXPECT_NEAR(convertToPrimary(table, 10.0, u"US$"), 6.944444, 1e-6);
    EXPECT_EQ(convertToPrimary(table, 10.0, u"EUR"), 10.0);
    EXPECT_EQ(convertToPrimary(table, 10.0, u"XYZ"), 0.0);
    EXPECT_EQ(convertToPrimary(CurrencyArray(), 10.0, u"EUR"), 0.0);
}

// Only a hand-edited file holds such rates; they convert to nothing, never to an infinity or a NaN.
TEST(CurrencyConversion, AnUnusableRateOrAnOverflowingResultConvertsToNothing)
{
    CurrencyArray table;
    buildCurrencyTable(table, {u"EUR=Primary"_qs, u"ZER=0"_qs, u"NEG=-2"_qs, u"HUG=1e400"_qs,
                               u"TIN=1e-300"_qs, u"TXT=abc"_qs});
    EXPECT_TRUE(std::isinf(table[3].rate));
    for (const char16_t* name : {u"ZER", u"NEG", u"HUG", u"TXT"}) {
        SCOPED_TRACE(QString::fromUtf16(name).toStdString());
        EXPECT_EQ(convertToPrimary(table, 10.0, name), 0.0);
        EXPECT_EQ(primaryAmountText(table, 10.0, name, false, false), u"?");
    }
    EXPECT_DOUBLE_EQ(convertToPrimary(table, 1.0, u"TIN"), 1e300);
    EXPECT_EQ(convertToPrimary(table, 1e10, u"TIN"), 0.0);
    EXPECT_EQ(convertToPrimary(table, std::nan(""), u"EUR"), 0.0);
    EXPECT_EQ(convertToPrimary(table, HUGE_VAL, u"EUR"), 0.0);
    EXPECT_FALSE(isUsableRate(0.0));
    EXPECT_FALSE(isUsableRate(-1.0));
    EXPECT_FALSE(isUsableRate(std::nan("")));
    EXPECT_TRUE(isUsableRate(1e-300));
}

TEST(CurrencyConversion, PrimaryAmountTextCarriesTheListSignOrAQuestionMark)
{
    CurrencyArray table;
    buildCurrencyTable(table, kEuroTable);
    EXPECT_EQ(primaryAmountText(table, 10.0, u"US$", false, false), u"6.94");
    EXPECT_EQ(primaryAmountText(table, 10.0, u"US$", true, false), u"-6.94");
    EXPECT_EQ(primaryAmountText(table, 10.0, u"US$", false, true), u"-6.94");
    EXPECT_EQ(primaryAmountText(table, 10.0, u"US$", true, true), u"6.94");
    EXPECT_EQ(primaryAmountText(table, 12.5, u"EUR", false, false), u"12.50");
    EXPECT_EQ(primaryAmountText(table, 12.5, u"XYZ", false, false), u"?");
    // An amount of 0 cannot be told from a failed conversion.
    EXPECT_EQ(primaryAmountText(table, 0.0, u"EUR", false, false), u"?");
}

} // namespace
} // namespace tallyfox
