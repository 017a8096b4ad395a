// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "ui/options/optionscolumnspage.h"

#include "toolkit/fingerscrolling.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace tallyfox {

namespace {

void putOnColumnsPage(QWidget* control, QWidget* page, int x, int y, int width, int height)
{
    control->setParent(page);
    control->setGeometry(x, y, width, height);
}

QPushButton* columnButton(const QString& caption, const char* name)
{
    auto* created = new QPushButton(caption);
    created->setObjectName(QString::fromLatin1(name));
    created->setEnabled(false);
    return created;
}

} // namespace

ColumnsPage::ColumnsPage(QWidget* parent)
    : QWidget(parent), m_visible(new QListWidget), m_hidden(new QListWidget),
      m_up(columnButton(tr("Up"), "upButton")), m_down(columnButton(tr("Down"), "downButton")),
      m_hide(columnButton(tr("Hide"), "hideButton")), m_show(columnButton(tr("Show"), "showButton"))
{
    setObjectName(QStringLiteral("columnsPage"));
    auto* columnsCaption = new QLabel(tr("Columns"));
    putOnColumnsPage(columnsCaption, this, 13, 1, columnsCaption->sizeHint().width(), 16);
    putOnColumnsPage(new QLabel(tr("Hidden")), this, 145, 1, 80, 16);
    m_visible->setObjectName(QStringLiteral("visibleColumnsList"));
    m_hidden->setObjectName(QStringLiteral("hiddenColumnsList"));
    putOnColumnsPage(m_visible, this, 3, 17, 87, 158);
    putOnColumnsPage(m_hidden, this, 138, 17, 87, 158);
    putOnColumnsPage(m_up, this, 94, 26, 39, 29);
    putOnColumnsPage(m_down, this, 94, 130, 39, 29);
    putOnColumnsPage(m_hide, this, 18, 186, 61, 24);
    putOnColumnsPage(m_show, this, 154, 186, 61, 24);

    for (QListWidget* list : {m_visible, m_hidden}) {
        list->setSelectionMode(QAbstractItemView::SingleSelection);
        fingerscrolling::enable(*list);
        connect(list, &QListWidget::currentRowChanged, this, [this, list] { selectionMoved(list); });
        connect(list, &QListWidget::itemSelectionChanged, this, [this, list] { selectionMoved(list); });
    }
    connect(m_up, &QPushButton::clicked, this, &ColumnsPage::moveUp);
    connect(m_down, &QPushButton::clicked, this, &ColumnsPage::moveDown);
    connect(m_hide, &QPushButton::clicked, this, &ColumnsPage::hideSelected);
    connect(m_show, &QPushButton::clicked, this, &ColumnsPage::showSelected);

    setTabOrder(m_visible, m_up);
    setTabOrder(m_up, m_down);
    setTabOrder(m_down, m_hidden);
    setTabOrder(m_hidden, m_hide);
    setTabOrder(m_hide, m_show);
}

void ColumnsPage::setArrangement(const ColumnArrangement& arrangement)
{
    m_arrangement = arrangement;
    refill(-1, -1);
}

void ColumnsPage::arrange(bool landscape)
{
    m_hide->move(landscape ? QPoint(230, 40) : QPoint(18, 186));
    m_show->move(landscape ? QPoint(230, 90) : QPoint(154, 186));
}

int ColumnsPage::selectedVisible() const
{
    const QList<QListWidgetItem*> selected = m_visible->selectedItems();
    return selected.isEmpty() ? -1 : m_visible->row(selected.first());
}

int ColumnsPage::selectedHidden() const
{
    const QList<QListWidgetItem*> selected = m_hidden->selectedItems();
    return selected.isEmpty() ? -1 : m_hidden->row(selected.first());
}

void ColumnsPage::refill(int visibleSelection, int hiddenSelection)
{
    m_refilling = true;
    m_visible->clear();
    m_hidden->clear();
    for (int position = 0; position < kColumnCount; ++position) {
        QListWidget* list = position <= m_arrangement.lastVisible() ? m_visible : m_hidden;
        list->addItem(ColumnArrangement::caption(m_arrangement.columnAt(position)));
    }
    if (visibleSelection >= 0)
        m_visible->setCurrentRow(visibleSelection);
    if (hiddenSelection >= 0)
        m_hidden->setCurrentRow(hiddenSelection);
    m_refilling = false;
    updateButtons();
}

void ColumnsPage::selectionMoved(QListWidget* list)
{
    if (m_refilling)
        return;
    // One selection at a time: picking in one list clears the other.
    QListWidget* other = list == m_visible ? m_hidden : m_visible;
    if (!list->selectedItems().isEmpty() && !other->selectedItems().isEmpty()) {
        m_refilling = true;
        other->clearSelection();
        other->setCurrentRow(-1);
        m_refilling = false;
    }
    updateButtons();
}

void ColumnsPage::updateButtons()
{
    const int visible = selectedVisible();
    m_up->setEnabled(m_arrangement.canMoveUp(visible));
    m_down->setEnabled(m_arrangement.canMoveDown(visible));
    m_hide->setEnabled(m_arrangement.canHide(visible));
    m_show->setEnabled(selectedHidden() >= 0);
}

void ColumnsPage::moveUp()
{
    const int visible = selectedVisible();
    if (!m_arrangement.canMoveUp(visible))
        return;
    m_arrangement.moveUp(visible);
    refill(visible - 1, -1);
}

void ColumnsPage::moveDown()
{
    const int visible = selectedVisible();
    if (!m_arrangement.canMoveDown(visible))
        return;
    m_arrangement.moveDown(visible);
    refill(visible + 1, -1);
}

void ColumnsPage::hideSelected()
{
    const int visible = selectedVisible();
    if (!m_arrangement.canHide(visible))
        return;
    m_arrangement.hide(visible);
    refill(-1, 0);
}

void ColumnsPage::showSelected()
{
    const int hidden = selectedHidden();
    if (hidden < 0)
        return;
    m_arrangement.show(hidden);
    refill(m_arrangement.lastVisible(), -1);
}

} // namespace tallyfox
