// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "ui/overview/chartbuilder.h"

#include "core/textforms.h"
#include "toolkit/programstyle.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QCoreApplication>
#include <QFontMetricsF>
#include <QGraphicsLayout>
#include <QGraphicsSimpleTextItem>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPieSeries>
#include <QPieSlice>
#include <QValueAxis>
#include <algorithm>

namespace tallyfox::chartbuilder {

namespace {

// Room for the value axis's labels and the chart's margins beside the months.
constexpr int kValueAxisRoom = 44;

QChart* emptyChart(const ChartLook& look, const QString& title)
{
    auto* chart = new QChart;
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->setBackgroundRoundness(0);
    chart->setBackgroundBrush(look.background);
    chart->setBackgroundPen(Qt::NoPen);
    chart->setMargins(QMargins(2, 2, 2, 2));
    chart->layout()->setContentsMargins(0, 0, 0, 0);
    chart->setTitleFont(look.caption);
    chart->setTitleBrush(look.text);
    chart->setTitle(title);
    QLegend* legend = chart->legend();
    legend->setFont(look.labels);
    legend->setLabelColor(look.text);
    legend->setBackgroundVisible(false);
    return chart;
}

QBarSet* barSet(const QString& name, const QColor& colour)
{
    auto* set = new QBarSet(name);
    set->setColor(colour);
    set->setBorderColor(colour);
    return set;
}

void styleAxis(QAbstractAxis* axis, const ChartLook& look)
{
    axis->setLabelsFont(look.labels);
    axis->setLabelsColor(look.text);
    axis->setLinePenColor(look.grid);
    axis->setGridLineColor(look.grid);
}

// The ring's legend is placed here rather than by the chart, which would cut its names short on a narrow
// screen: beside the ring where the names leave it at least kSmallestRing pixels, else below it. Called
// whenever the chart's size changes.
constexpr qreal kSmallestRing = 90;

void placeRingLegend(QChart* chart, const ChartLook& look, int parts)
{
    QLegend* legend = chart->legend();
    if (parts == 0 || legend->isAttachedToChart())
        return;
    const QFontMetricsF metrics(look.labels);
    qreal widest = 0;
    for (QLegendMarker* marker : legend->markers())
        widest = std::max(widest, metrics.horizontalAdvance(marker->label()));
    // The marker, the gaps around it and the legend's own margins.
    const qreal width = widest + metrics.height() + 40;
    const qreal height = parts * (metrics.height() * 1.5 + 4) + 16;
    const QRectF area = chart->rect();
    if (area.width() - width >= kSmallestRing) {
        chart->setMargins(QMargins(2, 2, int(width) + 2, 2));
        legend->setGeometry(QRectF(area.right() - width, area.center().y() - height / 2, width, height));
    } else {
        chart->setMargins(QMargins(2, 2, 2, int(height) + 2));
        legend->setGeometry(QRectF(area.left() + 4, area.bottom() - height, area.width() - 8, height));
    }
    legend->update();
}

// A text in the middle of the ring, kept there when the chart's plot area moves.
void putInMiddle(QChart* chart, const QString& text, const ChartLook& look)
{
    auto* middle = new QGraphicsSimpleTextItem(text, chart);
    middle->setFont(look.caption);
    middle->setBrush(look.text);
    const auto centre = [chart, middle, look] {
        // As large as the ring's hole holds it, else smaller, else not at all.
        const qreal hole = std::min(chart->plotArea().width(), chart->plotArea().height()) * 0.95 * 0.5;
        middle->setFont(look.caption);
        if (middle->boundingRect().width() > hole * 0.9)
            middle->setFont(look.labels);
        middle->setVisible(middle->boundingRect().width() <= hole * 0.9);
        const QRectF box = middle->boundingRect();
        middle->setPos(chart->plotArea().center() - QPointF(box.width() / 2, box.height() / 2));
    };
    QObject::connect(chart, &QChart::plotAreaChanged, chart, centre);
    centre();
}

} // namespace

int monthsChartWidth(int months, int room)
{
    return std::max(room, kValueAxisRoom + months * ProgramStyle::kTouchHeight);
}

QChart* monthsChart(const MonthSeries& series, const ChartLook& look, const QString& title)
{
    QChart* chart = emptyChart(look, title);
    auto* bars = new QBarSeries;
    QBarSet* expenses = series.showsExpenses
                            ? barSet(QCoreApplication::translate("Charts", "Expenses"), look.expenses)
                            : nullptr;
    QBarSet* income =
        series.showsIncome ? barSet(QCoreApplication::translate("Charts", "Income"), look.income) : nullptr;
    auto* balance = series.showsBalance ? new QLineSeries : nullptr;
    QStringList months;
    double lowest = 0.0;
    double highest = 0.0;
    for (size_t i = 0; i < series.bars.size(); ++i) {
        const MonthBar& bar = series.bars[i];
        months.append(monthCaption(bar.month));
        if (expenses)
            expenses->append(bar.expenses);
        if (income)
            income->append(bar.income);
        if (balance)
            balance->append(static_cast<qreal>(i), bar.balance());
        for (const double value :
             {expenses ? bar.expenses : 0.0, income ? bar.income : 0.0, balance ? bar.balance() : 0.0}) {
            lowest = std::min(lowest, value);
            highest = std::max(highest, value);
        }
    }
    for (QBarSet* set : {expenses, income}) {
        if (set)
            bars->append(set);
    }
    bars->setBarWidth(0.8);
    chart->addSeries(bars);

    auto* monthAxis = new QBarCategoryAxis;
    monthAxis->append(months);
    monthAxis->setLabelsAngle(-90);
    monthAxis->setGridLineVisible(false);
    styleAxis(monthAxis, look);
    auto* valueAxis = new QValueAxis;
    valueAxis->setRange(lowest, highest > lowest ? highest : lowest + 1.0);
    valueAxis->applyNiceNumbers();
    valueAxis->setLabelFormat(QStringLiteral("%.0f"));
    styleAxis(valueAxis, look);
    chart->addAxis(monthAxis, Qt::AlignBottom);
    chart->addAxis(valueAxis, Qt::AlignLeft);
    bars->attachAxis(monthAxis);
    bars->attachAxis(valueAxis);
    if (balance) {
        balance->setName(QCoreApplication::translate("Charts", "Balance"));
        QPen pen(look.balance);
        pen.setWidth(2);
        balance->setPen(pen);
        balance->setPointsVisible(true);
        chart->addSeries(balance);
        balance->attachAxis(monthAxis);
        balance->attachAxis(valueAxis);
    }
    chart->legend()->setAlignment(Qt::AlignTop);
    return chart;
}

QChart* sharesChart(const ShareSeries& series, const ChartLook& look, const QString& title)
{
    QChart* chart = emptyChart(look, title);
    auto* ring = new QPieSeries;
    ring->setHoleSize(0.5);
    ring->setPieSize(0.95);
    for (size_t i = 0; i < series.slices.size(); ++i) {
        const ShareSlice& part = series.slices[i];
        const QString name =
            part.value.isEmpty() ? QCoreApplication::translate("Charts", "(none)") : part.value;
        QPieSlice* slice = ring->append(name + u' ' + amountText(part.amount), part.amount);
        const QColor colour = part.others ? look.grid : look.parts[static_cast<int>(i) % look.parts.size()];
        slice->setColor(colour);
        slice->setBorderColor(look.background);
        slice->setLabelVisible(false);
    }
    chart->addSeries(ring);
    chart->legend()->setAlignment(Qt::AlignRight);
    chart->legend()->setVisible(!series.slices.empty());
    chart->legend()->detachFromChart();
    const int parts = static_cast<int>(series.slices.size());
    QObject::connect(chart, &QGraphicsWidget::geometryChanged, chart,
                     [chart, look, parts] { placeRingLegend(chart, look, parts); });
    putInMiddle(chart,
                series.slices.empty() ? QCoreApplication::translate("Charts", "Nothing\nto show")
                                      : amountText(series.total),
                look);
    return chart;
}

} // namespace tallyfox::chartbuilder
