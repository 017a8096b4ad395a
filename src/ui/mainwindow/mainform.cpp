// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "ui/mainwindow/mainform.h"

#include "session/entrycells.h"
#include "session/session.h"
#include "session/showntotals.h"
#include "toolkit/programfont.h"
#include "toolkit/prompts.h"
#include "toolkit/softkeybar.h"
#include "ui/mainwindow/databasedialogs.h"
#include "ui/mainwindow/databasewatcher.h"
#include "ui/mainwindow/entrylistmodel.h"
#include "ui/mainwindow/entrylistview.h"
#include "ui/mainwindow/filterbar.h"
#include "ui/mainwindow/keptselection.h"
#include "ui/mainwindow/mainmenu.h"
#include "ui/mainwindow/monthline.h"
#include "ui/widgets/shownenglish.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QHeaderView>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QShortcut>
#include <QVBoxLayout>

namespace tallyfox {

MainForm::MainForm(Session& session, Prompts& prompts, QWidget* parent)
    : FormBase(QStringLiteral("Tallyfox"), parent), m_session(session), m_prompts(prompts),
      m_model(new EntryListModel(session.state(), this)), m_list(new EntryListView(m_model, content())),
      m_monthLine(new MonthLine(content())), m_menu(new MainMenu(this)), m_watcher(new DatabaseWatcher(this)),
      m_filterBar(new FilterBar(session.clock(), session.state().locale.locale(), content())),
      m_summary(new QLabel(content())), m_startupTimer(this)
{
    setObjectName(QStringLiteral("mainForm"));
    setWindowFlags(Qt::Window);
    auto* layout = new QVBoxLayout(content());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_filterBar);
    layout->addWidget(m_list, 1);
    layout->addWidget(m_summary);
    m_summary->setObjectName(QStringLiteral("filterSummary"));
    m_summary->setFont(programfont::font(programfont::kCaptionPixelSize));
    m_summary->setWordWrap(true);
    m_summary->setTextFormat(Qt::PlainText);
    m_summary->setContentsMargins(2, 1, 2, 1);
    layout->addWidget(m_monthLine);

    softKeys()->setCaption(SoftKeyBar::Key::Left, tr("Menu"));
    softKeys()->setCaption(SoftKeyBar::Key::Right, tr("New item"));
    softKeys()->setKeyHint(SoftKeyBar::Key::Left,
                           QKeySequence(Qt::Key_F10).toString(QKeySequence::NativeText));
    softKeys()->setKeyHint(SoftKeyBar::Key::Right,
                           QKeySequence(Qt::CTRL | Qt::Key_N).toString(QKeySequence::NativeText));
    softKeys()->setMenu(SoftKeyBar::Key::Left, m_menu->menu());
    softKeys()->setKeyEnabled(SoftKeyBar::Key::Left, false);
    softKeys()->setKeyEnabled(SoftKeyBar::Key::Right, false);
    connect(softKeys(), &SoftKeyBar::keyPressed, this, [this](SoftKeyBar::Key key) {
        if (key == SoftKeyBar::Key::Right)
            newItem();
    });

    connectMenu();
    m_session.setRefreshHandler([this](bool forceSort) { refreshList(forceSort); });
    m_session.history().setChangeHandler([this] { updateHistoryItems(); });

    connect(m_filterBar, &FilterBar::filterChanged, this, &MainForm::applyFilter);
    connect(m_filterBar, &FilterBar::leaveRequested, this, [this] { m_list->setFocus(); });
    connect(m_filterBar, &FilterBar::searchFocused, this, [this] { m_matcher.prepare(m_session.state()); });
    // Ctrl+F, and "/" where no text is typed: the search field takes the keys.
    for (const QKeySequence& keys : {QKeySequence(QKeySequence::Find), QKeySequence(Qt::Key_Slash)}) {
        auto* shortcut = new QShortcut(keys, this);
        connect(shortcut, &QShortcut::activated, m_filterBar, &FilterBar::focusSearch);
    }
    connect(m_watcher, &DatabaseWatcher::changed, this, &MainForm::reloadIfChangedElsewhere);

    m_startupTimer.setObjectName(QStringLiteral("startupTimer"));
    m_startupTimer.setSingleShot(true);
    m_startupTimer.setInterval(1000);
    connect(&m_startupTimer, &QTimer::timeout, this, &MainForm::startupTick);
}

MainForm::~MainForm()
{
    // No write may come back to a window that is gone.
    m_session.database().writeInBackground({});
    m_session.setRefreshHandler({});
    m_session.history().setChangeHandler({});
}

