// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "cli/chartlibrary.h"
#include "cli/commandline.h"
#include "cli/commands.h"
#include "cli/console.h"
#include "core/appstate.h"
#include "platform/clock.h"

#include <QCoreApplication>
#include <QLocale>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

int run(const QStringList& arguments, const tallyfox::cli::ChartLibrary& charts,
        tallyfox::cli::Console& console, tallyfox::AppState& state)
{
    using namespace tallyfox::cli;
    const ParsedCommandLine parsed = parseCommandLine(arguments);
    if (const auto* early = std::get_if<EarlyExit>(&parsed)) {
        if (early->exitCode != 0) {
            console.message(early->text);
            return early->exitCode;
        }
        console.print(early->text);
        return console.finishOutput() ? 0 : kExitFileError;
    }
    if (const std::optional<QString> problem = tallyfox::Clock::environmentProblem()) {
        console.message(*problem);
        return kExitUsage;
    }
    return runCommand(std::get<Invocation>(parsed), state, charts, console);
}

} // namespace

int main(int argc, char* argv[])
{
    // Past a file size limit a write then fails with "File too large", which is reported and leaves the old
    // file whole, instead of the signal ending the process without a word.
    std::signal(SIGXFSZ, SIG_IGN);
    // The arguments as the application object would give them, read before it exists.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    // The chart command draws with the widgets' libraries, which only the chart library links: it makes
    // the application object for that command (and takes no arguments of its own from the command line).
    // Every other command runs on the plain one and loads nothing more.
    tallyfox::cli::ChartLibrary charts;
    std::unique_ptr<QCoreApplication> app;
    int chartArgc = 1;
    char* chartArgv[] = {argv[0], nullptr};
    if (tallyfox::cli::asksForChart(arguments)) {
        charts.load();
        if (charts.isLoaded())
            app.reset(charts.createApplication(chartArgc, chartArgv));
    }
    if (!app)
        app = std::make_unique<QCoreApplication>(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tallyfox-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TALLYFOX_VERSION));

    tallyfox::cli::Console console;
    tallyfox::AppState state(QLocale::system());
    const int exitCode = run(arguments, charts, console, state);
    // Every file has been written and closed, and the output flushed. Freeing the entries of a large
    // database one by one would take about as long as building its report; the system takes the memory
    // back at once.
    std::fflush(nullptr);
    std::_Exit(exitCode);
}
