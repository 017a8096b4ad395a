// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "ui/options/columnarrangement.h"

#include <QCoreApplication>
#include <algorithm>
#include <utility>

namespace tallyfox {

ColumnArrangement::ColumnArrangement(const ColumnArray<int>& columnPositions, int lastVisible)
    : m_lastVisible(std::clamp(lastVisible, 0, kColumnCount - 1))
{
    for (const ColumnId column : kColumnIds) {
        const int position = columnPositions[column];
        if (position >= 0 && position < kColumnCount)
            m_order[size_t(position)] = column;
    }
}

ColumnArray<int> ColumnArrangement::columnPositions() const
{
    ColumnArray<int> positions{};
    for (int position = 0; position < kColumnCount; ++position)
        positions[m_order[size_t(position)]] = position;
    return positions;
}

void ColumnArrangement::moveUp(int visible)
{
    if (canMoveUp(visible))
        std::swap(m_order[size_t(visible)], m_order[size_t(visible - 1)]);
}

void ColumnArrangement::moveDown(int visible)
{
    if (canMoveDown(visible))
        std::swap(m_order[size_t(visible)], m_order[size_t(visible + 1)]);
}

void ColumnArrangement::hide(int visible)
{
    if (!canHide(visible))
        return;
    std::rotate(m_order.begin() + visible, m_order.begin() + visible + 1,
                m_order.begin() + m_lastVisible + 1);
    --m_lastVisible;
}

void ColumnArrangement::show(int hidden)
{
    if (hidden < 0 || hidden >= hiddenCount())
        return;
    const int first = m_lastVisible + 1;
    std::swap(m_order[size_t(first + hidden)], m_order[size_t(first)]);
    ++m_lastVisible;
}

QString ColumnArrangement::caption(ColumnId column)
{
    static constexpr ColumnArray<const char*> kCaptions = {{
        QT_TRANSLATE_NOOP("ColumnArrangement", "What/name"),
        QT_TRANSLATE_NOOP("ColumnArrangement", "Date"),
        QT_TRANSLATE_NOOP("ColumnArrangement", "Currency"),
        QT_TRANSLATE_NOOP("ColumnArrangement", "Amount"),
        QT_TRANSLATE_NOOP("ColumnArrangement", "Paid with"),
        QT_TRANSLATE_NOOP("ColumnArrangement", "Intended source"),
        QT_TRANSLATE_NOOP("ColumnArrangement", "Receipt"),
        QT_TRANSLATE_NOOP("ColumnArrangement", "Note"),
        QT_TRANSLATE_NOOP("ColumnArrangement", "Primary amount"),
    }};
    return QCoreApplication::translate("ColumnArrangement", kCaptions[column]);
}

} // namespace tallyfox
