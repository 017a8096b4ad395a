// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include "core/appstate.h"

#include <QAbstractTableModel>
#include <optional>
#include <vector>

namespace tallyfox {

// The entries as the list shows them: one row per entry in array order (or per entry a filter lets
// through, in the same order), nine logical columns. Rows are not copied: the view asks only for the cells
// it draws, and a refresh or a new filter is one model reset.
class EntryListModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    explicit EntryListModel(const AppState& state, QObject* parent = nullptr);

    [[nodiscard]] const AppState& state() const { return m_state; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // Rebuilds all rows from the entries (none while the run only adds one entry).
    void reset();
    // The entries the rows show, by index, ascending; every entry when none are given. Takes effect at
    // the next reset.
    void setShownEntries(std::optional<std::vector<int>> entries) { m_shown = std::move(entries); }
    [[nodiscard]] bool isFiltered() const { return m_shown.has_value(); }
    [[nodiscard]] const std::optional<std::vector<int>>& shownEntries() const { return m_shown; }
    // The index of the entry a row shows, or -1.
    [[nodiscard]] int entryAt(int row) const;
    // The row that shows an entry, or -1 when it is not shown.
    [[nodiscard]] int rowOf(int entry) const;
    // The caption of the primary amount column: the primary currency's name.
    void setPrimaryCaption(const QString& caption);

private:
    const AppState& m_state;
    int m_rows = 0;
    std::optional<std::vector<int>> m_shown;
    QString m_primaryCaption = QStringLiteral("EUR");
};

} // namespace tallyfox
