// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "money/ratetext.h"
#include "moneyfixtures.h"

#include <cmath>
#include <gtest/gtest.h>

namespace tallyfox {
namespace {

struct DecimalCase
{
    double value;
    int decimals;
    const char* text;
};

TEST(decimalText, RoundsHalvesUpAndPadsTheDecimals)
{
    const DecimalCase cases[] = {
        {0.6944444, 5, "0.69444"},
        {2.0, 5, "2.00000"},
        {0.000004, 5, "0.00000"},
        {9.999996, 5, "10.00000"},
        {123.456789, 3, "123.457"},
        {0.125, 2, "0.13"},
        {1.0 / 0.89, 5, "1.12360"},
        {1e20, 2, "100000000000000000000.00"},
        {7.25, -3, "7.0"},
        {-1.5, 2, "-1.50"},
        {-0.000001, 2, "0.00"},
        // Not a finite number: read as 0 rather than written as inf or nan.
        {HUGE_VAL, 2, "0.00"},
        {std::nan(""), 5, "0.00000"},
    };
    for (const DecimalCase& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(decimalText(c.value, c.decimals), QLatin1StringView(c.text));
    }
}

TEST(rateText, DropsTrailingZerosAndALonePoint)
{
    const DecimalCase cases[] = {
        {1.0 / 1.44, 5, "0.69444"},
        {1.0 / 0.89, 5, "1.1236"},
        {2.0, 5, "2"},
        {10.0, 5, "10"},
        {0.000004, 5, "0"},
        {3.0, 5, "3"},
        {1.5, 5, "1.5"},
        {100.000001, 5, "100"},
    };
    for (const DecimalCase& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(rateText(c.value), QLatin1StringView(c.text));
    }
}

TEST(rebaseRates, MakesAnotherCurrencyPrimaryAndBackWithinTheFifthDecimal)
{
    QStringList names{u"EUR"_qs, u"US$"_qs, u"GBP"_qs};
    QStringList rates{u"Primary"_qs, u"1.44"_qs, u"0.89"_qs};
    ASSERT_TRUE(rebaseRates(names, rates, 1));
    EXPECT_EQ(names, (QStringList{u"US$"_qs, u"EUR"_qs, u"GBP"_qs}));
    EXPECT_EQ(rates, (QStringList{u"Primary"_qs, u"0.69444"_qs, u"0.61806"_qs}));

    ASSERT_TRUE(rebaseRates(names, rates, 1));
    EXPECT_EQ(names, (QStringList{u"EUR"_qs, u"US$"_qs, u"GBP"_qs}));
    EXPECT_EQ(rates[0], u"Primary");
    EXPECT_NEAR(readRate(rates[1]), 1.44, 1.000001e-5);
    EXPECT_NEAR(readRate(rates[2]), 0.89, 1.000001e-5);
}

TEST(rebaseRates, ReadsTypedCommasAndRebasesTheLastRow)
{
    QStringList names{u"EUR"_qs, u"US$"_qs, u"CHF"_qs};
    QStringList rates{u"Primary"_qs, u"1,44"_qs, u"1,6"_qs};
    ASSERT_TRUE(rebaseRates(names, rates, 2));
    EXPECT_EQ(names, (QStringList{u"CHF"_qs, u"US$"_qs, u"EUR"_qs}));
    EXPECT_EQ(rates, (QStringList{u"Primary"_qs, u"0.9"_qs, u"0.625"_qs}));
}

// Making a currency primary divides by its rate, which only a hand-edited file can make unusable.
TEST(rebaseRates, RefusesAnUnusableRateOrIndexAndLeavesTheListsAlone)
{
    const QStringList names{u"EUR"_qs, u"ZER"_qs, u"NEG"_qs, u"HUG"_qs, u"TXT"_qs, u"US$"_qs};
    const QStringList rates{u"Primary"_qs, u"0"_qs, u"-2"_qs, u"1e400"_qs, u"abc"_qs, u"2"_qs};
    for (qsizetype k : {0, 1, 2, 3, 4, 6, -1}) {
        SCOPED_TRACE(k);
        QStringList changedNames = names;
        QStringList changedRates = rates;
        EXPECT_FALSE(rebaseRates(changedNames, changedRates, k));
        EXPECT_EQ(changedNames, names);
        EXPECT_EQ(changedRates, rates);
    }
    QStringList shortNames = names.first(2);
    QStringList changedRates = rates;
    EXPECT_FALSE(rebaseRates(shortNames, changedRates, 1));

    // The other rows' bad rates are rewritten as numbers, never as inf or nan.
    QStringList changedNames = names;
    changedRates = rates;
    ASSERT_TRUE(rebaseRates(changedNames, changedRates, 5));
    EXPECT_EQ(changedRates, (QStringList{u"Primary"_qs, u"0"_qs, u"-1"_qs, u"0"_qs, u"0"_qs, u"0.5"_qs}));
}

TEST(twoDigitText, PadsToTwoDigits)
{
    EXPECT_EQ(twoDigitText(7), u"07");
    EXPECT_EQ(twoDigitText(0), u"00");
    EXPECT_EQ(twoDigitText(12), u"12");
    EXPECT_EQ(twoDigitText(123), u"123");
}

} // namespace
} // namespace tallyfox