void MainForm::connectMenu()
{
    MainMenu& menu = *m_menu;
    connect(menu.exit, &QAction::triggered, this, &QWidget::close);
    connect(menu.about, &QAction::triggered, this, &MainForm::showAbout);
    connect(menu.options, &QAction::triggered, this, [this] {
        if (m_options)
            m_options();
    });
    connect(menu.purge, &QAction::triggered, this, [this] {
        if (m_purge)
            m_purge();
    });
    connect(menu.overview, &QAction::triggered, this, [this] {
        if (m_overview)
            m_overview();
    });
    connect(m_monthLine, &MonthLine::tapped, this, [this] {
        if (m_overview)
            m_overview();
    });
    connect(menu.newDatabase, &QAction::triggered, this, &MainForm::newDatabase);
    connect(menu.openDatabase, &QAction::triggered, this, &MainForm::openDatabase);
    connect(menu.saveDatabaseAs, &QAction::triggered, this, &MainForm::saveDatabaseAs);
    connect(menu.exportData, &QAction::triggered, this, &MainForm::exportData);
    connect(menu.importData, &QAction::triggered, this, [this] {
        if (m_import)
            m_import(databaseFolder());
        showProblems();
    });
    for (SortKey key : kSortKeys) {
        connect(menu.sortKeyAction(key), &QAction::triggered, this, [this, key] {
            m_session.chooseSortKey(key);
            showProblems();
        });
    }
    connect(menu.autoSort, &QAction::triggered, this, [this] {
        m_session.toggleAutoSort();
        showProblems();
    });
    connect(menu.reverseOrder, &QAction::triggered, this, [this] {
        m_session.toggleReverse();
        showProblems();
    });
    connect(menu.deleteEntry, &QAction::triggered, this, &MainForm::deleteSelectedEntry);
    connect(menu.editEntry, &QAction::triggered, this, &MainForm::editSelectedEntry);
    connect(menu.listDeleteEntry, &QAction::triggered, this, &MainForm::deleteSelectedEntry);
    connect(menu.listEditEntry, &QAction::triggered, this, &MainForm::editSelectedEntry);
    connect(menu.listShowOnly, &QAction::triggered, this, [this] {
        const int entry = m_list->menuEntry();
        const std::optional<FilterField> field = filterFieldOfColumn(m_list->menuColumn());
        if (entry >= 0 && entry < m_session.state().entryCount() && field)
            m_filterBar->showOnly(*field, entryCellText(m_session.state(), m_session.state().entries[entry],
                                                        listColumnOfField(*field)));
    });
    connect(menu.undo, &QAction::triggered, this, &MainForm::undo);
    connect(menu.redo, &QAction::triggered, this, &MainForm::redo);

    connect(m_list, &EntryListView::rowDoubleTapped, this, [this](int row) {
        const int entry = m_model->entryAt(row);
        if (entry >= 0 && m_editEntry)
            m_editEntry(entry);
    });
    connect(m_list, &EntryListView::headerTapped, this, [this](int column) {
        if (const std::optional<SortKey> key = sortKeyOfColumn(column)) {
            m_session.chooseSortKey(*key);
            showProblems();
        }
    });
    connect(m_list, &EntryListView::listMenuRequested, this, [this](const QPoint& at) {
        prepareListMenu();
        m_menu->listMenu()->popup(at);
    });
    connect(m_list->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &MainForm::updateMenuStates);
    connect(m_model, &QAbstractItemModel::modelReset, this, [this] {
        connect(m_list->selectionModel(), &QItemSelectionModel::selectionChanged, this,
                &MainForm::updateMenuStates, Qt::UniqueConnection);
    });
}

void MainForm::initialise(const StartupOptions& options)
{
    StartupOptions withDialog = options;
    if (!withDialog.chooseNewDatabase) {
        withDialog.chooseNewDatabase = [this](const QString& folder) {
            return askNewDatabaseName(m_prompts, this, folder);
        };
    }
    runStartup(m_session, withDialog);
    m_list->applyWidths(m_session.state().settings.columnWidths);
    applyColumns();
    applyMonthLineSetting();
    m_session.state().landscape = isLandscape();
    refreshList(false);
    m_startupMessages = m_session.takeMessages();
    softKeys()->setKeyEnabled(SoftKeyBar::Key::Left, true);
    softKeys()->setKeyEnabled(SoftKeyBar::Key::Right, true);
    m_list->setFocus();
    m_startupTimer.start();
    applyColumns();
}

void MainForm::applyColumns()
{
    const AppState& state = m_session.state();
    m_list->applyColumns(state.settings, state.currencyCount() > 0 ? state.currencies[0].name : QString());
}

