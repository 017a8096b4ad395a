#pragma once

#include "platform/filesystem.h"
#include "platform/registrycontent.h"

#include <QString>

namespace tallyfox {

// The content of one registry file, read when it is made and held in memory while keys on it are open.
class RegistryStore
{
public:
    explicit RegistryStore(const QString& path);

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
