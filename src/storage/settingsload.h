// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include "core/settings.h"
#include "platform/filesystem.h"
#include "platform/registry.h"
#include "platform/registrykey.h"

#include <QString>
#include <optional>

namespace tallyfox {

// The keys below HKEY_LOCAL_MACHINE that hold the settings.
inline constexpr char16_t kSettingsKeyPath[] = u"Software\\Tallyfox";
inline constexpr char16_t kColumnsKeyPath[] = u"Software\\Tallyfox\\Columns";

// The two keys that start-up reads the settings from, open from the registry step until the column
// settings are read.
struct SettingsKeys
{
    RegistryKey settingsKey;
    RegistryKey columnsKey;
};

// Loading the settings is done in the steps below, which start-up calls in this order with its own
// work in between. Every read writes a missing value back with its default.

// Opens the settings key and its "Columns" key, creating them when they do not exist. When the registry
// file cannot be read the keys stay closed and settings.registryUnavailable is set; keys.settingsKey's
// openFailure() then says why.
[[nodiscard]] SettingsKeys openSettingsKeys(Settings& settings, Registry& registry);

// The program version that last ran (low 16 bits; 0 when none did), and recording a new one.
[[nodiscard]] quint16 readVersion(SettingsKeys& keys);
void writeVersion(SettingsKeys& keys, quint16 version);

// The stored settings folder; the default (written back) when it is missing or empty.
[[nodiscard]] QString readDataLocation(SettingsKeys& keys, const QString& defaultFolder);

// The main group, in this order: EnableLogging, Lastusedcurrency, Lastintendedsource, Lastpaidwith,
// LastIncome, LasthasReceipt, NextReceiptNum, FingerFriendly, StartWithQuick, ShowDecimals, DecimalsVis,
// AutoSort, SortReverse, SortType, IncomeIsPositive, Increase9is0, SkipOverview and the seven QuickEnable
// values. A sort type beyond the known sort keys reads as 0.
void readMainSettings(SettingsKeys& keys, Settings& settings);

// The database file in use when one is stored; nothing is written when none is.
[[nodiscard]] std::optional<QString> readStoredDatabasePath(SettingsKeys& keys);

// LastVisibleColumn, the column widths and the column order from the "Columns" key.
void readColumnSettings(SettingsKeys& keys, Settings& settings);

// Closes both keys, which writes the registry file when a read added a default. A failure to write is
// returned; the settings read stay in use.
FileResult closeSettingsKeys(SettingsKeys& keys);

// The name of the QuickEnable value of quick-entry step i (0-6).
[[nodiscard]] QString quickEnableValueName(int step);

} // namespace tallyfox
