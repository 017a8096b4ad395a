// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "ui/mainwindow/entrylistmodel.h"

#include "session/entrycells.h"

#include <QCoreApplication>
#include <algorithm>
#include <array>

namespace tallyfox {

namespace {

// Translated when shown.
constexpr std::array<const char*, kListColumnCount - 1> kCaptions = {
    QT_TRANSLATE_NOOP("EntryListModel", "What"),      QT_TRANSLATE_NOOP("EntryListModel", "Receipt"),
    QT_TRANSLATE_NOOP("EntryListModel", "Note"),      QT_TRANSLATE_NOOP("EntryListModel", "Date"),
    QT_TRANSLATE_NOOP("EntryListModel", "Currency"),  QT_TRANSLATE_NOOP("EntryListModel", "Amount"),
    QT_TRANSLATE_NOOP("EntryListModel", "Paid with"), QT_TRANSLATE_NOOP("EntryListModel", "Int. source"),
};

Qt::Alignment columnAlignment(int column)
{
    const auto listColumn = static_cast<ListColumn>(column);
    const bool right = listColumn == ListColumn::Date || listColumn == ListColumn::Currency;
    return Qt::AlignVCenter | (right ? Qt::AlignRight : Qt::AlignLeft);
}

} // namespace

EntryListModel::EntryListModel(const AppState& state, QObject* parent)
    : QAbstractTableModel(parent), m_state(state)
{
    setObjectName(QStringLiteral("entryListModel"));
}

int EntryListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_rows;
}

int EntryListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : kListColumnCount;
}

QVariant EntryListModel::data(const QModelIndex& index, int role) const
{
    const int entry = index.isValid() ? entryAt(index.row()) : -1;
    if (entry < 0)
        return {};
    switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole:
        return entryCellText(m_state, m_state.entries[entry], index.column());
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(columnAlignment(index.column()));
    default:
        return {};
    }
}

QVariant EntryListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= kListColumnCount)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (role == Qt::DisplayRole)
        return section == static_cast<int>(ListColumn::PrimaryAmount)
                   ? m_primaryCaption
                   : QCoreApplication::translate("EntryListModel", kCaptions[size_t(section)]);
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(columnAlignment(section));
    return {};
}

void EntryListModel::reset()
{
    beginResetModel();
    m_rows =
        m_state.quickEntryOnly ? 0 : (m_shown ? static_cast<int>(m_shown->size()) : m_state.entryCount());
    endResetModel();
}

int EntryListModel::entryAt(int row) const
{
    if (row < 0 || row >= m_rows)
        return -1;
    const int entry = m_shown ? (*m_shown)[size_t(row)] : row;
    return entry < m_state.entryCount() ? entry : -1;
}

int EntryListModel::rowOf(int entry) const
{
    if (entry < 0 || entry >= m_state.entryCount())
        return -1;
    if (!m_shown)
        return entry < m_rows ? entry : -1;
    const auto found = std::lower_bound(m_shown->begin(), m_shown->end(), entry);
    if (found == m_shown->end() || *found != entry)
        return -1;
    const int row = static_cast<int>(found - m_shown->begin());
    return row < m_rows ? row : -1;
}

void EntryListModel::setPrimaryCaption(const QString& caption)
{
    m_primaryCaption = caption;
    Q_EMIT headerDataChanged(Qt::Horizontal, static_cast<int>(ListColumn::PrimaryAmount),
                             static_cast<int>(ListColumn::PrimaryAmount));
}

} // namespace tallyfox
