// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include <QString>

namespace tallyfox {

// The folder of the running program, ending in "/". Both executables lie in it.
[[nodiscard]] QString programFolder();

// Where a file shipped with the program lies: beside the executables in the build tree, or in
// ../share/tallyfox/ beside an installed executable, looked up in that order. Empty when neither exists.
[[nodiscard]] QString findShippedFile(const QString& programFolder, const QString& name);

} // namespace tallyfox
