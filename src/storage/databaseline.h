#pragma once

#include <QByteArrayView>

namespace tallyfox {

// One line of a database file, cut at its first tabs: the tag and the twelve fields after it (later
// fields are ignored). A field after the line's last tab is empty.
struct DatabaseLine
{
    static constexpr int kFieldCount = 13;

    QByteArrayView fields[kFieldCount];
    QByteArrayView text; // the whole line without its line end
    bool ascii = true;
};

// Reads the line that starts at begin into line and returns where the next line starts. A line ends at
// CR LF, a lone CR, a lone LF or the end of the content. Each byte is looked at once, sixteen at a
// time where the processor allows.
[[nodiscard]] const char* readDatabaseLine(const char* begin, const char* end, DatabaseLine& line);

// The number of LF bytes.
[[nodiscard]] qsizetype countLineFeeds(QByteArrayView bytes);

} // namespace tallyfox
