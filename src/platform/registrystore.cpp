// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "platform/registrystore.h"

#include "platform/registryformat.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <cerrno>

namespace tallyfox {

namespace {

quint64 hashOf(QByteArrayView bytes)
{
    ContentHasher hasher;
    hasher.add(bytes);
    return hasher.result();
}

FileResult lockFailure(const FileLock& lock, const QString& path)
{
    return lock.failure(
        path,
        QCoreApplication::translate(
            "FileResult", "The settings file is busy: another Tallyfox is saving it. Nothing was changed."));
}

} // namespace

RegistryStore::RegistryStore(const QString& path) : m_path(path)
{
    // Stamped before reading: a write in between then shows as a change, never as none.
    m_stamp = fileStamp(path);
    const FileContent file = readWholeFile(path);
    if (!file.result.ok()) {
        m_readResult = file.result;
        return;
    }
    if (file.missing)
        m_stamp.reset();
    else
        m_hash = hashOf(file.bytes);
    ParsedRegistry parsed = parseRegistryFile(file.bytes);
    if (!parsed.recognised) {
        m_readResult =
            FileResult::readFailure(FileError::UnknownContent, path,
                                    QCoreApplication::translate("FileResult", "It is not a registry file."));
        return;
    }
    m_content = std::move(parsed.content);
}

void RegistryStore::addKey(const QString& keyPath)
{
    m_content.addKey(keyPath);
    m_changes.append({keyPath, std::nullopt});
}

void RegistryStore::setValue(const QString& keyPath, const QString& name, const RegistryValue& value)
{
    m_content.addKey(keyPath).set(name, value);
    m_changes.append({keyPath, name});
}

FileResult RegistryStore::takeInChangesOnDisk()
{
    const std::optional<FileStamp> now = fileStamp(m_path);
    // A file that went away gets all this store holds, which is the last version anybody wrote.
    if (!now || now == m_stamp)
        return {};
    const FileContent file = readWholeFile(m_path);
    if (!file.result.ok())
        return FileResult::writeFailure(FileError::ContentNotRead, m_path, file.result.reason());
    if (file.missing)
        return {};
    const quint64 hash = hashOf(file.bytes);
    if (hash != m_hash) {
        ParsedRegistry parsed = parseRegistryFile(file.bytes);
        if (!parsed.recognised)
            return FileResult::writeFailure(
                FileError::ContentNotRead, m_path,
                QCoreApplication::translate("FileResult", "It is no longer a registry file."));
        RegistryContent merged = std::move(parsed.content);
        for (const Change& change : std::as_const(m_changes)) {
            RegistryKeyContent& key = merged.addKey(change.keyPath);
            if (!change.valueName)
                continue;
            const RegistryKeyContent* mine = m_content.findKey(change.keyPath);
            if (const RegistryValue* value = mine ? mine->find(*change.valueName) : nullptr)
                key.set(*change.valueName, *value);
        }
        m_content = std::move(merged);
    }
    m_stamp = now;
    m_hash = hash;
    return {};
}

FileResult RegistryStore::writeChanges(std::chrono::milliseconds wait)
{
    if (m_readOnly)
        m_changes.clear();
    if (!isReadable() || m_readOnly)
        return {};
    if (m_changes.isEmpty()) {
        // Nothing to write; a save killed earlier may still have left its temporary file, and a store that
        // changes nothing would otherwise keep it for good. Not worth waiting for.
        FileLock lock(m_path, LockPurpose::Write);
        if (lock.lock(std::chrono::milliseconds(0))) {
            removeLeftoverTemporaryFiles(m_path);
            lock.unlock();
        }
        return {};
    }
    const QString folder = QFileInfo(m_path).absolutePath();
    if (!QDir().mkpath(folder))
        return FileResult::writeFailure(
            FileError::FolderNotCreated, m_path,
            QCoreApplication::translate("FileResult", "The folder \"%1\" cannot be created.").arg(folder));
    FileLock lock(m_path, LockPurpose::Write);
    const FileLockHolder held(lock, wait);
    if (!held.locked())
        return lockFailure(lock, m_path);
    if (FileResult merged = takeInChangesOnDisk(); !merged.ok())
        return merged;

    const QByteArray bytes = registryFileBytes(m_content);
    FileResult result = writeFileAtomically(
        m_path, [&bytes](QIODevice& device) { return device.write(bytes) == bytes.size(); });
    if (result.replaced()) {
        m_changes.clear();
        m_stamp = fileStamp(m_path);
        m_hash = hashOf(bytes);
    }
    return result;
}

} // namespace tallyfox
