// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include "core/growablearray.h"
#include "core/textids.h"

#include <QString>
#include <vector>

namespace tallyfox {

// The currency table's answers for the currency texts of many entries: each distinct text is looked up
// once, and every later entry in it is converted by the same rate, with the same result as convertToPrimary.
// The table and the texts must stay unchanged while the object is used.
class CurrencyLookup
{
public:
    explicit CurrencyLookup(const CurrencyArray& currencies) : m_currencies(currencies) {}

    // A number for the text, 0, 1, 2 … by first appearance.
    [[nodiscard]] int groupOf(const QString& currency);
    [[nodiscard]] const QString& groupText(int group) const { return m_texts.text(group); }

    // findCurrency of the group's text.
    [[nodiscard]] int tableIndex(int group) const { return m_found[static_cast<size_t>(group)].index; }
    // Whether the group's amounts convert: it is in the table with a usable rate.
    [[nodiscard]] bool converts(int group) const { return m_found[static_cast<size_t>(group)].converts; }
    // convertToPrimary of an amount in the group's currency.
    [[nodiscard]] double toPrimary(int group, double amount) const;

private:
    struct Found
    {
        int index = -1;
        bool converts = false;
        double rate = 0.0;
    };

    const CurrencyArray& m_currencies;
    TextIds m_texts;
    std::vector<Found> m_found;
};

} // namespace tallyfox
