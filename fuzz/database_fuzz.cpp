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

bool sameEntry(const Expense& a, const Expense& b)
{
    return a.type == b.type && a.currency == b.currency && a.intendedSource == b.intendedSource &&
           a.paidWith == b.paidWith && a.note == b.note && a.receipt == b.receipt && a.income == b.income &&
           a.justChanged == b.justChanged && a.hasReceipt == b.hasReceipt && a.date == b.date &&
           amountText(a.amount) == amountText(b.amount);
}

bool sameEntries(const ExpenseArray& a, const ExpenseArray& b)
{
    if (a.count() != b.count())
        return false;
    for (int i = 0; i < a.count(); ++i) {
        if (!sameEntry(a[i], b[i]))
            return false;
    }
    return true;
}

QByteArray written(const ExpenseArray& entries)
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
    ExpenseArray first;
    parseDatabase(QByteArrayView(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)), first);
    const QByteArray firstBytes = written(first);
    ExpenseArray second;
    parseDatabase(firstBytes, second);
    if (!sameEntries(first, second))
        abort();
    if (written(second) != firstBytes)
        abort();
    return 0;
}
