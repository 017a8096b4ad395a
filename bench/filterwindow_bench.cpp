// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

// The main window's filter and undo over large databases, offscreen: each key typed into the search field
// until the list and the line of totals are repainted, and at 100k entries a change and its undo, each
// through the window's one refresh with the database written.
#include "benchfiles.h"
#include "benchprogram.h"
#include "session/purge.h"
#include "ui/mainwindow/entrylistview.h"
#include "ui/mainwindow/filterbar.h"
#include "ui/mainwindow/mainform.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <memory>

namespace tallyfox::bench {
namespace {

// Words typed key by key, each followed by clearing the field; more filters than the window keeps the
// rows of, so every word is looked for afresh.
QStringList keystrokes()
{
    QStringList keys;
    for (const char* word : {"taxi 3/", "lunch", "hotel 2", "cafe zurich"}) {
        const QString text = QString::fromUtf8(word);
        for (qsizetype length = 1; length <= text.size(); ++length)
            keys << text.left(length);
        keys << QString();
    }
    return keys;
}

struct Window
{
    explicit Window(int entries)
        : program(QStringLiteral("filter"), entries),
          form(std::make_unique<MainForm>(*program.session, program.prompts))
    {
        form->show();
        form->initialise(program.startupOptions());
        QApplication::processEvents();
    }

    void repaint() const
    {
        form->list()->viewport()->repaint();
        form->summaryLine()->repaint();
    }

    BenchProgram program;
    std::unique_ptr<MainForm> form;
};

// From a key typed into the search field to the list and its totals repainted; max_ms is the slowest.
void BM_TypeIntoTheFilter(benchmark::State& state)
{
    Window window(static_cast<int>(state.range(0)));
    QLineEdit* field = window.form->filterBar()->searchField();
    // The field takes the keys, which readies the list for words.
    field->setFocus();
    QApplication::processEvents();
    const QStringList keys = keystrokes();
    qsizetype next = 0;
    double slowest = 0.0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        field->setText(keys[next++ % keys.size()]);
        window.repaint();
        slowest = std::max(
            slowest,
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    state.counters["max_ms"] = slowest;
}
BENCHMARK(BM_TypeIntoTheFilter)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond)->Iterations(54);

// A change (Change) or its undo (Undo), timed on its own while the other is not, at 100k entries.
enum class Step
{
    Change,
    Undo,
};

template <typename Change> void changeAndUndo(benchmark::State& state, Step timed, Change change)
{
    Window window(static_cast<int>(state.range(0)));
    Session& session = *window.program.session;
    for (auto _ : state) {
        if (timed == Step::Undo)
            state.PauseTiming();
        change(window);
        QApplication::processEvents();
        if (timed == Step::Undo)
            state.ResumeTiming();
        else
            state.PauseTiming();
        session.undo();
        QApplication::processEvents();
        if (timed == Step::Change)
            state.ResumeTiming();
    }
    if (!session.lastDatabaseWrite().ok())
        state.SkipWithError(qPrintable(session.lastDatabaseWrite().message()));
}

void deleteMiddle(Window& window)
{
    window.program.session->deleteEntry(window.program.state->entryCount() / 2);
}

void editMiddle(Window& window)
{
    const Expense& entry = window.program.state->entries[window.program.state->entryCount() / 2];
    EntryDraft draft;
    draft.type = entry.type;
    draft.currency = entry.currency;
    draft.intendedSource = entry.intendedSource;
    draft.paidWith = entry.paidWith;
    draft.note = entry.note + QStringLiteral(" (changed)");
    draft.date = QDate(2024, 6, 1);
    draft.amount = entry.amount + 1.0;
    draft.income = entry.income;
    draft.hasReceipt = entry.hasReceipt;
    draft.receipt = entry.receipt;
    window.program.session->storeEntry(draft, window.program.state->entryCount() / 2);
}

void sortByAmount(Window& window)
{
    window.program.session->sortBy(SortKey::Amount, false);
}

void purgeBefore2010(Window& window)
{
    purgeEntriesBefore(*window.program.session, QDate(2010, 1, 1));
}

void BM_Delete(benchmark::State& state)
{
    changeAndUndo(state, Step::Change, deleteMiddle);
}
void BM_UndoDelete(benchmark::State& state)
{
    changeAndUndo(state, Step::Undo, deleteMiddle);
}
void BM_Edit(benchmark::State& state)
{
    changeAndUndo(state, Step::Change, editMiddle);
}
void BM_UndoEdit(benchmark::State& state)
{
    changeAndUndo(state, Step::Undo, editMiddle);
}
void BM_Sort(benchmark::State& state)
{
    changeAndUndo(state, Step::Change, sortByAmount);
}
void BM_UndoSort(benchmark::State& state)
{
    changeAndUndo(state, Step::Undo, sortByAmount);
}
void BM_Purge(benchmark::State& state)
{
    changeAndUndo(state, Step::Change, purgeBefore2010);
}
void BM_UndoPurge(benchmark::State& state)
{
    changeAndUndo(state, Step::Undo, purgeBefore2010);
}
BENCHMARK(BM_Delete)->Arg(100'000)->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(BM_UndoDelete)->Arg(100'000)->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(BM_Edit)->Arg(100'000)->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(BM_UndoEdit)->Arg(100'000)->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(BM_Sort)->Arg(100'000)->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(BM_UndoSort)->Arg(100'000)->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(BM_Purge)->Arg(100'000)->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(BM_UndoPurge)->Arg(100'000)->Unit(benchmark::kMillisecond)->Iterations(10);

} // namespace
} // namespace tallyfox::bench

int main(int argc, char** argv)
{
    return tallyfox::bench::runWidgetBenchmarks(argc, argv);
}
