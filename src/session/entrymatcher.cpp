// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "session/entrymatcher.h"

#include "core/daycount.h"
#include "core/textforms.h"
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
// Of an entry's texts, at most its note and receipt are its own; the others are shared with many.
constexpr qsizetype kOwnTextsPerEntry = 2;
constexpr int kNoDay = INT_MIN;

int dayKey(double date)
{
    if (!std::isfinite(date) || date < kFirstDayCount || date >= double(kLastDayCount) + 1)
        return kNoDay;
    return static_cast<int>(std::floor(date));
}

// Whether the text holds the word: a plain scan, which for the few letters typed and the short texts of
// entries beats a library call per text.
bool holds(QStringView text, QStringView word)
{
    const qsizetype length = word.size();
    if (length == 0)
        return true;
    const char16_t* characters = text.utf16();
    const char16_t* letters = word.utf16();
    const char16_t first = letters[0];
    for (qsizetype at = 0; at + length <= text.size(); ++at) {
        if (characters[at] == first && std::equal(letters + 1, letters + length, characters + at + 1))
            return true;
    }
    return false;
}

// The parts of a filter that need the index: words, and chosen values (found by their folded texts).
bool needsIndex(const EntryFilter& filter)
{
    return filter.hasText() ||
           std::any_of(filter.values.begin(), filter.values.end(), [](const auto& value) { return value; });
}

// Whether every entry that the narrower filter lets through is one the wider lets through: the same
// choices, and each word of the wider text inside a word of the narrower.
bool refines(const EntryFilter& narrower, const EntryFilter& wider)
{
    if (narrower.from != wider.from || narrower.to != wider.to || narrower.income != wider.income ||
        narrower.values != wider.values)
        return false;
    const QStringList words = searchWords(narrower.text);
    const QStringList widerWords = searchWords(wider.text);
    return std::all_of(widerWords.begin(), widerWords.end(), [&words](const QString& wide) {
        return std::any_of(words.begin(), words.end(),
                           [&wide](const QString& word) { return word.contains(wide); });
    });
}

// The place of a field's text in a group.
int groupPlace(FilterField field)
{
    switch (field) {
    case FilterField::Type:
        return 0;
    case FilterField::Currency:
        return 1;
    case FilterField::PaidWith:
        return 2;
    case FilterField::IntendedSource:
        break;
    }
    return 3;
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
    m_foldedIds.insert(folded, id);
    return id;
}

int EntryMatcher::textId(const QString& text)
{
    auto found = m_textIds.find(text.constData());
    if (found != m_textIds.end() && found->text.size() == text.size())
        return found->id;
    const int id = foldedId(foldedText(text));
    // A null text and an empty one share where their (no) characters lie.
    m_textIds.insert(text.constData(), {text, id});
    return id;
}

int EntryMatcher::groupId(const Group& group)
{
    auto found = m_groupIds.constFind(group);
    if (found == m_groupIds.constEnd()) {
        found = m_groupIds.insert(group, static_cast<int>(m_groups.size()));
        m_groups.push_back(group);
    }
    return found.value();
}

int EntryMatcher::dayId(double date, const UserLocale& locale)
{
    const int day = dayKey(date);
    auto found = m_dayIds.constFind(day);
    if (found == m_dayIds.constEnd())
        found = m_dayIds.insert(day, foldedId(day == kNoDay ? QString() : foldedText(dateText(day, locale))));
    return found.value();
}

int EntryMatcher::amountId(const Expense& entry, bool incomeIsPositive)
{
    const bool minus = entry.income != incomeIsPositive;
    QHash<quint64, int>& amounts = m_amountIds[minus ? 1 : 0];
    const auto bits = std::bit_cast<quint64>(entry.amount);
    auto found = amounts.constFind(bits);
    if (found == amounts.constEnd())
        found = amounts.insert(bits, foldedId(entryAmountText(entry, incomeIsPositive)));
    return found.value();
}

void EntryMatcher::build(const AppState& state)
{
    const int count = state.entryCount();
    const bool incomeIsPositive = state.settings.incomeIsPositive;
    for (std::vector<int>* ids : {&m_groupOf, &m_dateOf, &m_amountOf, &m_receiptOf, &m_noteOf, &m_currencyOf})
        ids->resize(size_t(count));
    m_dates.resize(size_t(count));
    m_amounts.resize(size_t(count));
    m_incomes.assign(size_t(count), false);
    m_currencies = TextIds();
    // The held texts keep the texts of entries gone (deleted, or of a file read before) alive: once
    // they are more than the entries can hold, they are let go and gathered afresh.
    if (m_textIds.size() > (kOwnTextsPerEntry + 1) * qsizetype(count) + 1024)
        m_textIds.clear();
    if (m_textIds.isEmpty())
        m_textIds.reserve(count);
    const int noReceipt = foldedId(QStringLiteral("-"));
    // Entries come mostly in date order: the day before is usually the day again.
    double lastDate = std::nan("");
    int lastDayId = 0;

    for (int i = 0; i < count; ++i) {
        const Expense& entry = state.entries[i];
        const auto at = size_t(i);
        m_groupOf[at] = groupId({{textId(entry.type), textId(entry.currency), textId(entry.paidWith),
                                  textId(entry.intendedSource)}});
        if (!(std::floor(entry.date) == lastDate)) {
            lastDate = std::floor(entry.date);
            lastDayId = dayId(entry.date, state.locale);
        }
        m_dateOf[at] = lastDayId;
        m_amountOf[at] = amountId(entry, incomeIsPositive);
        m_receiptOf[at] = entry.hasReceipt ? textId(entry.receipt) : noReceipt;
        m_noteOf[at] = textId(entry.note);
        m_currencyOf[at] = m_currencies.idOf(entry.currency);
        m_dates[at] = entry.date;
        m_amounts[at] = entry.amount;
        m_incomes[at] = entry.income;
    }
    m_built = true;
}

