// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include "benchrandom.h"

#include <QString>
#include <vector>

namespace tallyfox::bench {

// A choice that comes up in proportion to its weight.
struct WeightedText
{
    QString text;
    int weight = 1;
};

// What an entry of a given type typically costs, in hundredths of the primary currency.
struct EntryKind
{
    QString type;
    int weight = 1;
    int minCents = 100;
    int maxCents = 1000;
};

// What a currency's amounts are multiplied by against the primary currency, in thousandths; a currency
// without minor units rounds to whole units.
struct CurrencyKind
{
    QString name;
    int weight = 1;
    int perMille = 1000;
    bool wholeUnits = false;
};

// The words a person's expense database is made of: types with their usual amounts, currencies,
// intended sources, payment methods and note fragments (some beyond ASCII: é, ü, €, ß).
struct Vocabulary
{
    std::vector<EntryKind> expenses;
    std::vector<EntryKind> incomes;
    std::vector<CurrencyKind> currencies;
    std::vector<WeightedText> sources;
    std::vector<WeightedText> incomeSources;
    std::vector<WeightedText> paymentMethods;
    std::vector<WeightedText> incomePaymentMethods;
    std::vector<QString> noteFragments;

    [[nodiscard]] static const Vocabulary& instance();
};

// Picks one element of a weighted list.
template <typename Item> const Item& pickWeighted(const std::vector<Item>& items, BenchRandom& random)
{
    int total = 0;
    for (const Item& item : items)
        total += item.weight;
    int ticket = static_cast<int>(random.below(static_cast<std::uint32_t>(total)));
    for (const Item& item : items) {
        if (ticket < item.weight)
            return item;
        ticket -= item.weight;
    }
    return items.back();
}

} // namespace tallyfox::bench
