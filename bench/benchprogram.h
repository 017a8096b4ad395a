#pragma once

#include "core/appstate.h"
#include "platform/registry.h"
#include "session/session.h"
#include "session/startup.h"
#include "toolkit/scriptedprompts.h"

#include <QString>
#include <memory>

namespace tallyfox::bench {

// What a window of the program needs around it: a private copy of the generated database with this many
// entries, a registry of its own that points the settings folder beside it, a pinned clock and locale,
// and scripted prompts.
struct BenchProgram
{
    BenchProgram(const QString& name, int entries);

    // The switches and folders that open the copy of the database.
    [[nodiscard]] StartupOptions startupOptions() const;

    QString folder;
    QString database;
    ScriptedPrompts prompts;
    std::unique_ptr<Registry> registry;
    std::unique_ptr<AppState> state;
    std::unique_ptr<Session> session;
};

// The main of a benchmark program over widgets: offscreen, with the program's face and style.
int runWidgetBenchmarks(int argc, char** argv);

} // namespace tallyfox::bench
