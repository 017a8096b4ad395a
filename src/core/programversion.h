// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include <QtGlobal>
#include <string_view>

namespace tallyfox {

// The number that the registry's "Version" value holds for a version text "major.minor.patch":
// major * 1000 + minor * 10 + patch, so "0.95.3" is 953. Later versions give larger numbers while the
// minor version stays below 100 and the patch below 10.
[[nodiscard]] constexpr quint16 versionNumber(std::string_view version)
{
    int parts[3] = {0, 0, 0};
    int part = 0;
    for (const char c : version) {
        if (c == '.') {
            if (++part == 3)
                break;
        } else if (c >= '0' && c <= '9') {
            parts[part] = parts[part] * 10 + (c - '0');
        }
    }
    return static_cast<quint16>(parts[0] * 1000 + parts[1] * 10 + parts[2]);
}

// What both programs' --version says after their name and version.
inline constexpr char kCopyrightAndLicence[] =
    "Copyright (C) The Tallyfox developers\n"
    "License GPL-3.0-or-later: GNU GPL version 3 or later <https://www.gnu.org/licenses/gpl.html>\n"
    "This is free software: you are free to change and redistribute it.\n"
    "There is NO WARRANTY, to the extent permitted by law.\n";

// The version the build names (TALLYFOX_VERSION, the CMake project's VERSION) as the registry's number.
inline constexpr quint16 kProgramVersionNumber = versionNumber(TALLYFOX_VERSION);

} // namespace tallyfox
