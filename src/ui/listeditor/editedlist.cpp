// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "ui/listeditor/editedlist.h"

#include "money/currencytable.h"
#include "money/ratetext.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>

namespace tallyfox {

RateProblem rateProblem(const QString& text)
{
    // The lenient reader finds 0 in text without digits; that deserves its own words.
    if (std::none_of(text.cbegin(), text.cend(), [](QChar c) { return c.isDigit(); }))
        return RateProblem::NotANumber;
    const double rate = readRate(text);
    if (!std::isfinite(rate))
        return RateProblem::NotANumber;
    return isUsableRate(rate) ? RateProblem::None : RateProblem::NotAboveZero;
}

QString rateProblemText(RateProblem problem)
{
    switch (problem) {
    case RateProblem::NotANumber:
        return QCoreApplication::translate("EditedList", "Rate must be a number");
    case RateProblem::NotAboveZero:
        return QCoreApplication::translate("EditedList", "Rate must be above 0");
    case RateProblem::None:
        break;
    }
    return {};
}

EditedList::EditedList(const QStringList& names, const QStringList* rates)
    : m_names(names), m_withRates(rates != nullptr)
{
    if (!m_withRates)
        return;
    m_rates = rates->mid(0, m_names.size());
    while (m_rates.size() < m_names.size())
        m_rates.append(QString());
}

ListButtons EditedList::buttons(int selected) const
{
    const int first = firstMovable();
    ListButtons states;
    states.edit = isRow(selected);
    states.remove = isRow(selected) && selected >= first;
    states.makePrimary = m_withRates && states.remove;
    states.up = isRow(selected) && selected > first;
    states.down = selected >= first && selected < size() - 1;
    return states;
}

int EditedList::appendRow()
{
    m_names.append(QString());
    if (m_withRates)
        m_rates.append(QString::fromUtf16(m_names.size() == 1 ? kPrimary : kNewRate));
    return size() - 1;
}

void EditedList::setName(int row, const QString& name)
{
    if (isRow(row))
        m_names[row] = name;
}

void EditedList::setRate(int row, const QString& rate)
{
    if (hasRateRow(row) && isRow(row))
        m_rates[row] = rate;
}

void EditedList::dropLastRow()
{
    if (!m_names.isEmpty())
        m_names.removeLast();
    if (m_rates.size() > m_names.size())
        m_rates.removeLast();
}

bool EditedList::removeRow(int row)
{
    if (!isRow(row) || row < firstMovable())
        return false;
    m_names.removeAt(row);
    if (m_withRates)
        m_rates.removeAt(row);
    return true;
}

bool EditedList::moveUp(int row)
{
    if (!buttons(row).up)
        return false;
    swapRows(row, row - 1);
    return true;
}

bool EditedList::moveDown(int row)
{
    if (!buttons(row).down)
        return false;
    swapRows(row, row + 1);
    return true;
}

bool EditedList::makePrimary(int row)
{
    return m_withRates && rebaseRates(m_names, m_rates, row);
}

void EditedList::swapRows(int a, int b)
{
    m_names.swapItemsAt(a, b);
    if (m_withRates)
        m_rates.swapItemsAt(a, b);
}

} // namespace tallyfox
