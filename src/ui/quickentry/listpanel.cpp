#include "ui/quickentry/listpanel.h"

#include "toolkit/fingerscrolling.h"
#include "toolkit/programfont.h"

#include <QStyledItemDelegate>
#include <algorithm>

namespace tallyfox {

namespace {

constexpr int kRowHeight = 30;

// Every row as high as a finger, whatever the face measures.
class PickRowDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        size.setHeight(kRowHeight);
        return size;
    }
};

} // namespace

ListPanel::ListPanel(QWidget* parent) : QListWidget(parent)
{
    setObjectName(QStringLiteral("listPanel"));
    setFont(programfont::forLineHeight(kRowHeight));
    setItemDelegate(new PickRowDelegate(this));
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    fingerscrolling::enable(*this);
    connect(this, &QListWidget::itemClicked, this, &ListPanel::chosen);
}

void ListPanel::fill(const QStringList& items, const QString& current, bool withCustom)
{
    clear();
    m_withCustom = withCustom;
    if (withCustom)
        addItem(QString::fromUtf16(kCustom));
    const int firstItem = count();
    addItems(items);
    setCurrentRow(-1);
    int chosen = -1;
    if (current.isEmpty()) {
        chosen = withCustom ? 0 : -1;
    } else {
        chosen = int(items.indexOf(current));
        if (chosen < 0)
            insertItem(firstItem, current);
        chosen = firstItem + std::max(chosen, 0);
    }
    if (chosen >= 0) {
        setCurrentRow(chosen);
        scrollToItem(item(chosen));
    }
}

std::optional<QString> ListPanel::choice() const
{
    const QList<QListWidgetItem*> selected = selectedItems();
    if (selected.isEmpty())
        return std::nullopt;
    if (m_withCustom && row(selected.first()) == 0)
        return QString();
    return selected.first()->text();
}

void ListPanel::focusInEvent(QFocusEvent* event)
{
    QListWidget::focusInEvent(event);
    if (selectedItems().isEmpty())
        selectionModel()->clearCurrentIndex();
}

} // namespace tallyfox
