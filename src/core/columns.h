// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include <QtGlobal>
#include <array>
#include <cstddef>

namespace tallyfox {

// The columns as their settings and the quick-entry steps name them ("Type", "Date", … "PrimaryAmount"),
// in the order of those names, which is the order their settings are numbered in.
enum class ColumnId : quint8
{
    Type,
    Date,
    Currency,
    Amount,
    PaidWith,
    IntendedSource,
    Receipt,
    Note,
    PrimaryAmount,
};
inline constexpr int kColumnCount = 9;
inline constexpr std::array<ColumnId, kColumnCount> kColumnIds = {
    ColumnId::Type,    ColumnId::Date,     ColumnId::Currency,
    ColumnId::Amount,  ColumnId::PaidWith, ColumnId::IntendedSource,
    ColumnId::Receipt, ColumnId::Note,     ColumnId::PrimaryAmount,
};

// One value for each column, reached by its identifier (or by its number in the identifiers' order).
template <typename T> struct ColumnArray : std::array<T, kColumnCount>
{
    using std::array<T, kColumnCount>::operator[];
    constexpr T& operator[](ColumnId id) { return (*this)[static_cast<size_t>(id)]; }
    constexpr const T& operator[](ColumnId id) const { return (*this)[static_cast<size_t>(id)]; }
};

// The name that the column's settings and quick-entry step are stored under.
[[nodiscard]] constexpr const char16_t* columnIdentifier(ColumnId id)
{
    switch (id) {
    case ColumnId::Type:
        return u"Type";
    case ColumnId::Date:
        return u"Date";
    case ColumnId::Currency:
        return u"Currency";
    case ColumnId::Amount:
        return u"Amount";
    case ColumnId::PaidWith:
        return u"PaidWith";
    case ColumnId::IntendedSource:
        return u"IntendedSource";
    case ColumnId::Receipt:
        return u"Receipt";
    case ColumnId::Note:
        return u"Note";
    case ColumnId::PrimaryAmount:
        return u"PrimaryAmount";
    }
    return u"";
}

// The quick entry's steps in their order: the first six columns and the note; the receipt and the
// primary amount have none.
inline constexpr int kQuickStepCount = 7;
inline constexpr std::array<ColumnId, kQuickStepCount> kQuickSteps = {
    ColumnId::Type,     ColumnId::Date,           ColumnId::Currency, ColumnId::Amount,
    ColumnId::PaidWith, ColumnId::IntendedSource, ColumnId::Note,
};

} // namespace tallyfox
