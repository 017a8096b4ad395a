// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include "core/settings.h"

#include <QObject>
#include <array>

class QAction;
class QMenu;
class QWidget;

namespace tallyfox {

// The main menu behind the left soft key, and the list's own two-item menu.
class MainMenu : public QObject
{
    Q_OBJECT

public:
    explicit MainMenu(QWidget* parent);

    [[nodiscard]] QMenu* menu() const { return m_menu; }
    [[nodiscard]] QMenu* listMenu() const { return m_listMenu; }

    // Enablement and check marks: the entry commands need a selected row; the key in use carries a mark
    // only while entries are sorted automatically.
    void update(bool rowSelected, const Settings& settings);
    // "Undo delete Lunch 12.50" and "Redo …", enabled when there is something to take back or make again.
    void updateHistory(const QString& undoText, bool canUndo, const QString& redoText, bool canRedo);

    // The Sort menu's item for a key.
    [[nodiscard]] QAction* sortKeyAction(SortKey key) const { return m_sortKeyActions[sortKeyNumber(key)]; }

    QAction* exit = nullptr;
    QAction* about = nullptr;
    QAction* options = nullptr;
    QAction* purge = nullptr;
    QAction* overview = nullptr;
    QAction* newDatabase = nullptr;
    QAction* openDatabase = nullptr;
    QAction* saveDatabaseAs = nullptr;
    QAction* exportData = nullptr;
    QAction* importData = nullptr;
    QAction* autoSort = nullptr;
    QAction* reverseOrder = nullptr;
    QAction* deleteEntry = nullptr;
    QAction* editEntry = nullptr;
    QAction* listEditEntry = nullptr;
    QAction* listDeleteEntry = nullptr;
    // "Show only …" with the value of the cell the list menu was opened on; hidden on other cells.
    QAction* listShowOnly = nullptr;
    QAction* undo = nullptr;
    QAction* redo = nullptr;

private:
    QMenu* m_menu;
    QMenu* m_listMenu;
    std::array<QAction*, kSortKeyCount> m_sortKeyActions{};
};

} // namespace tallyfox
