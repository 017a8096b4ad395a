// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

// The overview report and the month tables over entries read from generated database files (twenty
// years of entries, several currencies, one of them missing from the table).
#include "benchfiles.h"
#include "core/appstate.h"
#include "money/currencytable.h"
#include "money/monthtable.h"
#include "money/overviewreport.h"
#include "platform/clock.h"

#include <QDateTime>
#include <QLocale>
#include <benchmark/benchmark.h>
#include <map>

using namespace tallyfox;
using namespace tallyfox::bench;

namespace {

// The generated currencies but JPY, so the report also writes its warning lines.
const QStringList kCurrencyLines = {
    QStringLiteral("EUR=Primary"), QStringLiteral("US$=1.09"),  QStringLiteral("GBP=0.855"),
    QStringLiteral("CHF=0.955"),   QStringLiteral("SEK=11.45"), QStringLiteral("NOK=11.6"),
    QStringLiteral("DKK=7.46"),    QStringLiteral("PLN=4.32"),
};

// The last month of the generated span, so that this month and last month hold entries.
const Clock kBenchClock(QDateTime(QDate(2024, 12, 15), QTime(12, 0)));

AppState& benchState(int count)
{
    static std::map<int, AppState> states;
    if (const auto it = states.find(count); it != states.end())
        return it->second;
    AppState& state = states.try_emplace(count, QLocale::c()).first->second;
    buildCurrencyTable(state, kCurrencyLines);
    state.databasePath = BenchFiles::instance().databasePath(count);
    state.entries = BenchFiles::instance().entries(count);
    return state;
}

// The same entries, but every one with a type and a currency of its own, as a damaged or hand-made
// file might hold: the report and the tables must stay linear.
AppState& distinctTextsState(int count)
{
    static std::map<int, AppState> states;
    if (const auto it = states.find(count); it != states.end())
        return it->second;
    AppState& state = states.try_emplace(count, QLocale::c()).first->second;
    buildCurrencyTable(state, kCurrencyLines);
    state.entries = benchState(count).entries;
    for (int i = 0; i < state.entryCount(); ++i) {
        state.entries[i].type = QStringLiteral("Type %1").arg(i);
        state.entries[i].currency = QStringLiteral("C%1").arg(i);
    }
    return state;
}

void OverviewText(benchmark::State& bench, bool distinctTexts)
{
    const int count = static_cast<int>(bench.range(0));
    const AppState& state = distinctTexts ? distinctTextsState(count) : benchState(count);
    for (auto _ : bench) {
        QString text = buildOverviewText(state, kBenchClock);
        benchmark::DoNotOptimize(text);
    }
    bench.SetItemsProcessed(bench.iterations() * state.entryCount());
}

// What the overview does when a table view is chosen: the columns, then the cells (converted, in the
// first mode). The cell texts are made only for what a view shows.
void MonthTableView(benchmark::State& bench, OverviewView view, bool distinctTexts)
{
    const int count = static_cast<int>(bench.range(0));
    const AppState& state = distinctTexts ? distinctTextsState(count) : benchState(count);
    for (auto _ : bench) {
        MonthTable table;
        buildMonthColumns(table, state, view);
        fillMonthTable(table, state, 0, 0);
        benchmark::DoNotOptimize(table);
    }
    bench.SetItemsProcessed(bench.iterations() * state.entryCount());
}

// "Copy to clipboard" of a filled table: every cell's text.
void MonthTableCopy(benchmark::State& bench)
{
    const AppState& state = benchState(static_cast<int>(bench.range(0)));
    MonthTable table;
    buildMonthColumns(table, state, OverviewView::ExpenseTypes);
    fillMonthTable(table, state, 0, 0);
    for (auto _ : bench) {
        QString text = monthTableText(table);
        benchmark::DoNotOptimize(text);
    }
}

} // namespace

int main(int argc, char** argv)
{
    const auto sizes = [](benchmark::internal::Benchmark* b) {
        b->Arg(10'000)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);
    };
    benchmark::RegisterBenchmark("OverviewText", OverviewText, false)->Apply(sizes);
    benchmark::RegisterBenchmark("MonthTable/Types", MonthTableView, OverviewView::ExpenseTypes, false)
        ->Apply(sizes);
    benchmark::RegisterBenchmark("MonthTable/Sources", MonthTableView, OverviewView::IntendedSources, false)
        ->Apply(sizes);
    benchmark::RegisterBenchmark("MonthTable/Methods", MonthTableView, OverviewView::PaymentMethods, false)
        ->Apply(sizes);
    benchmark::RegisterBenchmark("OverviewText/DistinctTexts", OverviewText, true)
        ->Arg(100'000)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("MonthTable/Types/DistinctTexts", MonthTableView, OverviewView::ExpenseTypes,
                                 true)
        ->Arg(100'000)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("MonthTableCopy/Types", MonthTableCopy)
        ->Arg(100'000)
        ->Unit(benchmark::kMillisecond);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