void MainForm::refreshList(bool forceSort)
{
    // Disabled for the rebuild, the list would hand the keys on to the filter bar for good.
    const bool listHadFocus = focusWidget() == m_list;
    m_filterBar->setTakesFocus(false);
    m_list->setEnabled(false);
    m_list->setUpdatesEnabled(false);
    const std::vector<int> justChanged = m_session.refreshEntries(forceSort);
    m_matcher.invalidate();
    showShownRows();
    for (int entry : justChanged)
        m_list->revealRow(m_model->rowOf(entry));
    m_monthLine->refresh(m_session.state(), m_session.clock().today());
    m_list->setUpdatesEnabled(true);
    updateSummary();
    updateMenuStates();
    m_list->setEnabled(true);
    m_filterBar->setTakesFocus(true);
    if (listHadFocus)
        m_list->setFocus();
    // New, Open and Save as end here too: the watch follows the database, and picks up a file that the
    // write has just made.
    m_watcher->watch(m_session.state().databasePath);
}

void MainForm::reloadIfChangedElsewhere()
{
    // A form open over the window may hold a row of the list: the rows change once it has closed.
    if (QWidget* modal = QApplication::activeModalWidget(); modal && modal != this) {
        m_watcher->settleTimer().start();
        return;
    }
    const KeptSelection kept(*m_list, m_session.state());
    // What was read is what the file holds, so the rows are rebuilt without the refresh's write.
    if (m_session.reloadIfChangedElsewhere()) {
        m_list->setUpdatesEnabled(false);
        m_matcher.invalidate();
        showShownRows();
        kept.restore(*m_list, m_session.state());
        updateSummary();
        m_monthLine->refresh(m_session.state(), m_session.clock().today());
        m_list->setUpdatesEnabled(true);
        updateMenuStates();
    }
    showProblems();
}

void MainForm::showShownRows()
{
    const EntryFilter& filter = m_filterBar->filter();
    if (filter.isEmpty() || m_session.state().quickEntryOnly)
        m_model->setShownEntries(std::nullopt);
    else
        m_model->setShownEntries(m_matcher.matchingRows(m_session.state(), filter));
    m_model->reset();
}

void MainForm::applyFilter()
{
    const int selected = m_list->selectedEntry();
    m_list->setUpdatesEnabled(false);
    showShownRows();
    // The entry stays highlighted when the new filter still shows it, and comes into view.
    if (selected >= 0)
        m_list->selectEntry(selected);
    m_list->setUpdatesEnabled(true);
    updateSummary();
    updateMenuStates();
}

void MainForm::updateSummary()
{
    const AppState& state = m_session.state();
    if (state.quickEntryOnly)
        return;
    const std::optional<std::vector<int>>& shown = m_model->shownEntries();
    const QString text = shownTotalsText(m_matcher.totals(state, shown ? &*shown : nullptr), state);
    // A narrow window breaks the line between its parts, after a "·", never inside one.
    const QStringList lines = text.split(u'\n');
    QStringList shownLines;
    for (const QString& line : lines) {
        QStringList parts = line.split(QStringLiteral(" \u00b7 "));
        for (QString& part : parts)
            part.replace(u' ', QChar(0x00a0));
        shownLines << parts.join(QStringLiteral("\u00a0\u00b7 "));
    }
    m_summary->setText(shownLines.join(u'\n'));
}

void MainForm::updateHistoryItems()
{
    const UndoHistory& history = m_session.history();
    m_menu->updateHistory(history.undoText(), history.canUndo(), history.redoText(), history.canRedo());
}

void MainForm::prepareListMenu()
{
    QAction* showOnly = m_menu->listShowOnly;
    const int entry = m_list->menuEntry();
    const std::optional<FilterField> field = filterFieldOfColumn(m_list->menuColumn());
    const AppState& state = m_session.state();
    showOnly->setVisible(entry >= 0 && entry < state.entryCount() && field);
    if (!showOnly->isVisible())
        return;
    const QString value = entryCellText(state, state.entries[entry], listColumnOfField(*field));
    // A long value is cut in the menu, so that the item stays on the screen; the filter takes it whole.
    constexpr qsizetype kLongestShown = 20;
    const QString shown = value.size() > kLongestShown ? value.left(kLongestShown - 1) + u'\u2026' : value;
    const QString text =
        value.isEmpty()
            ? tr("Show only entries without %1").arg(shownEnglish("FilterField", filterFieldCaption(*field)))
            : tr("Show only \u201c%1\u201d").arg(shown);
    showOnly->setText(QString(text).replace(u'&', QStringLiteral("&&")));
}

void MainForm::undo()
{
    m_session.undo();
    // A change of the columns taken back or made again arranges the list anew.
    applyColumns();
    showProblems();
}

void MainForm::redo()
{
    m_session.redo();
    applyColumns();
    showProblems();
}

