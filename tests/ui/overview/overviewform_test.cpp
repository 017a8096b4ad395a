// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

// The overview form driven as a user drives it: through the main window's command and the form's own
// menu, choice boxes and keys, over a database written for each case.
#include "mainwindow/mainformfixture.h"
#include "storage/databasefile.h"
#include "support/controls.h"
#include "toolkit/softkeybar.h"
#include "toolkit/systemservices.h"

#include <QAction>
#include <QComboBox>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace tallyfox::test {
namespace {

// One database line: the date, the amount, whether it is an income, the type and the currency.
QByteArray entryLine(const char* date, const char* amount, bool income, const char* type,
                     const char* currency = "EUR")
{
    const QList<QByteArray> day = QByteArray(date).split('-');
    return "item\t" + day[0] + '\t' + QByteArray::number(day[1].toInt()) + '\t' +
           QByteArray::number(day[2].toInt()) + '\t' + currency + '\t' + amount + '\t' +
           (income ? "true" : "false") + '\t' + type + "\tEmployer\tCash\tfalse\t00\t\r\n";
}

class OverviewFormTest : public ::testing::Test
{
protected:
    OverviewForm& start(const QByteArray& entries)
    {
        QByteArray content(kDatabaseHeader.data(), kDatabaseHeader.size());
        content += "\r\n" + entries;
        const QString database = fixture.settingsFolder() + QStringLiteral("mine.tfx");
        writeFileBytes(database, content);
        writeFileBytes(fixture.settingsFolder() + QStringLiteral("TallyfoxDefaults.ini"),
                       "[Currencies]\r\nEUR=Primary\r\nUS$=1.44\r\n");
        fixture.start({QStringLiteral("-f"), database});
        return fixture.forms->overview();
    }

    // Opens the overview from the main menu, runs work while it is up, and closes it with "OK".
    void whileOpen(const std::function<void(OverviewForm&)>& work)
    {
        OverviewForm& overview = fixture.forms->overview();
        bool ran = false;
        QTimer::singleShot(0, &overview, [&] {
            ran = overview.isVisible();
            work(overview);
            QTest::mouseClick(
                test::control<SoftKeyBar>(overview, "softKeyBar")->button(SoftKeyBar::Key::Right),
                Qt::LeftButton);
        });
        test::control<QAction>(*fixture.form, "overviewAction")->trigger();
        EXPECT_TRUE(ran);
        EXPECT_FALSE(overview.isVisible());
    }

    static QAction* menuItem(OverviewForm& form, const QString& text)
    {
        for (QAction* action : test::control<QMenu>(form, "overviewMenu")->actions())
            if (action->text() == text)
                return action;
        return nullptr;
    }

    static QStringList headers(const OverviewForm& form)
    {
        QStringList captions;
        const QAbstractItemModel* model = test::control<QTableView>(form, "monthTable")->model();
        for (int column = 0; column < model->columnCount(); ++column)
            captions.append(model->headerData(column, Qt::Horizontal).toString());
        return captions;
    }

