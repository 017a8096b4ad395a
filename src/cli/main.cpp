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

namespace {

int run(tallyfox::cli::Console& console, tallyfox::AppState& state)
{
    using namespace tallyfox::cli;
    const ParsedCommandLine parsed = parseCommandLine(QCoreApplication::arguments());
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
    return runCommand(std::get<Invocation>(parsed), state, console);
}

} // namespace

int main(int argc, char* argv[])
{
    // Past a file size limit a write then fails with "File too large", which is reported and leaves the old
    // file whole, instead of the signal ending the process without a word.
    std::signal(SIGXFSZ, SIG_IGN);
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tallyfox-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TALLYFOX_VERSION));

    tallyfox::cli::Console console;
    tallyfox::AppState state(QLocale::system());
    const int exitCode = run(console, state);
    // Every file has been written and closed, and the output flushed. Freeing the entries of a large
    // database one by one would take about as long as building its report; the system takes the memory
    // back at once.
    std::fflush(nullptr);
    std::_Exit(exitCode);
}
