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

void MainForm::showEntries(const EntryPick& pick)
{
    // The first of the entries asked for is selected and scrolled to, so that the entry commands act on
    // it; a filter that hides it is cleared first.
    const int entry = firstPickedEntry(m_session.state().entries, pick);
    if (entry >= 0) {
        if (m_model->rowOf(entry) < 0)
            m_filterBar->clearFilter();
        m_list->revealRow(m_model->rowOf(entry));
    }
    m_list->setFocus();
}

} // namespace tallyfox
