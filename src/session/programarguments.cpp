// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "session/programarguments.h"

namespace tallyfox {

namespace {

QString lowerAsciiLetters(const QString& text)
{
    QString lower = text;
    for (QChar& ch : lower) {
        if (ch >= u'A' && ch <= u'Z')
            ch = QChar(ch.unicode() + (u'a' - u'A'));
    }
    return lower;
}

} // namespace

ProgramArguments parseProgramArguments(const QStringList& parameters)
{
    enum class Collecting
    {
        Nothing,
        File,
        Folder,
    };
    ProgramArguments arguments;
    arguments.hasParameters = !parameters.isEmpty();
    Collecting collecting = Collecting::Nothing;
    for (const QString& parameter : parameters) {
        const QString word = lowerAsciiLetters(parameter);
        if (word == u"-f") {
            collecting = Collecting::File;
        } else if (word == u"-d") {
            collecting = Collecting::Folder;
        } else if (word == u"-qe") {
            arguments.quickEntryOnStart = true;
            collecting = Collecting::Nothing;
        } else if (word == u"-sqe") {
            arguments.quickEntryOnStart = true;
            arguments.quickEntryOnly = true;
            collecting = Collecting::Nothing;
        } else if (collecting == Collecting::File) {
            arguments.fileArgument += parameter + u' ';
        } else if (collecting == Collecting::Folder) {
            arguments.folderArgument += parameter + u' ';
        }
    }
    arguments.fileArgument = arguments.fileArgument.trimmed();
    arguments.folderArgument = arguments.folderArgument.trimmed();
    return arguments;
}

} // namespace tallyfox
