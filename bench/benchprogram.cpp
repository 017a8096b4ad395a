#include "benchprogram.h"

#include "benchfiles.h"
#include "platform/clock.h"
#include "session/startup.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTimer>

namespace tallyfox::bench {

namespace {

int s_serial = 0;

} // namespace

BenchProgram::BenchProgram(int entries, const QByteArray& defaults)
{
    BenchFiles& files = BenchFiles::instance();
    folder = files.scratchPath(QStringLiteral("program-%1").arg(++s_serial));
    QDir().mkpath(folder);
    database = folder + QStringLiteral("/data.tfx");
    QFile::remove(database);
    QFile::copy(files.databasePath(entries), database);
    registry = std::make_unique<Registry>(folder + QStringLiteral("/registry.reg"));
    QFile seed(registry->filePath());
    seed.open(QIODevice::WriteOnly);
    seed.write(
        "[HKEY_LOCAL_MACHINE\\Software\\Tallyfox]\r\n\"Version\"=dword:000003b9\r\n\"DataLocation\"=\"" +
        folder.toUtf8() + "/\"\r\n");
    seed.close();
    if (!defaults.isEmpty()) {
        QFile file(folder + QStringLiteral("/TallyfoxDefaults.ini"));
        file.open(QIODevice::WriteOnly);
        file.write(defaults);
    }
    state = std::make_unique<AppState>(QLocale(QLocale::English, QLocale::UnitedStates));
    session = std::make_unique<Session>(*state, Clock(QDateTime(QDate(2024, 6, 1), QTime(12, 0))), *registry);
    forms = std::make_unique<Forms>(*session, prompts);
    StartupOptions options;
    options.arguments = parseProgramArguments({QStringLiteral("-f"), database});
    options.programFolder = folder;
    forms->main().show();
    forms->main().initialise(options);
    QApplication::processEvents();
}

void BenchProgram::whileOpen(QWidget& form, const std::function<void()>& open,
                             const std::function<void()>& work)
{
    QTimer::singleShot(0, &form, work);
    open();
}

} // namespace tallyfox::bench
