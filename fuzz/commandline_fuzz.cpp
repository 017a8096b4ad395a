// Any words on the command line, of the program and of tallyfox-cli: nothing crashes, and what the
// program's switches collect is trimmed.
#include "cli/commandline.h"
#include "platform/textencoding.h"
#include "session/programarguments.h"

#include <QCoreApplication>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    static QCoreApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // Words are separated by NUL bytes, as the system hands them over.
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QStringList words;
    for (const QByteArray& word : bytes.split('\0'))
        words << tallyfox::decodeLenient(word);

    const tallyfox::ProgramArguments program = tallyfox::parseProgramArguments(words);
    if (program.fileArgument != program.fileArgument.trimmed() ||
        program.folderArgument != program.folderArgument.trimmed())
        abort();
    if (program.quickEntryOnly && !program.quickEntryOnStart)
        abort();

    (void)tallyfox::cli::parseCommandLine(QStringList{QStringLiteral("tallyfox-cli")} + words);
    return 0;
}
