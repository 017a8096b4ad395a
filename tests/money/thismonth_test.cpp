// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "money/overviewreport.h"
#include "money/thismonth.h"
#include "moneyfixtures.h"
#include "platform/clock.h"
#include "storage/databasefile.h"

#include <QDateTime>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace tallyfox {
namespace {

using test::kEuroTable;
using test::makeState;

// The income and expense sums in the primary currency that the report's "This month" section gives: its
// "In …" line, or, when every amount is in the primary currency, that currency's line.
std::pair<QString, QString> reportedThisMonth(const AppState& state, QDate today)
{
    const QString report = buildOverviewText(state, Clock(QDateTime(today, QTime(9, 0))));
    const QStringList lines = report.split(u"\r\n"_qs);
    const qsizetype start = lines.indexOf(QRegularExpression(QStringLiteral("^This month \\(\\d+\\)$")));
    const QString primary = state.currencies[0].name;
    std::pair<QString, QString> sums{u"0.00"_qs, u"0.00"_qs};
    for (qsizetype i = start + 1; i < lines.size() && !lines[i].isEmpty(); ++i) {
        const QString& line = lines[i];
        if (!line.startsWith(primary + u": "_qs) && !line.startsWith(u"In "_qs + primary + u": "_qs))
            continue;
        // "EUR: income - expense = balance"
        const QStringList parts = line.section(u": "_qs, 1).split(u' ');
        sums = {parts.value(0), parts.value(2)};
    }
    return sums;
}

// The line's sums are the report's, for databases in one currency, in several and with one the table
// lacks, on days in and around their months.
TEST(ThisMonth, SumsAsTheReportsThisMonth)
{
    AppState sample(test::pinnedLocale());
    buildCurrencyTable(sample, {u"EUR=Primary"_qs, u"US$=1.09"_qs, u"GBP=0.855"_qs, u"SEK=11.45"_qs});
    sample.databasePath = QStringLiteral(TALLYFOX_TEST_DATA_FOLDER "/../../data/sample.tfx");
    ASSERT_TRUE(readDatabaseFile(sample).ok());
    const AppState mixed =
        makeState(kEuroTable, {{.type = "Salary", .amount = 2500, .income = true, .day = 1},
                               {.type = "Taxi", .currency = "US$", .amount = 14.40, .day = 31},
                               {.type = "Hotel", .currency = "GBP", .amount = 89, .day = 3},
                               {.type = "Taxi", .amount = 20, .month = 2, .day = 1}});
    const AppState euros = makeState(kEuroTable, {{.amount = 12.5, .day = 2}, {.amount = 7.25, .day = 20}});
    struct Case
    {
        const char* name;
        const AppState& state;
        QDate today;
    };
    const Case cases[] = {
        {"sample", sample, QDate(2024, 3, 15)}, {"sample", sample, QDate(2023, 1, 1)},
        {"sample", sample, QDate(2010, 1, 3)},  {"mixed", mixed, QDate(2010, 1, 31)},
        {"mixed", mixed, QDate(2010, 2, 1)},    {"euros", euros, QDate(2010, 1, 3)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.name << " " << c.today.toString(Qt::ISODate).toStdString());
        const ConvertedTotals totals = thisMonthTotals(c.state, c.today);
        const auto [income, expense] = reportedThisMonth(c.state, c.today);
        EXPECT_EQ(thisMonthText(totals),
                  QStringLiteral("This month: expenses\u00a0%1 · income\u00a0%2").arg(expense, income));
    }
}

// Amounts in a currency the table lacks are left out, and said to be.
TEST(ThisMonth, LeavesOutWhatCannotBeConverted)
{
    const AppState state =
        makeState(kEuroTable, {{.amount = 10, .day = 2}, {.currency = "XYZ", .amount = 99, .day = 3}});
    const ConvertedTotals totals = thisMonthTotals(state, QDate(2010, 1, 20));
    EXPECT_EQ(thisMonthText(totals), u"This month: expenses\u00a010.00 · income\u00a00.00"_qs);
    EXPECT_TRUE(totals.notAllFound);
    EXPECT_EQ(totals.count, 2);
    EXPECT_FALSE(thisMonthTotals(state, QDate(2010, 2, 1)).notAllFound);
}

} // namespace
} // namespace tallyfox
