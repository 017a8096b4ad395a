#pragma once

#include "core/appstate.h"
#include "platform/filesystem.h"
#include "platform/registry.h"

#include <QString>

namespace tallyfox {

// Stores every setting, at shutdown and when the options are saved: Database, DataLocation, the main
// group and the QuickEnable values in the settings key, then the column settings. The keys are opened,
// not created; a key that does not exist stores nothing. Nothing at all is stored when start-up found
// the registry unavailable. The version is never written here. A failure to write the file is returned.
FileResult saveSettingsToRegistry(const AppState& state, Registry& registry);

} // namespace tallyfox
