// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include <QString>
#include <QStringList>

namespace tallyfox {

// The program's switches: "-f" database file and "-d" settings folder, each followed by its words up
// to the next switch (joined with single spaces), "-qe" opens the new-entry flow after start-up, "-sqe"
// runs only to add one entry. Switches ignore the case of A-Z.
struct ProgramArguments
{
    bool hasParameters = false;
    QString fileArgument;
    QString folderArgument;
    bool quickEntryOnStart = false;
    bool quickEntryOnly = false;
};

[[nodiscard]] ProgramArguments parseProgramArguments(const QStringList& parameters);

} // namespace tallyfox
