// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "ui/listeditor/editedlistview.h"

#include "toolkit/fingerscrolling.h"
#include "toolkit/programfont.h"
#include "ui/listeditor/editedlist.h"

#include <QHeaderView>

namespace tallyfox {

namespace {

constexpr int kNameColumnWidth = 80;
constexpr int kRateColumnWidth = 72;

} // namespace

EditedListView::EditedListView(QWidget* parent) : QTreeWidget(parent)
{
    setObjectName(QStringLiteral("listTree"));
    setFont(programfont::forLineHeight(16));
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    header()->setStretchLastSection(false);
    header()->setSectionsMovable(false);
    fingerscrolling::enable(*this);
}

void EditedListView::fill(const EditedList& list)
{
    clear();
    const bool withRates = list.withRates();
    if (withRates) {
        setColumnCount(2);
        setHeaderLabels({tr("Currency"), tr("Rate")});
        setColumnWidth(0, kNameColumnWidth);
        setColumnWidth(1, kRateColumnWidth);
    } else {
        setColumnCount(1);
        setColumnWidth(0, kWidth - 8);
    }
    setHeaderHidden(!withRates);
    QList<QTreeWidgetItem*> items;
    for (int row = 0; row < list.size(); ++row) {
        QStringList texts{list.names().at(row)};
        if (withRates)
            texts << list.rates().at(row);
        items << new QTreeWidgetItem(texts);
    }
    addTopLevelItems(items);
    setCurrentItem(nullptr);
}

void EditedListView::selectRow(int row)
{
    QTreeWidgetItem* item = topLevelItem(row);
    if (!item)
        return;
    setCurrentItem(item);
    scrollToItem(item);
}

int EditedListView::selectedRow() const
{
    const QList<QTreeWidgetItem*> selected = selectedItems();
    return selected.isEmpty() ? -1 : indexOfTopLevelItem(selected.first());
}

} // namespace tallyfox
