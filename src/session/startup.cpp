// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "session/startup.h"

#include "core/programversion.h"
#include "money/currencytable.h"
#include "money/currencyupgrade.h"
#include "platform/programfolders.h"
#include "platform/userfolders.h"
#include "session/defaultsupgrade.h"
#include "storage/databasefile.h"
#include "storage/defaultsfile.h"
#include "storage/inireader.h"
#include "storage/oldformat.h"
#include "storage/settingsload.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace tallyfox {

namespace {

bool isUsableFolderArgument(const ProgramArguments& arguments)
{
    return arguments.hasParameters && arguments.folderArgument.size() > 2 &&
           QFileInfo(arguments.folderArgument).isDir();
}

bool isUsableFileArgument(const ProgramArguments& arguments)
{
    if (!arguments.hasParameters || arguments.fileArgument.size() <= 2)
        return false;
    const QFileInfo file(arguments.fileArgument);
    const QString suffix = file.suffix().toLower();
    return file.isFile() && (suffix == u"tfx" || suffix == u"txt");
}

void chooseNewDatabase(Session& session, const StartupOptions& options)
{
    AppState& state = session.state();
    std::optional<QString> chosen;
    if (options.chooseNewDatabase)
        chosen = options.chooseNewDatabase(state.settingsFolder);
    state.databasePath = chosen ? *chosen : state.settingsFolder + QStringLiteral("TallyfoxData.tfx");
    session.logMessage(QStringLiteral("New file: ") + state.databasePath);
}

// Decides the database to use; true when the old-format file is to be converted into it.
bool chooseDatabasePath(Session& session, SettingsKeys& keys, const StartupOptions& options)
{
    AppState& state = session.state();
    if (options.databasePath) {
        state.databasePath = *options.databasePath;
        return false;
    }
    if (isUsableFileArgument(options.arguments)) {
        state.databasePath = QFileInfo(options.arguments.fileArgument).absoluteFilePath();
        return false;
    }
    if (const std::optional<QString> stored = readStoredDatabasePath(keys)) {
        state.databasePath = *stored;
    } else {
        const QString txt = state.settingsFolder + QStringLiteral("TallyfoxData.txt");
        state.databasePath =
            QFileInfo::exists(txt) ? txt : state.settingsFolder + QStringLiteral("TallyfoxData.tfx");
    }
    // A command that only reads makes no database; loading says it is missing.
    if (QFileInfo::exists(state.databasePath) || options.onlyReads)
        return false;
    const bool convert = QFileInfo::exists(oldDatabasePath(state));
    session.tell(
        QCoreApplication::translate("Startup", convert ? kOldFormatFoundMessage : kNoDatabaseMessage));
    chooseNewDatabase(session, options);
    return convert;
}

// The settings folder, its edit log and its defaults file, ready before the settings are read.
void prepareSettingsFolder(Session& session)
{
    AppState& state = session.state();
    FileResult folderMade;
    if (!QDir().mkpath(state.settingsFolder))
        folderMade = FileResult::writeFailure(
            FileError::FolderNotCreated, state.settingsFolder,
            QCoreApplication::translate("Problems", "The folder cannot be created."));
    const LogResult logMade = session.log().createLogIfMissing(state);
    const FileResult defaultsInstalled = installDefaultsFile(state);
    const CurrencyUpgradeResult upgrade = upgradeDefaultsCurrencies(state, session.log());
    // The user hears of the new rates first, then of whatever these steps could not do.
    if (upgrade.announce)
        session.tell(QCoreApplication::translate("Startup", kCurrencyRatesMessage));
    session.report(folderMade);
    session.report(logMade);
    session.report(defaultsInstalled);
    session.report(upgrade.result);
    session.report(upgrade.log);
}

void loadEntries(Session& session, bool convertOldFormat, const StartupOptions& options)
{
    AppState& state = session.state();
    const bool onlyReads = options.onlyReads;
    if (onlyReads && !QFileInfo::exists(state.databasePath)) {
        session.report(FileResult::readFailure(
            FileError::NotFound, state.databasePath,
            QCoreApplication::translate("Problems", "No such file, so there are no entries.")));
        return;
    }
    if (convertOldFormat) {
        const FileResult converted = convertOldDatabase(state, session.clock().now());
        if (!converted.ok()) {
            session.report(converted);
            // No empty database is made in its place, so the next start tries the conversion again.
            state.keepFileIfEmpty = true;
            return;
        }
        session.logMessage(QStringLiteral("Convert file: ") + oldDatabasePath(state) +
                           QStringLiteral(" to: ") + state.databasePath);
        return;
    }
    const FileResult read = session.database().load(options.readPurpose, options.entrySinks);
    if (!read.ok()) {
        session.report(read);
        // The file holds entries that could not be read, or something else than a database: no refresh
        // may write over it.
        state.keepFileIfEmpty = true;
        if (read.error() == FileError::UnknownContent)
            session.database().protectUnread(
                QCoreApplication::translate("Problems", kNotDatabaseKeptInMemory));
        else
            session.database().protectUnread();
    }
    if (!onlyReads)
        session.logMessage(QStringLiteral("Load file: ") + state.databasePath);
}

// The currency table for a command that only reads: from the defaults file, or the shipped one while
// there is none, a names-only section given its rates in memory.
void loadDefaultsToRead(Session& session)
{
    AppState& state = session.state();
    QString path = defaultsFilePath(state);
    if (!QFileInfo::exists(path))
        path = findShippedFile(state.programFolder, QString::fromUtf16(kShippedDefaultsFileName));
    QStringList lines;
    if (!path.isEmpty()) {
        const IniReader ini(path, state.locale);
        session.report(ini.loadResult());
        lines = ini.section(QString::fromUtf16(kCurrenciesSection)).lines();
    }
    if (const std::optional<CurrencySectionUpgrade> upgraded = upgradedCurrencySection(lines))
        lines = upgraded->lines;
    buildCurrencyTable(state, lines);
}

} // namespace

