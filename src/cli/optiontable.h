// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include "cli/invocation.h"

#include <QCommandLineParser>
#include <QString>
#include <QStringList>
#include <optional>

namespace tallyfox::cli {

// The hidden option that carries the number of "--receipt NUM" (see joinReceiptNumber).
inline constexpr char16_t kReceiptNumberName[] = u"receipt-number";

// Adds every option of the tool, with its help, to the parser; also the command and the help and
// version options.
void addToolOptions(QCommandLineParser& parser);

// The names of the options that take a value, as written on the command line ("-f", "--file", …).
[[nodiscard]] QStringList valueOptionArguments();

// An option the command does not take, or a value option given twice: the error text, or nothing.
[[nodiscard]] std::optional<QString> misplacedOption(const QCommandLineParser& parser, Command command,
                                                     const QString& commandName);

// The text of a name in the option table.
[[nodiscard]] QString optionName(const char* name);

} // namespace tallyfox::cli
