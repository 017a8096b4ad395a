// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "ui/overview/chartpanel.h"

#include "core/appstate.h"
#include "money/currencytable.h"
#include "platform/clock.h"
#include "ui/overview/chartview.h"
#include "ui/widgets/shownenglish.h"

#include <QComboBox>

namespace tallyfox {

namespace {

constexpr int kChoiceWidth = 115;
constexpr int kChoiceHeight = 20;
// The period choice's fixed items before the months.
constexpr int kLast12 = 0;
constexpr int kLast24 = 1;
constexpr int kAllMonths = 2;
constexpr int kFirstMonthItem = 3;

} // namespace

ChartPanel::ChartPanel(const AppState& state, const Clock& clock, QWidget* parent)
    : QWidget(parent), m_state(state), m_clock(clock), m_kindBox(new QComboBox(this)),
      m_periodBox(new QComboBox(this)), m_view(new ChartView(this))
{
    setObjectName(QStringLiteral("chartPanel"));
    m_kindBox->setObjectName(QStringLiteral("chartChoice"));
    m_periodBox->setObjectName(QStringLiteral("periodChoice"));
    m_kindBox->setAccessibleName(tr("Chart"));
    m_periodBox->setAccessibleName(tr("Period"));
    for (const QString& kind : chartKindItems())
        m_kindBox->addItem(shownEnglish("ChartSeries", kind));
    m_kindBox->setGeometry(0, 0, kChoiceWidth, kChoiceHeight);
    m_periodBox->setGeometry(kChoiceWidth, 0, kChoiceWidth, kChoiceHeight);
    setTabOrder(m_kindBox, m_periodBox);
    setTabOrder(m_periodBox, m_view);
    connect(m_kindBox, &QComboBox::activated, this, [this](int item) { chooseKind(kChartKinds[item]); });
    connect(m_periodBox, &QComboBox::activated, this, &ChartPanel::choosePeriod);
    connect(m_view, &ChartView::monthTapped, this, &ChartPanel::showMonth);
    connect(m_view, &ChartView::partTapped, this, &ChartPanel::tapPart);
}

void ChartPanel::showChart(int currencyChoice, int modeChoice)
{
    m_currencyChoice = currencyChoice;
    m_modeChoice = modeChoice;
    sum();
    fillPeriods();
    draw();
}

void ChartPanel::release()
{
    m_tables = ChartTables();
    m_monthSeries = MonthSeries();
    m_shares = ShareSeries();
    m_summed = false;
}

void ChartPanel::sum()
{
    m_tables = buildChartTables(m_state, m_kind, m_currencyChoice, m_modeChoice);
    m_summed = true;
}

void ChartPanel::fillPeriods()
{
    const MonthSpan months = tableMonths(
        m_kind == ChartKind::Months ? m_tables.expenses.monthCount() > 0 ? m_tables.expenses : m_tables.income
                                    : m_tables.shares);
    const QSignalBlocker blocker(m_periodBox);
    m_periodBox->clear();
    m_periodBox->addItems({tr("Last 12 months"), tr("Last 24 months"), tr("All months")});
    for (int month = months.last(); months.count > 0 && month >= months.first; --month)
        m_periodBox->addItem(monthCaption(month), month);
    int item = m_month ? m_periodBox->findData(*m_month) : m_periodItem;
    if (item < 0) {
        m_month.reset();
        item = m_periodItem;
    }
    m_periodBox->setCurrentIndex(item);
}

ChartPeriod ChartPanel::chosenPeriod() const
{
    if (m_month)
        return m_kind == ChartKind::Months ? ChartPeriod{12, *m_month} : ChartPeriod{1, *m_month};
    switch (m_periodItem) {
    case kLast24:
        return {24, std::nullopt};
    case kAllMonths:
        return {0, std::nullopt};
    default:
        return {12, std::nullopt};
    }
}

void ChartPanel::draw()
{
    const ChartLook look = ChartLook::of(palette());
    const int thisMonth = monthNumberOf(m_clock.today());
    {
        const QSignalBlocker blocker(m_kindBox);
        m_kindBox->setCurrentIndex(static_cast<int>(m_kind));
    }
    if (m_kind == ChartKind::Months) {
        const MonthTable& table = m_tables.expenses.monthCount() > 0 ? m_tables.expenses : m_tables.income;
        m_span = periodSpan(chosenPeriod(), tableMonths(table), thisMonth);
        m_monthSeries = monthSeries(m_tables, m_span);
        m_shares = ShareSeries();
        m_view->showMonths(m_monthSeries, look);
    } else {
        m_span = periodSpan(chosenPeriod(), tableMonths(m_tables.shares), thisMonth);
        m_shares = shareSeries(m_tables, m_span);
        m_monthSeries = MonthSeries();
        m_view->showShares(m_shares, look);
    }
}

void ChartPanel::chooseKind(ChartKind kind)
{
    if (kind != ChartKind::Months)
        m_ringKind = kind;
    const bool resum = kind != m_kind || !m_summed;
    m_kind = kind;
    if (resum)
        sum();
    draw();
}

void ChartPanel::choosePeriod(int item)
{
    if (item >= kFirstMonthItem) {
        m_month = m_periodBox->itemData(item).toInt();
    } else {
        m_month.reset();
        m_periodItem = std::max(kLast12, std::min(item, kAllMonths));
    }
    {
        const QSignalBlocker blocker(m_periodBox);
        m_periodBox->setCurrentIndex(item);
    }
    draw();
}

void ChartPanel::showMonth(int month)
{
    const int item = m_periodBox->findData(month);
    if (item < 0)
        return;
    m_month = month;
    {
        const QSignalBlocker blocker(m_periodBox);
        m_periodBox->setCurrentIndex(item);
    }
    chooseKind(m_ringKind);
}

void ChartPanel::tapPart(int index)
{
    if (index < 0 || index >= static_cast<int>(m_shares.slices.size()) || m_span.count <= 0)
        return;
    const ShareSlice& part = m_shares.slices[static_cast<size_t>(index)];
    if (part.others)
        return;
    EntryPick pick;
    pick.view = m_shares.view;
    pick.value = part.value;
    pick.from = firstDayOfMonth(m_span.first);
    pick.to = lastDayOfMonth(m_span.last());
    if (m_tables.mode == TableMode::ExpensesOnly)
        pick.income = false;
    else if (m_tables.mode == TableMode::IncomeOnly)
        pick.income = true;
    if (m_currencyChoice >= 1 && m_currencyChoice <= m_state.currencyCount())
        pick.currency = trimText(m_state.currencies[m_currencyChoice - 1].name).toString();
    Q_EMIT entriesRequested(pick);
}

QString ChartPanel::title() const
{
    const QStringList currencies = currencyChoiceItems(m_state.currencies);
    return chartTitle(m_kind, m_span, currencies.value(m_currencyChoice), m_modeChoice);
}

void ChartPanel::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    m_view->setGeometry(0, kChoiceHeight, width(), std::max(0, height() - kChoiceHeight));
}

} // namespace tallyfox
