// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

// The overview over a large database (the generator spreads the entries over twenty years), driven
// offscreen through the program's forms: opening it until it is on screen and painted, in the report
// and in a month table, and switching views and choices while it is open, each until repainted.
#include "benchprogram.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <benchmark/benchmark.h>

namespace tallyfox::bench {
namespace {

// From the command to the form shown and painted in the view it opens in; closing is not timed.
void openOverview(benchmark::State& state, OverviewView view)
{
    BenchForms program(QStringLiteral("overview"), static_cast<int>(state.range(0)), kGeneratedCurrencies);
    OverviewForm& overview = program.forms->overview();
    // The view is kept between openings: open it once in the view to measure.
    BenchForms::whileOpen(
        overview, [&] { overview.showOverview(); },
        [&] {
            overview.chooseView(view);
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

void BM_OpenOnTheReport(benchmark::State& state)
{
    openOverview(state, OverviewView::Overview);
}
BENCHMARK(BM_OpenOnTheReport)->Arg(100000)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(20);

void BM_OpenOnAMonthTable(benchmark::State& state)
{
    openOverview(state, OverviewView::ExpenseTypes);
}
BENCHMARK(BM_OpenOnAMonthTable)->Arg(100000)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(20);

// Runs change on the open form, each time until it is repainted.
void whileShown(benchmark::State& state, const std::function<void(OverviewForm&, int)>& change)
{
    BenchForms program(QStringLiteral("overview"), static_cast<int>(state.range(0)), kGeneratedCurrencies);
    OverviewForm& overview = program.forms->overview();
    BenchForms::whileOpen(
        overview, [&] { overview.showOverview(); },
        [&] {
            int step = 0;
            for (auto _ : state) {
                QElapsedTimer clock;
                clock.start();
                change(overview, step++);
                overview.repaint();
                state.SetIterationTime(seconds(clock));
            }
            overview.closeWith(FormBase::kResultOk);
        });
}

// Through every view in turn: each table's columns are built anew, the report is written anew.
void BM_SwitchView(benchmark::State& state)
{
    whileShown(state, [](OverviewForm& overview, int step) {
        static constexpr OverviewView kOrder[] = {OverviewView::ExpenseTypes, OverviewView::IntendedSources,
                                                  OverviewView::PaymentMethods, OverviewView::Overview};
        overview.chooseView(kOrder[step % 4]);
    });
}
BENCHMARK(BM_SwitchView)->Arg(100000)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(40);

void BM_ChangeMode(benchmark::State& state)
{
    whileShown(state, [](OverviewForm& overview, int step) {
        if (step == 0)
            overview.chooseView(OverviewView::ExpenseTypes);
        overview.findChild<QComboBox*>(QStringLiteral("modeChoice"))->setCurrentIndex((step + 1) % 3);
    });
}
BENCHMARK(BM_ChangeMode)->Arg(100000)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(30);

void BM_ChangeCurrency(benchmark::State& state)
{
    whileShown(state, [](OverviewForm& overview, int step) {
        if (step == 0)
            overview.chooseView(OverviewView::PaymentMethods);
        auto* currencyBox = overview.findChild<QComboBox*>(QStringLiteral("currencyChoice"));
        currencyBox->setCurrentIndex((step + 1) % currencyBox->count());
    });
}
BENCHMARK(BM_ChangeCurrency)->Arg(100000)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(30);

} // namespace
} // namespace tallyfox::bench

int main(int argc, char** argv)
{
    return tallyfox::bench::runWidgetBenchmarks(argc, argv);
}
