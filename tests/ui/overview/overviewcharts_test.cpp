// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

// The overview's charts driven as a user drives them: the chart view from the form's menu, its choices,
// taps on a month and on a part, the copy and "Save as...", over a database written for each case. The
// drawn charts are checked by their size and a few pixels, not against pictures.
#include "mainwindow/mainformfixture.h"
#include "storage/databasefile.h"
#include "support/controls.h"
#include "toolkit/softkeybar.h"
#include "ui/mainwindow/entrylistview.h"
#include "ui/overview/chartpanel.h"
#include "ui/overview/chartpicture.h"
#include "ui/overview/chartview.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace tallyfox::test {
namespace {

// One database line: the date, the amount, whether it is an income, the type and the currency.
QByteArray chartEntryLine(const char* date, const char* amount, bool income, const char* type,
                          const char* currency = "EUR")
{
    const QList<QByteArray> day = QByteArray(date).split('-');
    return "item\t" + day[0] + '\t' + QByteArray::number(day[1].toInt()) + '\t' +
           QByteArray::number(day[2].toInt()) + '\t' + currency + '\t' + amount + '\t' +
           (income ? "true" : "false") + '\t' + type + "\tEmployer\tCash\tfalse\t00\t\r\n";
}

// Three months of 2009 before the fixture's today (3 January 2010): rent and food, a salary, some US$.
const QByteArray kEntries = chartEntryLine("2009-10-01", "700.00", false, "Rent") +
                            chartEntryLine("2009-10-12", "80.00", false, "Food") +
                            chartEntryLine("2009-10-28", "2000.00", true, "Salary") +
                            chartEntryLine("2009-11-01", "700.00", false, "Rent") +
                            chartEntryLine("2009-11-20", "144.00", false, "Food", "US$") +
                            chartEntryLine("2009-12-01", "700.00", false, "Rent") +
                            chartEntryLine("2009-12-24", "250.00", false, "Gifts");

class OverviewChartsTest : public ::testing::Test
{
protected:
    OverviewForm& start()
    {
        QByteArray content(kDatabaseHeader.data(), kDatabaseHeader.size());
        content += "\r\n" + kEntries;
        const QString database = fixture.settingsFolder() + QStringLiteral("mine.tfx");
        writeFileBytes(database, content);
        writeFileBytes(fixture.settingsFolder() + QStringLiteral("TallyfoxDefaults.ini"),
                       "[Currencies]\r\nEUR=Primary\r\nUS$=1.44\r\n");
        fixture.start({QStringLiteral("-f"), database});
        OverviewForm& overview = fixture.forms->overview();
        overview.resize(240, 320);
        return overview;
    }

    // The overview open on its charts, shown without its modal loop.
    OverviewForm& openCharts()
    {
        OverviewForm& overview = start();
        overview.prepare();
        overview.show();
        overview.chooseView(OverviewView::Charts);
        QCoreApplication::processEvents();
        return overview;
    }

    static ChartPanel& panel(OverviewForm& form) { return *control<ChartPanel>(form, "chartPanel"); }
    static ChartView& view(OverviewForm& form) { return *control<ChartView>(form, "chartView"); }

    static QAction* menuItem(OverviewForm& form, const QString& text)
    {
        for (QAction* action : control<QMenu>(form, "overviewMenu")->actions())
            if (action->text() == text)
                return action;
        return nullptr;
    }

