// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

// What the main window does for the overview's charts: this month's line as the options choose it, and
// the entries that a tap on a chart's part asks for.
#include "session/session.h"
#include "storage/monthlinesetting.h"
#include "ui/mainwindow/entrylistmodel.h"
#include "ui/mainwindow/entrylistview.h"
#include "ui/mainwindow/filterbar.h"
#include "ui/mainwindow/mainform.h"
#include "ui/mainwindow/monthline.h"

namespace tallyfox {

void MainForm::applyMonthLineSetting()
{
    m_monthLine->setShown(readMonthLineShown(m_session.registry()), m_session.state(),
                          m_session.clock().today());
}

namespace {

// The filter that shows what a chart's part counts: its value, its days, and the chart's narrowing to
// expenses or incomes and to one currency.
EntryFilter filterOfPick(const EntryPick& pick)
{
    EntryFilter filter;
    filter.from = pick.from;
    filter.to = pick.to;
    filter.income = pick.income;
    switch (pick.view) {
    case OverviewView::IntendedSources:
        filter.value(FilterField::IntendedSource) = pick.value;
        break;
    case OverviewView::PaymentMethods:
        filter.value(FilterField::PaidWith) = pick.value;
        break;
    default:
        filter.value(FilterField::Type) = pick.value;
        break;
    }
    if (pick.currency)
        filter.value(FilterField::Currency) = *pick.currency;
    return filter;
}

} // namespace

void MainForm::showEntries(const EntryPick& pick)
{
    // The list shows the part's entries through the filter, the first of them selected so that the entry
    // commands act on it. Should the filter's looser matching (case and accents ignored) still hide it,
    // the filter is cleared instead.
    const int entry = firstPickedEntry(m_session.state().entries, pick);
    if (entry >= 0) {
        m_filterBar->setFilter(filterOfPick(pick));
        if (m_model->rowOf(entry) < 0)
            m_filterBar->clearFilter();
        m_list->revealRow(m_model->rowOf(entry));
    }
    m_list->setFocus();
}

} // namespace tallyfox
