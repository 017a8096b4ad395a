// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include "platform/filesystem.h"

namespace tallyfox {

class Registry;

// Whether the main window shows this month's line: the number "Shown" under
// Software\Tallyfox\MonthLine, which is not one of the program's specified values. Shown unless it is 0.
[[nodiscard]] bool readMonthLineShown(Registry& registry);
// Stores the choice; the result says whether the registry file was written.
[[nodiscard]] FileResult storeMonthLineShown(Registry& registry, bool shown);

} // namespace tallyfox
