// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

// The entry filter below the window, on entries read from generated database files: building the index
// of folded texts (what the first word typed after a change waits for), and each key typed into the
// search field once it is built, with the totals of what is shown.
#include "benchfiles.h"
#include "core/appstate.h"
#include "session/entrymatcher.h"

#include <QLocale>
#include <QStringList>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <map>
#include <memory>

using namespace tallyfox;
using namespace tallyfox::bench;

namespace {

// A person typing words, key by key, each followed by the key that clears the field: the taxis of March
// (in the US short dates), a lunch, the hotels of a 2-digit day or month, a café in Zürich typed without
// accents. More filters than the matcher keeps, so every word is looked for afresh.
const QStringList kKeystrokes = [] {
    QStringList keys;
    for (const char* word : {"taxi 3/", "lunch", "hotel 2", "cafe zurich"}) {
        const QString text = QString::fromUtf8(word);
        for (qsizetype length = 1; length <= text.size(); ++length)
            keys << text.left(length);
        keys << QString();
    }
    return keys;
}();

AppState& benchState(int count)
{
    static std::map<int, std::unique_ptr<AppState>> states;
    std::unique_ptr<AppState>& state = states[count];
    if (!state) {
        state = std::make_unique<AppState>(QLocale(QLocale::English, QLocale::UnitedStates));
        state->entries = BenchFiles::instance().entries(count);
        state->currencies.append({QStringLiteral("EUR"), 1.0});
        state->currencies.append({QStringLiteral("US$"), 1.09});
        state->currencies.append({QStringLiteral("GBP"), 0.855});
    }
    return *state;
}

void BM_BuildIndex(benchmark::State& state)
{
    const AppState& app = benchState(static_cast<int>(state.range(0)));
    EntryMatcher matcher;
    for (auto _ : state) {
        matcher.invalidate();
        matcher.prepare(app);
    }
    state.SetItemsProcessed(state.iterations() * app.entryCount());
}
BENCHMARK(BM_BuildIndex)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

// One key typed: the rows the new text lets through, and their totals; max_ms is the slowest key.
void BM_Keystroke(benchmark::State& state)
{
    const AppState& app = benchState(static_cast<int>(state.range(0)));
    EntryMatcher matcher;
    matcher.prepare(app);
    qsizetype next = 0;
    size_t shown = 0;
    double slowest = 0.0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        EntryFilter filter;
        filter.text = kKeystrokes[next++ % kKeystrokes.size()];
        const std::vector<int> rows = matcher.matchingRows(app, filter);
        const ShownTotals totals = matcher.totals(app, filter.isEmpty() ? nullptr : &rows);
        benchmark::DoNotOptimize(totals);
        slowest = std::max(
            slowest,
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
        shown += filter.isEmpty() ? size_t(app.entryCount()) : rows.size();
    }
    state.counters["rows_shown"] = benchmark::Counter(double(shown) / double(state.iterations()));
    state.counters["max_ms"] = slowest;
}
BENCHMARK(BM_Keystroke)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

// The first key typed after a change to the entries, which builds the index first.
void BM_FirstKeystrokeAfterAChange(benchmark::State& state)
{
    const AppState& app = benchState(static_cast<int>(state.range(0)));
    EntryMatcher matcher;
    matcher.prepare(app);
    EntryFilter filter;
    filter.text = QStringLiteral("t");
    for (auto _ : state) {
        matcher.invalidate();
        const std::vector<int> rows = matcher.matchingRows(app, filter);
        benchmark::DoNotOptimize(matcher.totals(app, &rows));
    }
}
BENCHMARK(BM_FirstKeystrokeAfterAChange)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

// The quick choices without words: a year's expenses of one type, year after year; more years than the
// matcher keeps the rows of, so each is looked for afresh.
void BM_ChoicesOnly(benchmark::State& state)
{
    const AppState& app = benchState(static_cast<int>(state.range(0)));
    EntryMatcher matcher;
    matcher.prepare(app);
    EntryFilter filter;
    filter.income = false;
    filter.value(FilterField::Type) = QStringLiteral("Taxi");
    int year = 0;
    for (auto _ : state) {
        filter.from = QDate(2013 + year, 1, 1);
        filter.to = QDate(2013 + year, 12, 31);
        year = (year + 1) % 12;
        const std::vector<int> rows = matcher.matchingRows(app, filter);
        benchmark::DoNotOptimize(matcher.totals(app, &rows));
    }
}
BENCHMARK(BM_ChoicesOnly)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
