// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include "core/appstate.h"
#include "platform/registry.h"
#include "session/session.h"
#include "session/startup.h"
#include "toolkit/scriptedprompts.h"
#include "ui/forms.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QString>
#include <functional>
#include <memory>

namespace tallyfox::bench {

// A defaults file with the generated entries' currencies, so that every amount converts and the overview's
// currency choice has them all.
inline const QByteArray kGeneratedCurrencies =
    "[Currencies]\r\nEUR=Primary\r\nUS$=1.09\r\nGBP=0.855\r\nCHF=0.955\r\n"
    "SEK=11.45\r\nNOK=11.6\r\nDKK=7.46\r\nPLN=4.32\r\nJPY=161\r\n";

// A manual-time benchmark's iteration time.
[[nodiscard]] inline double seconds(const QElapsedTimer& clock)
{
    return static_cast<double>(clock.nsecsElapsed()) / 1e9;
}

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

// The program's forms over a BenchProgram, started and shown as the program starts them. defaults, when
// given, becomes the settings folder's defaults file (the lists and the currency table).
struct BenchForms
{
    BenchForms(const QString& name, int entries, const QByteArray& defaults = {});

    // Opens a modal form with open, runs work once it is on screen, and returns when it has closed; work
    // must close the form.
    static void whileOpen(QWidget& form, const std::function<void()>& open,
                          const std::function<void()>& work);

    BenchProgram program;
    std::unique_ptr<Forms> forms;
};

// The main of a benchmark program over widgets: offscreen, with the program's face and style.
int runWidgetBenchmarks(int argc, char** argv);

} // namespace tallyfox::bench
