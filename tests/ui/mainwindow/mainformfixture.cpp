// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "mainwindow/mainformfixture.h"

#include "support/controls.h"
#include "toolkit/programstyle.h"

#include <QDir>
#include <QFile>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace tallyfox::test {

MainFormFixture::~MainFormFixture()
{
    close();
}

MainFormFixture::MainFormFixture()
    : registryFile(folder.file(QStringLiteral("registry.reg"))),
      programFolder(folder.file(QStringLiteral("bin/")))
{
    // The program's look, as the program sets it.
    ProgramStyle::install();
    QDir().mkpath(programFolder);
    QDir().mkpath(settingsFolder());
    QFile::copy(qEnvironmentVariable("TALLYFOX_BIN_DIR") + QStringLiteral("/TallyfoxDefaultsOriginal.ini"),
                programFolder + QStringLiteral("TallyfoxDefaultsOriginal.ini"));
    // The settings folder of every run unless a test says otherwise.
    writeFileBytes(registryFile, "[HKEY_LOCAL_MACHINE\\Software\\Tallyfox]\r\n\"DataLocation\"=\"" +
                                     settingsFolder().toUtf8() + "\"\r\n");
}

MainForm& MainFormFixture::start(const QStringList& parameters)
{
    form = nullptr;
    forms.reset();
    session.reset();
    state = std::make_unique<AppState>(pinnedLocale());
    session =
        std::make_unique<Session>(*state, Clock(QDateTime(QDate(2010, 1, 3), QTime(12, 30, 45))), registry);
    forms = std::make_unique<Forms>(*session, prompts);
    form = &forms->main();
    StartupOptions options;
    options.arguments = parseProgramArguments(parameters);
    options.programFolder = programFolder;
    form->show();
    form->initialise(options);
    return *form;
}

void MainFormFixture::close()
{
    // TALLYFOX_SCREENSHOTS=folder keeps a picture of each window as the test left it.
    const QString screenshots = qEnvironmentVariable("TALLYFOX_SCREENSHOTS");
    if (form && !screenshots.isEmpty()) {
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        form->grab().save(
            QStringLiteral("%1/%2.png").arg(screenshots, QString::fromLatin1(test ? test->name() : "form")));
    }
    if (form)
        form->close();
    form = nullptr;
    forms.reset();
}

void MainFormFixture::runStartupTick()
{
    QTimer& tick = *test::control<QTimer>(*form, "startupTimer");
    ASSERT_TRUE(tick.isActive());
    tick.start(0);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !tick.isActive(); }));
}

QString MainFormFixture::registryText() const
{
    return QString::fromUtf8(readFileBytes(registryFile));
}

QString MainFormFixture::logText() const
{
    return QString::fromUtf8(readFileBytes(settingsFolder() + QStringLiteral("Tallyfox.log")));
}

} // namespace tallyfox::test
