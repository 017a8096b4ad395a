// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include <QAbstractTableModel>

namespace tallyfox {

class MonthTable;

// A month table as a view sees it: the columns' captions and alignments, and the cells' texts, made
// only for the cells the view asks for, so that twenty years of months cost no more than a screenful.
class MonthTableModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    explicit MonthTableModel(const MonthTable& table, QObject* parent = nullptr);

    // Wrap changes of the table in these, so that the view forgets what it had asked for.
    void beginChange() { beginResetModel(); }
    void endChange() { endResetModel(); }

    [[nodiscard]] int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    [[nodiscard]] int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    [[nodiscard]] QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    [[nodiscard]] QVariant headerData(int section, Qt::Orientation orientation,
                                      int role = Qt::DisplayRole) const override;

private:
    const MonthTable& m_table;
};

} // namespace tallyfox
