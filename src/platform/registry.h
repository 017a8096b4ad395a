// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include "platform/registrykey.h"

#include <QString>
#include <memory>

namespace tallyfox {

class RegistryStore;

// The registry file: $TALLYFOX_REGISTRY when set, else $XDG_CONFIG_HOME/tallyfox/registry.reg
// (~/.config/tallyfox/registry.reg when XDG_CONFIG_HOME is not set).
[[nodiscard]] QString registryFilePath();

// The registry kept in one file. The program makes one and hands it to whatever opens keys; a test
// makes its own on a file of its own, and two Registry objects never share what they hold.
//
// Keys open through one Registry at the same time share the file's content in memory, so closing one
// of them writes every key's values. Once the last of them is closed the content goes, and the next
// opening reads the file again and sees what others wrote in between.
class Registry
{
public:
    explicit Registry(const QString& filePath) : m_filePath(filePath) {}
    Registry(const Registry&) = delete;
    Registry& operator=(const Registry&) = delete;

    // The file as it was given.
    [[nodiscard]] const QString& filePath() const { return m_filePath; }
    // A registry that only reads: what its keys set stays in memory, and closing them writes nothing.
    // Commands that only read the user's data use one, so that they leave the file as it is.
    void setReadOnly(bool readOnly) { m_readOnly = readOnly; }
    [[nodiscard]] bool isReadOnly() const { return m_readOnly; }

    // The key below HKEY_LOCAL_MACHINE, e.g. "Software\Tallyfox", if it exists. It does not when the
    // registry has no such key, or when the file cannot be read (the key's openFailure() says why).
    [[nodiscard]] RegistryKey open(const QString& subKey);
    // The key, created when it does not exist yet; not open only when the file cannot be read. A key it
    // creates counts as a change, so it must be closed.
    [[nodiscard]] RegistryKey openOrCreate(const QString& subKey);

private:
    [[nodiscard]] RegistryKey openKey(const QString& subKey, bool create);
    // The content the open keys share, or else the file read afresh.
    [[nodiscard]] std::shared_ptr<RegistryStore> store();

    QString m_filePath;
    std::weak_ptr<RegistryStore> m_store;
    bool m_readOnly = false;
};

} // namespace tallyfox
