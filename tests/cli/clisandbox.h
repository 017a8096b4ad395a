// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include "support/testenvironment.h"

#include <QByteArray>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <optional>

namespace tallyfox::test {

struct CliRun
{
    int exitCode = -1;
    QByteArray out;
    QByteArray err;

    // The lines of standard error, without their line ends.
    [[nodiscard]] QList<QByteArray> errLines() const;
};

// A user's world for one test of tallyfox-cli: a home, configuration and data folder, a registry file,
// a pinned clock and locale, all inside a temporary folder. The real executable runs in it.
class CliSandbox
{
public:
    CliSandbox();

    [[nodiscard]] CliRun run(const QStringList& arguments) const;

    // The environment the runs get; a test may change it.
    QProcessEnvironment environment;
    // Standard output goes to this file when set.
    QString outputFile;
    QString workingFolder;

    [[nodiscard]] QString file(const QString& name) const { return m_folder.file(name); }
    [[nodiscard]] QString registryFile() const { return file(QStringLiteral("registry.reg")); }
    // The program's default settings folder, $XDG_DATA_HOME/tallyfox/.
    [[nodiscard]] QString settingsFolder() const { return file(QStringLiteral("data/tallyfox/")); }
    [[nodiscard]] QString defaultDatabase() const
    {
        return settingsFolder() + QStringLiteral("TallyfoxData.tfx");
    }

    // The text of the registry file, and one value of it as written there ("EUR" with its quotes,
    // dword:00000001), or nothing when it is not there.
    [[nodiscard]] QString registryText() const;
    [[nodiscard]] std::optional<QString> registryValue(const QString& name) const;
    // Seeds the registry with values of the settings key, one "Name"=value a line.
    void writeRegistry(const QStringList& settingsValues) const;

    // Writes a defaults file with the currencies given into the settings folder, before the first run.
    void writeDefaults(const QByteArray& currencySection) const;

private:
    TempFolder m_folder;
};

// A file of tests/data/cli with the temporary folder in it written as @FOLDER@.
[[nodiscard]] QByteArray expectedOutput(const QString& name);
[[nodiscard]] QByteArray withFolderMarked(QByteArray bytes, const QString& folder);

} // namespace tallyfox::test
