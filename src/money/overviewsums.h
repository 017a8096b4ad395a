// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include "core/growablearray.h"
#include "core/textids.h"
#include "money/sectiontotals.h"
#include "storage/entrysink.h"

#include <memory>
#include <vector>

namespace tallyfox {

class CurrencyLookup;

// The starts of last month, this month and next month as day counts at 00:00.
struct MonthBounds
{
    double lastMonthStart = 0.0;
    double thisMonthStart = 0.0;
    double nextMonthStart = 0.0;
};

// The sums of the overview report, taken as the entries come: all of them, this month's and last
// month's, and per type, intended source and payment method. Each part of a file is summed on its own
// (on its reading thread) and the parts are joined in file order, so sections and currencies keep the
// order in which they first appear.
class OverviewSums final : public EntrySinks
{
public:
    explicit OverviewSums(const MonthBounds& bounds);
    ~OverviewSums() override;

    EntrySink& nextPart() override;
    // The entries of a state, as one more part.
    void takeAll(const ExpenseArray& entries);

    // Sections keyed by one text field of the entries, in the order the texts first appear.
    struct FieldSections
    {
        std::vector<QString> texts;
        std::vector<SectionTotals> sections;
    };
    struct Joined
    {
        SectionTotals all;
        SectionTotals thisMonth;
        SectionTotals lastMonth;
        FieldSections perType;
        FieldSections perSource;
        FieldSections perMethod;
    };
    // The parts joined, their currencies numbered by the lookup.
    [[nodiscard]] Joined join(CurrencyLookup& lookup) const;

    class Part;

private:
    MonthBounds m_bounds;
    std::vector<std::unique_ptr<Part>> m_parts;
};

} // namespace tallyfox
