#pragma once

#include "cli/commandline.h"

#include <QTextStream>

namespace tallyfox::cli {

// Runs a parsed command; returns the process's exit code. Results go to out, failures to err.
[[nodiscard]] int runCommand(const Invocation& invocation, QTextStream& out, QTextStream& err);

} // namespace tallyfox::cli