    MainFormFixture fixture;
};

// Whether the picture holds a pixel of about that colour (antialiasing blends the edges).
bool holdsColour(const QImage& picture, const QColor& colour)
{
    for (int y = 0; y < picture.height(); y += 2) {
        for (int x = 0; x < picture.width(); x += 2) {
            const QColor pixel = picture.pixelColor(x, y);
            if (std::abs(pixel.red() - colour.red()) + std::abs(pixel.green() - colour.green()) +
                    std::abs(pixel.blue() - colour.blue()) <=
                12)
                return true;
        }
    }
    return false;
}

TEST_F(OverviewChartsTest, OpensOnTheMonthsBarsAndDrawsEveryKind)
{
    OverviewForm& overview = openCharts();
    EXPECT_TRUE(menuItem(overview, QStringLiteral("Charts"))->isChecked());
    EXPECT_TRUE(menuItem(overview, QStringLiteral("Save as..."))->isEnabled());
    ChartPanel& charts = panel(overview);
    EXPECT_EQ(charts.kind(), ChartKind::Months);
    // This month has no entries yet: the year up to the last month that has, whose last three hold them.
    EXPECT_EQ(spanCaption(charts.shownSpan()), u"1-2009 – 12-2009"_qs);
    ASSERT_EQ(charts.shownMonths().bars.size(), 12u);
    EXPECT_DOUBLE_EQ(charts.shownMonths().bars[9].expenses, 780.0);
    EXPECT_DOUBLE_EQ(charts.shownMonths().bars[9].income, 2000.0);

    const ChartLook look = ChartLook::of(view(overview).palette());
    for (const ChartKind kind : kChartKinds) {
        SCOPED_TRACE(static_cast<int>(kind));
        charts.chooseKind(kind);
        QCoreApplication::processEvents();
        const QImage picture = view(overview).picture();
        const QSize room = view(overview).viewport()->size();
        // Twelve bars of a finger's width are wider than the phone's screen; a ring fits the room.
        if (kind == ChartKind::Months) {
            EXPECT_GT(picture.width(), room.width());
            EXPECT_TRUE(holdsColour(picture, look.expenses));
            EXPECT_TRUE(holdsColour(picture, look.income));
        } else {
            EXPECT_EQ(picture.size(), room);
            EXPECT_TRUE(holdsColour(picture, look.parts[0]));
            // The ring's hole shows the background.
            const QPointF middle = view(overview).chart()->plotArea().center();
            EXPECT_EQ(picture.pixelColor(middle.toPoint() + QPoint(0, 20)), look.background);
        }
        EXPECT_EQ(picture.pixelColor(1, picture.height() - 2), look.background);
    }
    overview.hide();
    overview.release();
}

TEST_F(OverviewChartsTest, ATapOnAMonthShowsThatMonthsRingAndTheModeNarrowsIt)
{
    OverviewForm& overview = openCharts();
    ChartView& chart = view(overview);
    // The newest months are in sight, October 2009 among them.
    QPoint october;
    for (int x = 0; x < chart.viewport()->width() && october.isNull(); ++x) {
        const QPoint at(x, chart.viewport()->height() / 2);
        if (chart.monthAt(at) == monthNumberOf(QDate(2009, 10, 1)))
            october = at;
    }
    ASSERT_FALSE(october.isNull());
    QTest::mouseClick(chart.viewport(), Qt::LeftButton, {}, october);
    ChartPanel& charts = panel(overview);
    EXPECT_EQ(charts.kind(), ChartKind::ExpenseTypes);
    EXPECT_EQ(spanCaption(charts.shownSpan()), u"10-2009"_qs);
    EXPECT_EQ(control<QComboBox>(overview, "periodChoice")->currentText(), u"10-2009"_qs);
    // "Expenses - Income": the salary's income is no part of the ring.
    QStringList parts;
    for (const ShareSlice& slice : charts.shownShares().slices)
        parts.append(slice.value);
    EXPECT_EQ(parts, (QStringList{u"Rent"_qs, u"Food"_qs}));
    EXPECT_EQ(charts.shownShares().leftOut, 1);
    control<QComboBox>(overview, "modeChoice")->setCurrentIndex(2);
    ASSERT_EQ(charts.shownShares().slices.size(), 1u);
    EXPECT_EQ(charts.shownShares().slices[0].value, u"Salary"_qs);
    overview.hide();
    overview.release();
}

TEST_F(OverviewChartsTest, ATapOnAPartClosesTheOverviewOnItsEntries)
{
    OverviewForm& overview = start();
    bool asked = false;
    QTimer::singleShot(0, &overview, [&] {
        overview.chooseView(OverviewView::Charts);
        ChartPanel& charts = panel(overview);
        charts.chooseKind(ChartKind::ExpenseTypes);
        charts.choosePeriod(2);
        // All months: rent, the gifts, food.
        ASSERT_EQ(charts.shownShares().slices[1].value, u"Gifts"_qs);
        charts.tapPart(1);
        asked = true;
    });
    control<QAction>(*fixture.form, "overviewAction")->trigger();
    EXPECT_TRUE(asked);
    EXPECT_FALSE(overview.isVisible());
    // The list shows the gifts alone, the first of them selected.
    const int entry = fixture.form->list()->selectedEntry();
    ASSERT_GE(entry, 0);
    EXPECT_EQ(fixture.state->entries[entry].type, u"Gifts"_qs);
    const QAbstractItemModel* model = fixture.form->list()->model();
    for (int row = 0; row < model->rowCount(); ++row)
        EXPECT_EQ(model->index(row, 0).data().toString(), u"Gifts"_qs);
    overview.chooseView(OverviewView::Overview);
}

TEST_F(OverviewChartsTest, CopiesTheChartAsAPictureAndSavesItAsPngOrSvg)
{
    OverviewForm& overview = openCharts();
    menuItem(overview, QStringLiteral("Copy to clipboard"))->trigger();
    const QImage copied = QGuiApplication::clipboard()->image();
    EXPECT_EQ(copied.size(), view(overview).picture().size());

    const struct
    {
        const char* name;
        QByteArray start;
    } files[] = {{"chart.png", "\x89PNG"}, {"chart.svg", "<?xml"}};
    for (const auto& file : files) {
        const QString path = fixture.folder.file(QString::fromLatin1(file.name));
        fixture.prompts.answerFile(path);
        menuItem(overview, QStringLiteral("Save as..."))->trigger();
        QFile saved(path);
        ASSERT_TRUE(saved.open(QIODevice::ReadOnly)) << file.name;
        EXPECT_TRUE(saved.readAll().startsWith(file.start)) << file.name;
    }
    // On the report there is no chart to save.
    overview.chooseView(OverviewView::Overview);
    EXPECT_FALSE(menuItem(overview, QStringLiteral("Save as..."))->isEnabled());
    overview.hide();
    overview.release();
}

// What tallyfox-cli's chart library draws: a picture of the size asked for, from the same chart.
TEST(ChartPicture, DrawsEachKindAtTheSizeAskedFor)
{
    ChartImageRequest request;
    request.months.bars = {{monthNumberOf(QDate(2024, 1, 1)), 120.0, 300.0},
                           {monthNumberOf(QDate(2024, 2, 1)), 80.0, 0.0}};
    request.months.span = {request.months.bars[0].month, 2};
    request.shares.slices = {{u"Rent"_qs, 700.0}, {u"Food"_qs, 80.0}};
    request.shares.total = 780.0;
    request.title = QStringLiteral("Months");
    request.size = QSize(320, 200);
    for (const ChartKind kind : {ChartKind::Months, ChartKind::ExpenseTypes}) {
        request.kind = kind;
        request.format = ChartImageFormat::Png;
        QImage picture;
        ASSERT_TRUE(picture.loadFromData(chartpicture::draw(request), "PNG"));
        EXPECT_EQ(picture.size(), QSize(320, 200));
        request.format = ChartImageFormat::Svg;
        EXPECT_TRUE(chartpicture::draw(request).contains("<svg"));
    }
    EXPECT_EQ(chartpicture::formatOfFileName(u"a.SVG"_qs), ChartImageFormat::Svg);
    EXPECT_EQ(chartpicture::formatOfFileName(u"a.jpg"_qs), std::nullopt);
}

} // namespace
} // namespace tallyfox::test
