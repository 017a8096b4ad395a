#pragma once

#include "core/appstate.h"
#include "core/textids.h"
#include "session/entryfilter.h"
#include "session/showntotals.h"

#include <QHash>
#include <QString>
#include <array>
#include <cstdint>
#include <vector>

namespace tallyfox {

// Finds the entries a filter lets through, fast enough to answer each key typed into the search field
// over a million entries. The shown text of each column is folded once per distinct text and kept in one
// buffer that a word is looked for in at once; each entry keeps only the numbers of its folded texts.
// The index is built when a filter first needs it after invalidate(); the folded texts are kept by
// value for the next build.
class EntryMatcher
{
public:
    // The entries changed (or their order, or how they are shown): the next question builds the index
    // again.
    void invalidate() { m_built = false; }
    // Builds the index now if a filter would need it, so that the first word typed does not wait.
    void prepare(const AppState& state);

    // The indexes of the entries that the filter lets through, ascending.
    [[nodiscard]] std::vector<int> matchingRows(const AppState& state, const EntryFilter& filter);
    // What these entries add up to (all entries when rows is null), of all the entries there are.
    [[nodiscard]] ShownTotals totals(const AppState& state, const std::vector<int>* rows) const;

private:
    // The folded texts of an entry's columns, by list column (the primary amount is not searched).
    static constexpr int kSearchedColumns = 8;
    struct EntryKeys
    {
        std::array<int, kSearchedColumns> text;
    };

    void build(const AppState& state);
    [[nodiscard]] int foldedId(const QString& folded);
    [[nodiscard]] int rawTextId(TextIds& raw, std::vector<int>& foldedOfRaw, const QString& text);
    // For each folded text, a bit for each of these words (at most 32) that it contains.
    [[nodiscard]] std::vector<std::uint32_t> wordMasks(const QStringList& words) const;

    bool m_built = false;
    std::vector<EntryKeys> m_keys;
    // The raw currency text of each entry, numbered by m_currencies, for the totals.
    std::vector<int> m_currencyOf;
    TextIds m_currencies;

    // Kept from build to build, by value.
    std::vector<qsizetype> m_starts;
    QString m_buffer;
    QHash<QString, int> m_foldedIds;
    QHash<QString, int> m_rawFolded;
    QHash<int, int> m_dayIds;
    std::array<QHash<quint64, int>, 2> m_amountIds;
};

// The entries that the filter lets through, for a command that asks once.
[[nodiscard]] std::vector<int> matchingEntries(const AppState& state, const EntryFilter& filter);

} // namespace tallyfox
