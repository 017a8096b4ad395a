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

private:
    QMenu* m_menu;
    QMenu* m_listMenu;
    std::array<QAction*, kSortKeyCount> m_sortKeyActions{};
};

} // namespace tallyfox
