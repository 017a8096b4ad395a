// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

// The main window's line of this month's totals: what it says after start-up and after a change, that a
// tap opens the overview, and that the options' first page turns it off for good.
#include "mainwindow/mainformfixture.h"
#include "money/overviewreport.h"
#include "session/session.h"
#include "storage/databasefile.h"
#include "support/controls.h"
#include "support/entrybuilder.h"
#include "toolkit/softkeybar.h"
#include "ui/mainwindow/monthline.h"

#include <QAction>
#include <QCheckBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace tallyfox::test {
namespace {

class MonthLineTest : public ::testing::Test
{
protected:
    MainForm& start()
    {
        QByteArray content(kDatabaseHeader.data(), kDatabaseHeader.size());
        // The fixture's today is 3 January 2010.
        content += "\r\nitem\t2010\t1\t2\tEUR\t12.50\tfalse\tTaxi\tEmployer\tCash\tfalse\t00\t\r\n"
                   "item\t2010\t1\t3\tUS$\t14.40\tfalse\tTaxi\tEmployer\tCash\tfalse\t00\t\r\n"
                   "item\t2010\t1\t1\tEUR\t100.00\ttrue\tSalary\tEmployer\tCash\tfalse\t00\t\r\n"
                   "item\t2009\t12\t31\tEUR\t99.00\tfalse\tTaxi\tEmployer\tCash\tfalse\t00\t\r\n";
        const QString database = fixture.settingsFolder() + QStringLiteral("mine.tfx");
        writeFileBytes(database, content);
        writeFileBytes(fixture.settingsFolder() + QStringLiteral("TallyfoxDefaults.ini"),
                       "[Currencies]\r\nEUR=Primary\r\nUS$=1.44\r\n");
        MainForm& main = fixture.start({QStringLiteral("-f"), database});
        fixture.prompts.clear();
        return main;
    }

    MonthLine& line() { return *control<MonthLine>(*fixture.form, "monthLine"); }

    // The report's converted line of this month, as the command line's report prints it.
    QString reportedThisMonth()
    {
        const QStringList lines =
            buildOverviewText(*fixture.state, fixture.session->clock()).split(u"\r\n"_qs);
        const qsizetype start = lines.indexOf(QRegularExpression(QStringLiteral("This month \\(\\d+\\)")));
        for (qsizetype i = start; i >= 0 && i < lines.size() && !lines[i].isEmpty(); ++i) {
            if (lines[i].startsWith(u"In EUR: "))
                return lines[i];
        }
        return QString();
    }

    MainFormFixture fixture;
};

TEST_F(MonthLineTest, TellsThisMonthAsTheReportDoesAndFollowsChanges)
{
    start();
    EXPECT_TRUE(line().isVisibleTo(fixture.form));
    EXPECT_EQ(reportedThisMonth(), u"In EUR: 100.00 - 22.50 = 77.50"_qs);
    EXPECT_EQ(line().text(), u"This month: expenses\u00a022.50 · income\u00a0100.00"_qs);

    fixture.state->entries.append(makeExpense({.currency = "XYZ", .amount = 5, .date = QDate(2010, 1, 3)}));
    fixture.session->refreshList(false);
    EXPECT_EQ(line().text(), u"This month: expenses\u00a022.50 · income\u00a0100.00\n"
                             "(Not all currencies found in list!)"_qs);
    // A line below the list, at least a finger high.
    EXPECT_GE(line().height(), 26);
    EXPECT_GT(line().geometry().top(), fixture.form->list()->geometry().bottom());
}

TEST_F(MonthLineTest, ATapOpensTheOverview)
{
    start();
    OverviewForm& overview = fixture.forms->overview();
    bool opened = false;
    QTimer::singleShot(0, &overview, [&] {
        opened = overview.isVisible();
        overview.closeWith(FormBase::kResultOk);
    });
    QTest::mouseClick(&line(), Qt::LeftButton, {}, line().rect().center());
    EXPECT_TRUE(opened);
}

TEST_F(MonthLineTest, TheOptionsTurnItOffInARegistryValueOfItsOwn)
{
    MainForm& main = start();
    OptionsForm& options = fixture.forms->options();
    QTimer::singleShot(0, &options, [&] {
        auto* box = control<QCheckBox>(options, "showMonthLineBox");
        EXPECT_TRUE(box->isChecked());
        box->setChecked(false);
        QTest::mouseClick(control<SoftKeyBar>(options, "softKeyBar")->button(SoftKeyBar::Key::Right),
                          Qt::LeftButton);
    });
    control<QAction>(main, "optionsAction")->trigger();
    EXPECT_FALSE(line().isVisibleTo(fixture.form));
    const QString registry = fixture.registryText();
    EXPECT_TRUE(registry.contains(
        u"[HKEY_LOCAL_MACHINE\\Software\\Tallyfox\\MonthLine]\r\n\"Shown\"=dword:00000000"_qs))
        << registry.toStdString();

    fixture.close();
    start();
    EXPECT_FALSE(line().isVisibleTo(fixture.form));
}

} // namespace
} // namespace tallyfox::test
