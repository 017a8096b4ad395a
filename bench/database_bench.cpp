// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

// Reading and writing database files of generated entries, and the memory the entries hold.
#include "benchfiles.h"
#include "core/appstate.h"
#include "platform/largememory.h"
#include "storage/databasefile.h"

#include <QBuffer>
#include <QFileInfo>
#include <QLocale>
#include <benchmark/benchmark.h>
#include <malloc.h>

using namespace tallyfox;
using namespace tallyfox::bench;

namespace {

constexpr double kMegabyte = 1e6;

// Bytes in use on the heap, including the large blocks that malloc maps separately and large memory.
double heapInUse()
{
    const struct mallinfo2 info = mallinfo2();
    return static_cast<double>(info.uordblks + info.hblkhd + largeMemoryInUse());
}

void setFileCounters(benchmark::State& state, const QString& path, int entries)
{
    state.SetBytesProcessed(state.iterations() * QFileInfo(path).size());
    state.SetItemsProcessed(state.iterations() * entries);
}

// readDatabaseFile from a file (in the page cache) into an empty table, as at start-up.
void Read(benchmark::State& state)
{
    const int count = static_cast<int>(state.range(0));
    AppState app{QLocale::c()};
    app.databasePath = BenchFiles::instance().databasePath(count);
    for (auto _ : state) {
        state.PauseTiming();
        app.entries = ExpenseArray();
        state.ResumeTiming();
        if (const FileResult read = readDatabaseFile(app); !read.ok())
            state.SkipWithError(qPrintable(read.message()));
        benchmark::DoNotOptimize(app.entries);
    }
    if (app.entryCount() != count)
        state.SkipWithError("the file read back with a different number of entries");
    setFileCounters(state, app.databasePath, count);
}

// writeDatabaseFile to a real file, through a temporary file that replaces the old one.
void Write(benchmark::State& state)
{
    const int count = static_cast<int>(state.range(0));
    AppState app{QLocale::c()};
    app.entries = BenchFiles::instance().entries(count);
    app.databasePath = BenchFiles::instance().scratchPath(QStringLiteral("written-%1.tfx").arg(count));
    for (auto _ : state) {
        if (const FileResult written = writeDatabaseFile(app); !written.ok())
            state.SkipWithError(qPrintable(written.message()));
    }
    setFileCounters(state, app.databasePath, count);
}

// writeDatabaseContent into a buffer in memory: the formatting alone, without the file system.
void WriteContent(benchmark::State& state)
{
    const int count = static_cast<int>(state.range(0));
    const ExpenseArray& entries = BenchFiles::instance().entries(count);
    QByteArray bytes;
    bytes.reserve(QFileInfo(BenchFiles::instance().databasePath(count)).size() + 4096);
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    for (auto _ : state) {
        buffer.seek(0);
        if (!writeDatabaseContent(buffer, entries, entries.count()))
            state.SkipWithError("writing into memory failed");
    }
    state.SetBytesProcessed(state.iterations() * buffer.pos());
    state.SetItemsProcessed(state.iterations() * count);
}

// The heap that the entries keep after readDatabaseFile, in MB (10^6 bytes), and per entry in bytes.
void MemoryHeld(benchmark::State& state)
{
    const int count = static_cast<int>(state.range(0));
    const QString path = BenchFiles::instance().databasePath(count);
    double held = 0.0;
    for (auto _ : state) {
        AppState app{QLocale::c()};
        app.databasePath = path;
        const double before = heapInUse();
        if (const FileResult read = readDatabaseFile(app); !read.ok())
            state.SkipWithError(qPrintable(read.message()));
        held = heapInUse() - before;
        state.PauseTiming(); // freeing the entries is not part of reading
        app.entries = ExpenseArray();
        state.ResumeTiming();
    }
    state.counters["held_MB"] = held / kMegabyte;
    state.counters["bytes_per_entry"] = held / count;
}

void sizes(benchmark::internal::Benchmark* benchmark)
{
    benchmark->Arg(10'000)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);
}

} // namespace

BENCHMARK(Read)->Apply(sizes);
BENCHMARK(Write)->Apply(sizes);
BENCHMARK(WriteContent)->Apply(sizes);
BENCHMARK(MemoryHeld)->Arg(1'000'000)->Iterations(1)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
