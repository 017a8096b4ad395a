// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

// The overview's charts and the main window's line of this month over large databases (twenty years of
// generated entries), driven offscreen through the program's forms: opening the overview on its charts
// until they are on screen and painted, switching charts, and a refresh of the main window with and
// without this month's line.
#include "benchprogram.h"
#include "money/thismonth.h"
#include "ui/mainwindow/monthline.h"
#include "ui/overview/chartpanel.h"

#include <QApplication>
#include <QElapsedTimer>
#include <benchmark/benchmark.h>

namespace tallyfox::bench {
namespace {

// From the command to the overview shown and painted on the chart; closing is not timed. The overview
// keeps its view and its chart between openings, so it is opened once on them first.
void openOnChart(benchmark::State& state, ChartKind kind)
{
    BenchForms program(QStringLiteral("charts"), static_cast<int>(state.range(0)), kGeneratedCurrencies);
    OverviewForm& overview = program.forms->overview();
    BenchForms::whileOpen(
        overview, [&] { overview.showOverview(); },
        [&] {
            overview.chooseView(OverviewView::Charts);
            overview.charts()->chooseKind(kind);
            overview.closeWith(FormBase::kResultOk);
        });
    for (auto _ : state) {
        QElapsedTimer clock;
        BenchForms::whileOpen(
            overview,
            [&] {
                clock.start();
                overview.showOverview();
            },
            [&] {
                overview.repaint();
                state.SetIterationTime(seconds(clock));
                overview.closeWith(FormBase::kResultOk);
            });
    }
}

void BM_OpenOnTheMonthsBars(benchmark::State& state)
{
    openOnChart(state, ChartKind::Months);
}
BENCHMARK(BM_OpenOnTheMonthsBars)
    ->Arg(100000)
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(10);

void BM_OpenOnTheTypesRing(benchmark::State& state)
{
    openOnChart(state, ChartKind::ExpenseTypes);
}
BENCHMARK(BM_OpenOnTheTypesRing)
    ->Arg(100000)
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(10);

// A tap on a month: the ring of that month, summed anew, until repainted.
void BM_TapOnAMonth(benchmark::State& state)
{
    BenchForms program(QStringLiteral("charts"), static_cast<int>(state.range(0)), kGeneratedCurrencies);
    OverviewForm& overview = program.forms->overview();
    BenchForms::whileOpen(
        overview, [&] { overview.showOverview(); },
        [&] {
            overview.chooseView(OverviewView::Charts);
            ChartPanel& charts = *overview.charts();
            for (auto _ : state) {
                charts.chooseKind(ChartKind::Months);
                QElapsedTimer clock;
                clock.start();
                charts.showMonth(charts.shownSpan().last());
                overview.repaint();
                state.SetIterationTime(seconds(clock));
            }
            overview.closeWith(FormBase::kResultOk);
        });
}
BENCHMARK(BM_TapOnAMonth)
    ->Arg(100000)
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(10);

// This month's sums alone, as the line makes them on every refresh.
void BM_ThisMonthTotals(benchmark::State& state)
{
    BenchProgram program(QStringLiteral("month"), static_cast<int>(state.range(0)));
    runStartup(*program.session, program.startupOptions());
    const QDate today = program.session->clock().today();
    for (auto _ : state)
        benchmark::DoNotOptimize(thisMonthTotals(*program.state, today));
}
BENCHMARK(BM_ThisMonthTotals)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

// The main window's whole refresh (rows, the database written, the line), with the line shown and hidden.
void refresh(benchmark::State& state, bool lineShown)
{
    BenchForms program(QStringLiteral("refresh"), static_cast<int>(state.range(0)), kGeneratedCurrencies);
    MainForm& main = program.forms->main();
    main.monthLine()->setShown(lineShown, *program.program.state, program.program.session->clock().today());
    for (auto _ : state) {
        main.refreshList(false);
        main.repaint();
    }
}

void BM_RefreshWithTheMonthLine(benchmark::State& state)
{
    refresh(state, true);
}
BENCHMARK(BM_RefreshWithTheMonthLine)->Arg(1000000)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_RefreshWithoutTheMonthLine(benchmark::State& state)
{
    refresh(state, false);
}
BENCHMARK(BM_RefreshWithoutTheMonthLine)->Arg(1000000)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace
} // namespace tallyfox::bench

int main(int argc, char** argv)
{
    return tallyfox::bench::runWidgetBenchmarks(argc, argv);
}
