// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

// Any bytes read as a database file: nothing crashes, and what is read, written and read again gives
// the same entries (amounts compared in their two-decimal form, which is all the file keeps), written
// the same way the second time. Read from a file, the bytes give the same entries, unless its first
// 8 KB hold neither the header nor an entry line and it is judged no database.
#include "core/textforms.h"
#include "storage/databasefile.h"
#include "storage/databasereader.h"

#include <QBuffer>
#include <QLocale>
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <sys/mman.h>
#include <unistd.h>

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

// The bytes of a file that the first 8 KB judge.
constexpr qsizetype kJudgedBytes = 8192;

// Whether the complete lines of the first judged bytes hold the header or an entry line.
bool startsLikeDatabase(QByteArrayView content)
{
    QByteArrayView start = content.first(std::min(content.size(), kJudgedBytes));
    while (!start.isEmpty() && start.back() != '\n' && start.back() != '\r')
        start.chop(1);
    DatabaseReader reader;
    reader.readLines(start);
    return reader.summary().headerSeen || reader.summary().entryLines > 0;
}

// What reading the bytes from a file (in memory, so that nothing reaches the disk) gave.
struct FileReading
{
    ExpenseArray entries;
    DatabaseReadSummary summary;
};

FileReading readAsFile(QByteArrayView content)
{
    static const int fd = ::memfd_create("database_fuzz", MFD_CLOEXEC);
    if (fd < 0 || ::ftruncate(fd, 0) != 0 ||
        ::pwrite(fd, content.data(), size_t(content.size()), 0) != content.size())
        abort();
    AppState state(QLocale(QLocale::English, QLocale::UnitedStates));
    state.databasePath = QStringLiteral("/proc/self/fd/%1").arg(fd);
    FileReading reading;
    if (!readDatabaseFile(state, nullptr, &reading.summary).ok())
        abort();
    reading.entries.swap(state.entries);
    return reading;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArrayView content(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    ExpenseArray first;
    parseDatabase(content, first);
    const QByteArray firstBytes = written(first);
    ExpenseArray second;
    parseDatabase(firstBytes, second);
    if (!sameEntries(first, second))
        abort();
    if (written(second) != firstBytes)
        abort();
    // Read from a file, the entries differ only when the file was judged no database by its start.
    const FileReading fromFile = readAsFile(content);
    if (!sameEntries(fromFile.entries, first) &&
        (fromFile.entries.count() != 0 || !fromFile.summary.isNotDatabase() ||
         content.size() <= kJudgedBytes || startsLikeDatabase(content)))
        abort();
    return 0;
}
