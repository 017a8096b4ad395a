// The main window with a large database, driven offscreen: start-up to the shown window, deleting an
// entry (one whole refresh with the database write), and scrolling a page.
#include "benchfiles.h"
#include "core/appstate.h"
#include "platform/clock.h"
#include "platform/registry.h"
#include "session/session.h"
#include "session/startup.h"
#include "toolkit/programstyle.h"
#include "toolkit/scriptedprompts.h"
#include "ui/entrylistmodel.h"
#include "ui/entrylistview.h"
#include "ui/mainform.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QScrollBar>
#include <benchmark/benchmark.h>
#include <memory>

namespace tallyfox::bench {
namespace {

// A window over a private copy of the generated database, with its own registry and settings folder.
struct Window
{
    explicit Window(int entries)
    {
        BenchFiles& files = BenchFiles::instance();
        folder = files.scratchPath(QStringLiteral("window-%1").arg(++s_serial));
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
        form = std::make_unique<MainForm>(*session, prompts);
    }

    void start()
    {
        StartupOptions options;
        options.arguments = parseProgramArguments({QStringLiteral("-f"), database});
        options.programFolder = folder;
        form->show();
        form->initialise(options);
        QApplication::processEvents();
    }

    static inline int s_serial = 0;
    QString folder;
    QString database;
    ScriptedPrompts prompts;
    std::unique_ptr<Registry> registry;
    std::unique_ptr<AppState> state;
    std::unique_ptr<Session> session;
    std::unique_ptr<MainForm> form;
};

void BM_StartupToShownWindow(benchmark::State& state)
{
    const int entries = static_cast<int>(state.range(0));
    (void)BenchFiles::instance().databasePath(entries);
    for (auto _ : state) {
        state.PauseTiming();
        auto window = std::make_unique<Window>(entries);
        state.ResumeTiming();
        window->start();
        state.PauseTiming();
        window.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartupToShownWindow)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_DeleteEntry(benchmark::State& state)
{
    Window window(static_cast<int>(state.range(0)));
    window.start();
    for (auto _ : state) {
        window.form->list()->selectRow(window.state->entryCount() / 2);
        window.session->deleteEntry(window.form->list()->selectedRow());
        QApplication::processEvents();
    }
}
BENCHMARK(BM_DeleteEntry)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(10);

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
BENCHMARK(BM_ScrollOnePage)->Arg(1000)->Arg(100000)->Unit(benchmark::kMicrosecond);

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
