#pragma once

#include <QStringList>
#include <optional>

namespace tallyfox {

// The program's own option beside the switches of the database and settings folder: "--scale F" sets
// the size of everything on screen. What remains are the switches start-up reads.
struct ProgramOptions
{
    std::optional<double> scale;
    QStringList parameters;
};

[[nodiscard]] ProgramOptions parseProgramOptions(const QStringList& arguments);

} // namespace tallyfox
