// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include "platform/filesystem.h"
#include "platform/registrycontent.h"

#include <QString>
#include <QStringView>
#include <memory>
#include <optional>

namespace tallyfox {

class Registry;
class RegistryStore;

// An open key of a Registry, e.g. "Software\Tallyfox". Values are read and set in memory; a key that is
// not open reads nothing and ignores what is set on it.
//
// Only close() writes the file, and it returns what the write came to for the caller to report. A key
// that only read may simply go; a key that changed something must be closed. One that goes, or is
// assigned over, while still open and changed writes nothing and warns: its changes are lost unless
// another key of the Registry writes them.
class RegistryKey
{
public:
    RegistryKey() = default;
    RegistryKey(RegistryKey&& other) noexcept;
    RegistryKey& operator=(RegistryKey&& other) noexcept;
    RegistryKey(const RegistryKey&) = delete;
    RegistryKey& operator=(const RegistryKey&) = delete;
    ~RegistryKey();

    [[nodiscard]] bool isOpen() const { return m_store != nullptr; }
    // Why the registry file could not be read; ok() when it could.
    [[nodiscard]] const FileResult& openFailure() const { return m_openFailure; }

    // The value of that name, compared without regard to case; nullopt when missing or not open.
    [[nodiscard]] std::optional<RegistryValue> value(QStringView name) const;
    // Sets a value, which keeps the spelling of its name when it exists. Does nothing when not open.
    void setValue(const QString& name, const RegistryValue& value);
    void setText(const QString& name, const QString& text) { setValue(name, RegistryValue::fromText(text)); }
    void setNumber(const QString& name, quint32 number) { setValue(name, RegistryValue::fromNumber(number)); }

    // Closes the key; when it or another key open through the same Registry changed something since
    // the file was read or last written, writes the whole file. The key is closed even when the write
    // fails; the changes then stay in memory while other keys of the Registry are open, and each of
    // their closes tries again.
    FileResult close();

private:
    friend class Registry;

    // Lets go of the content without writing it.
    void release() noexcept;

    std::shared_ptr<RegistryStore> m_store;
    // The full path, "HKEY_LOCAL_MACHINE\" and the subkey.
    QString m_path;
    FileResult m_openFailure;
    // Whether this key added itself or changed a value since it was opened.
    bool m_changed = false;
};

} // namespace tallyfox
