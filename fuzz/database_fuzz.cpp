// Any bytes read as a database file: nothing crashes, and what is read, written and read again gives
// the same entries (amounts compared in their two-decimal form, which is all the file keeps), written
// the same way the second time.
#include "core/textforms.h"
#include "storage/databasefile.h"

#include <QBuffer>
#include <cstdint>
#include <cstdlib>

namespace {

using namespace tallyfox;

bool sameEntry(const TExpense& a, const TExpense& b)
{
    return a.Type == b.Type && a.Currency == b.Currency && a.IntendedSource == b.IntendedSource &&
           a.PaidWith == b.PaidWith && a.Note == b.Note && a.Receipt == b.Receipt && a.Income == b.Income &&
           a.JustChanged == b.JustChanged && a.HasReceipt == b.HasReceipt && a.Date == b.Date &&
           AmountText(a.Amount) == AmountText(b.Amount);
}

bool sameEntries(const expensearray& a, const expensearray& b)
{
    if (a.count() != b.count())
        return false;
    for (int i = 0; i < a.count(); ++i) {
        if (!sameEntry(a[i], b[i]))
            return false;
    }
    return true;
}

QByteArray written(const expensearray& entries)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    if (!writeDatabaseContent(buffer, entries, entries.count()))
        abort();
    return buffer.data();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    expensearray first;
    parseDatabase(QByteArrayView(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)), first);
    const QByteArray firstBytes = written(first);
    expensearray second;
    parseDatabase(firstBytes, second);
    if (!sameEntries(first, second))
        abort();
    if (written(second) != firstBytes)
        abort();
    return 0;
}
