// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include "core/appstate.h"
#include "platform/clock.h"
#include "platform/registry.h"
#include "session/session.h"
#include "session/startup.h"
#include "support/testenvironment.h"
#include "toolkit/scriptedprompts.h"
#include "ui/forms.h"
#include "ui/mainwindow/mainform.h"

#include <memory>

namespace tallyfox::test {

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
    // Runs the start-up tick, due a second after start-up, at once: it shows the start-up messages.
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
