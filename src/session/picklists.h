#pragma once

#include <QStringList>

namespace tallyfox {

class Session;

// The item editor's four drop-down lists. Each starts with the editor's built-in items.
struct PickLists
{
    QStringList currencies = {QStringLiteral("EUR"), QStringLiteral("US$"), QStringLiteral("GBP")};
    QStringList expenseTypes = {QStringLiteral("Train"), QStringLiteral("Car rental"),
                                QStringLiteral("Dinner"), QStringLiteral("Lunch"),
                                QStringLiteral("Breakfast")};
    QStringList intendedSources = {QStringLiteral("Employer"), QStringLiteral("Client"),
                                   QStringLiteral("Myself")};
    QStringList paymentMethods = {QStringLiteral("Cash"), QStringLiteral("Credit card"),
                                  QStringLiteral("Debit card")};

    friend bool operator==(const PickLists&, const PickLists&) = default;
};

// Fills the lists from the defaults file, as the item editor does each time it opens: each list becomes the
// item names of its section (the text before the first "="), in file order. A missing or empty section
// leaves its list as it was, so the editor keeps what it showed before. A file that cannot be read changes
// no list and is reported through the session.
void loadPickLists(Session& session, PickLists& lists);

} // namespace tallyfox
