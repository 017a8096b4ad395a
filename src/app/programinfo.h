#pragma once

#include "app/programoptions.h"

#include <QString>

namespace tallyfox {

// The texts of "tallyfox --help" and "tallyfox --version", made without an application object so that
// they print where no display is.
[[nodiscard]] QString programInfoText(ProgramInfo info);

} // namespace tallyfox
