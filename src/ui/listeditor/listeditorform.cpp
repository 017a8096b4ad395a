// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "ui/listeditor/listeditorform.h"

#include "toolkit/prompts.h"
#include "toolkit/softkeybar.h"
#include "toolkit/systemservices.h"
#include "ui/listeditor/editedlistview.h"
#include "ui/listeditor/listeditpanel.h"

#include <QKeyEvent>
#include <QPushButton>
#include <algorithm>

namespace tallyfox {

namespace {

QPushButton* makeButton(const QString& caption, const QString& name)
{
    auto* button = new QPushButton(caption);
    button->setObjectName(name);
    // Enter belongs to the form's "OK" unless the user tabbed onto a button.
    button->setAutoDefault(false);
    return button;
}

} // namespace

ListEditorForm::ListEditorForm(Prompts& prompts, QWidget* parent)
    : FormBase(QStringLiteral("Tallyfox"), parent), m_prompts(prompts), m_panel(new ListEditPanel),
      m_main(new QWidget), m_tree(new EditedListView(m_main)),
      m_edit(makeButton(tr("Edit"), QStringLiteral("listEditButton"))),
      m_delete(makeButton(tr("Delete"), QStringLiteral("listDeleteButton"))),
      m_makePrimary(makeButton(tr("Make\nprimary"), QStringLiteral("listMakePrimaryButton"))),
      m_new(makeButton(tr("New"), QStringLiteral("listNewButton"))),
      m_up(makeButton(tr("Up"), QStringLiteral("listUpButton"))),
      m_down(makeButton(tr("Down"), QStringLiteral("listDownButton")))
{
    setObjectName(QStringLiteral("listEditorForm"));
    setFillsContent(true);
    m_main->setObjectName(QStringLiteral("listMainArea"));

    place(m_panel, 0, 0, kScreenWidth, ListEditPanel::kHeight);
    place(m_main, 0, 0, kScreenWidth, kScreenHeight);
    m_panel->hide();
    m_panel->raise();

    m_tree->installEventFilter(this);

    const QList<QWidget*> buttons = {m_edit, m_delete, m_makePrimary, m_new, m_up, m_down};
    for (QWidget* button : buttons) {
        button->setParent(m_main);
        button->installEventFilter(this);
    }
    m_edit->setGeometry(6, 6, 57, 28);
    m_delete->setGeometry(6, 38, 57, 28);
    m_makePrimary->setGeometry(6, 70, 57, 36);
    m_new->setGeometry(6, 118, 57, 28);
    placeUpDown(false);

    // Reading order: the panel, the buttons' column, the list, then the soft keys.
    QList<QWidget*> order = m_panel->readingOrder();
    order << buttons << m_tree << softKeys()->button(SoftKeyBar::Key::Left)
          << softKeys()->button(SoftKeyBar::Key::Right);
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);

    content()->installEventFilter(this);
    softKeys()->setCaption(SoftKeyBar::Key::Left, tr("Cancel"));
    softKeys()->setCaption(SoftKeyBar::Key::Right, tr("OK"));
    connect(softKeys(), &SoftKeyBar::keyPressed, this, [this](SoftKeyBar::Key key) {
        if (key == SoftKeyBar::Key::Left)
            reject();
        else
            closeWith(kResultOk);
    });
    connect(m_tree, &QTreeWidget::itemSelectionChanged, this, &ListEditorForm::updateButtons);
    connect(m_tree, &QTreeWidget::itemDoubleClicked, this,
            [this](QTreeWidgetItem* item) { editRow(m_tree->indexOfTopLevelItem(item)); });
    connect(m_edit, &QPushButton::clicked, this, [this] { editRow(m_tree->selectedRow()); });
    connect(m_new, &QPushButton::clicked, this, &ListEditorForm::newRow);
    connect(m_delete, &QPushButton::clicked, this, &ListEditorForm::deleteRow);
    connect(m_up, &QPushButton::clicked, this, [this] { moveRow(-1); });
    connect(m_down, &QPushButton::clicked, this, [this] { moveRow(1); });
    connect(m_makePrimary, &QPushButton::clicked, this, &ListEditorForm::makePrimary);
    connect(m_panel, &ListEditPanel::accepted, this, &ListEditorForm::takeEdit);
    connect(m_panel, &ListEditPanel::cancelled, this, &ListEditorForm::dropEdit);
}

bool ListEditorForm::editList(QStringList& names, QStringList* rates)
{
    prepare(names, rates);
    const bool ok = showModal() == kResultOk;
    if (ok) {
        names = m_list.names();
        if (rates)
            *rates = m_list.rates();
    }
    hideSoftInputPanel();
    m_list = EditedList();
    m_tree->clear();
    return ok;
}

void ListEditorForm::prepare(const QStringList& names, const QStringList* rates)
{
    placeUpDown(isLandscape());
    m_panel->hide();
    m_main->setEnabled(true);
    m_editRow = -1;
    m_editIsNew = false;
    m_list = EditedList(names, rates);
    fillList();
    arrange();
    hideSoftInputPanel();
    m_tree->setFocus();
}

bool ListEditorForm::isEditing() const
{
    return m_editRow >= 0;
}

void ListEditorForm::done(int result)
{
    // A row still open in the panel is left as it was; a new one goes again.
    if (isEditing())
        dropEdit();
    FormBase::done(result);
}

