// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

// The main window with a large database, driven offscreen: start-up to the shown window, deleting or
// storing an entry (one whole refresh with the database write), and scrolling a page.
#include "benchfiles.h"
#include "benchprogram.h"
#include "ui/mainwindow/entrylistmodel.h"
#include "ui/mainwindow/entrylistview.h"
#include "ui/mainwindow/mainform.h"

#include <QApplication>
#include <QFileInfo>
#include <QScrollBar>
#include <benchmark/benchmark.h>
#include <fstream>
#include <memory>
#include <unistd.h>

namespace tallyfox::bench {
namespace {

// The main window over a private copy of the generated database.
struct Window
{
    explicit Window(int entries)
        : program(QStringLiteral("window"), entries),
          form(std::make_unique<MainForm>(*program.session, program.prompts))
    {}

    void start()
    {
        form->show();
        form->writeInBackground();
        form->initialise(program.startupOptions());
        QApplication::processEvents();
    }

    BenchProgram program;
    std::unique_ptr<MainForm> form;
};

// The memory the process holds, in MB (10^6 bytes).
double residentMegabytes()
{
    std::ifstream statm("/proc/self/statm");
    double pages = 0;
    double resident = 0;
    statm >> pages >> resident;
    return resident * static_cast<double>(::sysconf(_SC_PAGESIZE)) / 1e6;
}

// Also counts what the shown window holds (held_MB): the memory the process gained by starting it.
void BM_StartupToShownWindow(benchmark::State& state)
{
    const int entries = static_cast<int>(state.range(0));
    // The database is generated before the timing starts; each window opens it.
    if (!QFileInfo::exists(BenchFiles::instance().databasePath(entries))) {
        state.SkipWithError("the database was not generated");
        return;
    }
    double held = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto window = std::make_unique<Window>(entries);
        const double before = residentMegabytes();
        state.ResumeTiming();
        window->start();
        state.PauseTiming();
        held = residentMegabytes() - before;
        window.reset();
        state.ResumeTiming();
    }
    state.counters["held_MB"] = held;
}
BENCHMARK(BM_StartupToShownWindow)
    ->Arg(10000)
    ->Arg(100000)
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);

// The window is ready once the change is shown; the write it began goes on on its own thread and is
// waited for outside the timing, as a person's next change comes later.
void settleWrite(benchmark::State& state, Window& window)
{
    state.PauseTiming();
    window.program.session->database().settle();
    state.ResumeTiming();
}

void BM_DeleteEntry(benchmark::State& state)
{
    Window window(static_cast<int>(state.range(0)));
    window.start();
    for (auto _ : state) {
        window.form->list()->selectRow(window.program.state->entryCount() / 2);
        window.program.session->deleteEntry(window.form->list()->selectedRow());
        QApplication::processEvents();
        settleWrite(state, window);
    }
}
BENCHMARK(BM_DeleteEntry)
    ->Arg(10000)
    ->Arg(100000)
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10);

// One new entry stored as the item editor stores it: the refresh with the list rebuilt and the database's
// write begun, and whatever the window's watch on the file then does about its own save.
void BM_StoreOneEntry(benchmark::State& state)
{
    Window window(static_cast<int>(state.range(0)));
    window.start();
    EntryDraft draft;
    draft.type = QStringLiteral("Coffee");
    draft.currency = QStringLiteral("EUR");
    draft.date = QDate(2024, 6, 1);
    draft.amount = 2.8;
    for (auto _ : state) {
        window.program.session->storeEntry(draft);
        QApplication::processEvents();
        settleWrite(state, window);
    }
    if (!window.program.session->lastDatabaseWrite().ok())
        state.SkipWithError(qPrintable(window.program.session->lastDatabaseWrite().message()));
}
BENCHMARK(BM_StoreOneEntry)
    ->Arg(10000)
    ->Arg(100000)
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(20);

// Painting a page costs the same with any number of entries: only the rows on screen are built.
void BM_ScrollOnePage(benchmark::State& state)
{
    Window window(static_cast<int>(state.range(0)));
    window.start();
    QScrollBar* bar = window.form->list()->verticalScrollBar();
    for (auto _ : state) {
        bar->setValue((bar->value() + bar->pageStep()) % std::max(1, bar->maximum()));
        window.form->list()->viewport()->repaint();
    }
}
BENCHMARK(BM_ScrollOnePage)->Arg(1000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace tallyfox::bench

int main(int argc, char** argv)
{
    return tallyfox::bench::runWidgetBenchmarks(argc, argv);
}
