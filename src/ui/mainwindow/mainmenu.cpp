// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "ui/mainwindow/mainmenu.h"

#include "core/settings.h"
#include "toolkit/fingerscrolling.h"

#include <QAction>
#include <QMenu>
#include <QWidget>

namespace tallyfox {

namespace {

QAction* addItem(QMenu* menu, const QString& text, const char* objectName, QKeySequence shortcut = {})
{
    QAction* action = menu->addAction(text);
    action->setObjectName(QString::fromLatin1(objectName));
    if (!shortcut.isEmpty())
        action->setShortcut(shortcut);
    return action;
}

} // namespace

MainMenu::MainMenu(QWidget* parent)
    : QObject(parent), m_menu(new QMenu(parent)), m_listMenu(new QMenu(parent))
{
    m_menu->setObjectName(QStringLiteral("mainMenu"));
    m_listMenu->setObjectName(QStringLiteral("listMenu"));

    exit = addItem(m_menu, tr("Exit"), "exitAction", QKeySequence(Qt::CTRL | Qt::Key_Q));
    about = addItem(m_menu, tr("About..."), "aboutAction");
    options = addItem(m_menu, tr("Options..."), "optionsAction");
    purge = addItem(m_menu, tr("Purge entries..."), "purgeAction");
    overview = addItem(m_menu, tr("Show info and totals"), "overviewAction");

    QMenu* file = m_menu->addMenu(tr("File"));
    file->setObjectName(QStringLiteral("fileMenu"));
    newDatabase = addItem(file, tr("New..."), "newDatabaseAction");
    openDatabase = addItem(file, tr("Open..."), "openDatabaseAction", QKeySequence(Qt::CTRL | Qt::Key_O));
    saveDatabaseAs = addItem(file, tr("Save as..."), "saveDatabaseAsAction",
                             QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    file->addSeparator();
    importData = addItem(file, tr("Import..."), "importDataAction", QKeySequence(Qt::CTRL | Qt::Key_I));
    parent->addAction(importData);
    exportData = addItem(file, tr("Export data..."), "exportDataAction", QKeySequence(Qt::CTRL | Qt::Key_E));

    m_menu->addSeparator();
    QMenu* sort = m_menu->addMenu(tr("Sort"));
    sort->setObjectName(QStringLiteral("sortMenu"));
    // By the keys' numbers.
    const std::array<const char*, kSortKeyCount> keyNames = {
        QT_TR_NOOP("Name"),        QT_TR_NOOP("Date"),      QT_TR_NOOP("Amount"),
        QT_TR_NOOP("Receipt nr."), QT_TR_NOOP("Paid with"), QT_TR_NOOP("Intended source")};
    for (SortKey key : kSortKeys) {
        const quint16 number = sortKeyNumber(key);
        QAction* action = addItem(sort, tr(keyNames[number]), "sortKeyAction");
        action->setObjectName(QStringLiteral("sortKey%1Action").arg(number));
        action->setCheckable(true);
        m_sortKeyActions[number] = action;
    }
    sort->addSeparator();
    autoSort = addItem(sort, tr("Autosort"), "autoSortAction");
    autoSort->setCheckable(true);
    reverseOrder = addItem(sort, tr("Reverse order"), "reverseOrderAction");
    reverseOrder->setCheckable(true);

    m_menu->addSeparator();
    // Their keys work on the list (and only while a row is selected); the menu shows them.
    deleteEntry = addItem(m_menu, tr("Delete entry"), "deleteEntryAction", QKeySequence(Qt::Key_Delete));
    editEntry = addItem(m_menu, tr("Edit entry"), "editEntryAction", QKeySequence(Qt::Key_Return));
    m_menu->setDefaultAction(editEntry);

    m_menu->addSeparator();
    undo = addItem(m_menu, tr("Undo"), "undoAction", QKeySequence(Qt::CTRL | Qt::Key_Z));
    redo = addItem(m_menu, tr("Redo"), "redoAction", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z));
    undo->setEnabled(false);
    redo->setEnabled(false);

    listEditEntry = addItem(m_listMenu, tr("Edit entry"), "listEditEntryAction");
    listDeleteEntry = addItem(m_listMenu, tr("Delete entry"), "listDeleteEntryAction");
    listShowOnly = addItem(m_listMenu, tr("Show only"), "listShowOnlyAction");
    listShowOnly->setVisible(false);
    m_listMenu->setDefaultAction(listEditEntry);

    // The menu's shortcuts work while the menu is closed.
    for (QAction* action :
         {exit, openDatabase, saveDatabaseAs, exportData, deleteEntry, editEntry, undo, redo})
        parent->addAction(action);
    // A phone has no keys to name, and the room they take would push the menu off its screen.
    if (fingerscrolling::isOnPhone(*parent)) {
        QList<QMenu*> menus = m_menu->findChildren<QMenu*>();
        menus << m_menu;
        for (QMenu* menu : menus) {
            for (QAction* action : menu->actions())
                action->setShortcutVisibleInContextMenu(false);
        }
    }
}

void MainMenu::updateHistory(const QString& undoText, bool canUndo, const QString& redoText, bool canRedo)
{
    // An "&" of an entry's type is shown, not taken for the item's key.
    undo->setText(QString(undoText).replace(u'&', QStringLiteral("&&")));
    undo->setEnabled(canUndo);
    redo->setText(QString(redoText).replace(u'&', QStringLiteral("&&")));
    redo->setEnabled(canRedo);
}

void MainMenu::update(bool rowSelected, const Settings& settings)
{
    deleteEntry->setEnabled(rowSelected);
    editEntry->setEnabled(rowSelected);
    autoSort->setChecked(settings.autoSort);
    reverseOrder->setChecked(settings.sortReverse);
    for (SortKey key : kSortKeys)
        sortKeyAction(key)->setChecked(settings.autoSort && settings.sortKey == key);
}

} // namespace tallyfox
