// What the main window does for the overview's charts: this month's line as the options choose it, and
// the entries that a tap on a chart's part asks for.
#include "session/session.h"
#include "storage/monthlinesetting.h"
#include "ui/mainwindow/entrylistview.h"
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
    // The list shows every entry: the first of those asked for is selected and scrolled to, so that the
    // entry commands act on it. A filter over the list would show them all instead.
    const int row = firstPickedEntry(m_session.state().entries, pick);
    if (row >= 0)
        m_list->revealRow(row);
    m_list->setFocus();
}

} // namespace tallyfox
