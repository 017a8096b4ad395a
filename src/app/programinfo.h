// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include "app/programoptions.h"

#include <QString>

namespace tallyfox {

// The texts of "tallyfox --help" and "tallyfox --version", made without an application object so that
// they print where no display is.
[[nodiscard]] QString programInfoText(ProgramInfo info);

} // namespace tallyfox
