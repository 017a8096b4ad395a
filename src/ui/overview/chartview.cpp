// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "ui/overview/chartview.h"

#include "toolkit/fingerscrolling.h"
#include "ui/overview/chartbuilder.h"
#include "ui/overview/chartpicture.h"

#include <QBarSeries>
#include <QChart>
#include <QLegend>
#include <QLegendMarker>
#include <QMouseEvent>
#include <QPieSeries>
#include <QScrollBar>
#include <QScroller>

namespace tallyfox {

namespace {

// A press that moves farther than this is a drag, not a tap.
constexpr int kTapSlack = 8;

} // namespace

ChartView::ChartView(QWidget* parent) : QChartView(parent)
{
    setObjectName(QStringLiteral("chartView"));
    setRenderHint(QPainter::Antialiasing);
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    fingerscrolling::enable(*this);
    connect(horizontalScrollBar(), &QScrollBar::valueChanged, this, &ChartView::pinMonthsLegend);
}

ChartView::~ChartView() = default;

void ChartView::replaceChart(QChart* chart, int width)
{
    QChart* old = this->chart();
    m_wantedWidth = width;
    setChart(chart);
    delete old;
    // The chart view would make the chart's smallest size its own; the form gives the room.
    setMinimumSize(0, 0);
    fitChart();
}

void ChartView::showMonths(const MonthSeries& series, const ChartLook& look)
{
    m_months.clear();
    for (const MonthBar& bar : series.bars)
        m_months.push_back(bar.month);
    replaceChart(chartbuilder::monthsChart(series, look, QString()),
                 chartbuilder::monthsChartWidth(static_cast<int>(series.bars.size()), 0));
    // The newest months first.
    horizontalScrollBar()->setValue(horizontalScrollBar()->maximum());
}

void ChartView::showShares(const ShareSeries& series, const ChartLook& look)
{
    m_months.clear();
    QChart* chart = chartbuilder::sharesChart(series, look, QString());
    replaceChart(chart, 0);
    for (QAbstractSeries* shown : chart->series()) {
        auto* ring = qobject_cast<QPieSeries*>(shown);
        if (!ring)
            continue;
        connect(ring, &QPieSeries::clicked, this,
                [this, ring](QPieSlice* slice) { Q_EMIT partTapped(ring->slices().indexOf(slice)); });
        const QList<QLegendMarker*> markers = chart->legend()->markers(ring);
        for (int i = 0; i < markers.size(); ++i)
            connect(markers[i], &QLegendMarker::clicked, this, [this, i] { Q_EMIT partTapped(i); });
    }
}

void ChartView::fitChart()
{
    QChart* shown = chart();
    if (!shown)
        return;
    const QSize room = viewport()->size();
    const int width = std::max(room.width(), m_wantedWidth);
    shown->resize(width, room.height());
    setSceneRect(0, 0, width, room.height());
    pinMonthsLegend();
}

void ChartView::pinMonthsLegend()
{
    QChart* shown = chart();
    if (!shown || m_months.empty())
        return;
    // Bars wider than the view scroll under their legend, which stays in sight at the top.
    QLegend* legend = shown->legend();
    const bool scrolls = m_wantedWidth > viewport()->width();
    const int height = QFontMetrics(legend->font()).height() + 10;
    if (!scrolls) {
        if (!legend->isAttachedToChart()) {
            legend->attachToChart();
            shown->setMargins(QMargins(2, 2, 2, 2));
        }
        return;
    }
    if (legend->isAttachedToChart()) {
        legend->detachFromChart();
        shown->setMargins(QMargins(2, height + 2, 2, 2));
    }
    legend->setGeometry(QRectF(horizontalScrollBar()->value(), 0, viewport()->width(), height));
    legend->update();
}

void ChartView::resizeEvent(QResizeEvent* event)
{
    // Not the chart view's own, which would fit the chart to the view and nothing wider.
    QGraphicsView::resizeEvent(event);
    fitChart();
}

std::optional<int> ChartView::monthAt(QPoint point) const
{
    QChart* shown = chart();
    if (m_months.empty() || !shown || shown->series().isEmpty())
        return std::nullopt;
    const QPointF inChart = shown->mapFromScene(mapToScene(point));
    const QRectF plot = shown->plotArea();
    // The whole column counts, and the month captions below it.
    if (inChart.x() < plot.left() || inChart.x() > plot.right() || inChart.y() < plot.top())
        return std::nullopt;
    const QPointF value = shown->mapToValue(QPointF(inChart.x(), plot.center().y()), shown->series().first());
    const int index = qRound(value.x());
    if (index < 0 || index >= static_cast<int>(m_months.size()))
        return std::nullopt;
    return m_months[static_cast<size_t>(index)];
}

void ChartView::mousePressEvent(QMouseEvent* event)
{
    m_pressed = event->button() == Qt::LeftButton;
    m_pressedAt = event->position().toPoint();
    QChartView::mousePressEvent(event);
}

void ChartView::mouseReleaseEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    const QScroller::State scrolling = QScroller::scroller(viewport())->state();
    const bool tap = m_pressed && event->button() == Qt::LeftButton &&
                     (at - m_pressedAt).manhattanLength() <= kTapSlack && scrolling != QScroller::Dragging &&
                     scrolling != QScroller::Scrolling;
    m_pressed = false;
    QChartView::mouseReleaseEvent(event);
    if (tap) {
        if (const std::optional<int> month = monthAt(at))
            Q_EMIT monthTapped(*month);
    }
}

QImage ChartView::picture()
{
    return chartpicture::image(*scene(), sceneRect());
}

QByteArray ChartView::encoded(ChartImageFormat format)
{
    return chartpicture::encoded(*scene(), sceneRect(), format, QString());
}

} // namespace tallyfox
