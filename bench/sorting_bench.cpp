// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

// sortEntries by each of the six keys on entries read from generated database files.
#include "benchfiles.h"
#include "core/settings.h"
#include "core/sorting.h"

#include <QLocale>
#include <benchmark/benchmark.h>

using namespace tallyfox;
using namespace tallyfox::bench;

namespace {

struct KeyName
{
    SortKey key;
    const char* name;
};

constexpr KeyName kKeys[] = {
    {SortKey::Name, "Name"},         {SortKey::Date, "Date"},
    {SortKey::Amount, "Amount"},     {SortKey::Receipt, "Receipt"},
    {SortKey::PaidWith, "PaidWith"}, {SortKey::IntendedSource, "IntendedSource"},
};

const UserLocale& benchLocale()
{
    static const UserLocale locale(QLocale(QLocale::English, QLocale::UnitedStates));
    return locale;
}

// Each iteration sorts a fresh copy of the entries in the order the file holds them (by date, as typed);
// making and freeing the copy is not timed.
void Sort(benchmark::State& state, SortKey key)
{
    const int count = static_cast<int>(state.range(0));
    const ExpenseArray& source = BenchFiles::instance().entries(count);
    const SortOrder order{key, false};
    ExpenseArray entries;
    for (auto _ : state) {
        state.PauseTiming();
        entries = source;
        state.ResumeTiming();
        sortEntries(entries, entries.count(), order, benchLocale());
        benchmark::DoNotOptimize(entries);
    }
    state.SetItemsProcessed(state.iterations() * count);
}

} // namespace

int main(int argc, char** argv)
{
    for (const KeyName& key : kKeys) {
        benchmark::RegisterBenchmark((std::string("Sort/") + key.name).c_str(), Sort, key.key)
            ->Arg(10'000)
            ->Arg(100'000)
            ->Arg(1'000'000)
            ->Unit(benchmark::kMillisecond);
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
