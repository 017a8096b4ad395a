// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include "core/appstate.h"
#include "platform/filesystem.h"
#include "platform/registry.h"
#include "storage/settingsregistry.h"

#include <QHash>
#include <QList>
#include <QString>

namespace tallyfox {

// The values of the saved settings as the registry held them when they were last read or saved. The
// program runs for long and the command-line tool may store settings meanwhile (the receipt counter, the
// last used values): a save writes only what the program itself changed since.
class StoredSettings
{
public:
    // What the two keys hold of every value that a save writes.
    [[nodiscard]] static StoredSettings readFrom(const RegistryKey& settingsKey,
                                                 const RegistryKey& columnsKey);

    // The value stored under the key (e.g. "Software\Tallyfox"); null when none is known.
    [[nodiscard]] const RegistryValue* find(const QString& subKey, const QString& name) const;
    void remember(const QString& subKey, const QString& name, const RegistryValue& value);

private:
    QHash<QString, RegistryValue> m_values;
};

// How a save treats a receipt counter the program changed.
enum class ReceiptNumberSave
{
    // Never back: when the program moved the counter, the one further ahead of the program's and the
    // stored one; when it did not, the stored one.
    NeverBack,
    // The program's, as the user typed it in the options.
    AsChosen,
};

// The settings as a save writes them to the settings key, in order: Database, DataLocation, the main
// group and the QuickEnable values.
[[nodiscard]] QList<SettingValue> mainSettingValues(const AppState& state);

// Stores the settings, at shutdown and when the options are saved: the values of mainSettingValues in
// the settings key, then the column settings. Only the values that differ from asStored are written, so
// the rest stays as the registry holds it now; asStored then records what was written. An empty asStored
// stores every value. The receipt counter is stored as receipt says, and the state's counter then
// follows the stored one. The keys are opened, not created; a key that does not exist stores nothing.
// Nothing at all is stored when start-up found the registry unavailable. The version is never written
// here. A failure to write the file is returned.
FileResult saveSettingsToRegistry(AppState& state, Registry& registry, StoredSettings& asStored,
                                  ReceiptNumberSave receipt = ReceiptNumberSave::NeverBack);

// Stores every value.
FileResult saveSettingsToRegistry(const AppState& state, Registry& registry);

} // namespace tallyfox
