#include "session/startup.h"

#include "core/programversion.h"
#include "money/currencytable.h"
#include "money/currencyupgrade.h"
#include "platform/userfolders.h"
#include "storage/databasefile.h"
#include "storage/defaultsfile.h"
#include "storage/inifile.h"
#include "storage/oldformat.h"
#include "storage/settingsload.h"

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

void queue(AppState& state, const QString& message)
{
    state.startupMessages << message;
}

// Failures join the start-up messages in the order the steps met them. A file that fails two steps
// (the defaults file is read for the upgrade and again for the table) is reported once.
void queueProblems(Session& session)
{
    AppState& state = session.state();
    for (const QString& problem : session.takeProblems()) {
        if (!state.startupMessages.contains(problem))
            queue(state, problem);
    }
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
    if (QFileInfo::exists(state.databasePath))
        return false;
    const bool convert = QFileInfo::exists(oldDatabasePath(state));
    queueProblems(session);
    queue(state, QString::fromUtf16(convert ? kOldFormatFoundMessage : kNoDatabaseMessage));
    chooseNewDatabase(session, options);
    return convert;
}

void upgradeCurrencies(Session& session)
{
    AppState& state = session.state();
    IniFile defaults(defaultsFilePath(state), state.locale);
    if (!defaults.loadResult().ok()) {
        session.report(defaults.loadResult());
        return;
    }
    const CurrencyUpgradeResult upgrade = upgradeCurrencySection(defaults, state, session.log());
    session.report(upgrade.result);
    session.report(upgrade.log);
}

void loadEntries(Session& session, bool convertOldFormat)
{
    AppState& state = session.state();
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
    const FileResult read = readDatabaseFile(state);
    if (!read.ok()) {
        session.report(read);
        // The file holds entries that could not be read: no refresh may write over it.
        state.keepFileIfEmpty = true;
        session.protectUnreadDatabase();
    }
    session.logMessage(QStringLiteral("Load file: ") + state.databasePath);
}

} // namespace

void loadDefaults(Session& session)
{
    QStringList lines;
    session.report(readDefaultsSection(session.state(), QString::fromUtf16(kCurrenciesSection), lines));
    buildCurrencyTable(session.state(), lines);
}

void runStartup(Session& session, const StartupOptions& options)
{
    AppState& state = session.state();
    state.startupMessages.clear();
    state.keepFileIfEmpty = false;
    state.programFolder = withTrailingSlash(options.programFolder);
    state.quickEntryOnStart = options.arguments.quickEntryOnStart;
    state.quickEntryOnly = options.arguments.quickEntryOnly;

    SettingsKeys keys = openSettingsKeys(state.settings, session.registryFile());
    session.report(keys.settingsKey.openFailure());
    queueProblems(session);

    if (readVersion(keys) < kProgramVersionNumber) {
        queue(state, QString::fromUtf16(kWelcomeMessage));
        writeVersion(keys, kProgramVersionNumber);
    }

    const QString folder = isUsableFolderArgument(options.arguments)
                               ? QFileInfo(options.arguments.folderArgument).absoluteFilePath()
                               : readDataLocation(keys, defaultSettingsFolder());
    state.settingsFolder = withTrailingSlash(QDir::cleanPath(folder));
    if (!QDir().mkpath(state.settingsFolder))
        session.report(
            FileResult::writeFailure(state.settingsFolder, QStringLiteral("The folder cannot be created.")));

    session.report(session.log().createLogIfMissing(state));
    session.report(installDefaultsFile(state));
    upgradeCurrencies(session);
    queueProblems(session);
    readMainSettings(keys, state.settings);

    const bool convertOldFormat = chooseDatabasePath(session, keys, options);
    readColumnSettings(keys, state.settings);
    session.report(closeSettingsKeys(keys));

    loadDefaults(session);
    loadEntries(session, convertOldFormat);
    queueProblems(session);
}

} // namespace tallyfox
