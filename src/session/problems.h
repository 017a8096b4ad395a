#pragma once

#include "platform/filesystem.h"

#include <QString>

namespace tallyfox {

// What a message for the user is about, so that a caller can tell it in its own words.
enum class ProblemTopic
{
    // Something the user should know; nothing failed.
    Notice,
    // Writing or reading the database.
    Database,
    // Storing the settings.
    Settings,
    // Appending to the edit log.
    Log,
    // Any other file.
    File,
};

// One message for the user: a failure of a file, or a notice.
struct Problem
{
    ProblemTopic topic = ProblemTopic::Notice;
    // What failed; empty for a notice.
    FileResult result;
    QString text;
    // A failure the user was told of already (a log that keeps failing): it counts, but is not shown.
    bool repeated = false;

    [[nodiscard]] bool isFailure() const { return !result.ok(); }
};

} // namespace tallyfox
