// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "cli/console.h"

#include <cstdio>

namespace tallyfox::cli {

QByteArray withLfLineEnds(QByteArray bytes)
{
    return bytes.replace("\r\n", "\n");
}

Console::Console()
{
    m_out.open(stdout, QIODevice::WriteOnly);
    m_err.open(stderr, QIODevice::WriteOnly | QIODevice::Unbuffered);
}

void Console::print(const QString& text)
{
    printBytes(text.toUtf8());
}

void Console::printBytes(QByteArray bytes)
{
    m_out.write(withLfLineEnds(std::move(bytes)));
}

void Console::message(const QString& text)
{
    QString line = text;
    line.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    line.replace(u'\n', u' ');
    line.replace(u'\r', u' ');
    m_err.write(QStringLiteral("tallyfox-cli: %1\n").arg(line).toUtf8());
}

bool Console::finishOutput()
{
    m_out.flush();
    if (m_out.error() == QFileDevice::NoError)
        return true;
    message(QStringLiteral("standard output: %1").arg(m_out.errorString()));
    return false;
}

} // namespace tallyfox::cli
