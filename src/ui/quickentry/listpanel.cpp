// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "ui/quickentry/listpanel.h"

#include "toolkit/fingerscrolling.h"
#include "toolkit/programfont.h"
#include "ui/itemeditor/editorfields.h"

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
    // The heading above the values from the entries is no choice.
    connect(this, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        if (item->flags().testFlag(Qt::ItemIsSelectable))
            Q_EMIT chosen();
    });
}

void ListPanel::fill(const QStringList& items, const QStringList& fromEntries, const QString& current,
                     bool withCustom)
{
    clear();
    m_withCustom = withCustom;
    // The first item of the type list during the wizard: choosing it leaves the type for the user to type
    // in the editor.
    if (withCustom)
        addItem(tr("Custom"));
    const int firstItem = count();
    addItems(items);
    int firstFromEntries = -1;
    if (!fromEntries.isEmpty()) {
        auto* heading = new QListWidgetItem(fromEntriesCaption(), this);
        heading->setFlags(Qt::NoItemFlags);
        heading->setTextAlignment(Qt::AlignCenter);
        firstFromEntries = count();
        QFont italic = font();
        italic.setItalic(true);
        for (const QString& value : fromEntries) {
            auto* item = new QListWidgetItem(value, this);
            item->setFont(italic);
        }
    }
    setCurrentRow(-1);
    int chosen = -1;
    if (current.isEmpty()) {
        chosen = withCustom ? 0 : -1;
    } else if (const qsizetype own = items.indexOf(current); own >= 0) {
        chosen = firstItem + int(own);
    } else if (const qsizetype fromData = fromEntries.indexOf(current); fromData >= 0) {
        chosen = firstFromEntries + int(fromData);
    } else {
        insertItem(firstItem, current);
        chosen = firstItem;
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
