// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "support/testenvironment.h"

#include <QFile>
#include <gtest/gtest.h>

namespace tallyfox::test {

QLocale pinnedLocale()
{
    return QLocale(QLocale::English, QLocale::UnitedStates);
}

TempFolder::TempFolder()
{
    if (!m_dir.isValid())
        ADD_FAILURE() << "cannot create a temporary folder";
}

QByteArray readFileBytes(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        ADD_FAILURE() << "cannot read " << path.toStdString();
        return {};
    }
    return file.readAll();
}

void writeFileBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        ADD_FAILURE() << "cannot write " << path.toStdString();
}

QString testDataPath(const QString& name)
{
    return qEnvironmentVariable("TALLYFOX_TEST_DATA") + u'/' + name;
}

FileSizeLimit::FileSizeLimit(rlim_t bytes)
{
    getrlimit(RLIMIT_FSIZE, &m_saved);
    m_oldHandler = signal(SIGXFSZ, SIG_IGN);
    rlimit limit = m_saved;
    limit.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limit);
}

FileSizeLimit::~FileSizeLimit()
{
    setrlimit(RLIMIT_FSIZE, &m_saved);
    signal(SIGXFSZ, m_oldHandler);
}

FailingDevice::FailingDevice(qint64 bytesBeforeFailure) : m_remaining(bytesBeforeFailure)
{
    open(QIODevice::WriteOnly);
}

qint64 FailingDevice::writeData(const char* data, qint64 length)
{
    if (length > m_remaining) {
        setErrorString(QStringLiteral("No space left on device"));
        return -1;
    }
    m_written.append(data, length);
    m_remaining -= length;
    return length;
}

} // namespace tallyfox::test
