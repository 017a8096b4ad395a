// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

// What one writer's guard costs at each save: taking and letting go of the database's lock, and the
// check under it that the file is still the version last read or written (its stamp; the hash is made
// only when the stamp differs, so it is timed on its own for the rarer case).
#include "benchfiles.h"
#include "platform/filelock.h"
#include "platform/filesystem.h"

#include <QDir>
#include <QFile>
#include <benchmark/benchmark.h>

using namespace tallyfox;
using namespace tallyfox::bench;

namespace {

void LockAndUnlock(benchmark::State& state)
{
    FileLock lock(BenchFiles::instance().databasePath(100000));
    for (auto _ : state) {
        if (!lock.lock())
            state.SkipWithError("the lock could not be taken");
        lock.unlock();
    }
}
BENCHMARK(LockAndUnlock)->Unit(benchmark::kMicrosecond);

// The lock and the stamp compared with the one remembered, as before every write.
void LockAndChangeCheck(benchmark::State& state)
{
    const QString path = BenchFiles::instance().databasePath(static_cast<int>(state.range(0)));
    const std::optional<FileStamp> remembered = fileStamp(path);
    FileLock lock(path);
    for (auto _ : state) {
        if (!lock.lock())
            state.SkipWithError("the lock could not be taken");
        const bool unchanged = fileStamp(path) == remembered;
        benchmark::DoNotOptimize(unchanged);
        lock.unlock();
        if (!unchanged)
            state.SkipWithError("the file changed");
    }
}
BENCHMARK(LockAndChangeCheck)->Arg(100000)->Unit(benchmark::kMicrosecond);

// The hash of the whole file, made when its stamp differs (a touch, a copy back, a real change).
void HashFile(benchmark::State& state)
{
    const QString path = BenchFiles::instance().databasePath(static_cast<int>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(hashFile(path));
}
BENCHMARK(HashFile)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    // The lock files go to a folder of the benchmark's own rather than the user's runtime folder.
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(BenchFiles::instance().scratchPath(QStringLiteral("run"))));
    QDir().mkpath(BenchFiles::instance().scratchPath(QStringLiteral("run")));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
