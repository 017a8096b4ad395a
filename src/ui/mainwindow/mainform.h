// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include "money/entrypick.h"
#include "session/entrymatcher.h"
#include "session/startup.h"
#include "toolkit/formbase.h"

#include <QStringList>
#include <QTimer>
#include <functional>

class QLabel;

namespace tallyfox {

class DatabaseWatcher;
class EntryListModel;
class FilterBar;
class EntryListView;
class MainMenu;
class MonthLine;
class Prompts;
class Session;

// The home screen: the filter bar, the entry list with the totals of what it shows below it, the main
// menu behind the left soft key and "New item" on the right. Every change ends in refreshList, which
// rebuilds the rows, writes the database and updates the menu. The list shows the entries the filter lets
// through, in the entries' order; the entry commands act on the entry of the selected row. The window
// watches its database file, and when another program changed it shows the entries read again, keeping
// the selected entry.
class MainForm : public FormBase
{
    Q_OBJECT

public:
    MainForm(Session& session, Prompts& prompts, QWidget* parent = nullptr);
    ~MainForm() override;

    // Start-up: the windowless steps, then the columns, the first refresh, the soft keys and the
    // one-second tick that shows the start-up messages.
    void initialise(const StartupOptions& options);
    // From now on the database is written on a thread of its own, so that the window is ready again as
    // soon as a change is made; a failed write is shown when it is known, and closing waits for the write.
    void writeInBackground();

    // The one refresh path.
    void refreshList(bool forceSort);
    void updateMenuStates();

    [[nodiscard]] EntryListView* list() const { return m_list; }
    [[nodiscard]] FilterBar* filterBar() const { return m_filterBar; }
    // "N of M entries · expenses X · income Y · balance Z".
    [[nodiscard]] QLabel* summaryLine() const { return m_summary; }
    [[nodiscard]] MonthLine* monthLine() const { return m_monthLine; }
    // Shows or hides this month's line as the options last stored it.
    void applyMonthLineSetting();
    // Shows the entries a chart's part stands for: the first of them, in the list's order, selected and
    // brought into view (see mainformpicks.cpp).
    void showEntries(const EntryPick& pick);

    // The other forms open through these; the window itself owns none of them (see Forms).
    void setNewItemHandler(std::function<void()> handler) { m_newItem = std::move(handler); }
    void setEditEntryHandler(std::function<void(int)> handler) { m_editEntry = std::move(handler); }
    void setOptionsHandler(std::function<void()> handler) { m_options = std::move(handler); }
    void setPurgeHandler(std::function<void()> handler) { m_purge = std::move(handler); }
    void setOverviewHandler(std::function<void()> handler) { m_overview = std::move(handler); }
    void setAboutHandler(std::function<void()> handler) { m_about = std::move(handler); }
    // File > Import..., given the folder of the database.
    void setImportHandler(std::function<void(const QString&)> handler) { m_import = std::move(handler); }

    void newItem();
    void editSelectedEntry();
    void deleteSelectedEntry();
    void newDatabase();
    void openDatabase();
    void saveDatabaseAs();
    void exportData();
    void showAbout();
    void undo();
    void redo();
    // Brings the window to the front, as a second start asks.
    void bringToFront();
    // Shows the entries again when another program changed the database since the session last read or
    // wrote it; the watcher calls it once the file has settled.
    void reloadIfChangedElsewhere();

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void connectMenu();
    // Before Exit, New and Open leave entries that only memory holds, the user may keep them with Save as.
    // False when the command is to stop: the user chose to keep them and then did not save them.
    [[nodiscard]] bool offerToKeepEntriesInMemory();
    // Save as; true when the entries are now in the chosen file.
    bool saveAs();
    void applyColumns();
    // The rows the filter lets through, and the line of their totals; the selected entry stays selected
    // when it is still shown.
    void applyFilter();
    void showShownRows();
    void updateSummary();
    void updateHistoryItems();
    void prepareListMenu();
    void showProblems();
    // Takes in the outcome of the database write that has just ended.
    void settleWrite();
    void startupTick();
    [[nodiscard]] QString databaseFolder() const;

    Session& m_session;
    Prompts& m_prompts;
    EntryListModel* m_model;
    EntryListView* m_list;
    MonthLine* m_monthLine;
    MainMenu* m_menu;
    DatabaseWatcher* m_watcher;
    FilterBar* m_filterBar;
    QLabel* m_summary;
    EntryMatcher m_matcher;
    QTimer m_startupTimer;
    // What start-up and the first refresh had to tell, shown once the window is up.
    QStringList m_startupMessages;
    std::function<void()> m_newItem;
    std::function<void(int)> m_editEntry;
    std::function<void()> m_options;
    std::function<void()> m_purge;
    std::function<void()> m_overview;
    std::function<void()> m_about;
    std::function<void(const QString&)> m_import;
};

} // namespace tallyfox
