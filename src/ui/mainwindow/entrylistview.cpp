// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "ui/mainwindow/entrylistview.h"

#include "session/entrycells.h"
#include "toolkit/fingerscrolling.h"
#include "toolkit/longpress.h"
#include "toolkit/programfont.h"
#include "toolkit/programstyle.h"
#include "ui/mainwindow/entrylistmodel.h"

#include <QContextMenuEvent>
#include <QHeaderView>
#include <QMouseEvent>
#include <QScrollBar>
#include <QScroller>
#include <QStyledItemDelegate>

namespace tallyfox {

namespace {

constexpr std::array<int, kListColumnCount> kCreationWidths = {80, 50, 80, 60, 40, 55, 80, 80, 50};

// The list is a list of rows: the current cell gets no focus box of its own.
class RowDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QStyleOptionViewItem row = option;
        row.state &= ~QStyle::State_HasFocus;
        QStyledItemDelegate::paint(painter, row, index);
    }
};

} // namespace

EntryListView::EntryListView(EntryListModel* model, QWidget* parent)
    : QTableView(parent), m_model(model), m_longPress(new LongPress(this))
{
    setObjectName(QStringLiteral("entryList"));
    m_longPress->setObjectName(QStringLiteral("longPress"));
    setModel(model);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setFrameShape(QFrame::NoFrame);
    setShowGrid(false);
    setWordWrap(false);
    setTabKeyNavigation(false);
    verticalHeader()->hide();
    const QFont listFont = programfont::font();
    setFont(listFont);
    // Every row has the same height, so the view never measures rows it does not draw.
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(QFontMetrics(listFont).height() + 4);

    QHeaderView* header = horizontalHeader();
    header->setObjectName(QStringLiteral("entryListHeader"));
    header->setSectionsClickable(true);
    header->setSectionsMovable(false);
    header->setHighlightSections(false);
    header->setSortIndicatorShown(false);
    // A wider window widens the last column rather than leaving a blank strip.
    header->setStretchLastSection(true);
    header->setMinimumSectionSize(0);
    header->setFont(programfont::font(programfont::kCaptionPixelSize));
    header->setTextElideMode(Qt::ElideRight);
    header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    for (int column = 0; column < kListColumnCount; ++column) {
        m_widths[size_t(column)] = kCreationWidths[size_t(column)];
        header->resizeSection(column, m_widths[size_t(column)]);
    }
    connect(header, &QHeaderView::sectionClicked, this, &EntryListView::headerTapped);
    // The window system turns a second quick tap into a double click, which the header does not count
    // as a click: two quick taps on a header are two taps all the same.
    connect(header, &QHeaderView::sectionDoubleClicked, this, &EntryListView::headerTapped);
    setItemDelegate(new RowDelegate(this));

    // A finger drags the list; a press held still opens the list menu, a drag never does.
    fingerscrolling::enable(*this);
    if (fingerscrolling::isOnPhone(*this))
        header->setMinimumHeight(ProgramStyle::kTouchHeight);
    m_longPress->followScroller(QScroller::scroller(viewport()));
    connect(m_longPress, &LongPress::held, this,
            [this](QPoint at) { requestMenu(at, viewport()->mapToGlobal(at)); });
}

int EntryListView::selectedRow() const
{
    const QModelIndexList rows = selectionModel() ? selectionModel()->selectedRows() : QModelIndexList();
    int first = -1;
    for (const QModelIndex& index : rows) {
        if (first < 0 || index.row() < first)
            first = index.row();
    }
    return first;
}

void EntryListView::selectRow(int row)
{
    QTableView::selectRow(row);
}

int EntryListView::selectedEntry() const
{
    return m_model->entryAt(selectedRow());
}

void EntryListView::selectEntry(int entry)
{
    const int row = rowOfEntry(entry);
    if (row < 0) {
        clearSelection();
        return;
    }
    scrollTo(m_model->index(row, 0), QAbstractItemView::EnsureVisible);
    selectRow(row);
}

int EntryListView::rowOfEntry(int entry) const
{
    return m_model->rowOf(entry);
}

void EntryListView::requestMenu(const QPoint& at, const QPoint& globalPosition)
{
    const QModelIndex index = indexAt(at);
    m_menuEntry = index.isValid() ? m_model->entryAt(index.row()) : -1;
    m_menuColumn = index.isValid() ? index.column() : -1;
    Q_EMIT listMenuRequested(globalPosition);
}

void EntryListView::scrollTo(const QModelIndex& index, ScrollHint hint)
{
    // Moving between rows, by key or by click, never scrolls the list sideways.
    const int across = horizontalScrollBar()->value();
    QTableView::scrollTo(index, hint);
    horizontalScrollBar()->setValue(across);
}

