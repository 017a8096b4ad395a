// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "session/picklists.h"

#include "session/session.h"
#include "storage/defaultsfile.h"

#include <QSet>
#include <algorithm>

namespace tallyfox {

namespace {

void replaceWithNames(QStringList& list, const QStringList& lines)
{
    if (lines.isEmpty())
        return;
    list.clear();
    for (const QString& line : lines)
        list.append(splitDefaultsLine(line).name);
}

// The values of one field that the list lacks, sorted.
class MissingValues
{
public:
    explicit MissingValues(const QStringList& list) : m_seen(list.cbegin(), list.cend()) {}

    void add(const QString& value)
    {
        // Entries read from one file share their texts, so the same value often comes again at once.
        if (value.isEmpty() || value.constData() == m_last.constData())
            return;
        if (value.front().isSpace() && value.trimmed().isEmpty())
            return;
        m_last = value;
        if (!m_seen.contains(value)) {
            m_seen.insert(value);
            m_missing.append(value);
        }
    }

    [[nodiscard]] QStringList sorted()
    {
        std::sort(m_missing.begin(), m_missing.end(), [](const QString& a, const QString& b) {
            const int order = QString::compare(a, b, Qt::CaseInsensitive);
            return order != 0 ? order < 0 : a < b;
        });
        return m_missing;
    }

private:
    QSet<QString> m_seen;
    QStringList m_missing;
    QString m_last;
};

} // namespace

void addEntryValues(const ExpenseArray& entries, PickLists& lists)
{
    MissingValues currencies(lists.currencies);
    MissingValues types(lists.expenseTypes);
    MissingValues sources(lists.intendedSources);
    MissingValues methods(lists.paymentMethods);
    for (const Expense& entry : entries) {
        currencies.add(entry.currency);
        types.add(entry.type);
        sources.add(entry.intendedSource);
        methods.add(entry.paidWith);
    }
    lists.fromEntries = {currencies.sorted(), types.sorted(), sources.sorted(), methods.sorted()};
}

void loadPickLists(Session& session, PickLists& lists)
{
    const ReadResult<DefaultsLists> read = readDefaultsLists(session.state());
    if (!read.result.ok()) {
        session.report(read.result);
        return;
    }
    const DefaultsLists& file = read.value;
    // The currency lines come split already; their names are what the editor offers.
    replaceWithNames(lists.currencies, file.currencyNames);
    replaceWithNames(lists.expenseTypes, file.expenseTypes);
    replaceWithNames(lists.intendedSources, file.intendedSources);
    replaceWithNames(lists.paymentMethods, file.paymentMethods);
}

} // namespace tallyfox
