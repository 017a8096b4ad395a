// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "session/journalentries.h"

#include "core/daycount.h"
#include "core/textforms.h"
#include "platform/chunkedwriter.h"
#include "platform/textencoding.h"
#include "session/importvalues.h"

#include <QCoreApplication>
#include <QHash>
#include <cmath>

namespace tallyfox {

namespace {

// Journals hold dates from this year on.
constexpr int kFirstJournalYear = 1400;

QString simplifiedName(const QString& text)
{
    QString name = fieldText(text).simplified();
    name.replace(u':', u'-').replace(u';', u',');
    return name.isEmpty() ? QStringLiteral("Unknown") : name;
}

// A description or code: no line end, no comment.
QString simplifiedText(const QString& text)
{
    return fieldText(text).simplified().replace(u';', u',');
}

QString commodity(const QString& currency)
{
    QString name = fieldText(currency).simplified();
    name.replace(u'"', u'\'');
    return u'"' + (name.isEmpty() ? QStringLiteral("XXX") : name) + u'"';
}

void appendLine(QByteArray& out, const QString& line)
{
    appendUtf8(out, line);
    out.append('\n');
}

void appendTag(QByteArray& out, const char* name, const QString& value)
{
    appendLine(out, QStringLiteral("    ; %1: %2").arg(QLatin1StringView(name), fieldText(value)));
}

void appendPosting(QByteArray& out, const QString& account, const QString& amount)
{
    // Two blanks at least end the account's name.
    appendLine(out, QStringLiteral("    %1  %2").arg(account.leftJustified(38), amount.rightJustified(16)));
}

} // namespace

bool writeJournalContent(QIODevice& device, const AppState& state)
{
    ChunkedWriter out(device);
    QByteArray& buffer = out.buffer();
    buffer.append(kJournalFirstLine).append("\n");
    for (const Expense& entry : state.entries) {
        buffer.append('\n');
        const QDate date = qdateFromDayCount(entry.date);
        const bool datable = date.isValid() && date.year() >= kFirstJournalYear;
        QString head = datable ? date.toString(Qt::ISODate) : QStringLiteral("1400-01-01");
        const QString code = simplifiedText(entry.receipt).remove(u'(').remove(u')');
        if (entry.hasReceipt && !code.isEmpty())
            head += QStringLiteral(" (%1)").arg(code);
        head += u' ' + simplifiedText(entry.type);
        appendLine(buffer, head.trimmed());
        const QString type = simplifiedName(entry.type);
        const QString paidWith = simplifiedName(entry.paidWith);
        if (!datable)
            appendTag(buffer, "Date", date.isValid() ? date.toString(Qt::ISODate) : QStringLiteral("none"));
        if (type != entry.type)
            appendTag(buffer, "Type", entry.type);
        if (paidWith != entry.paidWith)
            appendTag(buffer, "PaidWith", entry.paidWith);
        if (commodity(entry.currency) != u'"' + entry.currency + u'"')
            appendTag(buffer, "Currency", entry.currency);
        if (entry.hasReceipt && code != entry.receipt)
            appendTag(buffer, "Receipt", entry.receipt);
        appendTag(buffer, "Source", entry.intendedSource);
        if (!entry.note.isEmpty())
            appendTag(buffer, "Note", entry.note);
        const QString amount = amountText(entry.amount);
        const QString negative = entry.amount > 0.0 ? u'-' + amount : amount;
        const QString currency = commodity(entry.currency);
        if (entry.income) {
            appendPosting(buffer, QStringLiteral("income:") + type, negative + u' ' + currency);
            appendPosting(buffer, QStringLiteral("assets:") + paidWith, amount + u' ' + currency);
        } else {
            appendPosting(buffer, QStringLiteral("expenses:") + type, amount + u' ' + currency);
            appendPosting(buffer, QStringLiteral("assets:") + paidWith, negative + u' ' + currency);
        }
        out.writeIfFull();
    }
    return out.finish();
}

namespace {

// One transaction as it is read, until the next one starts.
struct JournalTransaction
{
    qsizetype line = 0;
    std::optional<QDate> date;
    QString code;
    QString description;
    QHash<QString, QString> tags;
    QString category;
    bool income = false;
    bool hasCategory = false;
    QString paidWith;
    double amount = -1.0;
    QString currency;
};

// "income:Salary    -100.00 "EUR"" as account, amount and commodity.
void readPosting(QStringView text, JournalTransaction& transaction)
{
    const qsizetype gap = text.indexOf(u"  ");
    const QString account = (gap < 0 ? text : text.first(gap)).trimmed().toString();
    const QStringView rest = gap < 0 ? QStringView() : text.sliced(gap).trimmed();
    if (account.startsWith(u"assets:")) {
        transaction.paidWith = account.sliced(7);
        return;
    }
    for (const auto& [prefix, income] : {std::pair{u"expenses:", false}, std::pair{u"income:", true}}) {
        const QStringView start(prefix);
        if (!account.startsWith(start))
            continue;
        transaction.category = account.sliced(start.size());
        transaction.income = income;
        transaction.hasCategory = true;
        const qsizetype blank = rest.indexOf(u' ');
        if (blank > 0) {
            const ImportedAmount amount = readImportedAmount(rest.first(blank), u'.');
            if (amount.problem == AmountProblem::None)
                transaction.amount = std::abs(amount.value);
            QString currency = rest.sliced(blank).trimmed().toString();
            if (currency.size() >= 2 && currency.startsWith(u'"') && currency.endsWith(u'"'))
                currency = currency.sliced(1, currency.size() - 2);
            transaction.currency = currency;
        }
    }
}

void finishTransaction(const JournalTransaction& transaction, const ImportDefaults& defaults,
                       ConvertedRows& converted)
{
    const auto tag = [&transaction](const char* name, const QString& otherwise) {
        return transaction.tags.value(QString::fromLatin1(name), otherwise);
    };
    std::optional<QDate> date = transaction.date;
    if (transaction.tags.contains(QStringLiteral("Date"))) {
        const QDate tagged = QDate::fromString(tag("Date", {}), Qt::ISODate);
        date = tagged.isValid() ? std::optional(tagged) : std::nullopt;
    }
    if (!date) {
        converted.rejected.append({transaction.line, QCoreApplication::translate("ImportRows", "no date")});
        return;
    }
    if (!transaction.hasCategory || transaction.amount < 0.0) {
        converted.rejected.append({transaction.line, QCoreApplication::translate("ImportRows", "no amount")});
        return;
    }
    ImportRow row;
    row.line = transaction.line;
    Expense& entry = row.entry;
    entry.date = dayCountFromQDate(*date);
    entry.amount = transaction.amount;
    entry.income = transaction.income;
    entry.type = tag("Type", transaction.category);
    entry.currency =
        tag("Currency", transaction.currency.isEmpty() ? defaults.currency : transaction.currency);
    entry.paidWith =
        tag("PaidWith", transaction.paidWith.isEmpty() ? defaults.paidWith : transaction.paidWith);
    entry.intendedSource = tag("Source", defaults.intendedSource);
    entry.note = tag("Note", QString());
    entry.hasReceipt = !transaction.code.isEmpty();
    entry.receipt = entry.hasReceipt ? tag("Receipt", transaction.code) : QStringLiteral("00");
    converted.rows.push_back(std::move(row));
}

} // namespace

std::optional<ConvertedRows> readJournalEntries(QByteArrayView bytes, const ImportDefaults& defaults)
{
    if (!bytes.startsWith(QByteArrayView(kJournalFirstLine)))
        return std::nullopt;
    const QStringList lines = QString::fromUtf8(bytes).split(u'\n');
    ConvertedRows converted;
    converted.dateFormat = QStringLiteral("yyyy-MM-dd");
    converted.decimalMark = u'.';
    std::optional<JournalTransaction> open;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        QStringView line = lines[i];
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (!line.isEmpty() && line[0].isDigit()) {
            if (open)
                finishTransaction(*open, defaults, converted);
            open = JournalTransaction();
            open->line = i + 1;
            const qsizetype blank = line.indexOf(u' ');
            const QStringView date = blank < 0 ? line : line.first(blank);
            const QDate day = QDate::fromString(date.toString(), Qt::ISODate);
            if (day.isValid())
                open->date = day;
            QStringView rest = blank < 0 ? QStringView() : line.sliced(blank + 1);
            if (rest.startsWith(u'(')) {
                const qsizetype close = rest.indexOf(u')');
                if (close > 0) {
                    open->code = rest.sliced(1, close - 1).toString();
                    rest = rest.sliced(close + 1);
                }
            }
            open->description = rest.trimmed().toString();
            continue;
        }
        if (!open || line.trimmed().isEmpty())
            continue;
        const QStringView content = line.trimmed();
        if (content.startsWith(u';')) {
            const QStringView tag = content.sliced(1).trimmed();
            const qsizetype colon = tag.indexOf(u": ");
            if (colon > 0)
                open->tags.insert(tag.first(colon).toString(), tag.sliced(colon + 2).toString());
            else if (tag.endsWith(u':'))
                open->tags.insert(tag.chopped(1).toString(), QString());
            continue;
        }
        readPosting(content, *open);
    }
    if (open)
        finishTransaction(*open, defaults, converted);
    return converted;
}

} // namespace tallyfox
