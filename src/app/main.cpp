#include "app/programoptions.h"
#include "core/appstate.h"
#include "platform/clock.h"
#include "platform/programfolders.h"
#include "platform/programinstance.h"
#include "platform/registry.h"
#include "session/session.h"
#include "session/startup.h"
#include "toolkit/qtprompts.h"
#include "toolkit/singleinstance.h"
#include "toolkit/uiscale.h"
#include "ui/forms.h"

#include <QApplication>
#include <QLocale>
#include <QScreen>

namespace {

// The scale: the command line's, else the registry's "Scale" of the display key, else what fits the screen.
tallyfox::UiScale chooseScale(const tallyfox::ProgramOptions& options, tallyfox::Registry& registry)
{
    if (options.scale)
        return tallyfox::UiScale(*options.scale);
    // Only read, so the key needs no closing.
    const tallyfox::RegistryKey display = registry.open(QStringLiteral("Software\\Tallyfox\\Display"));
    if (const auto value = display.value(u"Scale");
        value && value->kind == tallyfox::RegistryValueKind::Text) {
        bool ok = false;
        const double scale = value->text.toDouble(&ok);
        if (ok)
            return tallyfox::UiScale(scale);
    }
    return tallyfox::UiScale::fitting(QGuiApplication::primaryScreen());
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tallyfox"));
    QApplication::setApplicationVersion(QStringLiteral(TALLYFOX_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("tallyfox"));

    tallyfox::Registry registry(tallyfox::registryFilePath());
    const QString instanceKey = tallyfox::programInstanceKey(registry.filePath());
    tallyfox::SingleInstance instance(instanceKey, tallyfox::programInstanceLockPath(instanceKey));
    if (!instance.start())
        return 0;

    const tallyfox::ProgramOptions options = tallyfox::parseProgramOptions(QApplication::arguments().mid(1));
    const tallyfox::UiScale scale = chooseScale(options, registry);

    tallyfox::AppState state(QLocale::system());
    tallyfox::Session session(state, tallyfox::Clock::fromEnvironment(), registry);
    tallyfox::QtPrompts prompts;
    tallyfox::Forms forms(session, prompts, scale);
    tallyfox::MainForm& mainForm = forms.main();
    QObject::connect(&instance, &tallyfox::SingleInstance::activationRequested, &mainForm,
                     &tallyfox::MainForm::bringToFront);

    tallyfox::StartupOptions startup;
    startup.arguments = tallyfox::parseProgramArguments(options.parameters);
    startup.programFolder = tallyfox::programFolder();
    mainForm.show();
    mainForm.initialise(startup);
    app.exec();
    return 0;
}
