// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include "money/chartimage.h"
#include "money/chartseries.h"
#include "ui/overview/chartlook.h"

#include <QChartView>
#include <QImage>

namespace tallyfox {

// One chart on screen. The months' bars keep a finger's width each: when they need more room than the
// view has, the chart is wider and a finger (or the scroll bar) moves it, and it opens on the newest
// months. A tap anywhere in a month's column taps that month; a tap on a part of the ring, or on its
// name in the legend, taps that part.
class ChartView : public QChartView
{
    Q_OBJECT

public:
    explicit ChartView(QWidget* parent = nullptr);
    ~ChartView() override;

    void showMonths(const MonthSeries& series, const ChartLook& look);
    void showShares(const ShareSeries& series, const ChartLook& look);

    // The whole chart, also what is scrolled out of sight, as it is drawn.
    [[nodiscard]] QImage picture();
    [[nodiscard]] QByteArray encoded(ChartImageFormat format);

    // The month whose column holds a point of the view, if any.
    [[nodiscard]] std::optional<int> monthAt(QPoint point) const;

Q_SIGNALS:
    void monthTapped(int month);
    void partTapped(int index);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void replaceChart(QChart* chart, int width);
    void fitChart();
    void pinMonthsLegend();

    std::vector<int> m_months;
    // The width the chart asks for; the view's own width when it is 0.
    int m_wantedWidth = 0;
    QPoint m_pressedAt;
    bool m_pressed = false;
};

} // namespace tallyfox
