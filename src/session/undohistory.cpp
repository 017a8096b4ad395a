// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "session/undohistory.h"

#include "core/textforms.h"

#include <QCoreApplication>

namespace tallyfox {

void UndoHistory::record(UndoStep step)
{
    if (m_replaying > 0)
        return;
    m_undo.push_back(std::move(step));
    m_redo.clear();
    changed();
}

void UndoHistory::clear()
{
    m_undo.clear();
    m_redo.clear();
    changed();
}

void UndoHistory::pushUndo(UndoStep step)
{
    m_undo.push_back(std::move(step));
    changed();
}

void UndoHistory::pushRedo(UndoStep step)
{
    m_redo.push_back(std::move(step));
    changed();
}

void UndoHistory::changed() const
{
    if (m_changed)
        m_changed();
}

QString UndoHistory::undoText() const
{
    return m_undo.empty() ? QCoreApplication::translate("UndoHistory", "Undo")
                          : QCoreApplication::translate("UndoHistory", "Undo %1").arg(m_undo.back().what);
}

QString UndoHistory::redoText() const
{
    return m_redo.empty() ? QCoreApplication::translate("UndoHistory", "Redo")
                          : QCoreApplication::translate("UndoHistory", "Redo %1").arg(m_redo.back().what);
}

std::optional<UndoStep> UndoHistory::takeUndo()
{
    if (m_undo.empty())
        return std::nullopt;
    UndoStep step = std::move(m_undo.back());
    m_undo.pop_back();
    changed();
    return step;
}

std::optional<UndoStep> UndoHistory::takeRedo()
{
    if (m_redo.empty())
        return std::nullopt;
    UndoStep step = std::move(m_redo.back());
    m_redo.pop_back();
    changed();
    return step;
}

QString entryCaption(const Expense& entry, bool incomeIsPositive)
{
    // A long type is cut, so that the menu item stays on the screen.
    constexpr qsizetype kLongestType = 16;
    QString type =
        entry.type.isEmpty() ? QCoreApplication::translate("UndoHistory", "entry") : entry.type.text();
    if (type.size() > kLongestType)
        type = type.left(kLongestType - 1) + u'\u2026';
    return type + u' ' + entryAmountText(entry, incomeIsPositive);
}

QString sortCaption(SortKey key)
{
    switch (key) {
    case SortKey::Name:
        return QCoreApplication::translate("UndoHistory", "sort by name");
    case SortKey::Date:
        return QCoreApplication::translate("UndoHistory", "sort by date");
    case SortKey::Amount:
        return QCoreApplication::translate("UndoHistory", "sort by amount");
    case SortKey::Receipt:
        return QCoreApplication::translate("UndoHistory", "sort by receipt nr.");
    case SortKey::PaidWith:
        return QCoreApplication::translate("UndoHistory", "sort by paid with");
    case SortKey::IntendedSource:
        break;
    }
    return QCoreApplication::translate("UndoHistory", "sort by intended source");
}

} // namespace tallyfox
