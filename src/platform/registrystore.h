// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include "platform/filelock.h"
#include "platform/filesystem.h"
#include "platform/registrycontent.h"

#include <QList>
#include <QString>
#include <chrono>
#include <optional>

namespace tallyfox {

// The content of one registry file, read when it is made and held in memory while keys on it are open.
// Other processes (the command-line tool, a second program) may write the file meanwhile: a write
// applies only what this store changed to the file as it then is, so that both keep their values.
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
    [[nodiscard]] bool hasChanges() const { return !m_changes.isEmpty(); }

    // Changes in memory, which the next writeChanges() writes.
    void addKey(const QString& keyPath);
    void setValue(const QString& keyPath, const QString& name, const RegistryValue& value);

    // Writes the file atomically, creating its folder as needed, when something changed since it was
    // read or last written. It holds the file's write lock meanwhile, waiting up to wait for another
    // writer (FileError::Busy when it has to give up), and when the file changed since this store read
    // it, starts from the file as it is now. After a failure the changes stay pending, so the next call
    // tries again.
    FileResult writeChanges(std::chrono::milliseconds wait = kWriterLockWait);
    // A store that only reads: writeChanges drops the changes and touches no file, its lock's neither.
    void setReadOnly() { m_readOnly = true; }

private:
    struct Change
    {
        QString keyPath;
        // Nothing when the change added the key itself.
        std::optional<QString> valueName;
    };

    // Under the write lock: takes in what another process wrote since this store read the file.
    FileResult takeInChangesOnDisk();

    QString m_path;
    FileResult m_readResult;
    RegistryContent m_content;
    QList<Change> m_changes;
    // The version of the file the content stands on; nothing when there was no file.
    std::optional<FileStamp> m_stamp;
    std::optional<quint64> m_hash;
    bool m_readOnly = false;
};

} // namespace tallyfox
