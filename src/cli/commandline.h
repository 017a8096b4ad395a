#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <variant>

namespace tallyfox::cli {

enum class Command
{
    List,
    Sort,
};

struct Invocation
{
    Command command = Command::List;
    QString databasePath;
    std::optional<quint16> sortType;
    bool reverse = false;
};

// What the command line asks for: a command to run, or text to print and an exit code.
struct EarlyExit
{
    int exitCode = 0;
    QString text;
};

using ParsedCommandLine = std::variant<Invocation, EarlyExit>;

// Exit codes: 0 success, 1 a file could not be read or written, 2 a usage error.
inline constexpr int kExitFileError = 1;
inline constexpr int kExitUsage = 2;

[[nodiscard]] ParsedCommandLine parseCommandLine(const QStringList& arguments);
// The sort key named on the command line (name, date, amount, receipt, paidwith, source).
[[nodiscard]] std::optional<quint16> sortTypeFromName(const QString& name);

} // namespace tallyfox::cli
