// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

// Every test program runs in a sandbox of its own: a temporary home, configuration and data folder,
// registry file, a pinned clock and a pinned locale, so that nothing touches the user's real files.
#include <QCoreApplication>
#ifdef TALLYFOX_TEST_WIDGETS
#include <QApplication>
#endif
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>
#include <ctime>
#include <gtest/gtest.h>
#include <utility>

namespace {

QtMessageHandler qtMessageHandler = nullptr;

// A message formatted with fewer arguments than places (or more) is a fault in any test.
void failOnMisformattedMessages(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (text.startsWith(QLatin1String("QString::arg: ")))
        ADD_FAILURE() << text.toStdString();
    if (qtMessageHandler)
        qtMessageHandler(type, context, text);
}

} // namespace

int main(int argc, char** argv)
{
    // Run by hand rather than by CTest: the same data, programs, time zone and language.
    const std::pair<const char*, const char*> givenByCTest[] = {
        {"TALLYFOX_TEST_DATA", TALLYFOX_TEST_DATA_FOLDER},
        {"TALLYFOX_BIN_DIR", TALLYFOX_PROGRAM_FOLDER},
        {"TZ", "UTC"},
        {"LC_ALL", "en_US.UTF-8"},
    };
    for (const auto& [name, value] : givenByCTest) {
        if (!qEnvironmentVariableIsSet(name))
            qputenv(name, value);
    }
    ::tzset();
    QTemporaryDir sandbox;
    if (!sandbox.isValid())
        return 1;
    const QByteArray root = sandbox.path().toUtf8();
    QDir(sandbox.path()).mkpath(QStringLiteral("home/.config"));
    QDir(sandbox.path()).mkpath(QStringLiteral("home/.local/share"));
    qputenv("HOME", root + "/home");
    qputenv("XDG_CONFIG_HOME", root + "/home/.config");
    qputenv("XDG_DATA_HOME", root + "/home/.local/share");
    qputenv("TALLYFOX_REGISTRY", root + "/registry.reg");
    // Lock files go to the runtime folder.
    QDir(sandbox.path()).mkpath(QStringLiteral("runtime"));
    QFile::setPermissions(sandbox.path() + QStringLiteral("/runtime"),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", root + "/runtime");
    qputenv("TALLYFOX_NOW", "2010-01-03T12:30:45");
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));

#ifdef TALLYFOX_TEST_WIDGETS
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
#else
    QCoreApplication app(argc, argv);
#endif
    ::testing::InitGoogleTest(&argc, argv);
    qtMessageHandler = qInstallMessageHandler(failOnMisformattedMessages);
    return RUN_ALL_TESTS();
}
