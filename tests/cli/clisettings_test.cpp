// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

// A window that runs while tallyfox-cli stores settings keeps them when it saves its own at exit.
#include "clisandbox.h"
#include "core/appstate.h"
#include "platform/clock.h"
#include "platform/registry.h"
#include "session/session.h"
#include "session/startup.h"

#include <gtest/gtest.h>

namespace tallyfox {
namespace {

TEST(CliWhileTheProgramRuns, TheProgramsSaveKeepsTheSettingsTheToolStored)
{
    test::CliSandbox sandbox;
    const auto add = [&sandbox](const QString& type, const QString& currency) {
        return sandbox
            .run({QStringLiteral("add"), QStringLiteral("--receipt"), QStringLiteral("--type"), type,
                  QStringLiteral("--amount"), QStringLiteral("3"), QStringLiteral("--currency"), currency})
            .exitCode;
    };
    ASSERT_EQ(add(QStringLiteral("Taxi"), QStringLiteral("EUR")), 0);

    // The window starts on what the tool stored...
    AppState state(test::pinnedLocale());
    Registry registry(sandbox.registryFile());
    Session window(state, Clock(QDateTime(QDate(2010, 2, 15), QTime(9, 8, 7))), registry);
    StartupOptions options;
    options.programFolder = qEnvironmentVariable("TALLYFOX_BIN_DIR");
    runStartup(window, options);
    ASSERT_EQ(state.settings.nextReceiptNumber, 2);

    // ...the tool stores two receipts in another currency while it runs...
    ASSERT_EQ(add(QStringLiteral("Bus"), QStringLiteral("USD")), 0);
    ASSERT_EQ(add(QStringLiteral("Tram"), QStringLiteral("USD")), 0);

    // ...and the window, which took one receipt number itself and changed the sorting, closes.
    state.settings.nextReceiptNumber = 3;
    state.settings.autoSort = true;
    EXPECT_EQ(window.takeMessages(), QStringList()) << "start-up had nothing to tell";
    window.saveSettings();
    EXPECT_EQ(window.takeMessages(), QStringList());

    EXPECT_EQ(sandbox.registryValue(QStringLiteral("Lastusedcurrency")), QStringLiteral("\"USD\""));
    EXPECT_EQ(sandbox.registryValue(QStringLiteral("NextReceiptNum")), QStringLiteral("dword:00000004"));
    EXPECT_EQ(sandbox.registryValue(QStringLiteral("AutoSort")), QStringLiteral("dword:00000001"));
    EXPECT_EQ(state.settings.nextReceiptNumber, 4) << "the next receipt follows the tool's";
}

} // namespace
} // namespace tallyfox
