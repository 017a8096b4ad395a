#include "session/importrows.h"

#include "core/daycount.h"
#include "platform/textencoding.h"
#include "session/importvalues.h"

#include <QHash>
#include <cmath>

namespace tallyfox {

namespace {

// The type the database gives an entry without one.
constexpr char16_t kUnknownType[] = u"Unknown";

QString storedText(const QString& text)
{
    return fieldText(text).trimmed();
}

QString cellOf(const DelimitedRecord& record, int column)
{
    if (column < 0 || column >= record.fields.size())
        return {};
    return record.fields[column];
}

QString amountProblemText(AmountProblem problem, const QString& cell, QChar decimalMark)
{
    switch (problem) {
    case AmountProblem::None:
        break;
    case AmountProblem::Empty:
        return QStringLiteral("no amount");
    case AmountProblem::NotANumber:
        return QStringLiteral("amount \"%1\" is not a number").arg(cell.trimmed());
    case AmountProblem::WrongDecimalMark:
        return QStringLiteral("amount \"%1\" does not read with the decimal mark \"%2\"")
            .arg(cell.trimmed(), QString(decimalMark));
    case AmountProblem::TooLarge:
        return QStringLiteral("amount \"%1\" is larger than 999999999.99").arg(cell.trimmed());
    }
    return {};
}

// The format that reads the most date cells, when none reads them all.
QString likeliestDateFormat(const QStringList& cells, const QLocale& locale, QDate today)
{
    QString best;
    qsizetype bestCount = 0;
    QStringList candidates = knownDateFormats();
    candidates.prepend(localeDateFormat(locale));
    for (const QString& pattern : candidates) {
        const DateFormat format(pattern);
        qsizetype count = 0;
        for (const QString& cell : cells)
            count += format.read(cell, locale, today) ? 1 : 0;
        if (count > bestCount) {
            best = pattern;
            bestCount = count;
        }
    }
    return best.isEmpty() ? knownDateFormats().first() : best;
}

struct RowAmount
{
    double magnitude = 0.0;
    bool income = false;
    QString problem;
};

RowAmount readRowAmount(const DelimitedRecord& record, const ImportMapping& mapping, QChar decimalMark)
{
    RowAmount result;
    if (mapping.column(ImportField::Amount) != kNoColumn) {
        const QString cell = cellOf(record, mapping.column(ImportField::Amount));
        const ImportedAmount amount = readImportedAmount(cell, decimalMark);
        if (amount.problem != AmountProblem::None) {
            result.problem = amountProblemText(amount.problem, cell, decimalMark);
            return result;
        }
        result.magnitude = std::abs(amount.value);
        result.income = mapping.negativeIsIncome ? amount.value < 0 : amount.value > 0;
        return result;
    }
    const QString debitCell = cellOf(record, mapping.column(ImportField::Debit));
    const QString creditCell = cellOf(record, mapping.column(ImportField::Credit));
    const ImportedAmount debit = readImportedAmount(debitCell, decimalMark);
    const ImportedAmount credit = readImportedAmount(creditCell, decimalMark);
    for (const auto& [amount, cell] : {std::pair{debit, debitCell}, std::pair{credit, creditCell}}) {
        if (amount.problem != AmountProblem::None && amount.problem != AmountProblem::Empty) {
            result.problem = amountProblemText(amount.problem, cell, decimalMark);
            return result;
        }
    }
    const bool hasDebit = debit.problem == AmountProblem::None;
    const bool hasCredit = credit.problem == AmountProblem::None;
    if (!hasDebit && !hasCredit) {
        result.problem = QStringLiteral("no amount");
    } else if (hasDebit && hasCredit && debit.value != 0.0 && credit.value != 0.0) {
        result.problem = QStringLiteral("both a debit and a credit");
    } else if (hasCredit && credit.value != 0.0) {
        result.magnitude = std::abs(credit.value);
        result.income = true;
    } else {
        result.magnitude = hasDebit ? std::abs(debit.value) : 0.0;
    }
    return result;
}

} // namespace

QStringList columnCells(const QList<DelimitedRecord>& records, int column, bool skipHeader)
{
    QStringList cells;
    if (column == kNoColumn)
        return cells;
    cells.reserve(records.size());
    for (qsizetype i = skipHeader ? 1 : 0; i < records.size(); ++i)
        cells.append(cellOf(records[i], column));
    return cells;
}

ConvertedRows convertRecords(const QList<DelimitedRecord>& records, const ImportMapping& mapping,
                             const ImportDefaults& defaults, const std::function<void(qsizetype)>& progress)
{
    ConvertedRows converted;
    const bool skipHeader = mapping.hasHeader;
    converted.decimalMark = mapping.decimalMark;
    if (converted.decimalMark.isNull()) {
        QStringList amounts;
        for (const ImportField field : {ImportField::Amount, ImportField::Debit, ImportField::Credit})
            amounts += columnCells(records, mapping.column(field), skipHeader);
        converted.decimalMark = detectDecimalMark(amounts, mapping.delimiter == u';' ? u',' : u'.');
    }
    converted.dateFormat = mapping.dateFormat;
    const QStringList dates = columnCells(records, mapping.column(ImportField::Date), skipHeader);
    if (converted.dateFormat.isEmpty()) {
        const DateFormatGuess guess = detectDateFormat(dates, defaults.locale, defaults.today);
        if (guess.formats.isEmpty()) {
            converted.dateFormat = likeliestDateFormat(dates, defaults.locale, defaults.today);
        } else {
            converted.dateFormat = guess.formats.first();
            converted.otherDateFormats = guess.formats.mid(1);
        }
    }
    const DateFormat dateFormat(converted.dateFormat);

    const QString currency =
        storedText(mapping.currency).isEmpty() ? defaults.currency : storedText(mapping.currency);
    const QString type =
        storedText(mapping.type).isEmpty() ? QString::fromUtf16(kUnknownType) : storedText(mapping.type);
    const auto textOr = [&mapping](const DelimitedRecord& record, ImportField field,
                                   const QString& otherwise) {
        const QString text = storedText(cellOf(record, mapping.column(field)));
        return text.isEmpty() ? otherwise : text;
    };
    converted.rows.reserve(size_t(records.size()));
    for (qsizetype i = skipHeader ? 1 : 0; i < records.size(); ++i) {
        const DelimitedRecord& record = records[i];
        if (progress && i % 4096 == 0)
            progress(i);
        const QString dateCell = cellOf(record, mapping.column(ImportField::Date)).trimmed();
        if (dateCell.isEmpty()) {
            converted.rejected.append({record.line, QStringLiteral("no date")});
            continue;
        }
        const std::optional<QDate> date = dateFormat.read(dateCell, defaults.locale, defaults.today);
        if (!date) {
            converted.rejected.append(
                {record.line, QStringLiteral("date \"%1\" is not %2").arg(dateCell, converted.dateFormat)});
            continue;
        }
        const RowAmount amount = readRowAmount(record, mapping, converted.decimalMark);
        if (!amount.problem.isEmpty()) {
            converted.rejected.append({record.line, amount.problem});
            continue;
        }
        ImportRow row;
        row.line = record.line;
        Expense& entry = row.entry;
        entry.date = dayCountFromQDate(*date);
        entry.amount = amount.magnitude;
        entry.income = amount.income;
        entry.currency = textOr(record, ImportField::Currency, currency);
        entry.type = textOr(record, ImportField::Type, type);
        entry.note = textOr(record, ImportField::Note, QString());
        entry.intendedSource = textOr(record, ImportField::IntendedSource, defaults.intendedSource);
        entry.paidWith = textOr(record, ImportField::PaidWith, defaults.paidWith);
        const QString receipt = textOr(record, ImportField::Receipt, QString());
        entry.hasReceipt = !receipt.isEmpty() && receipt != u"-";
        entry.receipt = entry.hasReceipt ? receipt : QStringLiteral("00");
        if (entry.amount == 0.0 && entry.type == QStringView(kUnknownType)) {
            converted.rejected.append({record.line, QStringLiteral("amount 0 and no type")});
            continue;
        }
        converted.rows.push_back(std::move(row));
    }
    return converted;
}

namespace {

// What two duplicates share: the day, the signed amount in cents and the currency, then the type or
// the note.
QString sameKey(const Expense& entry)
{
    const qint64 cents = std::llround(entry.amount * 100.0);
    return QString::number(std::floor(entry.date), 'f', 0) + u'\x1f' +
           QString::number(entry.income ? cents : -cents) + u'\x1f' + entry.currency + u'\x1f';
}

} // namespace

std::vector<DuplicateRow> leaveOutDuplicates(std::vector<ImportRow>& rows, const ExpenseArray& existing)
{
    // The line each key was first seen on; 0 for the entries already there.
    QHash<QString, qsizetype> seen;
    seen.reserve(existing.count() * 2 + qsizetype(rows.size()) * 2);
    const auto keys = [](const Expense& entry) {
        const QString same = sameKey(entry);
        QStringList list = {same + u'T' + entry.type};
        if (!entry.note.isEmpty())
            list.append(same + u'N' + entry.note);
        return list;
    };
    for (const Expense& entry : existing) {
        for (const QString& key : keys(entry))
            seen.insert(key, 0);
    }
    std::vector<DuplicateRow> duplicates;
    std::vector<ImportRow> kept;
    kept.reserve(rows.size());
    for (ImportRow& row : rows) {
        const QStringList rowKeys = keys(row.entry);
        std::optional<qsizetype> earlier;
        for (const QString& key : rowKeys) {
            if (const auto found = seen.constFind(key); found != seen.constEnd() && !earlier)
                earlier = *found;
        }
        if (earlier) {
            duplicates.push_back({row.line, *earlier});
            continue;
        }
        for (const QString& key : rowKeys)
            seen.insert(key, row.line);
        kept.push_back(std::move(row));
    }
    rows.swap(kept);
    return duplicates;
}

} // namespace tallyfox
