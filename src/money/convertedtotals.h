// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

namespace tallyfox {

class CurrencyLookup;
class SectionTotals;

// A section's totals in the primary currency: the sums of the currencies that convert, as the report's
// "In …" line gives them.
struct ConvertedTotals
{
    double income = 0.0;
    double expense = 0.0;
    // Some currency of the section is not in the table, or its rate converts nothing; its sums are left
    // out.
    bool notAllFound = false;
    // Some currency of the section is another than the primary one.
    bool hasConverted = false;
    int count = 0;
};

[[nodiscard]] ConvertedTotals convertSection(const SectionTotals& section, const CurrencyLookup& lookup);

} // namespace tallyfox
