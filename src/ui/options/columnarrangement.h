// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include "core/settings.h"

#include <QString>
#include <array>

namespace tallyfox {

// The list's columns as the options dialog arranges them: the column at each position, the positions up
// to the last visible one shown, the rest hidden. The settings hold the inverse, the position of each
// column, so the arrangement converts on the way in and out.
class ColumnArrangement
{
public:
    ColumnArrangement() = default;
    ColumnArrangement(const ColumnArray<int>& columnPositions, int lastVisible);

    [[nodiscard]] ColumnArray<int> columnPositions() const;
    [[nodiscard]] int lastVisible() const { return m_lastVisible; }
    [[nodiscard]] ColumnId columnAt(int position) const { return m_order[size_t(position)]; }
    [[nodiscard]] int visibleCount() const { return m_lastVisible + 1; }
    [[nodiscard]] int hiddenCount() const { return kColumnCount - visibleCount(); }

    [[nodiscard]] bool canMoveUp(int visible) const { return visible > 0 && visible <= m_lastVisible; }
    [[nodiscard]] bool canMoveDown(int visible) const { return visible >= 0 && visible < m_lastVisible; }
    // One column always stays visible.
    [[nodiscard]] bool canHide(int visible) const
    {
        return visible >= 0 && visible <= m_lastVisible && m_lastVisible > 0;
    }

    void moveUp(int visible);
    void moveDown(int visible);
    // The hidden column becomes the first hidden one.
    void hide(int visible);
    // The hidden column (by its place among the hidden ones) becomes the last visible one; the first
    // hidden column takes its place.
    void show(int hidden);

    // The caption the dialog shows for a column.
    [[nodiscard]] static QString caption(ColumnId column);

private:
    std::array<ColumnId, kColumnCount> m_order = kColumnIds;
    int m_lastVisible = kColumnCount - 2;
};

} // namespace tallyfox
