#include "cli/commandline.h"
#include "cli/commands.h"

#include <QCoreApplication>
#include <QTextStream>
#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tallyfox-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TALLYFOX_VERSION));

    QTextStream out(stdout);
    QTextStream err(stderr);
    out.setEncoding(QStringConverter::Utf8);
    err.setEncoding(QStringConverter::Utf8);

    const auto parsed = tallyfox::cli::parseCommandLine(QCoreApplication::arguments());
    if (const auto* early = std::get_if<tallyfox::cli::EarlyExit>(&parsed)) {
        (early->exitCode == 0 ? out : err) << early->text;
        return early->exitCode;
    }
    return tallyfox::cli::runCommand(std::get<tallyfox::cli::Invocation>(parsed), out, err);
}