void MainForm::updateMenuStates()
{
    const Settings& settings = m_session.state().settings;
    m_menu->update(m_list->selectedRow() >= 0, settings);
    // The header shows the sort key's column and the direction; the amount's is Amount, not Currency.
    QHeaderView* header = m_list->horizontalHeader();
    int sortColumn = -1;
    for (int column = 0; column < header->count(); ++column) {
        if (sortKeyOfColumn(column) == settings.sortKey)
            sortColumn = column;
    }
    header->setSortIndicatorShown(sortColumn >= 0);
    if (sortColumn >= 0)
        header->setSortIndicator(sortColumn, settings.sortReverse ? Qt::DescendingOrder : Qt::AscendingOrder);
}

void MainForm::writeInBackground()
{
    m_session.database().writeInBackground([this] {
        QMetaObject::invokeMethod(
            this,
            [this] {
                m_session.database().settleIfWritten();
                showProblems();
            },
            Qt::QueuedConnection);
    });
}

void MainForm::settleWrite()
{
    m_session.database().settle();
    showProblems();
}

void MainForm::showProblems()
{
    for (const QString& problem : m_session.takeMessages())
        m_prompts.message(this, problem);
}

void MainForm::startupTick()
{
    m_startupTimer.stop();
    const QStringList messages = std::exchange(m_startupMessages, {});
    for (const QString& message : messages)
        m_prompts.message(this, message);
    if (m_session.state().quickEntryOnStart)
        newItem();
}

QString MainForm::databaseFolder() const
{
    return folderOf(m_session.state().databasePath);
}

void MainForm::newItem()
{
    if (m_newItem)
        m_newItem();
}

void MainForm::editSelectedEntry()
{
    const int entry = m_list->selectedEntry();
    if (entry >= 0 && m_editEntry)
        m_editEntry(entry);
}

void MainForm::deleteSelectedEntry()
{
    const int entry = m_list->selectedEntry();
    if (entry < 0)
        return;
    if (!m_prompts.question(this, tr("Do you really want to delete this entry?")))
        return;
    m_session.deleteEntry(entry);
    showProblems();
}

bool MainForm::offerToKeepEntriesInMemory()
{
    if (!m_session.hasEntriesOnlyInMemory())
        return true;
    if (!m_prompts.question(this, tr("The entries are kept in memory only, not in a database "
                                     "file. Do you want to keep them with Save as?")))
        return true;
    return saveAs();
}

void MainForm::newDatabase()
{
    if (!offerToKeepEntriesInMemory())
        return;
    const std::optional<QString> path = askNewDatabaseName(m_prompts, this, databaseFolder());
    if (!path)
        return;
    m_session.newDatabase(*path);
    showProblems();
}

void MainForm::openDatabase()
{
    if (!offerToKeepEntriesInMemory())
        return;
    const std::optional<QString> path = m_prompts.openFile(this, openDatabaseDialog(databaseFolder()));
    if (!path)
        return;
    m_session.openDatabase(*path);
    showProblems();
}

void MainForm::saveDatabaseAs()
{
    saveAs();
}

bool MainForm::saveAs()
{
    const std::optional<QString> path = m_prompts.saveFile(this, saveDatabaseAsDialog(databaseFolder()));
    if (!path)
        return false;
    m_session.saveDatabaseAs(*path);
    showProblems();
    return m_session.lastDatabaseWrite().ok() && !m_session.hasEntriesOnlyInMemory();
}

void MainForm::exportData()
{
    const std::optional<QString> path = m_prompts.saveFile(this, exportDialog(databaseFolder()));
    if (!path)
        return;
    // The file's name chooses the format: ".csv", ".json", ".journal", else the tab-separated export.
    m_session.report(m_session.exportData(*path, exportFormatOfFile(*path)));
    showProblems();
}

void MainForm::showAbout()
{
    if (m_about)
        m_about();
}

void MainForm::bringToFront()
{
    if (isMinimized())
        showNormal();
    show();
    raise();
    activateWindow();
}

void MainForm::closeEvent(QCloseEvent* event)
{
    settleWrite();
    if (!offerToKeepEntriesInMemory()) {
        event->ignore();
        return;
    }
    m_session.state().settings.columnWidths = m_list->currentWidths();
    m_session.saveSettings();
    showProblems();
    event->accept();
    QDialog::closeEvent(event);
}

void MainForm::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    const bool plain = event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier;
    if (key == Qt::Key_F10 && plain) {
        softKeys()->openMenu(SoftKeyBar::Key::Left);
    } else if ((key == Qt::Key_Return || key == Qt::Key_Enter) && plain) {
        editSelectedEntry();
    } else if (key == Qt::Key_Delete && plain) {
        deleteSelectedEntry();
    } else if (key == Qt::Key_N && event->modifiers() == Qt::ControlModifier) {
        newItem();
    } else if (key == Qt::Key_Escape) {
        // The home screen does not close on Escape.
        event->accept();
    } else {
        FormBase::keyPressEvent(event);
    }
}

} // namespace tallyfox
