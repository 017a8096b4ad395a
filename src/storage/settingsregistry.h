// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include "platform/registrykey.h"

#include <QString>

namespace tallyfox {

// Reading and writing single settings. A missing value is written with its default as it is read, so
// after the first run the key holds every value. A key that is not open reads every default and
// writes nothing.

// The text when the value is a text that is not empty; otherwise (missing, empty, of another kind) the
// default, which is then written.
[[nodiscard]] QString readTextSetting(RegistryKey& key, const QString& name, const QString& defaultValue);

// The number when the value is a 32-bit number, 0 when it is of another kind (nothing is written then);
// a missing value gives the default, which is written.
[[nodiscard]] qint32 readNumberSetting(RegistryKey& key, const QString& name, qint32 defaultValue);

// A number that is exactly 1 is true; any other (a stored 2 as well) is false.
[[nodiscard]] bool readFlagSetting(RegistryKey& key, const QString& name, bool defaultValue);

// The low 16 bits of a number, for the settings that are 16-bit.
[[nodiscard]] quint16 readNumber16Setting(RegistryKey& key, const QString& name, quint16 defaultValue);

// A setting as it is stored: the name of its value and the value.
struct SettingValue
{
    QString name;
    RegistryValue value;
};

void writeTextSetting(RegistryKey& key, const QString& name, const QString& value);
void writeNumberSetting(RegistryKey& key, const QString& name, qint32 value);
// A flag is stored as 1 or 0.
void writeFlagSetting(RegistryKey& key, const QString& name, bool value);

} // namespace tallyfox
