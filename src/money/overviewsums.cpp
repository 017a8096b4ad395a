// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "money/overviewsums.h"

#include "money/currencylookup.h"

#include <QHash>

namespace tallyfox {

class OverviewSums::Part final : public EntrySink
{
public:
    // Sections of one text field within the part, numbered by the part's first appearance of their texts.
    struct PartSections
    {
        StoredTextIds ids;
        std::vector<SectionTotals> sections;

        SectionTotals& sectionOf(StoredText text)
        {
            const int id = ids.idOf(text);
            if (id == static_cast<int>(sections.size()))
                sections.emplace_back();
            return sections[static_cast<size_t>(id)];
        }
    };

    explicit Part(const MonthBounds& bounds) : m_bounds(bounds) {}

    void take(std::span<const Expense> entries) override
    {
        for (const Expense& entry : entries) {
            // Currencies numbered within the part; the join numbers them for the whole file.
            const int currency = m_currencies.idOf(entry.currency);
            m_all.add(currency, entry.income, entry.amount);
            if (entry.date >= m_bounds.thisMonthStart && entry.date < m_bounds.nextMonthStart)
                m_thisMonth.add(currency, entry.income, entry.amount);
            else if (entry.date >= m_bounds.lastMonthStart && entry.date < m_bounds.thisMonthStart)
                m_lastMonth.add(currency, entry.income, entry.amount);
            m_types.sectionOf(entry.type).add(currency, entry.income, entry.amount);
            m_sources.sectionOf(entry.intendedSource).add(currency, entry.income, entry.amount);
            m_methods.sectionOf(entry.paidWith).add(currency, entry.income, entry.amount);
        }
    }

    void joinInto(Joined& joined, CurrencyLookup& lookup) const
    {
        std::vector<int> groupOf;
        groupOf.reserve(static_cast<size_t>(m_currencies.size()));
        for (int id = 0; id < m_currencies.size(); ++id)
            groupOf.push_back(lookup.groupOf(m_currencies.text(id).text()));
        joined.all.absorb(m_all, groupOf);
        joined.thisMonth.absorb(m_thisMonth, groupOf);
        joined.lastMonth.absorb(m_lastMonth, groupOf);
        joinSections(joined.perType, m_types, groupOf);
        joinSections(joined.perSource, m_sources, groupOf);
        joinSections(joined.perMethod, m_methods, groupOf);
    }

private:
    static void joinSections(FieldSections& into, const PartSections& part, const std::vector<int>& groupOf)
    {
        QHash<QString, size_t> positions;
        for (size_t i = 0; i < into.texts.size(); ++i)
            positions.insert(into.texts[i], i);
        for (int id = 0; id < part.ids.size(); ++id) {
            const QString text = part.ids.text(id).text();
            auto found = positions.constFind(text);
            if (found == positions.constEnd()) {
                found = positions.insert(text, into.texts.size());
                into.texts.push_back(text);
                into.sections.emplace_back();
            }
            into.sections[found.value()].absorb(part.sections[static_cast<size_t>(id)], groupOf);
        }
    }

    MonthBounds m_bounds;
    StoredTextIds m_currencies;
    SectionTotals m_all;
    SectionTotals m_thisMonth;
    SectionTotals m_lastMonth;
    PartSections m_types;
    PartSections m_sources;
    PartSections m_methods;
};

OverviewSums::OverviewSums(const MonthBounds& bounds) : m_bounds(bounds) {}

OverviewSums::~OverviewSums() = default;

EntrySink& OverviewSums::nextPart()
{
    m_parts.push_back(std::make_unique<Part>(m_bounds));
    return *m_parts.back();
}

void OverviewSums::takeAll(const ExpenseArray& entries)
{
    nextPart().take(std::span<const Expense>(entries.begin(), size_t(entries.count())));
}

OverviewSums::Joined OverviewSums::join(CurrencyLookup& lookup) const
{
    Joined joined;
    for (const std::unique_ptr<Part>& part : m_parts)
        part->joinInto(joined, lookup);
    return joined;
}

} // namespace tallyfox
