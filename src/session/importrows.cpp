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
#include <array>
#include <cmath>
#include <optional>
#include <thread>
#include <utility>

namespace tallyfox {

namespace {

// The type the database gives an entry without one.
constexpr char16_t kUnknownType[] = u"Unknown";

// Whether a text is kept with an equal one (types, currencies), or on its own (receipts and notes,
// which seldom repeat).
enum class Sharing
{
    Shared,
    Unshared,
};

// The shared texts of a column met lately, by a quick key of their length and ends: most columns repeat
// a few texts, which are then found without hashing them.
class RecentTexts
{
public:
    StoredText find(QStringView text)
    {
        if (text.isEmpty())
            return {};
        const size_t slot =
            (size_t(text.size()) * 31 + size_t(text.front().unicode()) * 7 + text.back().unicode()) % kSlots;
        StoredText& cached = m_slots[slot];
        if (cached.isEmpty() || cached.view() != text)
            cached = StoredText(text);
        return cached;
    }

private:
    static constexpr size_t kSlots = 64;
    std::array<StoredText, kSlots> m_slots{};
};

StoredText storedText(QStringView cell, Sharing sharing, RecentTexts* recent = nullptr)
{
    // Most cells are stored as they are, with no copy made first.
    const bool edged = !cell.isEmpty() && (cell.front().isSpace() || cell.back().isSpace());
    bool folded = false;
    for (const QChar c : cell)
        folded |= fieldChar(c.unicode()) != c.unicode();
    const bool clean = !edged && !folded;
    const QString cleaned = clean ? QString() : fieldText(cell.toString()).trimmed();
    const QStringView text = clean ? cell : QStringView(cleaned);
    if (sharing == Sharing::Unshared)
        return StoredText::unshared(text);
    return recent ? recent->find(text) : StoredText(text);
}

QString amountProblemText(AmountProblem problem, QStringView cell, QChar decimalMark)
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
QString likeliestDateFormat(const QList<QStringView>& cells, const QLocale& locale, QDate today)
{
    QString best;
    qsizetype bestCount = 0;
    QStringList candidates = knownDateFormats();
    candidates.prepend(localeDateFormat(locale));
    for (const QString& pattern : candidates) {
        const DateFormat format(pattern);
        qsizetype count = 0;
        for (const QStringView cell : cells)
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

RowAmount readRowAmount(const DelimitedTable& table, qsizetype record, const ImportMapping& mapping,
                        QChar decimalMark)
{
    RowAmount result;
    if (mapping.column(ImportField::Amount) != kNoColumn) {
        const QStringView cell = table.field(record, mapping.column(ImportField::Amount));
        const ImportedAmount amount = readImportedAmount(cell, decimalMark);
        if (amount.problem != AmountProblem::None) {
            result.problem = amountProblemText(amount.problem, cell, decimalMark);
            return result;
        }
        result.magnitude = std::abs(amount.value);
        result.income = mapping.negativeIsIncome ? amount.value < 0 : amount.value > 0;
        return result;
    }
    const QStringView debitCell = table.field(record, mapping.column(ImportField::Debit));
    const QStringView creditCell = table.field(record, mapping.column(ImportField::Credit));
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

// A table of more rows than this is made into entries by two threads.
constexpr qsizetype kRowsForTwoThreads = 20000;

// Makes entries of a table's records, with what the whole table shares: the formats, the texts for
// cells left empty. Any number of threads may convert ranges at once.
class RowMaker
{
public:
    RowMaker(const DelimitedTable& table, const ImportMapping& mapping, const ImportDefaults& defaults,
             const ConvertedRows& formats)
        : m_table(table), m_mapping(mapping), m_defaults(defaults), m_dateFormat(formats.dateFormat),
          m_dateFormatText(formats.dateFormat), m_decimalMark(formats.decimalMark)
    {
        const StoredText givenCurrency = storedText(mapping.currency, Sharing::Shared);
        m_currency = givenCurrency.isEmpty() ? StoredText(defaults.currency) : givenCurrency;
        const StoredText givenType = storedText(mapping.type, Sharing::Shared);
        m_type = givenType.isEmpty() ? StoredText(kUnknownType) : givenType;
        m_intendedSource = defaults.intendedSource;
        m_paidWith = defaults.paidWith;
        m_noReceipt = u"00";
    }

    // Converts the records from first up to end, appending to rows and rejected.
    void convert(qsizetype first, qsizetype end, std::vector<ImportRow>& rows, QList<RejectedRow>& rejected,
                 const std::function<void(qsizetype)>& progress) const
    {
        // A locale of the thread's own: copies share their data safely, one instance is not shared.
        const QLocale locale = m_defaults.locale;
        std::array<RecentTexts, 4> recent;
        QStringView lastDateCell;
        std::optional<double> lastDay;
        for (qsizetype i = first; i < end; ++i) {
            if (progress && i % 4096 == 0)
                progress(i);
            const qsizetype line = m_table.line(i);
            const QStringView dateCell = m_table.field(i, m_mapping.column(ImportField::Date)).trimmed();
            if (dateCell.isEmpty()) {
                rejected.append({line, QCoreApplication::translate("ImportRows", "no date")});
                continue;
            }
            // Statements come in date order: the date of the row before is often the date again.
            if (dateCell != lastDateCell) {
                const std::optional<QDate> date = m_dateFormat.read(dateCell, locale, m_defaults.today);
                lastDateCell = dateCell;
                lastDay = date ? std::optional(dayCountFromQDate(*date)) : std::nullopt;
            }
            if (!lastDay) {
                rejected.append({line, QCoreApplication::translate("ImportRows", "date \"%1\" is not %2")
                                           .arg(dateCell, m_dateFormatText)});
                continue;
            }
            const RowAmount amount = readRowAmount(m_table, i, m_mapping, m_decimalMark);
            if (!amount.problem.isEmpty()) {
                rejected.append({line, amount.problem});
                continue;
            }
            ImportRow row;
            row.line = line;
            Expense& entry = row.entry;
            entry.date = *lastDay;
            entry.amount = amount.magnitude;
            entry.income = amount.income;
            entry.currency = textOr(i, ImportField::Currency, m_currency, &recent[0]);
            entry.type = textOr(i, ImportField::Type, m_type, &recent[1]);
            entry.note = textOr(i, ImportField::Note, {}, nullptr, Sharing::Unshared);
            entry.intendedSource = textOr(i, ImportField::IntendedSource, m_intendedSource, &recent[2]);
            entry.paidWith = textOr(i, ImportField::PaidWith, m_paidWith, &recent[3]);
            // "-" is the export's way of saying there is no receipt; only receipts are kept.
            const QStringView receipt = m_table.field(i, m_mapping.column(ImportField::Receipt)).trimmed();
            entry.hasReceipt = !receipt.isEmpty() && receipt != u"-";
            entry.receipt = entry.hasReceipt ? textOr(i, ImportField::Receipt, {}, nullptr, Sharing::Unshared)
                                             : m_noReceipt;
            if (entry.amount == 0.0 && entry.type == QStringView(kUnknownType)) {
                rejected.append({line, QCoreApplication::translate("ImportRows", "amount 0 and no type")});
                continue;
            }
            rows.push_back(std::move(row));
        }
    }

private:
    StoredText textOr(qsizetype record, ImportField field, StoredText otherwise, RecentTexts* recent,
                      Sharing sharing = Sharing::Shared) const
    {
        const StoredText text = storedText(m_table.field(record, m_mapping.column(field)), sharing, recent);
        return text.isEmpty() ? otherwise : text;
    }

    const DelimitedTable& m_table;
    const ImportMapping& m_mapping;
    const ImportDefaults& m_defaults;
    const DateFormat m_dateFormat;
    const QString m_dateFormatText;
    const QChar m_decimalMark;
    StoredText m_currency;
    StoredText m_type;
    StoredText m_intendedSource;
    StoredText m_paidWith;
    // What an entry without a receipt holds as its number.
    StoredText m_noReceipt;
};

} // namespace

QList<QStringView> columnCells(const DelimitedTable& table, int column, bool skipHeader)
{
    QList<QStringView> cells;
    if (column == kNoColumn)
        return cells;
    cells.reserve(table.recordCount());
    for (qsizetype i = skipHeader ? 1 : 0; i < table.recordCount(); ++i)
        cells.append(table.field(i, column));
    return cells;
}

ConvertedRows convertRecords(const DelimitedTable& table, const ImportMapping& mapping,
                             const ImportDefaults& defaults, const std::function<void(qsizetype)>& progress)
{
    ConvertedRows converted;
    const bool skipHeader = mapping.hasHeader;
    converted.decimalMark = mapping.decimalMark;
    if (converted.decimalMark.isNull()) {
        QList<QStringView> amounts;
        for (const ImportField field : {ImportField::Amount, ImportField::Debit, ImportField::Credit})
            amounts += columnCells(table, mapping.column(field), skipHeader);
        converted.decimalMark = detectDecimalMark(amounts, mapping.delimiter == u';' ? u',' : u'.');
    }
    converted.dateFormat = mapping.dateFormat;
    const QList<QStringView> dates = columnCells(table, mapping.column(ImportField::Date), skipHeader);
    if (converted.dateFormat.isEmpty()) {
        const DateFormatGuess guess = detectDateFormat(dates, defaults.locale, defaults.today);
        if (guess.formats.isEmpty()) {
            converted.dateFormat = likeliestDateFormat(dates, defaults.locale, defaults.today);
        } else {
            converted.dateFormat = guess.formats.first();
            converted.otherDateFormats = guess.formats.mid(1);
        }
    }
    const RowMaker maker(table, mapping, defaults, converted);
    const qsizetype first = skipHeader ? 1 : 0;
    const qsizetype end = table.recordCount();
    converted.rows.reserve(size_t(std::max<qsizetype>(0, end - first)));
    if (end - first < kRowsForTwoThreads) {
        maker.convert(first, end, converted.rows, converted.rejected, progress);
        return converted;
    }
    // A large table is made in two halves at once; the second half's rows follow the first's.
    const qsizetype middle = first + (end - first) / 2;
    std::vector<ImportRow> laterRows;
    QList<RejectedRow> laterRejected;
    std::thread later([&] { maker.convert(middle, end, laterRows, laterRejected, {}); });
    // The first half tells the progress of both, which go at about the same pace.
    maker.convert(first, middle, converted.rows, converted.rejected, [&progress, first](qsizetype done) {
        if (progress)
            progress(first + (done - first) * 2);
    });
    later.join();
    converted.rows.insert(converted.rows.end(), std::make_move_iterator(laterRows.begin()),
                          std::make_move_iterator(laterRows.end()));
    converted.rejected += laterRejected;
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

    [[nodiscard]] StoredText text() const { return byNote ? entry->note : entry->type; }
    [[nodiscard]] bool sameAs(const SameKey& other) const
    {
        return day == other.day && cents == other.cents && byNote == other.byNote &&
               entry->currency == other.entry->currency && text() == other.text();
    }
};

// The key without its hash, for comparing.
SameKey keyFields(const Expense& entry, bool byNote)
{
    const qint64 cents = std::llround(entry.amount * 100.0);
    return {0, qint64(std::floor(entry.date)), entry.income ? cents : -cents, &entry, byNote};
}

SameKey keyOf(const Expense& entry, bool byNote, size_t common)
{
    SameKey key = keyFields(entry, byNote);
    key.hash = qHashMulti(common, byNote, key.text());
    return key;
}

// The hash that both keys of an entry start from.
size_t commonHash(const Expense& entry)
{
    const qint64 cents = std::llround(entry.amount * 100.0);
    return qHashMulti(0, qint64(std::floor(entry.date)), entry.income ? cents : -cents, entry.currency);
}

// The keys seen, in an open-addressed table. A cell holds the top half of the key's hash beside the
// key's entry (those already there first, then the rows), plus one, with the top bit for a key by note;
// 0 is a free cell. The key itself is made again from its entry when a probe meets the same half hash.
class SeenKeys
{
public:
    SeenKeys(const ExpenseArray& existing, const std::vector<ImportRow>& rows)
        : m_existing(existing), m_rows(rows)
    {
        size_t size = 16;
        while (size < (size_t(existing.count()) + rows.size()) * 4)
            size *= 2;
        m_cells.assign(size, 0);
    }

    // The place of the entry whose key is the same, or -1 with at the free cell where the key would go.
    [[nodiscard]] qsizetype find(const SameKey& key, size_t& at) const
    {
        const quint64 tag = key.hash >> 32;
        for (at = key.hash & mask();; at = (at + 1) & mask()) {
            const quint64 cell = m_cells[at];
            if (cell == 0)
                return -1;
            if ((cell >> 32) != tag)
                continue;
            const bool byNote = (cell & kByNoteBit) != 0;
            const auto place = qsizetype(cell & (kByNoteBit - 1)) - 1;
            if (keyFields(entryAt(place), byNote).sameAs(key))
                return place;
        }
    }
    void prefetch(const SameKey& key) const { __builtin_prefetch(&m_cells[key.hash & mask()]); }
    // Adds the key of the entry at place, which find did not find, at the cell it gave or after it.
    void insertAt(const SameKey& key, qsizetype place, size_t at)
    {
        while (m_cells[at] != 0)
            at = (at + 1) & mask();
        m_cells[at] = ((key.hash >> 32) << 32) | (key.byNote ? kByNoteBit : 0) | quint64(place + 1);
    }
    [[nodiscard]] const Expense& entryAt(qsizetype place) const
    {
        return place < m_existing.count() ? m_existing[int(place)]
                                          : m_rows[size_t(place - m_existing.count())].entry;
    }
    // The line of the file the entry at place came from; 0 for the entries already there.
    [[nodiscard]] qsizetype lineAt(qsizetype place) const
    {
        return place < m_existing.count() ? 0 : m_rows[size_t(place - m_existing.count())].line;
    }

private:
    static constexpr quint64 kByNoteBit = quint64(1) << 31;

    [[nodiscard]] size_t mask() const { return m_cells.size() - 1; }

    const ExpenseArray& m_existing;
    const std::vector<ImportRow>& m_rows;
    // At most half full: each entry has at most two keys, and there are four cells for each.
    std::vector<quint64> m_cells;
};

} // namespace

std::vector<DuplicateRow> leaveOutDuplicates(std::vector<ImportRow>& rows, const ExpenseArray& existing)
{
    SeenKeys seen(existing, rows);
    std::vector<DuplicateRow> duplicates;
    // The rows stay where they are while their keys point at them; the duplicates go afterwards.
    std::vector<bool> left(rows.size(), false);
    const qsizetype places = existing.count() + qsizetype(rows.size());
    // The keys are made some entries ahead and their cells asked of the memory then: the table is
    // larger than the caches, and each probe would otherwise wait for its cell.
    constexpr qsizetype kAhead = 16;
    struct EntryKeys
    {
        SameKey byType;
        std::optional<SameKey> byNote;
    };
    std::array<EntryKeys, kAhead> ahead;
    const auto makeKeys = [&](qsizetype place) {
        const Expense& entry = seen.entryAt(place);
        const size_t common = commonHash(entry);
        EntryKeys& keys = ahead[size_t(place % kAhead)];
        keys.byType = keyOf(entry, false, common);
        keys.byNote = entry.note.isEmpty() ? std::nullopt : std::optional(keyOf(entry, true, common));
        seen.prefetch(keys.byType);
        if (keys.byNote)
            seen.prefetch(*keys.byNote);
    };
    for (qsizetype place = 0; place < std::min(places, kAhead); ++place)
        makeKeys(place);
    for (qsizetype place = 0; place < places; ++place) {
        const EntryKeys keys = ahead[size_t(place % kAhead)];
        if (place + kAhead < places)
            makeKeys(place + kAhead);
        const SameKey& byType = keys.byType;
        const std::optional<SameKey>& byNote = keys.byNote;
        size_t typeCell = 0;
        size_t noteCell = 0;
        const qsizetype sameType = seen.find(byType, typeCell);
        const qsizetype sameNote = byNote ? seen.find(*byNote, noteCell) : -1;
        // Entries already there may repeat each other: only rows are left out.
        if (place >= existing.count() && (sameType >= 0 || sameNote >= 0)) {
            const size_t row = size_t(place - existing.count());
            duplicates.push_back({rows[row].line, seen.lineAt(sameType >= 0 ? sameType : sameNote)});
            left[row] = true;
            continue;
        }
        // The first entry with a key keeps it.
        if (sameType < 0)
            seen.insertAt(byType, place, typeCell);
        if (byNote && sameNote < 0)
            seen.insertAt(*byNote, place, noteCell);
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
