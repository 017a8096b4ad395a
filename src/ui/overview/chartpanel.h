// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include "money/chartseries.h"
#include "money/entrypick.h"

#include <QWidget>

class QComboBox;

namespace tallyfox {

class ChartView;
class Clock;
struct AppState;

// The overview's charts: a chart choice (the months' bars, or a ring per type, source or method) and a
// period choice (the last 12 or 24 months, all months, or one month) above the chart. The tables' currency
// and mode choices drive the charts too. A tap on a month's bars shows that month's ring; a tap on a part
// of a ring asks for its entries.
class ChartPanel : public QWidget
{
    Q_OBJECT

public:
    ChartPanel(const AppState& state, const Clock& clock, QWidget* parent = nullptr);

    // Sums the entries anew for the tables' choices and shows the chosen chart; the chart and period
    // choices stay as they were left.
    void showChart(int currencyChoice, int modeChoice);
    // Lets the sums go, as the tables' are when the overview closes.
    void release();

    void chooseKind(ChartKind kind);
    // The period choice's items: 0 the last 12 months, 1 the last 24, 2 all months, then one item per
    // month of the entries, the newest first.
    void choosePeriod(int item);
    // What a tap on a month's bars does: that month's ring, by the ring last chosen.
    void showMonth(int month);
    // What a tap on a part does: its entries are asked for. The part that gathers the smallest sums
    // names no entries.
    void tapPart(int index);

    [[nodiscard]] ChartKind kind() const { return m_kind; }
    [[nodiscard]] MonthSpan shownSpan() const { return m_span; }
    [[nodiscard]] const ChartTables& tables() const { return m_tables; }
    [[nodiscard]] const ShareSeries& shownShares() const { return m_shares; }
    [[nodiscard]] const MonthSeries& shownMonths() const { return m_monthSeries; }
    [[nodiscard]] ChartView* view() const { return m_view; }
    // What the chart shows, in words: its choice, months, currency and mode.
    [[nodiscard]] QString title() const;

Q_SIGNALS:
    void entriesRequested(const EntryPick& pick);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void sum();
    void fillPeriods();
    void draw();
    [[nodiscard]] ChartPeriod chosenPeriod() const;

    const AppState& m_state;
    const Clock& m_clock;
    QComboBox* m_kindBox;
    QComboBox* m_periodBox;
    ChartView* m_view;
    ChartKind m_kind = ChartKind::Months;
    // The ring a tap on a month shows: the one last chosen.
    ChartKind m_ringKind = ChartKind::ExpenseTypes;
    // The one month chosen, if any; otherwise the period item.
    std::optional<int> m_month;
    int m_periodItem = 0;
    int m_currencyChoice = 0;
    int m_modeChoice = 0;
    bool m_summed = false;
    ChartTables m_tables;
    MonthSpan m_span;
    MonthSeries m_monthSeries;
    ShareSeries m_shares;
};

} // namespace tallyfox
