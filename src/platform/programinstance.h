// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include <QString>

namespace tallyfox {

// One running window per user and registry file. The window holds the registry's instance lock
// (FileLock with LockPurpose::Instance) for as long as it runs, and listens on a local socket named by
// this key, where a later start asks it to come to the front. The key is made from the registry's real
// path and the user's number, so that every way of naming the same file meets the same window.
[[nodiscard]] QString programInstanceKey(const QString& registryFile);

} // namespace tallyfox
