#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QString>
#include <functional>

namespace tallyfox {

// What was being done to the file when it failed.
enum class FileAction
{
    Read,
    Write,
};

// Why a file operation failed.
enum class FileError
{
    None,
    // Nothing at the path.
    NotFound,
    // A folder, or something else that is no regular file, where a file belongs.
    NotRegularFile,
    // The system could not open or read the file.
    NotReadable,
    // The system could not create, write or replace the file.
    NotWritable,
    // The disk is full.
    NoSpace,
    // The folder that is to hold the file could not be made.
    FolderNotCreated,
    // The file holds something other than what was expected.
    UnknownContent,
    // Not written: the file could not be read, so writing it would lose what it holds.
    ContentNotRead,
};

// The outcome of a file operation: success, or what failed (the action and the error), on which file
// and the reason, as the system or the program gives it. The message for the user is made from them.
class [[nodiscard]] FileResult
{
public:
    FileResult() = default;
    static FileResult failure(FileAction action, FileError error, const QString& path, const QString& reason);
    static FileResult readFailure(FileError error, const QString& path, const QString& reason)
    {
        return failure(FileAction::Read, error, path, reason);
    }
    static FileResult writeFailure(FileError error, const QString& path, const QString& reason)
    {
        return failure(FileAction::Write, error, path, reason);
    }
    // The failure a device reports: a full disk as such, anything else as NotReadable or NotWritable.
    static FileResult deviceFailure(FileAction action, const QString& path, const QIODevice& device);

    [[nodiscard]] bool ok() const { return m_error == FileError::None; }
    [[nodiscard]] FileAction action() const { return m_action; }
    [[nodiscard]] FileError error() const { return m_error; }
    [[nodiscard]] const QString& path() const { return m_path; }
    [[nodiscard]] const QString& reason() const { return m_reason; }
    // "Cannot read "path": reason" or "Cannot write "path": reason"; empty on success.
    [[nodiscard]] QString message() const;

private:
    FileAction m_action = FileAction::Read;
    FileError m_error = FileError::None;
    QString m_path;
    QString m_reason;
};

// A value read from a file, and how reading it went. After a failure the value holds what could be read,
// which is usually nothing.
template <typename T> struct ReadResult
{
    T value;
    FileResult result;
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
