// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include "core/settings.h"
#include "platform/registrykey.h"
#include "storage/settingsregistry.h"

#include <QList>
#include <QString>
#include <array>

namespace tallyfox {

// The values of the "Columns" key that name a column's width and display position.
[[nodiscard]] QString columnWidthValueName(ColumnId column);
[[nodiscard]] QString columnOrderValueName(ColumnId column);

// The display positions from the stored Order values: in identifier order, each column takes its stored
// position unless that is beyond 8 or already taken, and then the lowest free one. Always a permutation
// of 0-8, whatever was stored.
[[nodiscard]] ColumnArray<int> columnPositionsFromStored(const ColumnArray<quint16>& stored);

// Reads LastVisibleColumn, the nine widths and the nine Order values into the settings.
void readColumnSettings(RegistryKey& columnsKey, Settings& settings);

// LastVisibleColumn, the widths of the columns that are shown (a hidden column, width 0, keeps its last
// stored width) and the nine Order values, as they are stored, in the order they are written.
[[nodiscard]] QList<SettingValue> columnSettingValues(const Settings& settings);

} // namespace tallyfox
