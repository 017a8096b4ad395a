// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include "core/settings.h"
#include "session/entrycells.h"
#include "toolkit/longpress.h"

#include <QTableView>
#include <array>

namespace tallyfox {

class EntryListModel;

// The entry list: full-row selection, no editing, header taps that choose sort keys, a double tap that
// edits, and the list menu on a right click or a long press.
class EntryListView : public QTableView
{
    Q_OBJECT

public:
    explicit EntryListView(EntryListModel* model, QWidget* parent = nullptr);

    // The first selected row, or -1.
    [[nodiscard]] int selectedRow() const;
    void selectRow(int row);
    // The index of the entry the selected row shows, or -1; rows and entries differ while a filter is on.
    [[nodiscard]] int selectedEntry() const;
    // Selects the entry's row and brings it into view; clears the selection when the entry is not shown.
    void selectEntry(int entry);
    // The row that shows the entry, or -1.
    [[nodiscard]] int rowOfEntry(int entry) const;
    // The entry and the list column of the cell that the list menu was last asked for on; -1 when it was
    // asked for below the rows.
    [[nodiscard]] int menuEntry() const { return m_menuEntry; }
    [[nodiscard]] int menuColumn() const { return m_menuColumn; }

    // Stored widths (device-independent pixels), applied as start-up reads them.
    void applyWidths(const ColumnArray<int>& widths);
    // Display positions, hiding the columns beyond LastVisibleColumn; a column shown again gets its
    // default width. The primary amount column is captioned with the primary currency.
    void applyColumns(const Settings& settings, const QString& primaryCaption);
    // Each column's current width by identifier index (device-independent pixels; 0 while hidden).
    [[nodiscard]] ColumnArray<int> currentWidths() const;

    // Scrolls up or down only: the list moves between rows, never sideways.
    void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;

    // Brings a row fully into view and makes it the selected row, so that what is highlighted is what the
    // entry commands act on.
    void revealRow(int row);

Q_SIGNALS:
    void rowDoubleTapped(int row);
    void headerTapped(int column);
    void listMenuRequested(const QPoint& globalPosition);

protected:
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void requestMenu(const QPoint& at, const QPoint& globalPosition);
    [[nodiscard]] int columnWidth(int column) const;
    [[nodiscard]] int lastVisibleSection() const;
    // The width a column is given, at least what its fixed-form texts need.
    [[nodiscard]] int fittedWidth(int column, int width) const;

    EntryListModel* m_model;
    // Each column's width as set, by logical column: the last one may show wider to fill the window.
    std::array<int, kListColumnCount> m_widths{};
    LongPress* m_longPress;
    int m_menuEntry = -1;
    int m_menuColumn = -1;
};

} // namespace tallyfox