void ListEditorForm::orientationChanged(bool) {}

void ListEditorForm::placeUpDown(bool landscape)
{
    if (landscape) {
        m_up->setGeometry(90, 62, 40, 28);
        m_down->setGeometry(90, 94, 40, 28);
    } else {
        m_up->setGeometry(14, 162, 40, 28);
        m_down->setGeometry(14, 194, 40, 28);
    }
}

void ListEditorForm::arrange()
{
    const QSize area = content()->size();
    const int top = m_panel->isVisible() ? m_panel->panelHeight() : 0;
    m_panel->setGeometry(0, 0, area.width(), m_panel->panelHeight());
    m_main->setGeometry(0, top, area.width(), std::max(0, area.height() - top));
    m_tree->setGeometry(area.width() - EditedListView::kWidth, 0, EditedListView::kWidth, m_main->height());
    // Below an open panel in landscape the lowest buttons would be cut; they are of no use while editing.
    const bool editing = m_panel->isVisible();
    for (QPushButton* button : {m_edit, m_delete, m_makePrimary, m_new, m_up, m_down}) {
        const bool wanted = button != m_makePrimary || m_list.withRates();
        button->setVisible(wanted && (!editing || button->geometry().bottom() < m_main->height()));
    }
}

void ListEditorForm::fillList()
{
    m_tree->fill(m_list);
    updateButtons();
}

void ListEditorForm::updateButtons()
{
    const ListButtons states = m_list.buttons(m_tree->selectedRow());
    m_edit->setEnabled(states.edit);
    m_delete->setEnabled(states.remove);
    m_makePrimary->setEnabled(states.makePrimary);
    m_new->setEnabled(states.newRow);
    m_up->setEnabled(states.up);
    m_down->setEnabled(states.down);
}

void ListEditorForm::keyPressEvent(QKeyEvent* event)
{
    if (listKey(event))
        return;
    FormBase::keyPressEvent(event);
}

bool ListEditorForm::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == content() && event->type() == QEvent::Resize)
        arrange();
    // The list would take Ctrl+arrows and Delete for its own cursor and search.
    else if (watched != content() && event->type() == QEvent::KeyPress &&
             listKey(static_cast<QKeyEvent*>(event)))
        return true;
    return FormBase::eventFilter(watched, event);
}

bool ListEditorForm::listKey(const QKeyEvent* event)
{
    if (isEditing())
        return false;
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    QPushButton* button = nullptr;
    if (modifiers == Qt::NoModifier) {
        switch (event->key()) {
        case Qt::Key_Delete:
            button = m_delete;
            break;
        case Qt::Key_F2:
            button = m_edit;
            break;
        case Qt::Key_Insert:
            button = m_new;
            break;
        default:
            return false;
        }
    } else if (modifiers == Qt::ControlModifier) {
        switch (event->key()) {
        case Qt::Key_Up:
            button = m_up;
            break;
        case Qt::Key_Down:
            button = m_down;
            break;
        case Qt::Key_N:
            button = m_new;
            break;
        default:
            return false;
        }
    } else {
        return false;
    }
    if (button->isEnabled() && button->isVisible())
        button->click();
    return true;
}

void ListEditorForm::editRow(int row)
{
    if (row >= 0 && row < m_list.size() && !isEditing())
        startEditing(row, false);
}

void ListEditorForm::startEditing(int row, bool isNew)
{
    m_editRow = row;
    m_editIsNew = isNew;
    showSoftInputPanel();
    m_main->setEnabled(false);
    // Shown first, so that the name box can take the focus.
    m_panel->show();
    m_panel->start(m_list.names().at(row), m_list.hasRateRow(row), m_list.rates().value(row),
                   m_list.primaryName(), isNew);
    arrange();
}

void ListEditorForm::closePanel()
{
    m_panel->hide();
    m_main->setEnabled(true);
    hideSoftInputPanel();
    arrange();
    m_editRow = -1;
    m_editIsNew = false;
    m_tree->setFocus();
}

void ListEditorForm::takeEdit()
{
    const int row = m_editRow;
    m_list.setName(row, m_panel->name());
    if (m_panel->hasRateRow())
        m_list.setRate(row, m_panel->rate());
    closePanel();
    fillList();
    m_tree->selectRow(row);
}

void ListEditorForm::dropEdit()
{
    const int row = m_editRow;
    if (m_editIsNew)
        m_list.dropLastRow();
    closePanel();
    fillList();
    m_tree->selectRow(row);
}

void ListEditorForm::newRow()
{
    const int row = m_list.appendRow();
    fillList();
    m_tree->selectRow(row);
    startEditing(row, true);
}

void ListEditorForm::deleteRow()
{
    const int row = m_tree->selectedRow();
    if (!m_list.buttons(row).remove)
        return;
    if (!m_prompts.question(this, tr("Do you really want to delete this entry?")))
        return;
    m_list.removeRow(row);
    fillList();
}

void ListEditorForm::moveRow(int step)
{
    const int row = m_tree->selectedRow();
    if (step < 0 ? m_list.moveUp(row) : m_list.moveDown(row)) {
        fillList();
        m_tree->selectRow(row + step);
    }
}

void ListEditorForm::makePrimary()
{
    if (m_list.makePrimary(m_tree->selectedRow()))
        fillList();
}

} // namespace tallyfox