    MainFormFixture fixture;
};

struct MonthRangeCase
{
    const char* name;
    QByteArray entries;
    QStringList months;
};

class OverviewMonthRange : public OverviewFormTest, public ::testing::WithParamInterface<MonthRangeCase>
{};

TEST_P(OverviewMonthRange, RunsFromTheOldestToTheNewestMonthAcrossYearEnds)
{
    OverviewForm& overview = start(GetParam().entries);
    overview.prepare();
    overview.chooseView(OverviewView::ExpenseTypes);
    QStringList expected{QStringLiteral("Type"), QStringLiteral("Total")};
    expected += GetParam().months;
    expected.append(QStringLiteral("Type"));
    EXPECT_EQ(headers(overview), expected);
    overview.release();
}

INSTANTIATE_TEST_SUITE_P(
    Overview, OverviewMonthRange,
    ::testing::Values(
        MonthRangeCase{"EmptyMonthsBetween",
                       entryLine("2010-02-02", "5.00", false, "Dinner") +
                           entryLine("2009-11-15", "7.00", false, "Lunch"),
                       {"11-2009", "12-2009", "1-2010", "2-2010"}},
        MonthRangeCase{"LastAndFirstDayOfTheYear",
                       entryLine("2009-12-31", "5.00", false, "Dinner") +
                           entryLine("2010-01-01", "7.00", false, "Lunch"),
                       {"12-2009", "1-2010"}},
        MonthRangeCase{"DecemberAlone", entryLine("2008-12-24", "5.00", false, "Gifts"), {"12-2008"}},
        MonthRangeCase{"OverTwoYearEnds",
                       entryLine("2008-11-30", "1.00", false, "A") +
                           entryLine("2010-01-01", "1.00", false, "A"),
                       {"11-2008", "12-2008", "1-2009", "2-2009", "3-2009", "4-2009", "5-2009", "6-2009",
                        "7-2009", "8-2009", "9-2009", "10-2009", "11-2009", "12-2009", "1-2010"}},
        MonthRangeCase{"NoEntries", QByteArray(), {}}),
    [](const ::testing::TestParamInfo<MonthRangeCase>& info) { return std::string(info.param.name); });

TEST_F(OverviewFormTest, CopiesATableOfTwoMonthsWithItsHeaderTheEmptyRowAndTheTotal)
{
    start(entryLine("2009-12-20", "12.50", false, "Dinner") +
          entryLine("2010-01-02", "3.20", false, "Lunch") + entryLine("2010-01-03", "20.00", true, "Dinner"));
    whileOpen([](OverviewForm& overview) {
        menuItem(overview, QStringLiteral("Expense types / month"))->trigger();
        QTest::keyClick(test::control<QTableView>(overview, "monthTable"), Qt::Key_C, Qt::ControlModifier);
    });
    EXPECT_EQ(clipboardText(), QStringLiteral("Type\tTotal\t12-2009\t1-2010\t\r\n"
                                              "Dinner\t-7.50\t12.50\t-20.00\t\r\n"
                                              "Lunch\t3.20\t0.00\t3.20\t\r\n"
                                              "\t\t\t\t\r\n"
                                              "Total\t-4.30\t12.50\t-16.80\t\r\n"));
}

TEST_F(OverviewFormTest, KeepsTheViewAndTheModeBetweenOpeningsButNotTheCurrency)
{
    start(entryLine("2010-01-02", "3.20", false, "Lunch") + entryLine("2010-01-03", "20.00", true, "Dinner") +
          entryLine("2010-01-03", "14.40", false, "Taxi", "US$"));
    QStringList totals;
    const auto total = [&](OverviewForm& overview) {
        totals.append(
            test::control<QTableView>(overview, "monthTable")->model()->index(0, 1).data().toString());
    };
    whileOpen([&](OverviewForm& overview) {
        menuItem(overview, QStringLiteral("Int. sources / month"))->trigger();
        EXPECT_EQ(test::control<QComboBox>(overview, "currencyChoice")->currentText(),
                  QStringLiteral("Converted to EUR"));
        test::control<QComboBox>(overview, "currencyChoice")->setCurrentIndex(2);
        test::control<QComboBox>(overview, "modeChoice")->setCurrentIndex(1);
        total(overview);
    });
    whileOpen([&](OverviewForm& overview) {
        EXPECT_EQ(overview.view(), OverviewView::IntendedSources);
        EXPECT_TRUE(menuItem(overview, QStringLiteral("Int. sources / month"))->isChecked());
        EXPECT_TRUE(test::control<QWidget>(overview, "overviewTablePanel")->isVisible());
        EXPECT_EQ(test::control<QComboBox>(overview, "currencyChoice")->currentText(),
                  QStringLiteral("Converted to EUR"));
        EXPECT_EQ(test::control<QComboBox>(overview, "modeChoice")->currentText(),
                  QStringLiteral("Expenses only"));
        total(overview);
        // The mode changes the numbers, not the columns.
        const QStringList before = headers(overview);
        test::control<QComboBox>(overview, "modeChoice")->setCurrentIndex(0);
        EXPECT_EQ(headers(overview), before);
        total(overview);
    });
    // US$ alone, unconverted; then everything in EUR: expenses only, and expenses less the income.
    EXPECT_EQ(totals,
              (QStringList{QStringLiteral("14.40"), QStringLiteral("13.20"), QStringLiteral("-6.80")}));
    // Closing lets the table go.
    EXPECT_EQ(test::control<QTableView>(fixture.forms->overview(), "monthTable")->model()->rowCount(), 0);
}

TEST_F(OverviewFormTest, SwitchesBetweenTheReportAndTheTablesFromItsMenu)
{
    start(entryLine("2010-01-02", "3.20", false, "Lunch"));
    whileOpen([](OverviewForm& overview) {
        const auto checked = [&] {
            QStringList items;
            for (QAction* action : test::control<QMenu>(overview, "overviewMenu")->actions())
                if (action->isChecked())
                    items.append(action->text());
            return items;
        };
        EXPECT_EQ(overview.view(), OverviewView::Overview);
        EXPECT_EQ(checked(), QStringList{QStringLiteral("Overview")});
        EXPECT_TRUE(test::control<QPlainTextEdit>(overview, "overviewText")->isVisible());
        EXPECT_FALSE(test::control<QWidget>(overview, "overviewTablePanel")->isVisible());
        const QString report = test::control<QPlainTextEdit>(overview, "overviewText")->toPlainText();
        EXPECT_TRUE(report.startsWith(QStringLiteral("Filename:\n")));

        // The report is copied with its CR LF line ends.
        QTest::keyClick(test::control<QPlainTextEdit>(overview, "overviewText"), Qt::Key_C,
                        Qt::ControlModifier);
        QString expected = report;
        EXPECT_EQ(clipboardText(), expected.replace(QStringLiteral("\n"), QStringLiteral("\r\n")));

        menuItem(overview, QStringLiteral("Paym. methods / month"))->trigger();
        EXPECT_EQ(checked(), QStringList{QStringLiteral("Paym. methods / month")});
        EXPECT_FALSE(test::control<QPlainTextEdit>(overview, "overviewText")->isVisible());
        EXPECT_TRUE(test::control<QWidget>(overview, "overviewTablePanel")->isVisible());
        EXPECT_EQ(headers(overview).constFirst(), QStringLiteral("Paym. method"));
        EXPECT_EQ(test::control<QTableView>(overview, "monthTable")->model()->index(0, 0).data().toString(),
                  QStringLiteral("Cash"));
        menuItem(overview, QStringLiteral("Copy to clipboard"))->trigger();
        EXPECT_TRUE(clipboardText().startsWith(QStringLiteral("Paym. method\tTotal\t1-2010\t\r\n")));

        // Back on the report, the copied table is not what the box shows.
        menuItem(overview, QStringLiteral("Overview"))->trigger();
        EXPECT_EQ(checked(), QStringList{QStringLiteral("Overview")});
        EXPECT_TRUE(test::control<QPlainTextEdit>(overview, "overviewText")->isVisible());
        EXPECT_EQ(test::control<QPlainTextEdit>(overview, "overviewText")->toPlainText(), report);
    });
}

} // namespace
} // namespace tallyfox::test
