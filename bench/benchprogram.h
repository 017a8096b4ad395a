#pragma once

#include "core/appstate.h"
#include "platform/registry.h"
#include "session/session.h"
#include "toolkit/scriptedprompts.h"
#include "ui/forms.h"

#include <QString>
#include <functional>
#include <memory>

namespace tallyfox::bench {

// The program's forms over a private copy of a generated database, with their own registry and
// settings folder, started and shown as the program starts them.
struct BenchProgram
{
    // defaults, when given, is the settings folder's defaults file (the lists and the currency table).
    explicit BenchProgram(int entries, const QByteArray& defaults = {});

    // Opens a modal form with open, runs work once it is on screen, and returns when it has closed;
    // work must close the form.
    static void whileOpen(QWidget& form, const std::function<void()>& open,
                          const std::function<void()>& work);

    QString folder;
    QString database;
    ScriptedPrompts prompts;
    std::unique_ptr<Registry> registry;
    std::unique_ptr<AppState> state;
    std::unique_ptr<Session> session;
    std::unique_ptr<Forms> forms;
};

} // namespace tallyfox::bench
