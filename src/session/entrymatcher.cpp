#include "session/entrymatcher.h"

#include "core/daycount.h"
#include "core/textforms.h"
#include "money/currencylookup.h"
#include "money/currencytable.h"
#include "session/entrycells.h"
#include "session/textfold.h"

#include <algorithm>
#include <bit>
#include <climits>
#include <cmath>

namespace tallyfox {

namespace {

// Dates that name no calendar day show as an empty text.
constexpr int kNoDay = INT_MIN;

int dayKey(double date)
{
    if (!std::isfinite(date) || date < kFirstDayCount || date >= double(kLastDayCount) + 1)
        return kNoDay;
    return static_cast<int>(std::floor(date));
}

// The set parts of the filter that look at the index: the folded value of each chosen field, and the
// search words.
bool needsIndex(const EntryFilter& filter)
{
    return filter.hasText() ||
           std::any_of(filter.values.begin(), filter.values.end(), [](const auto& value) { return value; });
}

} // namespace

int EntryMatcher::foldedId(const QString& folded)
{
    const auto found = m_foldedIds.constFind(folded);
    if (found != m_foldedIds.constEnd())
        return found.value();
    const int id = static_cast<int>(m_starts.size());
    m_starts.push_back(m_buffer.size());
    m_buffer += folded;
    // A separator between the texts; a word is only counted inside one text, whatever it holds.
    m_buffer += QChar(u'\0');
    m_foldedIds.insert(folded, id);
    return id;
}

int EntryMatcher::rawTextId(TextIds& raw, std::vector<int>& foldedOfRaw, const QString& text)
{
    const int id = raw.idOf(text);
    if (id < static_cast<int>(foldedOfRaw.size()))
        return foldedOfRaw[size_t(id)];
    auto found = m_rawFolded.constFind(text);
    if (found == m_rawFolded.constEnd())
        found = m_rawFolded.insert(text, foldedId(foldedText(text)));
    foldedOfRaw.push_back(found.value());
    return found.value();
}

void EntryMatcher::build(const AppState& state)
{
    const int count = state.entryCount();
    const bool incomeIsPositive = state.settings.incomeIsPositive;
    m_keys.resize(size_t(count));
    m_currencyOf.resize(size_t(count));
    m_currencies = TextIds();
    // Numbered afresh each time: the numbers know the texts by where their characters lie.
    TextIds raw;
    std::vector<int> foldedOfRaw;
    const int noReceipt = foldedId(QStringLiteral("-"));
    int lastDay = kNoDay;
    int lastDayId = foldedId(QString());
    const int noDayId = lastDayId;

    for (int i = 0; i < count; ++i) {
        const Expense& entry = state.entries[i];
        EntryKeys& keys = m_keys[size_t(i)];
        keys.text[int(ListColumn::What)] = rawTextId(raw, foldedOfRaw, entry.type);
        keys.text[int(ListColumn::Receipt)] =
            entry.hasReceipt ? rawTextId(raw, foldedOfRaw, entry.receipt) : noReceipt;
        keys.text[int(ListColumn::Note)] = rawTextId(raw, foldedOfRaw, entry.note);
        keys.text[int(ListColumn::Currency)] = rawTextId(raw, foldedOfRaw, entry.currency);
        keys.text[int(ListColumn::PaidWith)] = rawTextId(raw, foldedOfRaw, entry.paidWith);
        keys.text[int(ListColumn::IntendedSource)] = rawTextId(raw, foldedOfRaw, entry.intendedSource);
        m_currencyOf[size_t(i)] = m_currencies.idOf(entry.currency);

        // Entries come mostly in date order: the day before is usually the day again.
        const int day = dayKey(entry.date);
        if (day != lastDay) {
            lastDay = day;
            if (day == kNoDay) {
                lastDayId = noDayId;
            } else {
                auto found = m_dayIds.constFind(day);
                if (found == m_dayIds.constEnd())
                    found = m_dayIds.insert(day, foldedId(foldedText(dateText(day, state.locale))));
                lastDayId = found.value();
            }
        }
        keys.text[int(ListColumn::Date)] = lastDayId;

        const bool minus = !signPrefix(entry.income, incomeIsPositive).isEmpty();
        QHash<quint64, int>& amounts = m_amountIds[minus ? 1 : 0];
        const auto bits = std::bit_cast<quint64>(entry.amount);
        auto found = amounts.constFind(bits);
        if (found == amounts.constEnd())
            found = amounts.insert(bits, foldedId(entryAmountText(entry, incomeIsPositive)));
        keys.text[int(ListColumn::Amount)] = found.value();
    }
    m_built = true;
}

void EntryMatcher::prepare(const AppState& state)
{
    if (!m_built)
        build(state);
}

std::vector<std::uint32_t> EntryMatcher::wordMasks(const QStringList& words) const
{
    std::vector<std::uint32_t> masks(m_starts.size(), 0);
    const QStringView buffer(m_buffer);
    for (qsizetype w = 0; w < words.size() && w < 32; ++w) {
        const QString& word = words[w];
        const std::uint32_t bit = 1u << w;
        qsizetype at = 0;
        while ((at = buffer.indexOf(word, at)) >= 0) {
            const auto next = std::upper_bound(m_starts.begin(), m_starts.end(), at);
            const size_t id = size_t(next - m_starts.begin()) - 1;
            // The text ends at its separator.
            const qsizetype end = next == m_starts.end() ? buffer.size() - 1 : *next - 1;
            if (at + word.size() <= end) {
                masks[id] |= bit;
                at = end + 1;
            } else {
                ++at;
            }
        }
    }
    return masks;
}

std::vector<int> EntryMatcher::matchingRows(const AppState& state, const EntryFilter& filter)
{
    const int count = state.entryCount();
    std::vector<int> rows;
    const bool indexed = needsIndex(filter);
    if (indexed)
        prepare(state);

    // Each chosen value by the number of its folded text; a value no entry shows lets none through.
    std::array<int, kFilterFieldCount> valueIds{};
    for (const FilterField field : kFilterFields) {
        valueIds[size_t(field)] = -1;
        if (const std::optional<QString>& value = filter.value(field)) {
            const auto found = m_foldedIds.constFind(foldedText(*value));
            if (found == m_foldedIds.constEnd())
                return rows;
            valueIds[size_t(field)] = found.value();
        }
    }
    const double fromDay = filter.from ? dayCountFromQDate(*filter.from) : 0.0;
    const double afterToDay = filter.to ? dayCountFromQDate(*filter.to) + 1.0 : 0.0;

    // The words in groups of 32, the first with the other parts, each later one over what is left.
    const QStringList words = filter.hasText() ? searchWords(filter.text) : QStringList();
    QStringList firstWords = words.mid(0, 32);
    const std::vector<std::uint32_t> masks = wordMasks(firstWords);
    const std::uint32_t allWords =
        firstWords.isEmpty() ? 0u : (firstWords.size() == 32 ? ~0u : (1u << firstWords.size()) - 1);

    rows.reserve(size_t(count));
    for (int i = 0; i < count; ++i) {
        const Expense& entry = state.entries[i];
        if (filter.from && !(entry.date >= fromDay))
            continue;
        if (filter.to && !(entry.date < afterToDay))
            continue;
        if (filter.income && entry.income != *filter.income)
            continue;
        if (indexed) {
            const EntryKeys& keys = m_keys[size_t(i)];
            bool chosen = true;
            for (const FilterField field : kFilterFields) {
                const int id = valueIds[size_t(field)];
                if (id >= 0 && keys.text[size_t(listColumnOfField(field))] != id)
                    chosen = false;
            }
            if (!chosen)
                continue;
            if (allWords != 0) {
                std::uint32_t found = 0;
                for (const int text : keys.text)
                    found |= masks[size_t(text)];
                if (found != allWords)
                    continue;
            }
        }
        rows.push_back(i);
    }

    for (qsizetype first = 32; first < words.size(); first += 32) {
        const QStringList group = words.mid(first, 32);
        const std::vector<std::uint32_t> groupMasks = wordMasks(group);
        const std::uint32_t all = group.size() == 32 ? ~0u : (1u << group.size()) - 1;
        std::erase_if(rows, [&](int row) {
            std::uint32_t found = 0;
            for (const int text : m_keys[size_t(row)].text)
                found |= groupMasks[size_t(text)];
            return found != all;
        });
    }
    return rows;
}

ShownTotals EntryMatcher::totals(const AppState& state, const std::vector<int>* rows) const
{
    ShownTotals totals;
    totals.total = state.entryCount();
    totals.shown = rows ? static_cast<int>(rows->size()) : totals.total;
    // Summed per currency text as the overview sums a section, then converted.
    std::vector<double> income;
    std::vector<double> expenses;
    std::vector<bool> seen;
    const auto add = [&](int group, const Expense& entry) {
        if (size_t(group) >= seen.size()) {
            income.resize(size_t(group) + 1, 0.0);
            expenses.resize(size_t(group) + 1, 0.0);
            seen.resize(size_t(group) + 1, false);
        }
        seen[size_t(group)] = true;
        (entry.income ? income : expenses)[size_t(group)] += entry.amount;
    };
    CurrencyLookup lookup(state.currencies);
    const bool indexed = m_built && m_currencyOf.size() == size_t(state.entryCount());
    const auto groupOf = [&](int row) {
        return indexed ? m_currencyOf[size_t(row)] : lookup.groupOf(state.entries[row].currency);
    };
    if (rows) {
        for (const int row : *rows)
            add(groupOf(row), state.entries[row]);
    } else {
        for (int row = 0; row < totals.total; ++row)
            add(groupOf(row), state.entries[row]);
    }
    for (size_t group = 0; group < seen.size(); ++group) {
        if (!seen[group])
            continue;
        const QString& currency = indexed ? m_currencies.text(int(group)) : lookup.groupText(int(group));
        const int index = findCurrency(state.currencies, currency);
        if (index < 0 || !isUsableRate(state.currencies[index].rate)) {
            totals.notAllConverted = true;
            continue;
        }
        totals.income += convertToPrimary(state.currencies, income[group], currency);
        totals.expenses += convertToPrimary(state.currencies, expenses[group], currency);
    }
    return totals;
}

std::vector<int> matchingEntries(const AppState& state, const EntryFilter& filter)
{
    EntryMatcher matcher;
    return matcher.matchingRows(state, filter);
}

} // namespace tallyfox
