// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include "core/columns.h"

#include <QString>
#include <array>
#include <optional>

namespace tallyfox {

inline constexpr ColumnArray<int> kDefaultColumnWidths = {{80, 60, 40, 55, 80, 80, 50, 80, 55}};
// A stored width beyond this (or below 0) is damage, not a choice; the column gets its default width.
inline constexpr int kLargestColumnWidth = 10000;

// What the entries are sorted by. The numbers are the ones stored as "SortType".
enum class SortKey : quint16
{
    Name = 0,
    Date = 1,
    Amount = 2,
    Receipt = 3,
    PaidWith = 4,
    IntendedSource = 5,
};
inline constexpr int kSortKeyCount = 6;
inline constexpr std::array<SortKey, kSortKeyCount> kSortKeys = {
    SortKey::Name,    SortKey::Date,     SortKey::Amount,
    SortKey::Receipt, SortKey::PaidWith, SortKey::IntendedSource,
};

[[nodiscard]] constexpr quint16 sortKeyNumber(SortKey key)
{
    return static_cast<quint16>(key);
}

// The sort key a stored number names; none for a number beyond the known keys.
[[nodiscard]] constexpr std::optional<SortKey> sortKeyFromNumber(quint32 number)
{
    if (number >= kSortKeyCount)
        return std::nullopt;
    return static_cast<SortKey>(number);
}

// The settings kept in the registry, with their defaults; the remembered choices of the item editor
// are among them.
struct Settings
{
    bool enableLogging = true;
    QString lastUsedCurrency = QStringLiteral("EUR");
    QString lastIntendedSource = QStringLiteral("Employer");
    QString lastPaidWith = QStringLiteral("Cash");
    bool lastIncome = false;
    bool lastHasReceipt = false;
    quint16 nextReceiptNumber = 1;
    bool fingerFriendly = true;
    bool startWithQuick = false;
    bool showDecimals = true;
    // The whole-number digit columns the amount box shows ("DecimalsVis").
    qint32 wholeDigitColumns = 3;
    bool autoSort = false;
    bool sortReverse = false;
    SortKey sortKey = SortKey::Name;
    bool incomeIsPositive = false;
    bool increase9Is0 = false;
    bool skipOverview = false;
    std::array<bool, kQuickStepCount> quickEnable = {true, true, true, true, true, true, true};

    quint16 lastVisibleColumn = 7;
    ColumnArray<int> columnWidths = kDefaultColumnWidths;
    // Display position of each column; always a permutation of 0-8.
    ColumnArray<int> columnPositions = {{0, 1, 2, 3, 4, 5, 6, 7, 8}};

    // Set when start-up could neither open nor create the settings key because the registry file cannot
    // be read. The settings then stay at their defaults and are not saved, so that the settings the user
    // has stored are never replaced by them, even when the file becomes readable later in the run.
    bool registryUnavailable = false;

    friend bool operator==(const Settings&, const Settings&) = default;
};

} // namespace tallyfox
