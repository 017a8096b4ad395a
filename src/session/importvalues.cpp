// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "session/importvalues.h"

#include <algorithm>
#include <cmath>

namespace tallyfox {

namespace {

// Digits that whole cents hold exactly, in a double as well.
constexpr int kDigitsInCents = 15;

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// Blanks and apostrophes that group thousands: "1 234,50", "1'234.50".
bool isGroupingBlank(QChar c)
{
    return c == u' ' || c == u'\'' || c == u'\u2019' || c == u'\u00A0' || c == u'\u202F' || c == u'\u2009';
}

bool isMinus(QChar c)
{
    return c == u'-' || c == u'\u2212';
}

// A currency's symbol or code, or a blank, around an amount.
bool isCurrencyMark(QChar c)
{
    return c.isLetter() || c.category() == QChar::Symbol_Currency || c.isSpace() || isGroupingBlank(c);
}

struct Sign
{
    bool ok = true;
    int minus = 0;
    int open = 0;
    int close = 0;
};

Sign readSignMarks(QStringView marks)
{
    Sign sign;
    for (const QChar c : marks) {
        if (isMinus(c))
            ++sign.minus;
        else if (c == u'(')
            ++sign.open;
        else if (c == u')')
            ++sign.close;
        else if (c != u'+' && !isCurrencyMark(c))
            sign.ok = false;
    }
    return sign;
}

} // namespace

ImportedAmount readImportedAmount(QStringView text, QChar decimalMark)
{
    text = text.trimmed();
    if (text.isEmpty())
        return {0.0, AmountProblem::Empty};
    qsizetype first = 0;
    while (first < text.size() && !isDigit(text[first]))
        ++first;
    if (first == text.size())
        return {0.0, AmountProblem::NotANumber};
    qsizetype last = text.size() - 1;
    while (!isDigit(text[last]))
        --last;
    // ".5" and "-,5": the mark before the first digit belongs to the number.
    if (first > 0 && text[first - 1] == decimalMark)
        --first;
    const Sign before = readSignMarks(text.first(first));
    const Sign after = readSignMarks(text.sliced(last + 1));
    const int minus = before.minus + after.minus;
    const int open = before.open + after.open;
    const int close = before.close + after.close;
    if (!before.ok || !after.ok || minus > 1 || open != close || open > 1 || (open == 1 && minus == 1) ||
        before.close > 0 || after.open > 0)
        return {0.0, AmountProblem::NotANumber};

    const QChar otherMark = decimalMark == u',' ? QChar(u'.') : QChar(u',');
    const QStringView number = text.sliced(first, last - first + 1);
    // The digits as whole cents, as long as they fit and say no more than cents: most amounts.
    qint64 cents = 0;
    int wholeDigits = 0;
    int fractionDigits = 0;
    bool inFraction = false;
    // The digits since the last thousands separator, and whether there was one.
    int groupDigits = 0;
    bool grouped = false;
    for (const QChar c : number) {
        if (isDigit(c)) {
            ++(inFraction ? fractionDigits : wholeDigits);
            cents = cents * 10 + (c.unicode() - u'0');
            if (wholeDigits + fractionDigits > kDigitsInCents)
                cents = 0;
            ++groupDigits;
        } else if (c == decimalMark) {
            if (inFraction || (grouped && groupDigits != 3))
                return {0.0, AmountProblem::NotANumber};
            inFraction = true;
        } else if ((c == otherMark || isGroupingBlank(c)) && !inFraction) {
            // Every group after the first has three digits, and the first at most three.
            const bool fits = grouped ? groupDigits == 3 : groupDigits > 0 && groupDigits <= 3;
            if (!fits)
                return {0.0, c == otherMark ? AmountProblem::WrongDecimalMark : AmountProblem::NotANumber};
            grouped = true;
            groupDigits = 0;
        } else {
            return {0.0, c == otherMark ? AmountProblem::WrongDecimalMark : AmountProblem::NotANumber};
        }
    }
    if (grouped && !inFraction && groupDigits != 3)
        return {0.0, AmountProblem::WrongDecimalMark};
    double magnitude = 0.0;
    if (wholeDigits + fractionDigits <= kDigitsInCents && fractionDigits <= 2) {
        // Exactly what the number read as text and rounded to cents gives.
        for (int i = fractionDigits; i < 2; ++i)
            cents *= 10;
        magnitude = double(cents) / 100.0;
    } else {
        QString whole;
        QString fraction;
        bool afterMark = false;
        for (const QChar c : number) {
            if (isDigit(c))
                (afterMark ? fraction : whole).append(c);
            else if (c == decimalMark)
                afterMark = true;
        }
        if (whole.isEmpty())
            whole = QStringLiteral("0");
        magnitude = std::round((whole + u'.' + fraction + u'0').toDouble() * 100.0) / 100.0;
    }
    if (magnitude > kLargestImportedAmount)
        return {0.0, AmountProblem::TooLarge};
    return {minus + open > 0 ? -magnitude : magnitude, AmountProblem::None};
}

QChar detectDecimalMark(const QList<QStringView>& cells, QChar fallback)
{
    int commaVotes = 0;
    int pointVotes = 0;
    for (const QStringView cell : cells) {
        const qsizetype comma = cell.lastIndexOf(u',');
        const qsizetype point = cell.lastIndexOf(u'.');
        if (comma >= 0 && point >= 0) {
            ++(comma > point ? commaVotes : pointVotes);
            continue;
        }
        const qsizetype at = std::max(comma, point);
        if (at < 0)
            continue;
        const QChar mark = cell[at];
        if (cell.count(mark) > 1) {
            // Only thousands separators repeat.
            ++(mark == u',' ? pointVotes : commaVotes);
            continue;
        }
        qsizetype digits = 0;
        while (at + 1 + digits < cell.size() && isDigit(cell[at + 1 + digits]))
            ++digits;
        // "1,234" may be either; "12,5" and "12,50" are decimals.
        if (digits != 3 && digits > 0)
            ++(mark == u',' ? commaVotes : pointVotes);
    }
    if (commaVotes != pointVotes)
        return commaVotes > pointVotes ? QChar(u',') : QChar(u'.');
    return fallback;
}

DateFormat::DateFormat(const QString& pattern) : m_pattern(pattern)
{
    qsizetype i = 0;
    while (i < pattern.size()) {
        const QChar c = pattern[i];
        qsizetype run = 1;
        while (i + run < pattern.size() && pattern[i + run] == c)
            ++run;
        if (c == u'd' && run <= 2) {
            m_tokens.append({Kind::Day, {}});
        } else if (c == u'M') {
            m_tokens.append({run <= 2 ? Kind::Month : Kind::MonthName, {}});
        } else if (c == u'y' && (run == 2 || run == 4)) {
            m_tokens.append({run == 2 ? Kind::ShortYear : Kind::Year, {}});
        } else if (c.isLetter()) {
            // A day name or anything else a date cell cannot be matched against.
            m_tokens.clear();
            return;
        } else {
            for (qsizetype k = 0; k < run; ++k)
                m_tokens.append({Kind::Literal, c});
        }
        i += run;
    }
}

namespace {

// Reads up to maxDigits digits (at least minDigits) from pos on.
std::optional<int> readDigits(QStringView text, qsizetype& pos, int minDigits, int maxDigits)
{
    int value = 0;
    int digits = 0;
    while (pos < text.size() && digits < maxDigits && isDigit(text[pos])) {
        value = value * 10 + (text[pos].unicode() - u'0');
        ++digits;
        ++pos;
    }
    if (digits < minDigits)
        return std::nullopt;
    return value;
}

std::optional<int> readMonthName(QStringView text, qsizetype& pos, const QLocale& locale)
{
    qsizetype end = pos;
    while (end < text.size() && text[end].isLetter())
        ++end;
    const QStringView word = text.sliced(pos, end - pos);
    if (word.isEmpty())
        return std::nullopt;
    for (const QLocale& names : {locale, QLocale::c()}) {
        for (int month = 1; month <= 12; ++month) {
            for (const QLocale::FormatType form : {QLocale::ShortFormat, QLocale::LongFormat}) {
                for (QString name : {names.monthName(month, form), names.standaloneMonthName(month, form)}) {
                    if (name.endsWith(u'.'))
                        name.chop(1);
                    if (word.compare(name, Qt::CaseInsensitive) == 0) {
                        pos = end;
                        // "Jan." as the short name is written.
                        if (pos < text.size() && text[pos] == u'.')
                            ++pos;
                        return month;
                    }
                }
            }
        }
    }
    return std::nullopt;
}

} // namespace

std::optional<QDate> DateFormat::read(QStringView text, const QLocale& locale, QDate today) const
{
    text = text.trimmed();
    if (m_tokens.isEmpty() || text.isEmpty())
        return std::nullopt;
    qsizetype pos = 0;
    int year = -1;
    int month = -1;
    int day = -1;
    for (const Token& token : m_tokens) {
        std::optional<int> value;
        switch (token.kind) {
        case Kind::Day:
            value = readDigits(text, pos, 1, 2);
            day = value.value_or(-1);
            break;
        case Kind::Month:
            value = readDigits(text, pos, 1, 2);
            month = value.value_or(-1);
            break;
        case Kind::MonthName:
            value = readMonthName(text, pos, locale);
            month = value.value_or(-1);
            break;
        case Kind::Year:
            value = readDigits(text, pos, 4, 4);
            year = value.value_or(-1);
            break;
        case Kind::ShortYear:
            value = readDigits(text, pos, 2, 2);
            if (value) {
                // The hundred years that end twenty years after today's.
                const int last = today.year() + 20;
                int full = last - last % 100 + *value;
                if (full > last)
                    full -= 100;
                value = full;
            }
            year = value.value_or(-1);
            break;
        case Kind::Literal:
            if (pos < text.size() &&
                (text[pos] == token.literal || (token.literal.isSpace() && text[pos].isSpace()))) {
                ++pos;
                value = 0;
            }
            break;
        }
        if (!value)
            return std::nullopt;
    }
    // A time of day may follow.
    if (pos < text.size() && !text[pos].isSpace() && text[pos] != u'T')
        return std::nullopt;
    if (year < 1 || year > 9999)
        return std::nullopt;
    const QDate date(year, month, day);
    if (!date.isValid())
        return std::nullopt;
    return date;
}

QStringList knownDateFormats()
{
    return {QStringLiteral("yyyy-MM-dd"), QStringLiteral("d.M.yyyy"), QStringLiteral("d/M/yyyy"),
            QStringLiteral("M/d/yyyy"),   QStringLiteral("d-M-yyyy"), QStringLiteral("yyyy/MM/dd"),
            QStringLiteral("d.M.yy"),     QStringLiteral("d/M/yy"),   QStringLiteral("M/d/yy")};
}

QString localeDateFormat(const QLocale& locale)
{
    if (locale.language() == QLocale::C)
        return QStringLiteral("yyyy-MM-dd");
    return locale.dateFormat(QLocale::ShortFormat);
}

DateFormatGuess detectDateFormat(const QList<QStringView>& cells, const QLocale& locale, QDate today)
{
    QStringList candidates = knownDateFormats();
    // The locale's own order comes before the other orders that read the same cells.
    const QString own = localeDateFormat(locale);
    if (DateFormat(own).isValid()) {
        candidates.removeAll(own);
        candidates.insert(1, own);
    }
    DateFormatGuess guess;
    bool anyCell = false;
    for (const QString& pattern : candidates) {
        const DateFormat format(pattern);
        bool readsAll = true;
        for (const QStringView cell : cells) {
            if (cell.trimmed().isEmpty())
                continue;
            anyCell = true;
            if (!format.read(cell, locale, today)) {
                readsAll = false;
                break;
            }
        }
        if (readsAll && anyCell)
            guess.formats.append(pattern);
    }
    // "d.M.yyyy" and "dd.MM.yyyy" read the same; one of a pair that reads alike is enough.
    QStringList distinct;
    for (const QString& pattern : guess.formats) {
        QString loose = pattern;
        loose.replace(QStringLiteral("dd"), QStringLiteral("d"))
            .replace(QStringLiteral("MM"), QStringLiteral("M"));
        bool seen = false;
        for (const QString& kept : distinct) {
            QString keptLoose = kept;
            keptLoose.replace(QStringLiteral("dd"), QStringLiteral("d"))
                .replace(QStringLiteral("MM"), QStringLiteral("M"));
            seen = seen || keptLoose == loose;
        }
        if (!seen)
            distinct.append(pattern);
    }
    // Of the orders that read alike, the locale's comes first.
    const auto dayFirst = [](const QString& pattern) {
        return pattern.indexOf(u'd') < pattern.indexOf(u'M');
    };
    std::stable_partition(distinct.begin(), distinct.end(),
                          [&](const QString& pattern) { return dayFirst(pattern) == dayFirst(own); });
    guess.formats = distinct;
    return guess;
}

} // namespace tallyfox
