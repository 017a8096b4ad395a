#include "ui/listpanel.h"

#include "toolkit/fingerscrolling.h"
#include "toolkit/programfont.h"

#include <QStyledItemDelegate>

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
    addItems(items);
    setCurrentRow(-1);
    const QList<QListWidgetItem*> matches = findItems(current, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (!matches.isEmpty()) {
        setCurrentItem(matches.first());
        scrollToItem(matches.first());
    }
}

QString ListPanel::chosenText() const
{
    const QList<QListWidgetItem*> selected = selectedItems();
    if (selected.isEmpty() || (m_withCustom && row(selected.first()) == 0))
        return {};
    return selected.first()->text();
}

} // namespace tallyfox