void loadDefaults(Session& session)
{
    const ReadResult<QStringList> currencies =
        readDefaultsSection(session.state(), QString::fromUtf16(kCurrenciesSection));
    session.report(currencies.result);
    buildCurrencyTable(session.state(), currencies.value);
}

void runStartup(Session& session, const StartupOptions& options)
{
    AppState& state = session.state();
    state.keepFileIfEmpty = false;
    state.programFolder = withTrailingSlash(options.programFolder);
    state.quickEntryOnStart = options.arguments.quickEntryOnStart;
    state.quickEntryOnly = options.arguments.quickEntryOnly;

    SettingsKeys keys = openSettingsKeys(state.settings, session.registry());
    session.report(keys.settingsKey.openFailure());

    if (readVersion(keys) < kProgramVersionNumber && !options.onlyReads) {
        session.tell(
            QCoreApplication::translate("Startup", kWelcomeMessage).arg(QStringLiteral(TALLYFOX_VERSION)));
        writeVersion(keys, kProgramVersionNumber);
    }

    const QString folder = isUsableFolderArgument(options.arguments)
                               ? QFileInfo(options.arguments.folderArgument).absoluteFilePath()
                               : readDataLocation(keys, defaultSettingsFolder());
    state.settingsFolder = withTrailingSlash(QDir::cleanPath(folder));
    if (!options.onlyReads)
        prepareSettingsFolder(session);
    readMainSettings(keys, state.settings);

    const bool convertOldFormat = chooseDatabasePath(session, keys, options);
    readColumnSettings(keys, state.settings);
    session.rememberStoredSettings(StoredSettings::readFrom(keys.settingsKey, keys.columnsKey));
    session.report(closeSettingsKeys(keys));

    if (options.onlyReads)
        loadDefaultsToRead(session);
    else
        loadDefaults(session);
    loadEntries(session, convertOldFormat, options);
    // The defaults file is read for the upgrade and again for the table: one failure, told once.
    session.problems().removeRepeated();
}

} // namespace tallyfox