void EntryMatcher::prepare(const AppState& state)
{
    if (!m_built)
        build(state);
}

QStringView EntryMatcher::textAt(size_t id) const
{
    const qsizetype end = id + 1 < m_starts.size() ? m_starts[id + 1] : m_buffer.size();
    return QStringView(m_buffer).mid(m_starts[id], end - m_starts[id]);
}

const std::vector<std::uint8_t>& EntryMatcher::hitsOf(const QString& word)
{
    const size_t texts = m_starts.size();
    // One pass over the buffer from the text given on, following the texts' starts as it goes.
    const auto look = [&](WordHits& found, size_t from) {
        if (from >= texts)
            return;
        const auto* characters = reinterpret_cast<const char16_t*>(m_buffer.constData());
        const auto* letters = reinterpret_cast<const char16_t*>(word.constData());
        const qsizetype length = word.size();
        const qsizetype size = m_buffer.size();
        size_t id = from;
        qsizetype end = id + 1 < texts ? m_starts[id + 1] : size;
        for (qsizetype at = m_starts[from]; at + length <= size; ++at) {
            while (at >= end) {
                ++id;
                end = id + 1 < texts ? m_starts[id + 1] : size;
            }
            if (characters[at] == letters[0] && at + length <= end &&
                std::equal(letters + 1, letters + length, characters + at + 1)) {
                found.hits[id] = 1;
                at = end - 1;
            }
        }
    };
    const auto known = std::find_if(m_words.begin(), m_words.end(),
                                    [&word](const WordHits& hits) { return hits.word == word; });
    if (known != m_words.end()) {
        std::rotate(known, known + 1, m_words.end());
        WordHits& found = m_words.back();
        // Texts folded since were not looked at yet.
        const size_t looked = found.hits.size();
        found.hits.resize(texts, 0);
        look(found, looked);
        return found.hits;
    }
    // A text that holds the word holds every part of it: only the texts that hold the longest part
    // looked for already need a look.
    const WordHits* part = nullptr;
    for (const WordHits& hits : m_words) {
        if (word.contains(hits.word) && (!part || hits.word.size() > part->word.size()))
            part = &hits;
    }
    WordHits found{word, std::vector<std::uint8_t>(texts, 0)};
    size_t looked = 0;
    if (part) {
        looked = std::min(part->hits.size(), texts);
        for (size_t id = 0; id < looked; ++id) {
            if (part->hits[id] && holds(textAt(id), word))
                found.hits[id] = 1;
        }
    }
    look(found, looked);
    if (m_words.size() == kWordsKept)
        m_words.erase(m_words.begin());
    m_words.push_back(std::move(found));
    return m_words.back().hits;
}

std::vector<std::uint32_t> EntryMatcher::wordMasks(const QStringList& words)
{
    std::vector<std::uint32_t> masks(m_starts.size(), 0);
    for (qsizetype w = 0; w < words.size() && w < 32; ++w) {
        const std::uint32_t bit = 1u << w;
        const std::vector<std::uint8_t>& hits = hitsOf(words[w]);
        for (size_t id = 0; id < masks.size(); ++id)
            masks[id] |= hits[id] ? bit : 0u;
    }
    return masks;
}

std::vector<int> EntryMatcher::matchingRows(const AppState& state, const EntryFilter& filter)
{
    if (!needsIndex(filter))
        return findRows(state, filter, nullptr);
    prepare(state);
    // Typing on adds letters: the rows of the text before hold every row of the text now. Taking a
    // letter back goes back to rows found before.
    const std::vector<int>* within = nullptr;
    for (auto result = m_results.begin(); result != m_results.end(); ++result) {
        if (result->first == filter) {
            std::rotate(result, result + 1, m_results.end());
            return m_results.back().second;
        }
        if ((!within || result->second.size() < within->size()) && refines(filter, result->first))
            within = &result->second;
    }
    std::vector<int> rows = findRows(state, filter, within);
    if (m_results.size() == kResultsKept)
        m_results.erase(m_results.begin());
    m_results.emplace_back(filter, rows);
    return rows;
}

