#pragma once

#include <QString>

namespace tallyfox {

// One entry: an expense or an income. The amount is a non-negative magnitude; Income says which way
// the money went, and signs appear only in texts.
struct TExpense
{
    QString Type;
    QString Currency;
    QString IntendedSource;
    QString PaidWith;
    QString Note;
    QString Receipt;
    bool Income = false;
    // Set when the item editor stores the entry; the next list refresh reveals its row and clears it.
    bool JustChanged = false;
    bool HasReceipt = false;
    // Days since 1 January 0001 (that day is 1.0); the fraction is the time of day.
    double Date = 0.0;
    double Amount = 0.0;

    friend bool operator==(const TExpense&, const TExpense&) = default;
};

// One currency: how many units of it make one unit of the primary currency (index 0, rate 1.0).
struct TCurrency
{
    QString Name;
    double Rate = 1.0;

    friend bool operator==(const TCurrency&, const TCurrency&) = default;
};

} // namespace tallyfox
