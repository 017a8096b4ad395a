// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

// Any words on the command line, of the program and of tallyfox-cli: nothing crashes, what the
// program's switches collect is trimmed, and the tool either ends at once (help, version, or a usage
// error with its message) or runs a command whose new entry has a type and an amount it can store.
#include "cli/commandline.h"
#include "platform/textencoding.h"
#include "session/programarguments.h"

#include <QCoreApplication>
#include <cmath>
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

    using namespace tallyfox::cli;
    const ParsedCommandLine parsed = parseCommandLine(QStringList{QStringLiteral("tallyfox-cli")} + words);
    if (const auto* early = std::get_if<EarlyExit>(&parsed)) {
        if (early->text.isEmpty() || (early->exitCode != 0 && early->exitCode != kExitUsage))
            abort();
        return 0;
    }
    const Invocation& invocation = std::get<Invocation>(parsed);
    if (invocation.command == Command::Add) {
        const NewEntryOptions& entry = invocation.entry;
        if (entry.type.trimmed().isEmpty() || !std::isfinite(entry.amount) || entry.amount < 0 ||
            entry.amount > 999999999.99 || (entry.receipt && entry.receipt->isEmpty()))
            abort();
    }
    return 0;
}
