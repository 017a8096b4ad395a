// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include <QFileSystemWatcher>
#include <QObject>
#include <QString>
#include <QTimer>
#include <chrono>

namespace tallyfox {

// Tells when the database file may have been changed by another program: a sync client, an editor,
// tallyfox-cli. It watches the file and its folder, because an atomic save elsewhere replaces the file
// (the watch on the old one ends with it) and a file may appear where there was none. Changes come in
// bursts (a temporary file, a rename, a backup), so they are reported once things have been quiet for a
// moment. The program's own saves are reported too: telling them apart is the session's stamp check.
class DatabaseWatcher : public QObject
{
    Q_OBJECT

public:
    static constexpr std::chrono::milliseconds kSettleTime{100};

    explicit DatabaseWatcher(QObject* parent = nullptr);

    // Watches path from now on, or nothing for an empty path. The same path again only picks up a file
    // or folder that has appeared since.
    void watch(const QString& path);
    [[nodiscard]] const QString& path() const { return m_path; }
    // Whether the file itself (not only its folder) is watched now.
    [[nodiscard]] bool watchesFile() const;

    // Runs from the last noticed change until changed() is emitted.
    [[nodiscard]] QTimer& settleTimer() { return m_settle; }

Q_SIGNALS:
    void changed();

private:
    void notice();
    void watchWhatIsThere();

    QFileSystemWatcher m_watcher;
    QString m_path;
    QTimer m_settle;
};

} // namespace tallyfox
