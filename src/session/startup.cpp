#include "session/startup.h"

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
    state.StartupMessages << message;
}

// Failures join the start-up messages in the order the steps met them. A file that fails two steps
// (the defaults file is read for the upgrade and again for the table) is reported once.
void queueProblems(Session& session)
{
    AppState& state = session.state();
    for (const QString& problem : session.takeProblems()) {
        if (!state.StartupMessages.contains(problem))
            queue(state, problem);
    }
}

void chooseNewDatabase(Session& session, const StartupOptions& options)
{
    AppState& state = session.state();
    std::optional<QString> chosen;
    if (options.chooseNewDatabase)
        chosen = options.chooseNewDatabase(state.SettingsFolder);
    state.DatabasePath = chosen ? *chosen : state.SettingsFolder + QStringLiteral("TallyfoxData.tfx");
    session.logMessage(QStringLiteral("New file: ") + state.DatabasePath);
}

// Decides the database to use; true when the old-format file is to be converted into it.
bool chooseDatabasePath(Session& session, SettingsKeys& keys, const StartupOptions& options)
{
    AppState& state = session.state();
    if (options.databasePath) {
        state.DatabasePath = *options.databasePath;
        return false;
    }
    if (isUsableFileArgument(options.arguments)) {
        state.DatabasePath = QFileInfo(options.arguments.fileArgument).absoluteFilePath();
        return false;
    }
    if (const std::optional<QString> stored = ReadDatabase(keys)) {
        state.DatabasePath = *stored;
    } else {
        const QString txt = state.SettingsFolder + QStringLiteral("TallyfoxData.txt");
        state.DatabasePath =
            QFileInfo::exists(txt) ? txt : state.SettingsFolder + QStringLiteral("TallyfoxData.tfx");
    }
    if (QFileInfo::exists(state.DatabasePath))
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
    TIniFile defaults(defaultsFilePath(state), state.Locale);
    if (!defaults.loadResult().ok()) {
        session.report(defaults.loadResult());
        return;
    }
    const CurrencyUpgradeResult upgrade = UpgradeCurrencySection(defaults, state, session.log());
    session.report(upgrade.result);
    session.report(upgrade.log);
}

void loadEntries(Session& session, bool convertOldFormat)
{
    AppState& state = session.state();
    if (convertOldFormat) {
        const FileResult converted = ConvertOldDatabase(state, session.clock().now());
        if (!converted.ok()) {
            session.report(converted);
            // No empty database is made in its place, so the next start tries the conversion again.
            state.KeepFileIfEmpty = true;
            return;
        }
        session.logMessage(QStringLiteral("Convert file: ") + oldDatabasePath(state) +
                           QStringLiteral(" to: ") + state.DatabasePath);
        return;
    }
    const FileResult read = ReadDatabase(state);
    if (!read.ok()) {
        session.report(read);
        // The file holds entries that could not be read: no refresh may write over it.
        state.KeepFileIfEmpty = true;
        session.protectUnreadDatabase();
    }
    session.logMessage(QStringLiteral("Load file: ") + state.DatabasePath);
}

} // namespace

void LoadDefaults(Session& session)
{
    QStringList lines;
    session.report(ReadDefaultsSection(session.state(), QString::fromUtf16(kCurrenciesSection), lines));
    BuildCurrencyTable(session.state(), lines);
}

void runStartup(Session& session, const StartupOptions& options)
{
    AppState& state = session.state();
    state.StartupMessages.clear();
    state.KeepFileIfEmpty = false;
    state.ProgramFolder = withTrailingSlash(options.programFolder);
    state.QuickEntryOnStart = options.arguments.quickEntryOnStart;
    state.QuickEntryOnly = options.arguments.quickEntryOnly;

    SettingsKeys keys = OpenSettingsKeys(state.settings, session.registryFile());
    session.report(keys.settingsKey.openFailure());
    queueProblems(session);

    if (ReadVersion(keys) < kCurrentVersion) {
        queue(state, QString::fromUtf16(kWelcomeMessage));
        WriteVersion(keys, kCurrentVersion);
    }

    const QString folder = isUsableFolderArgument(options.arguments)
                               ? QFileInfo(options.arguments.folderArgument).absoluteFilePath()
                               : ReadDataLocation(keys, defaultSettingsFolder());
    state.SettingsFolder = withTrailingSlash(QDir::cleanPath(folder));
    if (!QDir().mkpath(state.SettingsFolder))
        session.report(
            FileResult::writeFailure(state.SettingsFolder, QStringLiteral("The folder cannot be created.")));

    session.report(session.log().CreateLogIfMissing(state));
    session.report(InstallDefaultsFile(state));
    upgradeCurrencies(session);
    queueProblems(session);
    ReadMainSettings(keys, state.settings);

    const bool convertOldFormat = chooseDatabasePath(session, keys, options);
    ReadColumnSettings(keys, state.settings);
    session.report(CloseSettingsKeys(keys));

    LoadDefaults(session);
    loadEntries(session, convertOldFormat);
    queueProblems(session);
}

} // namespace tallyfox