QModelIndex EntryListView::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers)
{
    if (action == MoveLeft || action == MoveRight || action == MoveNext || action == MovePrevious)
        return currentIndex();
    // Home and End go to the first and the last row, as they do with Control in a table of cells.
    if (action == MoveHome || action == MoveEnd)
        return QTableView::moveCursor(action, modifiers | Qt::ControlModifier);
    return QTableView::moveCursor(action, modifiers);
}

void EntryListView::applyWidths(const ColumnArray<int>& widths)
{
    for (const ColumnId id : kColumnIds) {
        const int column = listSectionOf(id);
        m_widths[size_t(column)] = fittedWidth(column, std::max(0, widths[id]));
        horizontalHeader()->resizeSection(column, m_widths[size_t(column)]);
        horizontalHeader()->setSectionHidden(column, widths[id] <= 0);
    }
}

void EntryListView::applyColumns(const Settings& settings, const QString& primaryCaption)
{
    QHeaderView* header = horizontalHeader();
    for (int position = 0; position < kColumnCount; ++position) {
        for (const ColumnId id : kColumnIds) {
            if (settings.columnPositions[id] == position) {
                const int column = listSectionOf(id);
                header->moveSection(header->visualIndex(column), position);
            }
        }
    }
    for (const ColumnId id : kColumnIds) {
        const int column = listSectionOf(id);
        if (settings.columnPositions[id] > settings.lastVisibleColumn) {
            header->setSectionHidden(column, true);
        } else if (header->isSectionHidden(column) || header->sectionSize(column) == 0) {
            header->setSectionHidden(column, false);
            m_widths[size_t(column)] = fittedWidth(column, kDefaultColumnWidths[id]);
            header->resizeSection(column, m_widths[size_t(column)]);
        }
    }
    m_model->setPrimaryCaption(primaryCaption);
}

int EntryListView::fittedWidth(int column, int width) const
{
    if (width <= 0 || column != int(ListColumn::Date))
        return width;
    // The widest date of the user's short form (two-digit day and month, eights) shows whole: in the
    // C locale's ISO form it needs a little more than the Date column's usual width.
    const QString widest = m_model->state().locale.shortDate(QDate(2088, 12, 28));
    const int margins = 2 * (style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1);
    return std::max(width, QFontMetrics(font()).horizontalAdvance(widest) + margins);
}

int EntryListView::lastVisibleSection() const
{
    const QHeaderView* header = horizontalHeader();
    for (int visual = header->count() - 1; visual >= 0; --visual) {
        if (!header->isSectionHidden(header->logicalIndex(visual)))
            return visual;
    }
    return -1;
}

int EntryListView::columnWidth(int column) const
{
    const QHeaderView* header = horizontalHeader();
    if (header->isSectionHidden(column))
        return 0;
    // The last column keeps its own width: what it has beyond that only fills the window.
    if (header->logicalIndex(lastVisibleSection()) == column)
        return std::min(header->sectionSize(column), m_widths[size_t(column)]);
    return header->sectionSize(column);
}

ColumnArray<int> EntryListView::currentWidths() const
{
    ColumnArray<int> widths{};
    for (const ColumnId id : kColumnIds)
        widths[id] = columnWidth(listSectionOf(id));
    return widths;
}

void EntryListView::revealRow(int row)
{
    if (row < 0 || row >= m_model->rowCount())
        return;
    scrollTo(m_model->index(row, 0), QAbstractItemView::EnsureVisible);
    selectRow(row);
}

void EntryListView::mousePressEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    // A tap selects the tapped row (the view does so); a tap below the last row changes nothing.
    if (indexAt(at).isValid() && event->button() == Qt::LeftButton)
        m_longPress->press(at);
    QTableView::mousePressEvent(event);
}

void EntryListView::mouseReleaseEvent(QMouseEvent* event)
{
    m_longPress->release();
    QTableView::mouseReleaseEvent(event);
}

void EntryListView::mouseMoveEvent(QMouseEvent* event)
{
    m_longPress->move(event->position().toPoint());
    QTableView::mouseMoveEvent(event);
}

void EntryListView::mouseDoubleClickEvent(QMouseEvent* event)
{
    m_longPress->cancel();
    const QModelIndex index = indexAt(event->position().toPoint());
    if (index.isValid())
        Q_EMIT rowDoubleTapped(index.row());
}

void EntryListView::contextMenuEvent(QContextMenuEvent* event)
{
    const QModelIndex index = indexAt(event->pos());
    if (index.isValid())
        selectRow(index.row());
    requestMenu(event->pos(), event->globalPos());
}

} // namespace tallyfox
