// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

// How imported cells read: amounts as banks write them, dates in the usual orders, and the guesses made
// from a whole column.
#include "session/importvalues.h"

#include <cmath>
#include <gtest/gtest.h>

namespace tallyfox {
namespace {

struct AmountCase
{
    const char16_t* text;
    char16_t mark;
    double value;
    AmountProblem problem = AmountProblem::None;
};

TEST(ImportedAmount, ReadsTheWaysBanksAndSpreadsheetsWriteAmounts)
{
    const AmountCase cases[] = {
        {u"12.50", u'.', 12.5},
        {u"12,50", u',', 12.5},
        {u"-3.5", u'.', -3.5},
        {u"3.50-", u'.', -3.5},
        {u"(42.10)", u'.', -42.1},
        {u"\u22127.00", u'.', -7.0},
        {u"1,234.56", u'.', 1234.56},
        {u"1.234,56", u',', 1234.56},
        {u"1 234,56", u',', 1234.56},
        {u"1'234.56", u'.', 1234.56},
        {u"2.345.678,90", u',', 2345678.9},
        {u"\u20ac 1.050,00", u',', 1050.0},
        {u"-$12.50", u'.', -12.5},
        {u"12.50 EUR", u'.', 12.5},
        {u"+25", u'.', 25.0},
        {u".5", u'.', 0.5},
        {u"0,005", u',', 0.01},
        {u"  7  ", u'.', 7.0},
        {u"", u'.', 0.0, AmountProblem::Empty},
        {u"   ", u',', 0.0, AmountProblem::Empty},
        {u"abc", u'.', 0.0, AmountProblem::NotANumber},
        {u"1,5,0", u',', 0.0, AmountProblem::NotANumber},
        {u"12,50", u'.', 0.0, AmountProblem::WrongDecimalMark},
        {u"1.5", u',', 0.0, AmountProblem::WrongDecimalMark},
        {u"12..5", u'.', 0.0, AmountProblem::NotANumber},
        {u"--5", u'.', 0.0, AmountProblem::NotANumber},
        {u"(5", u'.', 0.0, AmountProblem::NotANumber},
        {u"-(5)", u'.', 0.0, AmountProblem::NotANumber},
        {u"5 + 3", u'.', 0.0, AmountProblem::NotANumber},
        {u"1e5", u'.', 0.0, AmountProblem::NotANumber},
        {u"1000000000", u'.', 0.0, AmountProblem::TooLarge},
        {u"999999999.99", u'.', 999999999.99},
    };
    for (const AmountCase& c : cases) {
        SCOPED_TRACE(QString::fromUtf16(c.text).toStdString());
        const ImportedAmount amount = readImportedAmount(QString::fromUtf16(c.text), QChar(c.mark));
        EXPECT_EQ(amount.problem, c.problem);
        EXPECT_DOUBLE_EQ(amount.value, c.value);
    }
}

TEST(ImportedAmount, EveryAmountIsTheNumberItsTextReadsAsRoundedToCents)
{
    // Short amounts are read digit by digit, long ones as text; both must give the very same double.
    const auto asText = [](const QString& digits) {
        const QString number = digits + (digits.contains(u'.') ? QStringLiteral("0") : QStringLiteral(".0"));
        return std::round(number.toDouble() * 100.0) / 100.0;
    };
    quint64 state = 12345;
    for (int i = 0; i < 20000; ++i) {
        state = state * 6364136223846793005ULL + 1442695040888963407ULL;
        const qint64 cents = qint64((state >> 20) % 10000000000ULL);
        const int fractionDigits = int((state >> 8) % 4);
        QString text = QString::number(cents / 100);
        if (fractionDigits > 0)
            text += u'.' + QString::number(cents % 100).rightJustified(2, u'0').left(fractionDigits) +
                    (fractionDigits > 2 ? QStringLiteral("7") : QString());
        SCOPED_TRACE(text.toStdString());
        EXPECT_EQ(readImportedAmount(text, u'.').value, asText(text));
    }
    for (const char16_t* text : {u"000000000000000012.345", u"0.1234567890123456", u"12345678.9999999",
                                 u"99999999.995", u"0000000000000000000001"}) {
        SCOPED_TRACE(QString::fromUtf16(text).toStdString());
        EXPECT_EQ(readImportedAmount(QString::fromUtf16(text), u'.').value, asText(QString::fromUtf16(text)));
    }
}

TEST(ImportedAmount, TheDecimalMarkIsFoundFromTheColumn)
{
    EXPECT_EQ(detectDecimalMark({QStringLiteral("12,50"), QStringLiteral("1.234,00")}, u'.'), u',');
    EXPECT_EQ(detectDecimalMark({QStringLiteral("12.50"), QStringLiteral("1,234.00")}, u','), u'.');
    EXPECT_EQ(detectDecimalMark({QStringLiteral("1,234,567")}, u','), u'.') << "only thousands repeat";
    // Three digits after the mark tell nothing, nor do whole numbers.
    EXPECT_EQ(detectDecimalMark({QStringLiteral("1,234"), QStringLiteral("17")}, u'.'), u'.');
    EXPECT_EQ(detectDecimalMark({QStringLiteral("1,234"), QStringLiteral("17")}, u','), u',');
}

struct DateCase
{
    const char16_t* pattern;
    const char16_t* text;
    QDate date;
};

TEST(ImportDateFormat, ReadsEachOrderWithOrWithoutLeadingZeros)
{
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    const QDate today(2024, 6, 1);
    const DateCase cases[] = {
        {u"yyyy-MM-dd", u"2023-01-03", QDate(2023, 1, 3)},
        {u"yyyy-MM-dd", u"2023-1-3", QDate(2023, 1, 3)},
        {u"yyyy-MM-dd", u"2023-01-03T10:22:00", QDate(2023, 1, 3)},
        {u"d.M.yyyy", u"03.01.2023", QDate(2023, 1, 3)},
        {u"d.M.yyyy", u"3.1.2023 10:22", QDate(2023, 1, 3)},
        {u"d/M/yyyy", u"13/1/2023", QDate(2023, 1, 13)},
        {u"M/d/yyyy", u"1/13/2023", QDate(2023, 1, 13)},
        {u"M/d/yy", u"2/3/10", QDate(2010, 2, 3)},
        {u"M/d/yy", u"2/3/44", QDate(2044, 2, 3)},
        {u"M/d/yy", u"2/3/45", QDate(1945, 2, 3)},
        {u"dd.MM.yy", u"24.12.09", QDate(2009, 12, 24)},
        {u"d MMM yyyy", u"3 Jan 2023", QDate(2023, 1, 3)},
        {u"d MMM yyyy", u"3 january 2023", QDate(2023, 1, 3)},
        {u"d.M.yyyy", u"31.2.2023", QDate()},
        {u"d.M.yyyy", u"2023-01-03", QDate()},
        {u"M/d/yyyy", u"1/13/23", QDate()},
        {u"d.M.yyyy", u"03.01.2023x", QDate()},
        {u"yyyy-MM-dd", u"", QDate()},
    };
    for (const DateCase& c : cases) {
        SCOPED_TRACE((QString::fromUtf16(c.pattern) + u' ' + QString::fromUtf16(c.text)).toStdString());
        const std::optional<QDate> read =
            DateFormat(QString::fromUtf16(c.pattern)).read(QString::fromUtf16(c.text), english, today);
        EXPECT_EQ(read.value_or(QDate()), c.date);
    }
    EXPECT_FALSE(DateFormat(QStringLiteral("dddd d.M.yyyy")).isValid()) << "a day name cannot be read";
}

TEST(ImportDateFormat, TheFormatIsFoundFromTheColumnAndAnUnclearOrderIsSaid)
{
    const QLocale german(QLocale::German, QLocale::Germany);
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    const QDate today(2024, 6, 1);
    const auto guess = [&](const QStringList& cells, const QLocale& locale) {
        const QList<QStringView> views(cells.cbegin(), cells.cend());
        return detectDateFormat(views, locale, today);
    };
    const auto formats = [&](const QStringList& cells, const QLocale& locale) {
        return guess(cells, locale).formats;
    };
    EXPECT_EQ(formats({QStringLiteral("2023-01-03"), QStringLiteral("2023-12-31")}, german),
              QStringList{QStringLiteral("yyyy-MM-dd")});
    EXPECT_EQ(formats({QStringLiteral("03.01.2023"), QString(), QStringLiteral("31.12.2023")}, english),
              QStringList{QStringLiteral("d.M.yyyy")});
    EXPECT_EQ(formats({QStringLiteral("1/13/2023"), QStringLiteral("2/1/2023")}, german),
              QStringList{QStringLiteral("M/d/yyyy")});
    // Day and month both up to 12: either order reads them; the locale's order comes first.
    const QStringList unclear = {QStringLiteral("1/3/2023"), QStringLiteral("2/1/2023")};
    EXPECT_EQ(formats(unclear, english),
              (QStringList{QStringLiteral("M/d/yyyy"), QStringLiteral("d/M/yyyy")}));
    const QLocale british(QLocale::English, QLocale::UnitedKingdom);
    EXPECT_EQ(formats(unclear, british).first(), QStringLiteral("dd/MM/yyyy"));
    EXPECT_TRUE(guess(unclear, english).isAmbiguous());
    EXPECT_TRUE(formats({QStringLiteral("someday")}, english).isEmpty());
}

} // namespace
} // namespace tallyfox
