// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

namespace tallyfox::cli {

// The tool's standard output and standard error. Output is UTF-8 with LF line ends, whatever line ends
// the program's own texts have; every message is one line on standard error.
class Console
{
public:
    Console();

    // Writes the text with CR LF line ends turned into LF.
    void print(const QString& text);
    void printBytes(QByteArray bytes);
    // Standard output, for bytes that are written as they are.
    [[nodiscard]] QIODevice& output() { return m_out; }

    // One line on standard error, "tallyfox-cli: " first; line ends inside become spaces.
    void message(const QString& text);

    // Flushes standard output. False, after a message saying why, when it could not be written (a full
    // disk or a closed pipe behind it).
    [[nodiscard]] bool finishOutput();

private:
    QFile m_out;
    QFile m_err;
};

// Turns CR LF line ends into LF.
[[nodiscard]] QByteArray withLfLineEnds(QByteArray bytes);

} // namespace tallyfox::cli
