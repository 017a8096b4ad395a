// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "core/daycount.h"
#include "core/textforms.h"
#include "support/testenvironment.h"

#include <QLocale>
#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace tallyfox {
namespace {

struct AmountCase
{
    double value;
    const char* text;
};

TEST(amountText, RoundsOnlyTheHundredthsAndSignsOnlyNonZeroTexts)
{
    const AmountCase cases[] = {
        {12.5, "12.50"},
        {0.07, "0.07"},
        {1234567.891, "1234567.89"},
        {2.999, "3.00"},
        {-3.25, "-3.25"},
        {-0.5, "-0.50"},
        {0.0, "0.00"},
        {-0.0, "0.00"},
        {0.999, "1.00"},
        {-0.004, "0.00"},
        {-0.996, "-1.00"},
        {0.994, "0.99"},
        {7.0, "7.00"},
        {-0.01, "-0.01"},
        {10.05, "10.05"},
        {99.996, "100.00"},
        {2147483647.0, "2147483647.00"},
        {-2147483647.25, "-2147483647.25"},
        {5e9, "5000000000.00"},
    };
    for (const AmountCase& c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(amountText(c.value), QLatin1StringView(c.text));
        QByteArray bytes("x");
        appendAmountText(bytes, c.value);
        EXPECT_EQ(bytes, QByteArray("x") + c.text);
    }
}

TEST(amountText, UsesAPointWhateverTheLocale)
{
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const QString text = amountText(1234.5);
    QLocale::setDefault(previous);
    EXPECT_EQ(text, u"1234.50");
}

TEST(amountText, HugeInfiniteAndNaNValuesGiveATextWithoutCrashing)
{
    const double values[] = {1e300,
                             -1e300,
                             9.9e17,
                             std::numeric_limits<double>::max(),
                             std::numeric_limits<double>::infinity(),
                             -std::numeric_limits<double>::infinity(),
                             std::numeric_limits<double>::quiet_NaN(),
                             std::numeric_limits<double>::denorm_min()};
    for (double value : values) {
        SCOPED_TRACE(value);
        const QString text = amountText(value);
        ASSERT_GE(text.size(), 4);
        EXPECT_EQ(text.at(text.size() - 3), u'.');
        EXPECT_EQ(text.startsWith(u'-'), value < 0);
        const QString digits = text.mid(text.startsWith(u'-') ? 1 : 0).remove(u'.');
        EXPECT_TRUE(std::all_of(digits.begin(), digits.end(), [](QChar ch) { return ch.isDigit(); }))
            << text.toStdString();
    }
    EXPECT_EQ(amountText(std::numeric_limits<double>::quiet_NaN()), u"0.00");
    EXPECT_EQ(amountText(std::numeric_limits<double>::denorm_min()), u"0.00");
}

TEST(entryAmountText, MinusGoesToIncomesOrToExpensesAsSet)
{
    Expense expense;
    expense.amount = 7.5;
    Expense income = expense;
    income.income = true;

    EXPECT_EQ(signPrefix(true, false), u"-");
    EXPECT_EQ(signPrefix(false, false), u"");
    EXPECT_EQ(signPrefix(true, true), u"");
    EXPECT_EQ(signPrefix(false, true), u"-");

    EXPECT_EQ(entryAmountText(expense, false), u"7.50");
    EXPECT_EQ(entryAmountText(income, false), u"-7.50");
    EXPECT_EQ(entryAmountText(expense, true), u"-7.50");
    EXPECT_EQ(entryAmountText(income, true), u"7.50");

    income.amount = 20;
    EXPECT_EQ(entryAmountText(income, false), u"-20.00");
}

TEST(receiptText, ShowsTheReceiptOnlyWhenTheEntryHasOne)
{
    Expense entry;
    entry.receipt = QStringLiteral("0042");
    EXPECT_EQ(receiptText(entry), u"-");
    entry.hasReceipt = true;
    EXPECT_EQ(receiptText(entry), u"0042");
    entry.receipt.clear();
    EXPECT_EQ(receiptText(entry), u"");
}

TEST(dateText, FollowsThePinnedLocaleAndIgnoresTheTimeOfDay)
{
    const UserLocale english(test::pinnedLocale());
    const UserLocale german(QLocale(QLocale::German, QLocale::Germany));
    const double day = 733775.0; // 3 January 2010
    const QDate expected(2010, 1, 3);

    EXPECT_EQ(dateText(day, english), test::pinnedLocale().toString(expected, QLocale::ShortFormat));
    EXPECT_EQ(dateText(day, german),
              QLocale(QLocale::German, QLocale::Germany).toString(expected, QLocale::ShortFormat));
    EXPECT_EQ(dateText(day, english), u"1/3/10");
    EXPECT_EQ(dateText(day, german), u"03.01.10");
    EXPECT_EQ(dateText(day + 0.999, english), dateText(day, english));
}

TEST(dateText, ValuesThatNameNoCalendarDayGiveTheEmptyText)
{
    const UserLocale locale(test::pinnedLocale());
    const double values[] = {0.0,
                             0.999,
                             -1.0,
                             -733775.0,
                             kLastDayCount + 1.0,
                             1e300,
                             std::numeric_limits<double>::infinity(),
                             std::numeric_limits<double>::quiet_NaN()};
    for (double value : values) {
        SCOPED_TRACE(value);
        EXPECT_TRUE(dateText(value, locale).isEmpty());
    }
    EXPECT_FALSE(dateText(1.0, locale).isEmpty());
    EXPECT_FALSE(dateText(kLastDayCount, locale).isEmpty());
}

struct NumberCase
{
    const char* text;
    double value;
};

TEST(readNumber, ReadsLeniently)
{
    const NumberCase cases[] = {
        {"12.50", 12.5},   {"1,5", 15.0},         {"A-12b", 12.0}, {"-3.2.1", -3.2}, {"2e3", 2000.0},
        {"", 0.0},         {"1.234,56", 1.23456}, {"..5", 0.0},    {"-", 0.0},       {"abc", 0.0},
        {"1 000", 1000.0}, {"12/5", 125.0},       {"-0.5", -0.5},  {"1.5E2", 150.0}, {"5e-1", 0.5},
        {"3e+2", 300.0},   {"2e", 2.0},           {"2ex5", 2.0},   {"2e1x5", 20.0},  {"2e-x", 2.0},
        {"--5", -5.0},     {" -5", 5.0},          {"7.", 7.0},     {".25", 0.25},    {"E5", 0.0},
        {"0042", 42.0},    {"1e3.5", 1000.0},
    };
    for (const NumberCase& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_DOUBLE_EQ(readNumber(QByteArrayView(c.text)), c.value);
        EXPECT_DOUBLE_EQ(readNumber(QStringView(QString::fromLatin1(c.text))), c.value);
    }
}

TEST(readNumber, SkipsCharactersOutsideAsciiInBothForms)
{
    EXPECT_DOUBLE_EQ(readNumber(QStringView(u"€ 12.5")), 12.5);
    EXPECT_DOUBLE_EQ(readNumber(QByteArrayView("\xe2\x82\xac 12.5")), 12.5);
    // Fullwidth and Arabic-Indic digits are not digits here.
    EXPECT_DOUBLE_EQ(readNumber(QStringView(u"\uff11\u0662")), 0.0);
}

TEST(readNumber, ExponentsThatOverflowOrUnderflowNeverGiveNaN)
{
    const char* texts[] = {"1e400",  "1e99999999999", "-1e400",        "1e-400", "1e-99999999999", "0e999",
                           "0e-999", "1e2147483647",  "1e-2147483648", "9e308",  "0.000001e-320"};
    for (const char* text : texts) {
        SCOPED_TRACE(text);
        EXPECT_FALSE(std::isnan(readNumber(QByteArrayView(text))));
    }
    EXPECT_EQ(readNumber(QByteArrayView("1e400")), std::numeric_limits<double>::infinity());
    EXPECT_EQ(readNumber(QByteArrayView("-1e400")), -std::numeric_limits<double>::infinity());
    EXPECT_EQ(readNumber(QByteArrayView("1e-400")), 0.0);
    EXPECT_EQ(readNumber(QByteArrayView("0e999")), 0.0);

    // Digits alone that overflow, then an exponent that vanishes.
    const QByteArray manyDigits(400, '9');
    EXPECT_EQ(readNumber(QByteArrayView(manyDigits)), std::numeric_limits<double>::infinity());
    EXPECT_FALSE(std::isnan(readNumber(QByteArrayView(manyDigits + "e-999"))));
    EXPECT_FALSE(std::isnan(readNumber(QByteArrayView(manyDigits + "e999"))));
    EXPECT_FALSE(std::isnan(readNumber(QByteArrayView("0." + manyDigits))));
}

struct WholeNumberCase
{
    const char* text;
    int value;
};

TEST(readTypedAmount, TakesOnlyWhatReadsAsAnAmount)
{
    using Problem = TypedAmountProblem;
    const struct
    {
        const char16_t* text;
        double value;
        Problem problem;
    } cases[] = {
        {u"12", 12.0, Problem::None},
        {u"2.87", 2.87, Problem::None},
        {u" 2,87 ", 2.87, Problem::None},
        {u".5", 0.5, Problem::None},
        {u"12.", 12.0, Problem::None},
        {u"0042", 42.0, Problem::None},
        {u"-0.00", 0.0, Problem::None},
        {u"", 0.0, Problem::Empty},
        {u"  ", 0.0, Problem::Empty},
        // Texts the lenient reader makes something of: 0, 12, 1.2, 1.23456, 100000, 5.
        {u"abc", 0.0, Problem::NotANumber},
        {u"12abc", 0.0, Problem::NotANumber},
        {u"1.2.3", 0.0, Problem::NotANumber},
        {u"1,234.50", 0.0, Problem::NotANumber},
        {u"1e5", 0.0, Problem::NotANumber},
        {u"\u20ac 5", 0.0, Problem::NotANumber},
        {u".", 0.0, Problem::NotANumber},
        {u"-", 0.0, Problem::NotANumber},
        {u"-5", 0.0, Problem::Negative},
        {u"- 2,5", 0.0, Problem::Negative},
    };
    for (const auto& c : cases) {
        const QString text = QString::fromUtf16(c.text);
        SCOPED_TRACE(text.toStdString());
        const TypedAmount read = readTypedAmount(text);
        EXPECT_EQ(read.problem, c.problem);
        EXPECT_DOUBLE_EQ(read.value, c.value);
    }
    EXPECT_EQ(readTypedAmount(QString(400, u'9')).problem, Problem::NotANumber) << "too large for a double";
}

TEST(readWholeNumber, ReadsASignAndDigitsUpToTheFirstOtherCharacterAndSaturates)
{
    const WholeNumberCase cases[] = {
        {"", 0},
        {"-", 0},
        {"+", 0},
        {"x12", 0},
        {"12", 12},
        {"+12", 12},
        {"-12", -12},
        {"12x3", 12},
        {"1 2", 1},
        {"--1", 0},
        {"007", 7},
        {"2147483647", 2147483647},
        {"2147483648", 2147483647},
        {"-2147483648", -2147483647 - 1},
        {"-2147483649", -2147483647 - 1},
        {"99999999999999999999999999", 2147483647},
        {"-99999999999999999999999999", -2147483647 - 1},
    };
    for (const WholeNumberCase& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(readWholeNumber(QByteArrayView(c.text)), c.value);
        EXPECT_EQ(readWholeNumber(QStringView(QString::fromLatin1(c.text))), c.value);
    }
}

} // namespace
} // namespace tallyfox
