// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "app/programinfo.h"
#include "app/programoptions.h"
#include "app/translations.h"
#include "core/appstate.h"
#include "platform/clock.h"
#include "platform/filelock.h"
#include "platform/programfolders.h"
#include "platform/programinstance.h"
#include "platform/registry.h"
#include "session/session.h"
#include "session/startup.h"
#include "toolkit/accessiblepaintbox.h"
#include "toolkit/programstyle.h"
#include "toolkit/qtprompts.h"
#include "toolkit/screenfit.h"
#include "toolkit/singleinstance.h"
#include "ui/forms.h"
#include "ui/mainwindow/windowplacement.h"

#include <QApplication>
#include <QIcon>
#include <QLocale>
#include <QScreen>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <vector>

namespace {

QStringList argumentsOf(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

// What fits the primary screen, measured by an application of its own that is gone before the real one
// starts: Qt reads its scale factor only once, when the first application starts.
double fittingScale(int argc, char* argv[])
{
    // The probe takes the options it knows out of its copy; the real application needs them too.
    int probeArgc = argc;
    std::vector<char*> probeArgv(argv, argv + argc + 1);
    QGuiApplication probe(probeArgc, probeArgv.data());
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return tallyfox::screenfit::kMinimumScale;
    return tallyfox::screenfit::fittingScale(screen->geometry().size(), screen->availableGeometry().size());
}

// The scale: the command line's, else the registry's "Scale" of the display key, else what fits the screen.
// A QT_SCALE_FACTOR of the user's own is left as it is.
void chooseScale(const tallyfox::ProgramOptions& options, tallyfox::Registry& registry, int argc,
                 char* argv[])
{
    if (qEnvironmentVariableIsSet("QT_SCALE_FACTOR") && !options.scale)
        return;
    double scale = 0;
    if (options.scale) {
        scale = *options.scale;
    } else {
        // Only read, so the key needs no closing.
        const tallyfox::RegistryKey display = registry.open(QStringLiteral("Software\\Tallyfox\\Display"));
        bool ok = false;
        if (const auto value = display.value(u"Scale");
            value && value->kind == tallyfox::RegistryValueKind::Text)
            scale = value->text.toDouble(&ok);
        if (!ok)
            scale = fittingScale(argc, argv);
    }
    qputenv("QT_SCALE_FACTOR", QByteArray::number(tallyfox::screenfit::boundedScale(scale)));
}

// Exit code 1 when the text could not be written, as when standard output is a full disk.
int printInfo(const QString& text)
{
    const QByteArray bytes = text.toLocal8Bit();
    const bool written =
        std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout) == size_t(bytes.size());
    return written && std::fflush(stdout) == 0 ? 0 : 1;
}

} // namespace

int main(int argc, char* argv[])
{
    // Past a file size limit a write then fails with "File too large", which is shown and leaves the old
    // file whole, instead of the signal ending the program and its unsaved changes without a word.
    std::signal(SIGXFSZ, SIG_IGN);
    // Read before the application takes its own options (such as -style) out of argv.
    const QStringList arguments = argumentsOf(argc, argv);
    const tallyfox::ProgramOptions options = tallyfox::parseProgramOptions(arguments);
    // Printed before any display, registry or settings file is touched, so it works anywhere.
    if (options.info)
        return printInfo(tallyfox::programInfoText(*options.info));
    if (const std::optional<QString> problem = tallyfox::Clock::environmentProblem()) {
        std::fprintf(stderr, "%s\n", qPrintable(*problem));
        return 2;
    }
    tallyfox::Registry registry(tallyfox::registryFilePath());
    chooseScale(options, registry, argc, argv);

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tallyfox"));
    QApplication::setApplicationVersion(QStringLiteral(TALLYFOX_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("io.github.tallyfox.Tallyfox"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/tallyfox.svg")));
    // The user's -style or QT_STYLE_OVERRIDE keeps its style; Fusion where the user chose none.
    tallyfox::ProgramStyle::install(
        tallyfox::ProgramStyle::chosenStyle(arguments, qEnvironmentVariable("QT_STYLE_OVERRIDE")));
    // Before any form exists: a control's interface, once made, is kept for its life.
    tallyfox::installPaintBoxAccessibility();
    // The window speaks the user's language (LANGUAGE, LC_ALL, LC_MESSAGES, LANG); what it writes to files
    // stays as it is in any language.
    tallyfox::installTranslations(app, QLocale::system().uiLanguages(),
                                  QString::fromUtf16(tallyfox::kProgramCatalogueFolder));

    // Held until the process ends; the kernel lets go of it however the process ends.
    tallyfox::FileLock instanceLock(registry.filePath(), tallyfox::LockPurpose::Instance);
    tallyfox::SingleInstance instance(tallyfox::programInstanceKey(registry.filePath()), [&instanceLock] {
        // Without a lock file to hold (no writable runtime folder) the window runs rather than never.
        return instanceLock.lock(std::chrono::milliseconds(0)) || instanceLock.lastError() != EWOULDBLOCK;
    });
    if (!instance.start())
        return 0;

    tallyfox::AppState state(QLocale::system());
    tallyfox::Session session(state, tallyfox::Clock::fromEnvironment(), registry);
    tallyfox::QtPrompts prompts;
    tallyfox::Forms forms(session, prompts);
    tallyfox::MainForm& mainForm = forms.main();
    QObject::connect(&instance, &tallyfox::SingleInstance::activationRequested, &mainForm,
                     &tallyfox::MainForm::bringToFront);

    tallyfox::StartupOptions startup;
    startup.arguments = tallyfox::parseProgramArguments(options.parameters);
    startup.programFolder = tallyfox::programFolder();
    tallyfox::windowplacement::show(mainForm, registry);
    mainForm.writeInBackground();
    mainForm.initialise(startup);
    app.exec();
    if (const tallyfox::FileResult saved = tallyfox::windowplacement::save(mainForm, registry); !saved.ok())
        prompts.message(nullptr, saved.message());
    return 0;
}
