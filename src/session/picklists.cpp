#include "session/picklists.h"

#include "session/session.h"
#include "storage/defaultsfile.h"

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

} // namespace

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
