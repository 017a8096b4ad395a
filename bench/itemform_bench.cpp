// The item editor over a large database, driven offscreen through the program's forms: opening it on a
// new entry and on an existing one until it is on screen and painted, and storing a new entry from OK to
// the refreshed list with the database written.
#include "benchfiles.h"
#include "core/appstate.h"
#include "platform/clock.h"
#include "platform/registry.h"
#include "session/session.h"
#include "session/startup.h"
#include "toolkit/programstyle.h"
#include "toolkit/scriptedprompts.h"
#include "toolkit/softkeybar.h"
#include "ui/forms.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <benchmark/benchmark.h>
#include <functional>
#include <memory>

namespace tallyfox::bench {
namespace {

// The program's forms over a private copy of the generated database, with their own registry and
// settings folder.
struct Program
{
    explicit Program(int entries)
    {
        BenchFiles& files = BenchFiles::instance();
        folder = files.scratchPath(QStringLiteral("editor-%1").arg(++s_serial));
        QDir().mkpath(folder);
        database = folder + QStringLiteral("/data.tfx");
        QFile::remove(database);
        QFile::copy(files.databasePath(entries), database);
        registry = std::make_unique<Registry>(folder + QStringLiteral("/registry.reg"));
        QFile seed(registry->filePath());
        seed.open(QIODevice::WriteOnly);
        seed.write(
            "[HKEY_LOCAL_MACHINE\\Software\\Tallyfox]\r\n\"Version\"=dword:000003b9\r\n\"DataLocation\"=\"" +
            folder.toUtf8() + "/\"\r\n");
        seed.close();
        state = std::make_unique<AppState>(QLocale(QLocale::English, QLocale::UnitedStates));
        session =
            std::make_unique<Session>(*state, Clock(QDateTime(QDate(2024, 6, 1), QTime(12, 0))), *registry);
        forms = std::make_unique<Forms>(*session, prompts);
        StartupOptions options;
        options.arguments = parseProgramArguments({QStringLiteral("-f"), database});
        options.programFolder = folder;
        forms->main().show();
        forms->main().initialise(options);
        QApplication::processEvents();
    }

    [[nodiscard]] ItemForm& editor() { return forms->item(); }

    // Opens the editor with open, runs work once it is on screen, and returns when it has closed.
    void whileOpen(const std::function<void()>& open, const std::function<void(ItemForm&)>& work)
    {
        QTimer::singleShot(0, &editor(), [this, work] { work(editor()); });
        open();
    }

    static inline int s_serial = 0;
    QString folder;
    QString database;
    ScriptedPrompts prompts;
    std::unique_ptr<Registry> registry;
    std::unique_ptr<AppState> state;
    std::unique_ptr<Session> session;
    std::unique_ptr<Forms> forms;
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
                editor.softKeys()->button(SoftKeyBar::Key::Right)->click();
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
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // The program's face and style, as the program sets them.
    tallyfox::ProgramStyle::install();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
