#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QString>
#include <functional>

namespace tallyfox {

// The outcome of a file operation: empty on success, else a message that names the file and the
// system's reason, ready to be shown to the user.
class [[nodiscard]] FileResult
{
public:
    FileResult() = default;
    static FileResult failure(const QString& message) { return FileResult(message); }
    static FileResult readFailure(const QString& path, const QString& reason);
    static FileResult writeFailure(const QString& path, const QString& reason);

    [[nodiscard]] bool ok() const { return m_message.isEmpty(); }
    [[nodiscard]] const QString& message() const { return m_message; }

private:
    explicit FileResult(const QString& message) : m_message(message) {}
    QString m_message;
};

struct FileContent
{
    FileResult result;
    bool missing = false;
    QByteArray bytes;
};

// Reads a whole file. A file that does not exist is reported as missing, not as a failure.
[[nodiscard]] FileContent readWholeFile(const QString& path);

// Writes a file atomically: the content goes to a temporary file in the same folder, which then
// replaces the old file, so a failed write leaves the old file whole. A new file is readable by its
// owner only; an existing file keeps its permissions. The writer returns false when it failed.
FileResult writeFileAtomically(const QString& path, const std::function<bool(QIODevice&)>& writeContent);

} // namespace tallyfox
