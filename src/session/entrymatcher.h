// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include "core/appstate.h"
#include "core/textids.h"
#include "session/entryfilter.h"
#include "session/showntotals.h"

#include <QHash>
#include <QString>
#include <QStringView>
#include <array>
#include <cstdint>
#include <utility>
#include <vector>

namespace tallyfox {

// Finds the entries a filter lets through, fast enough to answer each key typed into the search field
// over a million entries. The shown text of each column is folded once per distinct text (kept by value
// from one build of the index to the next); each entry keeps only the numbers of its folded texts, side
// by side with the other entries' so that a pass reads only what it needs. The what, currency, paid with
// and intended source of an entry, which take few values, count as one group. A word is looked for once
// per folded text, and typed on only where its beginning was found; the rows of the last filters are
// kept, so that a text typed on is looked for among the rows found for it before.
class EntryMatcher
{
public:
    // The entries changed (or their order, or how they are shown): the next question builds the index
    // again.
    void invalidate()
    {
        m_built = false;
        m_results.clear();
    }
    // Builds the index now if it is not built, so that the first word typed does not wait for it.
    void prepare(const AppState& state);

    // The indexes of the entries that the filter lets through, ascending.
    [[nodiscard]] std::vector<int> matchingRows(const AppState& state, const EntryFilter& filter);
    // What these entries add up to (all entries when rows is null), of all the entries there are.
    [[nodiscard]] ShownTotals totals(const AppState& state, const std::vector<int>* rows) const;

private:
    // The folded texts of a group's columns: what, currency, paid with, intended source.
    struct Group
    {
        std::array<int, 4> texts{};

        friend bool operator==(const Group&, const Group&) = default;
        friend size_t qHash(const Group& group, size_t seed = 0)
        {
            return qHashRange(group.texts.begin(), group.texts.end(), seed);
        }
    };
    struct WordHits
    {
        QString word;
        // By folded text: whether it holds the word.
        std::vector<std::uint8_t> hits;
    };
    // A text by where its characters lie, with a copy that keeps them there: texts that share their
    // characters (entries read from a file share each repeated text) are looked up without hashing
    // their characters.
    struct HeldText
    {
        QString text;
        int id = -1;
    };

    void build(const AppState& state);
    [[nodiscard]] int foldedId(const QString& folded);
    [[nodiscard]] int textId(const QString& text);
    [[nodiscard]] int groupId(const Group& group);
    [[nodiscard]] int dayId(double date, const UserLocale& locale);
    [[nodiscard]] int amountId(const Expense& entry, bool incomeIsPositive);

    [[nodiscard]] std::vector<int> findRows(const AppState& state, const EntryFilter& filter,
                                            const std::vector<int>* within);
    // For each folded text, a bit for each of these words (at most 32) that it holds.
    [[nodiscard]] std::vector<std::uint32_t> wordMasks(const QStringList& words);
    [[nodiscard]] const std::vector<std::uint8_t>& hitsOf(const QString& word);
    [[nodiscard]] QStringView textAt(size_t id) const;

    bool m_built = false;
    // By entry.
    std::vector<int> m_groupOf;
    std::vector<int> m_dateOf;
    std::vector<int> m_amountOf;
    std::vector<int> m_receiptOf;
    std::vector<int> m_noteOf;
    std::vector<double> m_dates;
    std::vector<double> m_amounts;
    std::vector<bool> m_incomes;
    // The raw currency text of each entry, numbered by m_currencies, for the totals.
    std::vector<int> m_currencyOf;
    TextIds m_currencies;

    // The rows of the last filters asked for since the index was built, the latest last.
    static constexpr size_t kResultsKept = 8;
    std::vector<std::pair<EntryFilter, std::vector<int>>> m_results;
    // The words looked for last, the latest last.
    static constexpr size_t kWordsKept = 16;
    std::vector<WordHits> m_words;

    // Kept from build to build, by value: the folded texts one after another, where each starts, and
    // the numbers of the texts, groups, days and amounts met.
    QString m_buffer;
    std::vector<qsizetype> m_starts;
    QHash<QString, int> m_foldedIds;
    QHash<const QChar*, HeldText> m_textIds;
    std::vector<Group> m_groups;
    QHash<Group, int> m_groupIds;
    QHash<int, int> m_dayIds;
    std::array<QHash<quint64, int>, 2> m_amountIds;
};

// The entries that the filter lets through, for a command that asks once.
[[nodiscard]] std::vector<int> matchingEntries(const AppState& state, const EntryFilter& filter);

} // namespace tallyfox
