// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "session/importrows.h"

#include "core/daycount.h"
#include "platform/textencoding.h"
#include "session/importvalues.h"

#include <QCoreApplication>
#include <QHash>
#include <QHashFunctions>
#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>

namespace tallyfox {

namespace {

// The type the database gives an entry without one.
constexpr char16_t kUnknownType[] = u"Unknown";

QString storedText(const QString& text)
{
    // Most cells are stored as they are: shared, not copied.
    const bool edged = !text.isEmpty() && (text.front().isSpace() || text.back().isSpace());
    const bool clean = !edged && std::none_of(text.cbegin(), text.cend(),
                                              [](QChar c) { return fieldChar(c.unicode()) != c.unicode(); });
    return clean ? text : fieldText(text).trimmed();
}

const QString& cellOf(const DelimitedRecord& record, int column)
{
    static const QString none;
    if (column < 0 || column >= record.fields.size())
        return none;
    return record.fields[column];
}

QString amountProblemText(AmountProblem problem, const QString& cell, QChar decimalMark)
{
    switch (problem) {
    case AmountProblem::None:
        break;
    case AmountProblem::Empty:
        return QCoreApplication::translate("ImportRows", "no amount");
    case AmountProblem::NotANumber:
        return QCoreApplication::translate("ImportRows", "amount \"%1\" is not a number").arg(cell.trimmed());
    case AmountProblem::WrongDecimalMark:
        return QCoreApplication::translate("ImportRows",
                                           "amount \"%1\" does not read with the decimal mark \"%2\"")
            .arg(cell.trimmed(), QString(decimalMark));
    case AmountProblem::TooLarge:
        return QCoreApplication::translate("ImportRows", "amount \"%1\" is larger than 999999999.99")
            .arg(cell.trimmed());
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
        const QString& cell = cellOf(record, mapping.column(ImportField::Amount));
        const ImportedAmount amount = readImportedAmount(cell, decimalMark);
        if (amount.problem != AmountProblem::None) {
            result.problem = amountProblemText(amount.problem, cell, decimalMark);
            return result;
        }
        result.magnitude = std::abs(amount.value);
        result.income = mapping.negativeIsIncome ? amount.value < 0 : amount.value > 0;
        return result;
    }
    const QString& debitCell = cellOf(record, mapping.column(ImportField::Debit));
    const QString& creditCell = cellOf(record, mapping.column(ImportField::Credit));
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
        result.problem = QCoreApplication::translate("ImportRows", "no amount");
    } else if (hasDebit && hasCredit && debit.value != 0.0 && credit.value != 0.0) {
        result.problem = QCoreApplication::translate("ImportRows", "both a debit and a credit");
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
        const QStringView dateCell = QStringView(cellOf(record, mapping.column(ImportField::Date))).trimmed();
        if (dateCell.isEmpty()) {
            converted.rejected.append({record.line, QCoreApplication::translate("ImportRows", "no date")});
            continue;
        }
        const std::optional<QDate> date = dateFormat.read(dateCell, defaults.locale, defaults.today);
        if (!date) {
            converted.rejected.append(
                {record.line, QCoreApplication::translate("ImportRows", "date \"%1\" is not %2")
                                  .arg(dateCell, converted.dateFormat)});
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
            converted.rejected.append(
                {record.line, QCoreApplication::translate("ImportRows", "amount 0 and no type")});
            continue;
        }
        converted.rows.push_back(std::move(row));
    }
    return converted;
}

namespace {

// What two duplicates share: the day, the signed amount in cents and the currency, then the type or
// the note (an entry has a key for each). The keys are found by a 64-bit hash of these and confirmed
// against the entry, so that no texts are copied.
struct SameKey
{
    quint64 hash = 0;
    qint64 day = 0;
    qint64 cents = 0;
    const Expense* entry = nullptr;
    bool byNote = false;
    // The line the key was first seen on; 0 for the entries already there.
    qsizetype line = 0;

