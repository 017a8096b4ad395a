// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "benchprogram.h"

#include "benchfiles.h"
#include "platform/clock.h"
#include "toolkit/programstyle.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTimer>
#include <benchmark/benchmark.h>

namespace tallyfox::bench {

BenchProgram::BenchProgram(const QString& name, int entries)
{
    static int serial = 0;
    BenchFiles& files = BenchFiles::instance();
    folder = files.scratchPath(QStringLiteral("%1-%2").arg(name).arg(++serial));
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
    state = std::make_unique<AppState>(QLocale(QLocale::English, QLocale::UnitedStates));
    session = std::make_unique<Session>(*state, Clock(QDateTime(QDate(2024, 6, 1), QTime(12, 0))), *registry);
}

StartupOptions BenchProgram::startupOptions() const
{
    StartupOptions options;
    options.arguments = parseProgramArguments({QStringLiteral("-f"), database});
    options.programFolder = folder;
    return options;
}

BenchForms::BenchForms(const QString& name, int entries, const QByteArray& defaults) : program(name, entries)
{
    if (!defaults.isEmpty()) {
        QFile file(program.folder + QStringLiteral("/TallyfoxDefaults.ini"));
        if (file.open(QIODevice::WriteOnly))
            file.write(defaults);
    }
    forms = std::make_unique<Forms>(*program.session, program.prompts);
    forms->main().show();
    forms->main().initialise(program.startupOptions());
    QApplication::processEvents();
}

void BenchForms::whileOpen(QWidget& form, const std::function<void()>& open,
                           const std::function<void()>& work)
{
    QTimer::singleShot(0, &form, work);
    open();
}

int runWidgetBenchmarks(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ProgramStyle::install();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

} // namespace tallyfox::bench
