// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "money/overviewreport.h"

#include "core/appstate.h"
#include "core/daycount.h"
#include "core/textforms.h"
#include "money/convertedtotals.h"
#include "money/currencylookup.h"
#include "money/sectiontotals.h"
#include "platform/clock.h"

#include <QCoreApplication>

namespace tallyfox {

namespace {

constexpr QStringView kLineEnd = u"\r\n";

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

void appendFieldSections(QString& out, QStringView heading, const OverviewSums::FieldSections& sections,
                         const CurrencyLookup& lookup, const QString& primaryName)
{
    out += heading;
    out += kLineEnd;
    for (size_t i = 0; i < sections.texts.size(); ++i) {
        appendHeading(out, sections.texts[i], sections.sections[i].count());
        appendSectionTotals(out, sections.sections[i], lookup, primaryName);
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
    OverviewSums sums(monthBoundsOf(clock.today()));
    sums.takeAll(state.entries);
    return overviewText(state, sums);
}

QString overviewText(const AppState& state, const OverviewSums& sums)
{
    CurrencyLookup lookup(state.currencies);
    const OverviewSums::Joined joined = sums.join(lookup);
    const QString primaryName = state.currencies.isEmpty() ? QString() : state.currencies[0].name;
    QString out;
    for (const QString& line :
         {QCoreApplication::translate("OverviewReport", "Filename:"), state.databasePath, QString(),
          QCoreApplication::translate("OverviewReport", "Values are shown as:"),
          QCoreApplication::translate("OverviewReport", "Income - Expenses = Balance"), QString()}) {
        out += line;
        out += kLineEnd;
    }

    appendHeading(out, QCoreApplication::translate("OverviewReport", "Grand totals"), joined.all.count());
    appendSectionTotals(out, joined.all, lookup, primaryName);
    out += kLineEnd;
    appendHeading(out, QCoreApplication::translate("OverviewReport", "This month"), joined.thisMonth.count());
    appendSectionTotals(out, joined.thisMonth, lookup, primaryName);
    out += kLineEnd;
    appendHeading(out, QCoreApplication::translate("OverviewReport", "Last month"), joined.lastMonth.count());
    appendSectionTotals(out, joined.lastMonth, lookup, primaryName);
    out += kLineEnd;

    appendFieldSections(out, QCoreApplication::translate("OverviewReport", "Per type:"), joined.perType,
                        lookup, primaryName);
    appendFieldSections(out, QCoreApplication::translate("OverviewReport", "Per intended source:"),
                        joined.perSource, lookup, primaryName);
    appendFieldSections(out, QCoreApplication::translate("OverviewReport", "Per payment method:"),
                        joined.perMethod, lookup, primaryName);
    return out;
}

} // namespace tallyfox
