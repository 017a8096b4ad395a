// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "core/sortkeys.h"

#include "core/textids.h"

namespace tallyfox::sortkeys {

// The fast sort compares precomputed keys instead of records. Texts are replaced by their rank among
// the distinct texts in locale order, which gives the same answers as comparing the texts themselves.
std::vector<int> textRanks(const ExpenseArray& entries, int count, StoredText Expense::*field,
                           const UserLocale& locale)
{
    TextIds distinct;
    std::vector<int> ranks(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i)
        ranks[static_cast<size_t>(i)] = distinct.idOf(entries[i].*field);

    std::vector<int> order(static_cast<size_t>(distinct.size()));
    for (size_t i = 0; i < order.size(); ++i)
        order[i] = static_cast<int>(i);
    // A merge sort stays within bounds even if a collation were not transitive.
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        return locale.compareText(distinct.text(a), distinct.text(b)) < 0;
    });
    std::vector<int> rankOfDistinct(order.size());
    int rank = 0;
    for (size_t i = 0; i < order.size(); ++i) {
        if (i > 0 && locale.compareText(distinct.text(order[i - 1]), distinct.text(order[i])) != 0)
            ++rank;
        rankOfDistinct[static_cast<size_t>(order[i])] = rank;
    }
    for (int& r : ranks)
        r = rankOfDistinct[static_cast<size_t>(r)];
    return ranks;
}

} // namespace tallyfox::sortkeys
