#include "ui/entrylistview.h"

#include "session/entrycells.h"
#include "toolkit/programfont.h"
#include "ui/entrylistmodel.h"

#include <QContextMenuEvent>
#include <QHeaderView>
#include <QMouseEvent>

namespace tallyfox {

namespace {

constexpr std::array<int, kListColumnCount> kCreationWidths = {80, 50, 80, 60, 40, 55, 80, 80, 50};
constexpr int kLongPressMs = 600;

} // namespace

EntryListView::EntryListView(EntryListModel* model, QWidget* parent) : QTableView(parent), m_model(model)
{
    setObjectName(QStringLiteral("entryList"));
    setModel(model);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setFrameShape(QFrame::NoFrame);
    setShowGrid(false);
    setWordWrap(false);
    setTabKeyNavigation(false);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
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
    header->setStretchLastSection(false);
    header->setMinimumSectionSize(0);
    header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    for (int column = 0; column < kListColumnCount; ++column)
        header->resizeSection(column, kCreationWidths[size_t(column)]);
    connect(header, &QHeaderView::sectionClicked, this, &EntryListView::headerTapped);

    m_longPress.setSingleShot(true);
    m_longPress.setInterval(kLongPressMs);
    connect(&m_longPress, &QTimer::timeout, this,
            [this] { Q_EMIT listMenuRequested(viewport()->mapToGlobal(m_pressPosition)); });
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

void EntryListView::applyWidths(const std::array<int, kColumnCount>& widths)
{
    for (int k = 0; k < kColumnCount; ++k) {
        const int column = kColumnOfIdentifier[size_t(k)];
        horizontalHeader()->resizeSection(column, std::max(0, widths[size_t(k)]));
        horizontalHeader()->setSectionHidden(column, widths[size_t(k)] <= 0);
    }
}

void EntryListView::applyColumns(const Settings& settings, const QString& primaryCaption)
{
    QHeaderView* header = horizontalHeader();
    for (int position = 0; position < kColumnCount; ++position) {
        for (int k = 0; k < kColumnCount; ++k) {
            if (settings.columnPositions[size_t(k)] == position) {
                const int column = kColumnOfIdentifier[size_t(k)];
                header->moveSection(header->visualIndex(column), position);
            }
        }
    }
    for (int k = 0; k < kColumnCount; ++k) {
        const int column = kColumnOfIdentifier[size_t(k)];
        if (settings.columnPositions[size_t(k)] > settings.lastVisibleColumn) {
            header->setSectionHidden(column, true);
        } else if (header->isSectionHidden(column) || header->sectionSize(column) == 0) {
            header->setSectionHidden(column, false);
            header->resizeSection(column, kDefaultColumnWidths[size_t(k)]);
        }
    }
    m_model->setPrimaryCaption(primaryCaption);
}

int EntryListView::columnWidth(int column) const
{
    if (horizontalHeader()->isSectionHidden(column))
        return 0;
    return horizontalHeader()->sectionSize(column);
}

std::array<int, kColumnCount> EntryListView::currentWidths() const
{
    std::array<int, kColumnCount> widths{};
    for (int k = 0; k < kColumnCount; ++k)
        widths[size_t(k)] = columnWidth(kColumnOfIdentifier[size_t(k)]);
    return widths;
}

void EntryListView::revealRow(int row)
{
    if (row < 0 || row >= m_model->rowCount())
        return;
    const QModelIndex index = m_model->index(row, 0);
    scrollTo(index, QAbstractItemView::EnsureVisible);
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
    m_model->setHighlightedRow(row);
}

void EntryListView::mousePressEvent(QMouseEvent* event)
{
    m_pressPosition = event->position().toPoint();
    // A tap moves the highlight to the tapped row; a tap below the last row changes nothing.
    const QModelIndex index = indexAt(m_pressPosition);
    if (index.isValid()) {
        m_model->setHighlightedRow(-1);
        if (event->button() == Qt::LeftButton)
            m_longPress.start();
    }
    QTableView::mousePressEvent(event);
}

void EntryListView::mouseReleaseEvent(QMouseEvent* event)
{
    m_longPress.stop();
    QTableView::mouseReleaseEvent(event);
}

void EntryListView::mouseMoveEvent(QMouseEvent* event)
{
    if ((event->position().toPoint() - m_pressPosition).manhattanLength() > 8)
        m_longPress.stop();
    QTableView::mouseMoveEvent(event);
}

void EntryListView::mouseDoubleClickEvent(QMouseEvent* event)
{
    m_longPress.stop();
    const QModelIndex index = indexAt(event->position().toPoint());
    if (index.isValid())
        Q_EMIT rowDoubleTapped(index.row());
}

void EntryListView::contextMenuEvent(QContextMenuEvent* event)
{
    const QModelIndex index = indexAt(event->pos());
    if (index.isValid())
        selectRow(index.row());
    Q_EMIT listMenuRequested(event->globalPos());
}

} // namespace tallyfox
