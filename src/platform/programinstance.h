#pragma once

#include <QString>

namespace tallyfox {

// One running copy of the program per user and registry file. The copy holds a lock file named by a
// key of the two; the command-line tool looks at the lock before it changes the program's data.
[[nodiscard]] QString programInstanceKey(const QString& registryFile);
[[nodiscard]] QString programInstanceLockPath(const QString& key);

// Whether a copy of the program runs with this registry file.
[[nodiscard]] bool isProgramRunning(const QString& registryFile);

} // namespace tallyfox
