// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "app/programoptions.h"

namespace tallyfox {

namespace {

// The switches ignore the case of A-Z only, as start-up reads them.
bool isSwitch(const QString& argument, QStringView name)
{
    if (argument.size() != name.size())
        return false;
    for (qsizetype i = 0; i < argument.size(); ++i) {
        const char16_t ch = argument[i].unicode();
        const char16_t lower = ch >= u'A' && ch <= u'Z' ? char16_t(ch + (u'a' - u'A')) : ch;
        if (lower != name[i].unicode())
            return false;
    }
    return true;
}

std::optional<ProgramInfo> infoRequest(const QString& argument)
{
    if (argument == u"--help" || argument == u"-h")
        return ProgramInfo::Help;
    if (argument == u"--version")
        return ProgramInfo::Version;
    return std::nullopt;
}

} // namespace

ProgramOptions parseProgramOptions(const QStringList& arguments)
{
    ProgramOptions options;
    // Between "-f" or "-d" and the next switch every word belongs to a name.
    bool inName = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == u"--scale" && i + 1 < arguments.size()) {
            bool ok = false;
            const double scale = arguments[++i].toDouble(&ok);
            if (ok)
                options.scale = scale;
            continue;
        }
        if (argument.startsWith(u"--scale=")) {
            bool ok = false;
            const double scale = argument.mid(8).toDouble(&ok);
            if (ok)
                options.scale = scale;
            continue;
        }
        if (isSwitch(argument, u"-f") || isSwitch(argument, u"-d"))
            inName = true;
        else if (isSwitch(argument, u"-qe") || isSwitch(argument, u"-sqe"))
            inName = false;
        else if (const std::optional<ProgramInfo> info = infoRequest(argument); info && !inName) {
            if (!options.info)
                options.info = info;
            continue;
        }
        options.parameters << argument;
    }
    return options;
}

} // namespace tallyfox
