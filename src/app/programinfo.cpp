// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "app/programinfo.h"

#include "core/programversion.h"

namespace tallyfox {

namespace {

constexpr char kHelpText[] =
    "Usage: tallyfox [-f FILE] [-d FOLDER] [-qe | -sqe] [--scale FACTOR]\n"
    "Records expenses and incomes in a Tallyfox database.\n"
    "\n"
    "  -f FILE         open the database FILE (.tfx or .txt, if it exists); the words up to\n"
    "                  the next switch are joined with single spaces\n"
    "  -d FOLDER       keep the settings in FOLDER (if it exists)\n"
    "  -qe             open the new-entry flow after start-up\n"
    "  -sqe            only add one entry, then end\n"
    "  --scale FACTOR  the size of everything on screen, from 1 to 6\n"
    "  -h, --help      print this help and exit\n"
    "  --version       print the version and the licence and exit\n"
    "\n"
    "The switches ignore the case of their letters; any other parameter outside a name is ignored.\n"
    "A second start brings the running copy to the front.\n"
    "\n"
    "Settings: $TALLYFOX_REGISTRY, else $XDG_CONFIG_HOME/tallyfox/registry.reg; data: the settings\n"
    "folder, by default $XDG_DATA_HOME/tallyfox/. TALLYFOX_NOW=YYYY-MM-DD[THH:MM:SS] pins the clock.\n"
    "tallyfox-cli lists, reports, exports and adds entries on the same data. See tallyfox(1).\n";

constexpr char kVersionLine[] = "tallyfox " TALLYFOX_VERSION "\n";

} // namespace

QString programInfoText(ProgramInfo info)
{
    switch (info) {
    case ProgramInfo::Help:
        return QString::fromUtf8(kHelpText);
    case ProgramInfo::Version:
        return QString::fromUtf8(kVersionLine) + QString::fromUtf8(kCopyrightAndLicence);
    }
    return {};
}

} // namespace tallyfox
