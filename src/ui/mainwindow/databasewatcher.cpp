// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "ui/mainwindow/databasewatcher.h"

#include <QFileInfo>

namespace tallyfox {

DatabaseWatcher::DatabaseWatcher(QObject* parent) : QObject(parent)
{
    setObjectName(QStringLiteral("databaseWatcher"));
    m_settle.setSingleShot(true);
    m_settle.setInterval(kSettleTime);
    connect(&m_settle, &QTimer::timeout, this, &DatabaseWatcher::changed);
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, this, &DatabaseWatcher::notice);
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this, &DatabaseWatcher::notice);
}

void DatabaseWatcher::watch(const QString& path)
{
    if (path != m_path) {
        if (const QStringList watched = m_watcher.files() + m_watcher.directories(); !watched.isEmpty())
            m_watcher.removePaths(watched);
        m_settle.stop();
        m_path = path;
    }
    watchWhatIsThere();
}

bool DatabaseWatcher::watchesFile() const
{
    return !m_watcher.files().isEmpty();
}

void DatabaseWatcher::notice()
{
    // A file replaced by a rename may still be watched by its old inode for a while: watch the one now at
    // the path.
    if (m_watcher.files().contains(m_path))
        m_watcher.removePath(m_path);
    watchWhatIsThere();
    m_settle.start();
}

void DatabaseWatcher::watchWhatIsThere()
{
    if (m_path.isEmpty())
        return;
    // A folder made after the path was chosen is watched from the next call on.
    const QFileInfo file(m_path);
    if (const QString folder = file.absolutePath();
        !m_watcher.directories().contains(folder) && QFileInfo(folder).isDir())
        m_watcher.addPath(folder);
    if (!m_watcher.files().contains(m_path) && file.isFile())
        m_watcher.addPath(m_path);
}

} // namespace tallyfox
