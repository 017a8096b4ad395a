// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include <QString>
#include <QStringList>

namespace tallyfox {

// Which of the list editor's buttons may be used, for one selected row.
struct ListButtons
{
    bool edit = false;
    bool remove = false;
    bool makePrimary = false;
    bool newRow = true;
    bool up = false;
    bool down = false;

    friend bool operator==(const ListButtons&, const ListButtons&) = default;
};

// What keeps a typed rate from being taken: nothing, no number in it, or a number that is not above 0
// (which would convert nothing).
enum class RateProblem
{
    None,
    NotANumber,
    NotAboveZero,
};

[[nodiscard]] RateProblem rateProblem(const QString& text);
// The hint shown beside the rate box; empty when the rate is fine.
[[nodiscard]] QString rateProblemText(RateProblem problem);

// The list editor's working copy: names, and for the currencies their rate texts beside them, kept as
// typed. In the currency list row 0 is the primary currency: it stays in place and has no rate of its
// own, only the marker.
class EditedList
{
public:
    static constexpr auto kPrimary = u"Primary";
    static constexpr auto kNewRate = u"1.00";

    EditedList() = default;
    // Without rates (null) the list holds names only. Missing rate texts are added empty, so both lists
    // always have the same length.
    EditedList(const QStringList& names, const QStringList* rates);

    [[nodiscard]] bool withRates() const { return m_withRates; }
    [[nodiscard]] const QStringList& names() const { return m_names; }
    [[nodiscard]] const QStringList& rates() const { return m_rates; }
    [[nodiscard]] int size() const { return int(m_names.size()); }
    [[nodiscard]] QString primaryName() const { return m_names.value(0); }
    // The first row that may move or go: 1 with rates, 0 without.
    [[nodiscard]] int firstMovable() const { return m_withRates ? 1 : 0; }
    // A row edited with a rate beside its name.
    [[nodiscard]] bool hasRateRow(int row) const { return m_withRates && row > 0; }

    // The buttons' states when row `selected` is selected (-1: none).
    [[nodiscard]] ListButtons buttons(int selected) const;

    // Appends an empty name (with a rate of 1.00, or the marker when it is the first currency) and
    // returns its row.
    int appendRow();
    void setName(int row, const QString& name);
    void setRate(int row, const QString& rate);
    // Takes back the row that appendRow added, when its editing was cancelled.
    void dropLastRow();
    // Each returns false and changes nothing when the row may not do it.
    bool removeRow(int row);
    bool moveUp(int row);
    bool moveDown(int row);
    // The row's currency becomes the primary one and every rate is rewritten against it.
    bool makePrimary(int row);

private:
    [[nodiscard]] bool isRow(int row) const { return row >= 0 && row < size(); }
    void swapRows(int a, int b);

    QStringList m_names;
    QStringList m_rates;
    bool m_withRates = false;
};

} // namespace tallyfox
