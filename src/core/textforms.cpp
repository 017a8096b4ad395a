// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "core/textforms.h"

#include "core/daycount.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace tallyfox {

namespace {

// The largest whole part written in full; larger magnitudes have no hundredths left in a double anyway.
constexpr double kLargestWholePart = 1e18;

// Writes the amount text into buf (at least 24 bytes) and returns its length.
int formatAmount(char* buf, double amount)
{
    double magnitude = std::fabs(amount);
    if (!(magnitude < kLargestWholePart))
        magnitude = std::isnan(magnitude) ? 0.0 : kLargestWholePart - 1.0;
    auto units = static_cast<unsigned long long>(magnitude);
    auto hundredths =
        static_cast<unsigned>(std::floor((magnitude - static_cast<double>(units)) * 100.0 + 0.5));
    if (hundredths >= 100) {
        ++units;
        hundredths = 0;
    }
    char digits[24];
    int digitCount = 0;
    do {
        digits[digitCount++] = static_cast<char>('0' + units % 10);
        units /= 10;
    } while (units != 0);

    int length = 0;
    const bool isZero = digitCount == 1 && digits[0] == '0' && hundredths == 0;
    if (amount < 0 && !isZero)
        buf[length++] = '-';
    while (digitCount > 0)
        buf[length++] = digits[--digitCount];
    buf[length++] = '.';
    buf[length++] = static_cast<char>('0' + hundredths / 10);
    buf[length++] = static_cast<char>('0' + hundredths % 10);
    return length;
}

template <typename Char> int digitValue(Char ch)
{
    const auto code = static_cast<unsigned>(ch);
    return code >= '0' && code <= '9' ? static_cast<int>(code - '0') : -1;
}

template <typename Char> int parseWholeNumber(const Char* text, qsizetype length)
{
    qsizetype pos = 0;
    bool negative = false;
    if (pos < length && (text[pos] == Char('-') || text[pos] == Char('+'))) {
        negative = text[pos] == Char('-');
        ++pos;
    }
    long long value = 0;
    for (; pos < length; ++pos) {
        const int digit = digitValue(text[pos]);
        if (digit < 0)
            break;
        if (value <= std::numeric_limits<int>::max())
            value = value * 10 + digit;
    }
    if (negative)
        value = -value;
    if (value > std::numeric_limits<int>::max())
        return std::numeric_limits<int>::max();
    if (value < std::numeric_limits<int>::min())
        return std::numeric_limits<int>::min();
    return static_cast<int>(value);
}

template <typename Char> double parseNumber(const Char* text, qsizetype length)
{
    if (length == 0)
        return 0.0;
    qsizetype pos = 0;
    const bool negative = text[0] == Char('-');
    if (negative)
        pos = 1;
    double value = 0.0;
    bool inFraction = false;
    double scale = 1.0;
    for (; pos < length; ++pos) {
        const Char ch = text[pos];
        const int digit = digitValue(ch);
        if (digit >= 0) {
            if (inFraction) {
                scale *= 0.1;
                value += digit * scale;
            } else {
                value = value * 10.0 + digit;
            }
        } else if (ch == Char('.')) {
            if (inFraction)
                break;
            inFraction = true;
        } else if (ch == Char('E') || ch == Char('e')) {
            const int exponent = parseWholeNumber(text + pos + 1, length - pos - 1);
            // Beyond these the factor is 0 or infinite anyway; clamping keeps pow's argument sane.
            const double factor = std::pow(10.0, std::clamp(exponent, -400, 400));
            // Never 0 × infinity: a scale that vanishes gives 0.
            value = (factor == 0.0 || value == 0.0) ? 0.0 : value * factor;
            break;
        }
    }
    return negative ? -value : value;
}

} // namespace

QString amountText(double amount)
{
    char buf[32];
    return QString::fromLatin1(buf, formatAmount(buf, amount));
}

char* putAmountText(char* out, double amount)
{
    return out + formatAmount(out, amount);
}

void appendAmountText(QByteArray& out, double amount)
{
    char buf[32];
    out.append(buf, formatAmount(buf, amount));
}

QString signPrefix(bool isIncome, bool incomeIsPositive)
{
    return isIncome != incomeIsPositive ? QStringLiteral("-") : QString();
}

QString entryAmountText(const Expense& entry, bool incomeIsPositive)
{
    return signPrefix(entry.income, incomeIsPositive) + amountText(entry.amount);
}

QString receiptText(const Expense& entry)
{
    return entry.hasReceipt ? entry.receipt.text() : QStringLiteral("-");
}

QString dateText(double date, const UserLocale& locale)
{
    const QDate day = qdateFromDayCount(date);
    return day.isValid() ? locale.shortDate(day) : QString();
}

double readNumber(QStringView text)
{
    return parseNumber(text.utf16(), text.size());
}

double readNumber(QByteArrayView text)
{
    return parseNumber(reinterpret_cast<const unsigned char*>(text.data()), text.size());
}

TypedAmount readTypedAmount(QStringView text)
{
    const QStringView trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return {0.0, TypedAmountProblem::Empty};
    const bool negative = trimmed.front() == u'-';
    const QStringView number = negative ? trimmed.mid(1).trimmed() : trimmed;
    qsizetype digits = 0;
    qsizetype separators = 0;
    QString plain;
    for (const QChar c : number) {
        if (c >= u'0' && c <= u'9') {
            ++digits;
            plain.append(c);
        } else if (c == u'.' || c == u',') {
            ++separators;
            plain.append(u'.');
        } else {
            return {0.0, TypedAmountProblem::NotANumber};
        }
    }
    if (digits == 0 || separators > 1)
        return {0.0, TypedAmountProblem::NotANumber};
    bool ok = false;
    const double value = plain.toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return {0.0, TypedAmountProblem::NotANumber};
    if (negative && value != 0.0)
        return {0.0, TypedAmountProblem::Negative};
    return {value, TypedAmountProblem::None};
}

int readWholeNumber(QStringView text)
{
    return parseWholeNumber(text.utf16(), text.size());
}

int readWholeNumber(QByteArrayView text)
{
    return parseWholeNumber(reinterpret_cast<const unsigned char*>(text.data()), text.size());
}

} // namespace tallyfox
