// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include "core/growablearray.h"
#include "platform/userlocale.h"

#include <QString>
#include <algorithm>
#include <cmath>
#include <vector>

// The keys the entry sort compares in place of records: what entryLess and entryEqual look at, computed
// once per entry.
namespace tallyfox::sortkeys {

inline bool textBefore(const QString& a, const QString& b, const UserLocale& locale)
{
    return locale.compareText(a, b) < 0;
}

inline bool sameText(const QString& a, const QString& b, const UserLocale& locale)
{
    return a == b || locale.compareText(a, b) == 0;
}

inline double signedAmount(const Expense& entry)
{
    return entry.income ? -entry.amount : entry.amount;
}

// The fast sort compares precomputed keys instead of records. Texts are replaced by their rank among
// the distinct texts in locale order, which gives the same answers as comparing the texts themselves.
std::vector<int> textRanks(const ExpenseArray& entries, int count, StoredText Expense::*field,
                           const UserLocale& locale);

// Each key set answers equal() and less() as entryEqual and entryLess (before reversing) would, and
// says whether less() is a strict weak order on these entries, that is, whether no key is NaN.
struct TextKeys
{
    std::vector<int> rank;
    bool equal(int e, int p) const { return rank[size_t(e)] == rank[size_t(p)]; }
    bool less(int e, int p) const { return rank[size_t(e)] < rank[size_t(p)]; }
    bool ordered() const { return true; }
};

struct DateKeys
{
    std::vector<double> date;
    bool equal(int e, int p) const { return date[size_t(e)] == date[size_t(p)]; }
    bool less(int e, int p) const { return date[size_t(e)] < date[size_t(p)]; }
    bool ordered() const
    {
        return std::none_of(date.begin(), date.end(), [](double d) { return std::isnan(d); });
    }
};

struct AmountKeys
{
    struct Key
    {
        int currencyRank;
        bool income;
        double amount;
        double signedAmount;
    };
    std::vector<Key> keys;
    bool equal(int e, int p) const
    {
        const Key& a = keys[size_t(e)];
        const Key& b = keys[size_t(p)];
        return a.currencyRank == b.currencyRank && a.income == b.income && a.amount == b.amount;
    }
    bool less(int e, int p) const
    {
        const Key& a = keys[size_t(e)];
        const Key& b = keys[size_t(p)];
        if (a.currencyRank != b.currencyRank)
            return a.currencyRank < b.currencyRank;
        return a.signedAmount < b.signedAmount;
    }
    bool ordered() const
    {
        return std::none_of(keys.begin(), keys.end(),
                            [](const Key& key) { return std::isnan(key.signedAmount); });
    }
};

struct ReceiptKeys
{
    struct Key
    {
        bool hasReceipt;
        int textId; // equal ids: identical texts
        double number;
    };
    std::vector<Key> keys;
    const ExpenseArray* entries = nullptr;
    const UserLocale* locale = nullptr;

    bool equal(int e, int p) const
    {
        const Key& a = keys[size_t(e)];
        const Key& b = keys[size_t(p)];
        return a.hasReceipt == b.hasReceipt && a.textId == b.textId;
    }
    bool less(int e, int p) const
    {
        const Key& a = keys[size_t(e)];
        const Key& b = keys[size_t(p)];
        if (a.hasReceipt != b.hasReceipt)
            return b.hasReceipt;
        if (a.number != b.number)
            return a.number < b.number;
        if (a.textId == b.textId)
            return false;
        // Rare: same number, different texts ("0042" and "42").
        return textBefore((*entries)[e].receipt, (*entries)[p].receipt, *locale);
    }
    // The lenient number reading never gives NaN.
    bool ordered() const { return true; }
};

} // namespace tallyfox::sortkeys
