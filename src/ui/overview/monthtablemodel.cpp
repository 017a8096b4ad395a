// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "ui/overview/monthtablemodel.h"

#include "money/monthtable.h"

namespace tallyfox {

namespace {

Qt::Alignment alignmentOf(ColumnAlignment alignment)
{
    return Qt::AlignVCenter | (alignment == ColumnAlignment::Right ? Qt::AlignRight : Qt::AlignLeft);
}

} // namespace

MonthTableModel::MonthTableModel(const MonthTable& table, QObject* parent)
    : QAbstractTableModel(parent), m_table(table)
{}

int MonthTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_table.rowCount();
}

int MonthTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_table.columnCount();
}

QVariant MonthTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_table.rowCount() || index.column() >= m_table.columnCount())
        return {};
    if (role == Qt::DisplayRole)
        return m_table.cellText(index.row(), index.column());
    if (role == Qt::TextAlignmentRole) {
        const auto column = static_cast<size_t>(index.column());
        return QVariant::fromValue(alignmentOf(m_table.columns()[column].alignment));
    }
    return {};
}

QVariant MonthTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= m_table.columnCount())
        return {};
    const TableColumn& column = m_table.columns()[static_cast<size_t>(section)];
    if (role == Qt::DisplayRole)
        return column.caption;
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(alignmentOf(column.alignment));
    return {};
}

} // namespace tallyfox
