// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "ui/mainwindow/keptselection.h"

#include "ui/mainwindow/entrylistview.h"

#include <QScrollBar>
#include <cmath>

namespace tallyfox {

namespace {

// The file keeps the day without its time and the amount in cents; an entry read back is the one stored
// when those and its texts agree.
bool storedAlike(const Expense& a, const Expense& b)
{
    return std::floor(a.date) == std::floor(b.date) && qRound64(a.amount * 100) == qRound64(b.amount * 100) &&
           a.income == b.income && a.hasReceipt == b.hasReceipt && a.type == b.type &&
           a.currency == b.currency && a.intendedSource == b.intendedSource && a.paidWith == b.paidWith &&
           a.note == b.note && a.receipt == b.receipt;
}

} // namespace

KeptSelection::KeptSelection(const EntryListView& list, const AppState& state)
    : m_entryIndex(list.selectedEntry()), m_scroll(list.verticalScrollBar()->value())
{
    if (m_entryIndex >= 0 && m_entryIndex < state.entryCount())
        m_entry = state.entries[m_entryIndex];
}

void KeptSelection::restore(EntryListView& list, const AppState& state) const
{
    // The scroll range follows the new rows only once they are laid out.
    list.doItemsLayout();
    list.verticalScrollBar()->setValue(m_scroll);
    if (!m_entry)
        return;
    const int row = list.rowOfEntry(findStoredEntry(state.entries, *m_entry, m_entryIndex));
    if (row >= 0)
        list.selectRow(row);
    else
        list.clearSelection();
}

int KeptSelection::findStoredEntry(const ExpenseArray& entries, const Expense& entry, int near)
{
    const int count = entries.count();
    near = std::clamp(near, 0, std::max(0, count - 1));
    // Outwards from near: an entry added or removed elsewhere moves the others by a row or two at most,
    // unless the file was sorted.
    for (int step = 0; step < count; ++step) {
        for (const int row : {near + step, near - step}) {
            if (row >= 0 && row < count && storedAlike(entries[row], entry))
                return row;
            if (step == 0)
                break;
        }
        if (near + step >= count && near - step < 0)
            break;
    }
    return -1;
}

} // namespace tallyfox
