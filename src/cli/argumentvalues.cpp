// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "cli/argumentvalues.h"

#include "money/chartseries.h"

#include <QRegularExpression>
#include <array>

namespace tallyfox::cli {

namespace {

// By the keys' numbers.
constexpr std::array<const char16_t*, kSortKeyCount> kSortKeyNames = {u"name",    u"date",     u"amount",
                                                                      u"receipt", u"paidwith", u"source"};
// By view number 1, 2, 3.
constexpr std::array<const char16_t*, 3> kTableNames = {u"types", u"sources", u"methods"};

const QString kReceiptOption = QStringLiteral("--receipt");
const QString kReceiptWithValue = QStringLiteral("--receipt=");
const QString kReceiptNumberOption = QStringLiteral("--receipt-number=");

bool isAsciiDigits(QStringView text)
{
    if (text.isEmpty())
        return false;
    for (const QChar c : text) {
        if (c < u'0' || c > u'9')
            return false;
    }
    return true;
}

} // namespace

std::optional<double> readAmountArgument(const QString& text)
{
    static const QRegularExpression plainNumber(
        QStringLiteral(R"(^(?:[0-9]+(?:\.[0-9]{0,2})?|\.[0-9]{1,2})$)"));
    const QString trimmed = text.trimmed();
    if (!plainNumber.match(trimmed).hasMatch())
        return std::nullopt;
    bool ok = false;
    // Digits and one "." read the same in every locale; toDouble takes them as the C locale does.
    const double amount = trimmed.toDouble(&ok);
    if (!ok || !(amount <= kLargestAmountArgument))
        return std::nullopt;
    return amount;
}

std::optional<QDate> readDateArgument(const QString& text)
{
    const QString trimmed = text.trimmed();
    static const QRegularExpression isoDate(QStringLiteral(R"(^[0-9]{4}-[0-9]{2}-[0-9]{2}$)"));
    if (!isoDate.match(trimmed).hasMatch())
        return std::nullopt;
    const QDate date = QDate::fromString(trimmed, Qt::ISODate);
    if (!date.isValid())
        return std::nullopt;
    return date;
}

std::optional<int> readIndexArgument(const QString& text, int limit)
{
    const QString trimmed = text.trimmed();
    // Longer texts would overflow; no choice list comes near that.
    if (!isAsciiDigits(trimmed) || trimmed.size() > 9)
        return std::nullopt;
    const int index = trimmed.toInt();
    if (index >= limit)
        return std::nullopt;
    return index;
}

std::optional<SortKey> sortKeyFromName(const QString& name)
{
    for (SortKey key : kSortKeys) {
        if (name == QStringView(kSortKeyNames[sortKeyNumber(key)]))
            return key;
    }
    return std::nullopt;
}

std::optional<int> readMonthArgument(const QString& text)
{
    static const QRegularExpression month(QStringLiteral("^([0-9]{4})-([0-9]{2})$"));
    if (const auto date = readDateArgument(text))
        return monthNumberOf(*date);
    const QRegularExpressionMatch match = month.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    const QDate first(match.captured(1).toInt(), match.captured(2).toInt(), 1);
    if (!first.isValid() || first.year() < 1)
        return std::nullopt;
    return monthNumberOf(first);
}

std::optional<QSize> readSizeArgument(const QString& text)
{
    static const QRegularExpression size(QStringLiteral("^([0-9]{2,4})x([0-9]{2,4})$"));
    const QRegularExpressionMatch match = size.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    const int width = match.captured(1).toInt();
    const int height = match.captured(2).toInt();
    constexpr int kSmallest = 16;
    constexpr int kLargest = 8192;
    if (width < kSmallest || height < kSmallest || width > kLargest || height > kLargest)
        return std::nullopt;
    return QSize(width, height);
}

std::optional<int> tableViewFromName(const QString& name)
{
    for (size_t i = 0; i < kTableNames.size(); ++i) {
        if (name == QStringView(kTableNames[i]))
            return static_cast<int>(i) + 1;
    }
    return std::nullopt;
}

QStringList joinReceiptNumber(const QStringList& arguments, const QStringList& valueOptions)
{
    if (arguments.isEmpty())
        return arguments;
    QStringList joined{arguments.first()};
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == u"--") {
            joined << arguments.mid(i);
            break;
        }
        if (valueOptions.contains(argument) && i + 1 < arguments.size()) {
            joined << argument << arguments[i + 1];
            ++i;
        } else if (argument.startsWith(kReceiptWithValue)) {
            joined << kReceiptNumberOption + argument.mid(kReceiptWithValue.size());
        } else if (argument == kReceiptOption && i + 1 < arguments.size() &&
                   !arguments[i + 1].startsWith(u'-')) {
            joined << kReceiptNumberOption + arguments[i + 1];
            ++i;
        } else {
            joined << argument;
        }
    }
    return joined;
}

} // namespace tallyfox::cli
