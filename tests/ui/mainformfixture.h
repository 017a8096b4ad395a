#pragma once

#include "core/appstate.h"
#include "platform/clock.h"
#include "platform/registry.h"
#include "session/session.h"
#include "session/startup.h"
#include "support/testenvironment.h"
#include "toolkit/scriptedprompts.h"
#include "ui/forms.h"
#include "ui/mainform.h"

#include <functional>
#include <memory>

namespace tallyfox::test {

// Processes events until the condition holds; false when the time runs out first.
bool waitUntil(const std::function<bool()>& condition, int milliseconds);

// The program's forms in fresh folders: their own registry file, settings folder and program folder with
// the shipped defaults file, a pinned clock and locale, and scripted prompts.
class MainFormFixture
{
public:
    MainFormFixture();
    ~MainFormFixture();

    // Builds the forms and runs the main window's start-up with these program switches.
    MainForm& start(const QStringList& parameters = {});
    // Closes the window (storing the settings) and forgets it.
    void close();
    // Lets the one-second start-up tick show its messages.
    void runStartupTick();

    [[nodiscard]] QString settingsFolder() const { return folder.file(QStringLiteral("settings/")); }
    [[nodiscard]] QString registryText() const;
    [[nodiscard]] QString logText() const;

    TempFolder folder;
    QString registryFile;
    Registry registry{registryFile};
    QString programFolder;
    ScriptedPrompts prompts;
    std::unique_ptr<AppState> state;
    std::unique_ptr<Session> session;
    std::unique_ptr<Forms> forms;
    // The main window of forms.
    MainForm* form = nullptr;
};

} // namespace tallyfox::test