std::vector<int> EntryMatcher::findRows(const AppState& state, const EntryFilter& filter,
                                        const std::vector<int>* within)
{
    const int count = state.entryCount();
    const bool indexed = needsIndex(filter);
    std::vector<int> rows;
    const double fromDay = filter.from ? dayCountFromQDate(*filter.from) : 0.0;
    const double afterToDay = filter.to ? dayCountFromQDate(*filter.to) + 1.0 : 0.0;
    const auto inRange = [&](double date, bool income) {
        return (!filter.from || date >= fromDay) && (!filter.to || date < afterToDay) &&
               (!filter.income || income == *filter.income);
    };
    if (!indexed) {
        rows.reserve(size_t(count));
        for (int i = 0; i < count; ++i) {
            if (inRange(state.entries[i].date, state.entries[i].income))
                rows.push_back(i);
        }
        return rows;
    }

    // Each chosen value by the number of its folded text; a value no entry shows lets none through.
    std::array<int, 4> chosen{-1, -1, -1, -1};
    for (const FilterField field : kFilterFields) {
        if (const std::optional<QString>& value = filter.value(field)) {
            const auto found = m_foldedIds.constFind(foldedText(*value));
            if (found == m_foldedIds.constEnd())
                return rows;
            chosen[size_t(groupPlace(field))] = found.value();
        }
    }
    // The words in groups of 32, the first with the other parts, each later one over what is left.
    const QStringList words = filter.hasText() ? searchWords(filter.text) : QStringList();
    const QStringList firstWords = words.mid(0, 32);
    const std::vector<std::uint32_t> masks = wordMasks(firstWords);
    const std::uint32_t allWords =
        firstWords.isEmpty() ? 0u : (firstWords.size() == 32 ? ~0u : (1u << firstWords.size()) - 1);

    // Per group, whether it holds the chosen values, and the words its four texts hold.
    std::vector<std::uint8_t> groupChosen(m_groups.size(), 1);
    std::vector<std::uint32_t> groupWords(m_groups.size(), 0);
    for (size_t g = 0; g < m_groups.size(); ++g) {
        const Group& group = m_groups[g];
        for (size_t place = 0; place < group.texts.size(); ++place) {
            if (chosen[place] >= 0 && group.texts[place] != chosen[place])
                groupChosen[g] = 0;
            if (allWords != 0)
                groupWords[g] |= masks[size_t(group.texts[place])];
        }
    }
    const bool ranged = filter.from || filter.to || filter.income;
    const auto passes = [&](int i) {
        const auto at = size_t(i);
        const auto group = size_t(m_groupOf[at]);
        if (!groupChosen[group] || (ranged && !inRange(m_dates[at], m_incomes[at])))
            return false;
        if (allWords == 0)
            return true;
        std::uint32_t found = groupWords[group];
        for (const std::vector<int>* column : {&m_dateOf, &m_amountOf, &m_receiptOf, &m_noteOf}) {
            if (found == allWords)
                return true;
            found |= masks[size_t((*column)[at])];
        }
        return found == allWords;
    };
    if (within) {
        for (const int i : *within) {
            if (passes(i))
                rows.push_back(i);
        }
    } else {
        rows.reserve(size_t(count));
        for (int i = 0; i < count; ++i) {
            if (passes(i))
                rows.push_back(i);
        }
    }

    for (qsizetype first = 32; first < words.size(); first += 32) {
        const QStringList later = words.mid(first, 32);
        const std::vector<std::uint32_t> laterMasks = wordMasks(later);
        const std::uint32_t all = later.size() == 32 ? ~0u : (1u << later.size()) - 1;
        std::erase_if(rows, [&](int row) {
            const auto at = size_t(row);
            std::uint32_t found = 0;
            for (const int text : m_groups[size_t(m_groupOf[at])].texts)
                found |= laterMasks[size_t(text)];
            for (const std::vector<int>* column : {&m_dateOf, &m_amountOf, &m_receiptOf, &m_noteOf})
                found |= laterMasks[size_t((*column)[at])];
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
    const auto add = [&](int group, bool isIncome, double amount) {
        if (size_t(group) >= seen.size()) {
            income.resize(size_t(group) + 1, 0.0);
            expenses.resize(size_t(group) + 1, 0.0);
            seen.resize(size_t(group) + 1, false);
        }
        seen[size_t(group)] = true;
        (isIncome ? income : expenses)[size_t(group)] += amount;
    };
    // Without the index (as after each change), currencies are told apart by their stored texts.
    StoredTextIds unindexed;
    const bool indexed = m_built && m_currencyOf.size() == size_t(state.entryCount());
    const auto addRow = [&](int row) {
        if (indexed)
            add(m_currencyOf[size_t(row)], m_incomes[size_t(row)], m_amounts[size_t(row)]);
        else
            add(unindexed.idOf(state.entries[row].currency), state.entries[row].income,
                state.entries[row].amount);
    };
    if (rows) {
        for (const int row : *rows)
            addRow(row);
    } else {
        for (int row = 0; row < totals.total; ++row)
            addRow(row);
    }
    for (size_t group = 0; group < seen.size(); ++group) {
        if (!seen[group])
            continue;
        const QString currency = indexed ? m_currencies.text(int(group)) : unindexed.text(int(group)).text();
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
