// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

// The item editor over a large database, driven offscreen through the program's forms: opening it on a
// new entry and on an existing one until it is on screen and painted, and storing a new entry from OK to
// the refreshed list with the database written.
#include "benchprogram.h"
#include "toolkit/softkeybar.h"
#include "ui/forms.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <benchmark/benchmark.h>
#include <functional>
#include <memory>

namespace tallyfox::bench {
namespace {

// The program's forms over a private copy of the generated database.
struct Program
{
    explicit Program(int entries)
        : program(QStringLiteral("editor"), entries),
          forms(std::make_unique<Forms>(*program.session, program.prompts)), state(program.state.get()),
          session(program.session.get())
    {
        forms->main().show();
        forms->main().initialise(program.startupOptions());
        QApplication::processEvents();
    }

    [[nodiscard]] ItemForm& editor() { return forms->item(); }

    // Opens the editor with open, runs work once it is on screen, and returns when it has closed.
    void whileOpen(const std::function<void()>& open, const std::function<void(ItemForm&)>& work)
    {
        QTimer::singleShot(0, &editor(), [this, work] { work(editor()); });
        open();
    }

    BenchProgram program;
    std::unique_ptr<Forms> forms;
    AppState* state;
    Session* session;
};

// From the command to the editor shown and painted; closing it (a refresh that writes the database)
// is not timed.
void openEditor(benchmark::State& state, bool editing, bool fingerMode)
{
    const int entries = static_cast<int>(state.range(0));
    Program program(entries);
    program.state->settings.fingerFriendly = fingerMode;
    for (auto _ : state) {
        QElapsedTimer clock;
        program.whileOpen(
            [&] {
                clock.start();
                if (editing)
                    program.editor().editEntryFlow(entries / 2);
                else
                    program.editor().newEntryFlow();
            },
            [&](ItemForm& editor) {
                editor.repaint();
                state.SetIterationTime(static_cast<double>(clock.nsecsElapsed()) / 1e9);
                editor.closeWith(FormBase::kResultCancel);
            });
    }
}

void BM_OpenEditorOnANewEntry(benchmark::State& state)
{
    openEditor(state, false, true);
}
BENCHMARK(BM_OpenEditorOnANewEntry)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(20);

void BM_OpenEditorOnAnEntry(benchmark::State& state)
{
    openEditor(state, true, false);
}
BENCHMARK(BM_OpenEditorOnAnEntry)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(20);

// From OK to the stored entry in the refreshed, repainted list with the database written.
void BM_StoreNewEntry(benchmark::State& state)
{
    Program program(static_cast<int>(state.range(0)));
    program.state->settings.fingerFriendly = false;
    for (auto _ : state) {
        QElapsedTimer clock;
        program.whileOpen(
            [&] { program.editor().newEntryFlow(); },
            [&](ItemForm& editor) {
                editor.findChild<QComboBox*>(QStringLiteral("typeBox"))->setEditText(QStringLiteral("Lunch"));
                editor.findChild<QLineEdit*>(QStringLiteral("amountField"))->setText(QStringLiteral("12.50"));
                clock.start();
                editor.findChild<SoftKeyBar*>(QStringLiteral("softKeyBar"))
                    ->button(SoftKeyBar::Key::Right)
                    ->click();
            });
        program.forms->main().repaint();
        state.SetIterationTime(static_cast<double>(clock.nsecsElapsed()) / 1e9);
        if (!program.session->lastDatabaseWrite().ok())
            state.SkipWithError("the database was not written");
    }
}
BENCHMARK(BM_StoreNewEntry)->Arg(100000)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(20);

} // namespace
} // namespace tallyfox::bench

int main(int argc, char** argv)
{
    return tallyfox::bench::runWidgetBenchmarks(argc, argv);
}
