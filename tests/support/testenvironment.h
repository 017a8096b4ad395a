// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QLocale>
#include <QString>
#include <QTemporaryDir>
#include <csignal>
#include <sys/resource.h>

namespace tallyfox::test {

// The locale every test pins unless it asks for another one.
[[nodiscard]] QLocale pinnedLocale();

// Sets an environment variable for the life of the object and then restores it.
class ScopedEnvironment
{
public:
    ScopedEnvironment(const char* name, const QString& value)
        : m_name(name), m_wasSet(qEnvironmentVariableIsSet(name)), m_old(qgetenv(name))
    {
        qputenv(name, value.toUtf8());
    }
    ~ScopedEnvironment()
    {
        if (m_wasSet)
            qputenv(m_name, m_old);
        else
            qunsetenv(m_name);
    }
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

private:
    const char* m_name;
    bool m_wasSet;
    QByteArray m_old;
};

// A temporary folder for one test, removed afterwards.
class TempFolder
{
public:
    TempFolder();
    [[nodiscard]] QString path() const { return m_dir.path(); }
    // The full path of a file in the folder.
    [[nodiscard]] QString file(const QString& name) const { return m_dir.filePath(name); }

private:
    QTemporaryDir m_dir;
};

[[nodiscard]] QByteArray readFileBytes(const QString& path);
void writeFileBytes(const QString& path, const QByteArray& bytes);
// A file of tests/data.
[[nodiscard]] QString testDataPath(const QString& name);

// Limits the size of the files this process writes, as a full disk does, while it lives. Writes
// beyond the limit fail with EFBIG instead of ending the process.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit m_saved{};
    sighandler_t m_oldHandler;
};

// A device that accepts a number of bytes and then fails every write, like a full disk.
class FailingDevice : public QIODevice
{
public:
    explicit FailingDevice(qint64 bytesBeforeFailure);
    [[nodiscard]] const QByteArray& written() const { return m_written; }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 length) override;

private:
    qint64 m_remaining;
    QByteArray m_written;
};

} // namespace tallyfox::test
