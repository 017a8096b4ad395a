// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "clisandbox.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>

namespace tallyfox::test {

QList<QByteArray> CliRun::errLines() const
{
    QList<QByteArray> lines = err.split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

CliSandbox::CliSandbox() : environment(QProcessEnvironment::systemEnvironment())
{
    QDir(m_folder.path()).mkpath(QStringLiteral("home"));
    // The runtime folder holds the program's lock; it must be the user's alone.
    QDir(m_folder.path()).mkpath(QStringLiteral("runtime"));
    QFile::setPermissions(file(QStringLiteral("runtime")),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), file(QStringLiteral("runtime")));
    environment.insert(QStringLiteral("HOME"), file(QStringLiteral("home")));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), file(QStringLiteral("config")));
    environment.insert(QStringLiteral("XDG_DATA_HOME"), file(QStringLiteral("data")));
    environment.insert(QStringLiteral("TALLYFOX_REGISTRY"), registryFile());
    environment.insert(QStringLiteral("TALLYFOX_NOW"), QStringLiteral("2010-02-15T09:08:07"));
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("en_US.UTF-8"));
    environment.insert(QStringLiteral("TZ"), QStringLiteral("UTC"));
    workingFolder = m_folder.path();
}

CliRun CliSandbox::run(const QStringList& arguments) const
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(workingFolder);
    if (!outputFile.isEmpty())
        process.setStandardOutputFile(outputFile);
    process.start(qEnvironmentVariable("TALLYFOX_BIN_DIR") + QStringLiteral("/tallyfox-cli"), arguments);
    const bool finished = process.waitForFinished(60000);
    CliRun run;
    run.exitCode = finished && process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}

QString CliSandbox::registryText() const
{
    QFile registry(registryFile());
    if (!registry.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(registry.readAll());
}

std::optional<QString> CliSandbox::registryValue(const QString& name) const
{
    const QRegularExpression line(QStringLiteral("^\"%1\"=(.*)$").arg(QRegularExpression::escape(name)),
                                  QRegularExpression::MultilineOption);
    const QRegularExpressionMatch match = line.match(registryText());
    if (!match.hasMatch())
        return std::nullopt;
    return match.captured(1).trimmed();
}

void CliSandbox::writeRegistry(const QStringList& settingsValues) const
{
    const QString text = QStringLiteral("Windows Registry Editor Version 5.00\n\n"
                                        "[HKEY_LOCAL_MACHINE\\Software\\Tallyfox]\n") +
                         settingsValues.join(u'\n') + u'\n';
    writeFileBytes(registryFile(), text.toUtf8());
}

void CliSandbox::writeDefaults(const QByteArray& currencySection) const
{
    QDir().mkpath(settingsFolder());
    writeFileBytes(settingsFolder() + QStringLiteral("TallyfoxDefaults.ini"),
                   "[Expense types]\r\nDinner\r\nTrain\r\n[Currencies]\r\n" + currencySection);
}

QByteArray expectedOutput(const QString& name)
{
    return readFileBytes(testDataPath(QStringLiteral("cli/") + name));
}

QByteArray withFolderMarked(QByteArray bytes, const QString& folder)
{
    return bytes.replace(QDir::cleanPath(folder).toUtf8(), "@FOLDER@");
}

} // namespace tallyfox::test
