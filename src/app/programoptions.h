// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include <QStringList>
#include <optional>

namespace tallyfox {

// What the program prints instead of starting.
enum class ProgramInfo
{
    Help,
    Version,
};

// The program's own options beside the switches of the database and settings folder: "--scale F" sets
// the size of everything on screen; "--help" (or "-h") and "--version" ask for a text and an exit where
// the switches would ignore them, so they are still words of a name after "-f" or "-d". What remains are
// the switches start-up reads.
struct ProgramOptions
{
    std::optional<double> scale;
    std::optional<ProgramInfo> info;
    QStringList parameters;
};

[[nodiscard]] ProgramOptions parseProgramOptions(const QStringList& arguments);

} // namespace tallyfox