    [[nodiscard]] StoredText text() const { return byNote ? entry->note : entry->type; }
    [[nodiscard]] bool sameAs(const SameKey& other) const
    {
        return hash == other.hash && day == other.day && cents == other.cents && byNote == other.byNote &&
               entry->currency == other.entry->currency && text() == other.text();
    }
};

// The entry's keys: by type, and by note when it has one.
std::pair<SameKey, std::optional<SameKey>> sameKeys(const Expense& entry, qsizetype line)
{
    const qint64 cents = std::llround(entry.amount * 100.0);
    SameKey byType{0, qint64(std::floor(entry.date)), entry.income ? cents : -cents, &entry, false, line};
    const size_t common = qHashMulti(0, byType.day, byType.cents, entry.currency);
    byType.hash = qHashMulti(common, false, entry.type);
    if (entry.note.isEmpty())
        return {byType, std::nullopt};
    SameKey byNote = byType;
    byNote.byNote = true;
    byNote.hash = qHashMulti(common, true, entry.note);
    return {byType, byNote};
}

// The keys seen, in an open-addressed table of their places in a list.
class SeenKeys
{
public:
    explicit SeenKeys(qsizetype expected)
    {
        size_t size = 16;
        while (size < size_t(expected) * 2)
            size *= 2;
        m_places.assign(size, -1);
        m_keys.reserve(size_t(expected));
    }

    [[nodiscard]] const SameKey* find(const SameKey& key) const
    {
        for (size_t at = key.hash & (m_places.size() - 1);; at = (at + 1) & (m_places.size() - 1)) {
            const qsizetype place = m_places[at];
            if (place < 0)
                return nullptr;
            if (m_keys[size_t(place)].sameAs(key))
                return &m_keys[size_t(place)];
        }
    }
    // Keeps the first line a key was seen on.
    void insert(const SameKey& key)
    {
        if (find(key))
            return;
        if ((m_keys.size() + 1) * 2 > m_places.size())
            grow();
        place(key.hash, qsizetype(m_keys.size()));
        m_keys.push_back(key);
    }

private:
    void place(quint64 hash, qsizetype index)
    {
        size_t at = hash & (m_places.size() - 1);
        while (m_places[at] >= 0)
            at = (at + 1) & (m_places.size() - 1);
        m_places[at] = index;
    }
    void grow()
    {
        m_places.assign(m_places.size() * 2, -1);
        for (size_t i = 0; i < m_keys.size(); ++i)
            place(m_keys[i].hash, qsizetype(i));
    }

    std::vector<qsizetype> m_places;
    std::vector<SameKey> m_keys;
};

} // namespace

std::vector<DuplicateRow> leaveOutDuplicates(std::vector<ImportRow>& rows, const ExpenseArray& existing)
{
    SeenKeys seen(existing.count() * 2 + qsizetype(rows.size()) * 2);
    const auto remember = [&seen](const std::pair<SameKey, std::optional<SameKey>>& keys) {
        seen.insert(keys.first);
        if (keys.second)
            seen.insert(*keys.second);
    };
    for (const Expense& entry : existing)
        remember(sameKeys(entry, 0));
    std::vector<DuplicateRow> duplicates;
    // The rows stay where they are while their keys point at them; the duplicates go afterwards.
    std::vector<bool> left(rows.size(), false);
    for (size_t i = 0; i < rows.size(); ++i) {
        const ImportRow& row = rows[i];
        const std::pair<SameKey, std::optional<SameKey>> keys = sameKeys(row.entry, row.line);
        const SameKey* found = seen.find(keys.first);
        if (!found && keys.second)
            found = seen.find(*keys.second);
        if (found) {
            duplicates.push_back({row.line, found->line});
            left[i] = true;
            continue;
        }
        remember(keys);
    }
    if (!duplicates.empty()) {
        size_t kept = 0;
        for (size_t i = 0; i < rows.size(); ++i) {
            if (!left[i]) {
                if (kept != i)
                    rows[kept] = std::move(rows[i]);
                ++kept;
            }
        }
        rows.erase(rows.begin() + qsizetype(kept), rows.end());
    }
    return duplicates;
}

} // namespace tallyfox
