// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include "platform/clock.h"
#include "session/entryfilter.h"

#include <QWidget>
#include <array>

class QAction;
class QDateEdit;
class QLineEdit;
class QMenu;
class QToolButton;

namespace tallyfox {

// The row above the entry list that says which entries it shows: a search field (what is typed is looked
// for in every column), a key that clears the whole filter, and "Filter", whose menu offers this month,
// last month, this year, a date range (the two pickers of a second row), expenses or income only, and
// takes back a "show only" value. It holds the filter until the program ends and says when it changed;
// the list does the matching.
class FilterBar : public QWidget
{
    Q_OBJECT

public:
    FilterBar(const Clock& clock, const QLocale& locale, QWidget* parent = nullptr);

    [[nodiscard]] const EntryFilter& filter() const { return m_filter; }
    void setFilter(const EntryFilter& filter);
    // "Show only …": the field must have this value, the rest of the filter stays.
    void showOnly(FilterField field, const QString& value);
    void clearFilter();
    // Ctrl+F and "/": the keys go to the search field, its text chosen for typing over.
    void focusSearch();
    // While the list is rebuilt it takes no input, and the keys must not pass to the bar meanwhile.
    void setTakesFocus(bool takes);

    [[nodiscard]] QLineEdit* searchField() const { return m_search; }
    [[nodiscard]] QToolButton* clearButton() const { return m_clear; }
    [[nodiscard]] QToolButton* choicesButton() const { return m_choices; }
    [[nodiscard]] QMenu* choicesMenu() const { return m_menu; }
    [[nodiscard]] QWidget* rangeRow() const { return m_rangeRow; }
    [[nodiscard]] QDateEdit* fromPicker() const { return m_from; }
    [[nodiscard]] QDateEdit* toPicker() const { return m_to; }

Q_SIGNALS:
    void filterChanged();
    // Enter, Down or Escape in the search field: the keys go back to the list.
    void leaveRequested();
    // The search field got the keys: the list may get ready for words.
    void searchFocused();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildMenu();
    // Takes the filter, shows it and says it changed.
    void change(const EntryFilter& filter);
    // The controls and the menu as the filter is, without saying it changed.
    void showFilter();
    void chooseRange(const DateRange& range);
    void toggleIncome(bool income);

    const Clock& m_clock;
    EntryFilter m_filter;
    QLineEdit* m_search;
    QToolButton* m_clear;
    QToolButton* m_choices;
    QMenu* m_menu;
    QWidget* m_rangeRow;
    QDateEdit* m_from;
    QDateEdit* m_to;
    QAction* m_thisMonth = nullptr;
    QAction* m_lastMonth = nullptr;
    QAction* m_thisYear = nullptr;
    QAction* m_range = nullptr;
    QAction* m_expenses = nullptr;
    QAction* m_income = nullptr;
    std::array<QAction*, kFilterFieldCount> m_values{};
    QAction* m_clearAll = nullptr;
    // Set while the controls are made to show the filter, whose signals then change nothing.
    bool m_showing = false;
};

} // namespace tallyfox
