// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include "platform/filesystem.h"
#include "platform/registry.h"
#include "session/importmapping.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace tallyfox {

// The mappings that imports used are kept per header, so that the next statement with the same header
// imports as the last one did: each under a key of its own below this one, named after the header.
inline constexpr char16_t kImportMappingsKeyPath[] = u"Software\\Tallyfox\\Import";

// The key of a header's mapping below kImportMappingsKeyPath: sixteen hex digits of a hash of the
// header's cells, which are also kept in its value "Header" for a person reading the registry.
[[nodiscard]] QString importMappingKeyName(const QStringList& header);

// The mapping last used for this header; nothing when there is none, or the registry cannot be read.
[[nodiscard]] std::optional<ImportMapping> recallImportMapping(Registry& registry, const QStringList& header);

// Keeps the mapping for the header: its columns, delimiter, decimal mark, date format, currency, type,
// and the sign switch.
[[nodiscard]] FileResult rememberImportMapping(Registry& registry, const QStringList& header,
                                               const ImportMapping& mapping);

} // namespace tallyfox
