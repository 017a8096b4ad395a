// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include <QString>

namespace tallyfox {

// The default settings folder, "$XDG_DATA_HOME/tallyfox/" (normally ~/.local/share/tallyfox/): the
// program's own folder is not writable once it is installed.
[[nodiscard]] QString defaultSettingsFolder();

// A folder text with a trailing "/".
[[nodiscard]] QString withTrailingSlash(const QString& folder);

} // namespace tallyfox
