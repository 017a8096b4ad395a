// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "money/overviewreport.h"

#include "core/appstate.h"
#include "core/daycount.h"
#include "core/textforms.h"
#include "core/textids.h"
#include "money/convertedtotals.h"
#include "money/currencylookup.h"
#include "money/sectiontotals.h"
#include "platform/clock.h"

#include <QCoreApplication>
#include <vector>

namespace tallyfox {

namespace {

constexpr QStringView kLineEnd = u"\r\n";

// Sections keyed by one text field of the entries, in the order the texts first appear.
class FieldSections
{
public:
    SectionTotals& sectionOf(const QString& text)
    {
        const int id = m_ids.idOf(text);
        if (id == static_cast<int>(m_sections.size()))
            m_sections.emplace_back();
        return m_sections[static_cast<size_t>(id)];
    }
    [[nodiscard]] int size() const { return static_cast<int>(m_sections.size()); }
    [[nodiscard]] const QString& text(int id) const { return m_ids.text(id); }
    [[nodiscard]] const SectionTotals& section(int id) const { return m_sections[static_cast<size_t>(id)]; }

private:
    TextIds m_ids;
    std::vector<SectionTotals> m_sections;
};

void appendBalanceLine(QString& out, QStringView label, double income, double expense)
{
    out += label;
    out += u": ";
    out += amountText(income);
    out += u" - ";
    out += amountText(expense);
    out += u" = ";
    out += amountText(income - expense);
    out += kLineEnd;
}

void appendSectionTotals(QString& out, const SectionTotals& section, const CurrencyLookup& lookup,
                         const QString& primaryName)
{
    for (const SectionTotals::Group& group : section.groups())
        appendBalanceLine(out, lookup.groupText(group.currency), group.income, group.expense);
    const ConvertedTotals converted = convertSection(section, lookup);
    if (!converted.hasConverted)
        return;
    appendBalanceLine(out, QCoreApplication::translate("OverviewReport", "In %1").arg(primaryName),
                      converted.income, converted.expense);
    if (converted.notAllFound) {
        out += QCoreApplication::translate("OverviewReport", "(Not all currencies found in list!)");
        out += kLineEnd;
    }
}

void appendHeading(QString& out, QStringView title, int count)
{
    out += title;
    out += u" (";
    out += QString::number(count);
    out += u')';
    out += kLineEnd;
}

void appendFieldSections(QString& out, QStringView heading, const FieldSections& sections,
                         const CurrencyLookup& lookup, const QString& primaryName)
{
    out += heading;
    out += kLineEnd;
    for (int id = 0; id < sections.size(); ++id) {
        appendHeading(out, sections.text(id), sections.section(id).count());
        appendSectionTotals(out, sections.section(id), lookup, primaryName);
        out += kLineEnd;
    }
}

} // namespace

MonthBounds monthBoundsOf(QDate today)
{
    const QDate firstDay(today.year(), today.month(), 1);
    const double thisStart = dayCountFromQDate(firstDay);
    // Counted in days rather than built as dates, so the first and the last year of the calendar
    // still get bounds on both sides.
    const int daysOfLastMonth =
        today.month() == 1 ? 31 : QDate(today.year(), today.month() - 1, 1).daysInMonth();
    return {thisStart - daysOfLastMonth, thisStart, thisStart + firstDay.daysInMonth()};
}

QString buildOverviewText(const AppState& state, const Clock& clock)
{
    const MonthBounds bounds = monthBoundsOf(clock.today());
    CurrencyLookup lookup(state.currencies);
    SectionTotals all;
    SectionTotals thisMonth;
    SectionTotals lastMonth;
    FieldSections perType;
    FieldSections perSource;
    FieldSections perMethod;

    for (const Expense& entry : state.entries) {
        const int currency = lookup.groupOf(entry.currency);
        all.add(currency, entry.income, entry.amount);
        if (entry.date >= bounds.thisMonthStart && entry.date < bounds.nextMonthStart)
            thisMonth.add(currency, entry.income, entry.amount);
        else if (entry.date >= bounds.lastMonthStart && entry.date < bounds.thisMonthStart)
            lastMonth.add(currency, entry.income, entry.amount);
        perType.sectionOf(entry.type).add(currency, entry.income, entry.amount);
        perSource.sectionOf(entry.intendedSource).add(currency, entry.income, entry.amount);
        perMethod.sectionOf(entry.paidWith).add(currency, entry.income, entry.amount);
    }

    const QString primaryName = state.currencies.isEmpty() ? QString() : state.currencies[0].name;
    QString out;
    for (const QString& line :
         {QCoreApplication::translate("OverviewReport", "Filename:"), state.databasePath, QString(),
          QCoreApplication::translate("OverviewReport", "Values are shown as:"),
          QCoreApplication::translate("OverviewReport", "Income - Expenses = Balance"), QString()}) {
        out += line;
        out += kLineEnd;
    }

    appendHeading(out, QCoreApplication::translate("OverviewReport", "Grand totals"), state.entryCount());
    appendSectionTotals(out, all, lookup, primaryName);
    out += kLineEnd;
    appendHeading(out, QCoreApplication::translate("OverviewReport", "This month"), thisMonth.count());
    appendSectionTotals(out, thisMonth, lookup, primaryName);
    out += kLineEnd;
    appendHeading(out, QCoreApplication::translate("OverviewReport", "Last month"), lastMonth.count());
    appendSectionTotals(out, lastMonth, lookup, primaryName);
    out += kLineEnd;

    appendFieldSections(out, QCoreApplication::translate("OverviewReport", "Per type:"), perType, lookup,
                        primaryName);
    appendFieldSections(out, QCoreApplication::translate("OverviewReport", "Per intended source:"), perSource,
                        lookup, primaryName);
    appendFieldSections(out, QCoreApplication::translate("OverviewReport", "Per payment method:"), perMethod,
                        lookup, primaryName);
    return out;
}

} // namespace tallyfox
