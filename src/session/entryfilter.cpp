// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "session/entryfilter.h"

#include "session/entrycells.h"
#include "session/textfold.h"

namespace tallyfox {

bool EntryFilter::hasText() const
{
    for (const QChar c : text) {
        if (!c.isSpace())
            return true;
    }
    return false;
}

int EntryFilter::choiceCount() const
{
    int count = (from || to) ? 1 : 0;
    if (income)
        ++count;
    for (const std::optional<QString>& value : values) {
        if (value)
            ++count;
    }
    return count;
}

QStringList searchWords(const QString& text)
{
    QStringList words;
    const QString folded = foldedText(text);
    qsizetype start = -1;
    for (qsizetype i = 0; i <= folded.size(); ++i) {
        const bool blank = i == folded.size() || folded.at(i).isSpace();
        if (!blank && start < 0)
            start = i;
        if (blank && start >= 0) {
            const QString word = folded.mid(start, i - start);
            if (!words.contains(word))
                words << word;
            start = -1;
        }
    }
    return words;
}

DateRange thisMonthRange(QDate today)
{
    const QDate first(today.year(), today.month(), 1);
    return {first, first.addMonths(1).addDays(-1)};
}

DateRange lastMonthRange(QDate today)
{
    const QDate first = QDate(today.year(), today.month(), 1).addMonths(-1);
    return {first, first.addMonths(1).addDays(-1)};
}

DateRange thisYearRange(QDate today)
{
    return {QDate(today.year(), 1, 1), QDate(today.year(), 12, 31)};
}

std::optional<FilterField> filterFieldOfColumn(int listColumn)
{
    switch (static_cast<ListColumn>(listColumn)) {
    case ListColumn::What:
        return FilterField::Type;
    case ListColumn::Currency:
        return FilterField::Currency;
    case ListColumn::IntendedSource:
        return FilterField::IntendedSource;
    case ListColumn::PaidWith:
        return FilterField::PaidWith;
    default:
        return std::nullopt;
    }
}

int listColumnOfField(FilterField field)
{
    switch (field) {
    case FilterField::Type:
        return int(ListColumn::What);
    case FilterField::Currency:
        return int(ListColumn::Currency);
    case FilterField::IntendedSource:
        return int(ListColumn::IntendedSource);
    case FilterField::PaidWith:
        break;
    }
    return int(ListColumn::PaidWith);
}

QString filterFieldCaption(FilterField field)
{
    switch (field) {
    case FilterField::Type:
        return QString::fromLatin1(QT_TRANSLATE_NOOP("FilterField", "What"));
    case FilterField::Currency:
        return QString::fromLatin1(QT_TRANSLATE_NOOP("FilterField", "Currency"));
    case FilterField::IntendedSource:
        return QString::fromLatin1(QT_TRANSLATE_NOOP("FilterField", "Int. source"));
    case FilterField::PaidWith:
        break;
    }
    return QString::fromLatin1(QT_TRANSLATE_NOOP("FilterField", "Paid with"));
}

} // namespace tallyfox
