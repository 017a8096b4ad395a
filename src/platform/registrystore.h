#pragma once

#include "platform/filesystem.h"
#include "platform/registrycontent.h"

#include <QString>
#include <memory>

namespace tallyfox {

// The registry file: $TALLYFOX_REGISTRY when set, else $XDG_CONFIG_HOME/tallyfox/registry.reg
// (~/.config/tallyfox/registry.reg when XDG_CONFIG_HOME is not set).
[[nodiscard]] QString registryFilePath();

// The registry of one file, held in memory while keys on it are open. All keys open on one file share
// one store, so a close writes the whole file with every key's values.
class RegistryStore
{
    struct Token
    {
        explicit Token() = default;
    };

public:
    // The store of that file: the one the open keys share, or else the file read afresh.
    [[nodiscard]] static std::shared_ptr<RegistryStore> forFile(const QString& path);

    RegistryStore(Token, const QString& path);

    [[nodiscard]] const QString& filePath() const { return m_path; }
    // False when the file exists but cannot be read, or is not a registry file: its keys cannot be
    // opened, so that a user's settings are never replaced by defaults.
    [[nodiscard]] bool isReadable() const { return m_readResult.ok(); }
    [[nodiscard]] const FileResult& readResult() const { return m_readResult; }

    [[nodiscard]] const RegistryContent& content() const { return m_content; }
    // The content, to change; the next writeChanges() writes the file.
    [[nodiscard]] RegistryContent& contentToChange();
    [[nodiscard]] bool hasChanges() const { return m_changed; }

    // Writes the whole file atomically, creating its folder as needed, when something changed since it
    // was read or last written. After a failure the changes stay pending, so the next call tries again.
    FileResult writeChanges();

private:
    QString m_path;
    FileResult m_readResult;
    RegistryContent m_content;
    bool m_changed = false;
};

} // namespace tallyfox
