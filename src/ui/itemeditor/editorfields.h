// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include "session/picklists.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QString>

namespace tallyfox {

// What the item editor shows of the entry it edits. The quick entry reads its panels from these and
// writes each value the user confirms back, so that the editor shows it.
struct EditorFields
{
    // The items of the four drop-down lists.
    PickLists lists;
    QString type;
    QString currency;
    QString intendedSource;
    QString paidWith;
    QString note;
    // The date picker keeps a time of day; the entry takes only the day.
    QDateTime date;
    // The plain amount field's text, and the painted amount box's value.
    QString amountText;
    double digitAmount = 0.0;
    bool income = false;
    bool hasReceipt = false;
    QString receipt;
    // The number a receipt given now is offered (the session's proposal); empty: the counter's.
    QString proposedReceipt;

    friend bool operator==(const EditorFields&, const EditorFields&) = default;
};

// The item editor's four drop-down lists, as the quick entry's list panel fills them.
enum class PickTarget
{
    Type,
    Currency,
    PaidWith,
    IntendedSource,
};

// The text of the drop-down list a pick target names, and its items.
[[nodiscard]] inline QString& pickText(EditorFields& fields, PickTarget target)
{
    switch (target) {
    case PickTarget::Type:
        return fields.type;
    case PickTarget::Currency:
        return fields.currency;
    case PickTarget::PaidWith:
        return fields.paidWith;
    case PickTarget::IntendedSource:
        return fields.intendedSource;
    }
    return fields.type;
}

// What marks the values that come from the entries in the pick lists, after the lists' own items.
[[nodiscard]] inline QString fromEntriesCaption()
{
    return QCoreApplication::translate("EditorFields", "From the entries");
}

[[nodiscard]] inline const QStringList& pickItems(const EditorFields& fields, PickTarget target)
{
    switch (target) {
    case PickTarget::Type:
        return fields.lists.expenseTypes;
    case PickTarget::Currency:
        return fields.lists.currencies;
    case PickTarget::PaidWith:
        return fields.lists.paymentMethods;
    case PickTarget::IntendedSource:
        return fields.lists.intendedSources;
    }
    return fields.lists.expenseTypes;
}

// The values from the entries offered after a pick target's own items.
[[nodiscard]] inline const QStringList& pickEntryItems(const EditorFields& fields, PickTarget target)
{
    const EntryPicks& picks = fields.lists.fromEntries;
    switch (target) {
    case PickTarget::Type:
        return picks.expenseTypes;
    case PickTarget::Currency:
        return picks.currencies;
    case PickTarget::PaidWith:
        return picks.paymentMethods;
    case PickTarget::IntendedSource:
        return picks.intendedSources;
    }
    return picks.expenseTypes;
}

} // namespace tallyfox
