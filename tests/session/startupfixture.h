// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include "session/startup.h"
#include "sessionfixture.h"

#include <QDir>
#include <QString>
#include <QStringList>
#include <optional>

namespace tallyfox::test {

// A windowless start-up: its own data home (the default settings folder lies in it), program folder,
// registry file and database chooser, which records the folders it was asked with.
class StartupTest : public SessionTest
{
protected:
    StartupTest()
    {
        options.programFolder = programFolder.path() + u'/';
        options.chooseNewDatabase = [this](const QString& settingsFolder) {
            chooserFolders << settingsFolder;
            return chooserAnswer;
        };
        // Start-up fills these; the test's own values must not decide anything.
        state.settingsFolder.clear();
        state.databasePath.clear();
    }

    // Start-up as the program runs it, then the first refresh. What start-up told goes to
    // startupMessages; any problem of the refresh is returned.
    QStringList start(const QStringList& parameters = {})
    {
        options.arguments = parseProgramArguments(parameters);
        runStartup(session, options);
        startupMessages = session.takeMessages();
        session.refreshList(false);
        return session.takeMessages();
    }

    [[nodiscard]] QString defaultFolder() const { return dataHome.path() + QStringLiteral("/tallyfox/"); }

    // A settings folder of the test's own, stored as DataLocation with the current version.
    QString seedSettingsFolder(const QByteArray& moreValues = {})
    {
        const QString settings = folder.path() + QStringLiteral("/settings/");
        QDir().mkpath(settings);
        seedRegistry("\"Version\"=dword:000003b9\r\n\"DataLocation\"=\"" + settings.toUtf8() + "\"\r\n" +
                     moreValues);
        return settings;
    }

    // Places an empty database file (header only) at path.
    static void placeDatabase(const QString& path) { writeFileBytes(path, databaseBytes(ExpenseArray())); }

    [[nodiscard]] static QString welcome()
    {
        return QString::fromUtf8(kWelcomeMessage).arg(QStringLiteral(TALLYFOX_VERSION));
    }
    [[nodiscard]] static QString noDatabase() { return QString::fromUtf8(kNoDatabaseMessage); }
    [[nodiscard]] static QString oldFormatFound() { return QString::fromUtf8(kOldFormatFoundMessage); }

    TempFolder dataHome;
    ScopedEnvironment dataHomeVariable{"XDG_DATA_HOME", dataHome.path()};
    TempFolder programFolder;
    StartupOptions options;
    std::optional<QString> chooserAnswer;
    QStringList chooserFolders;
    QStringList startupMessages;
};

} // namespace tallyfox::test
