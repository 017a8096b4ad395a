// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QString>
#include <functional>
#include <memory>
#include <optional>

class QFile;

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
    // Not written: another process held the file's lock for longer than a writer waits.
    Busy,
    // Not read: the file is larger than any file the program writes.
    TooLarge,
    // Not written: the file has no write permission for the user.
    ReadOnly,
    // Not written: the file has other names (hard links), which a replacement would part from it.
    HardLinked,
    // Written and in place, but the system could not confirm that the change is on the disk.
    NotSynced,
    // Not written: the file belongs to another user.
    NotOwned,
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
    // A failure with the system's reason for errorNumber; a full disk or quota as NoSpace.
    static FileResult systemFailure(FileAction action, const QString& path, int errorNumber);
    // The failure a device reports: a full disk as such, anything else as NotReadable or NotWritable.
    static FileResult deviceFailure(FileAction action, const QString& path, const QIODevice& device);

    [[nodiscard]] bool ok() const { return m_error == FileError::None; }
    // Whether the file now holds the new content: a success, or a write that is in place but not synced.
    [[nodiscard]] bool replaced() const { return ok() || m_error == FileError::NotSynced; }
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

// No file the program writes comes near this size (a million entries are about 80 MB); a larger file is
// refused before it is read.
inline constexpr qint64 kLargestReadableFile = qint64(1) << 30;

// The system's words for an errno value ("No space left on device"), never "Unknown error" for a real one.
[[nodiscard]] QString systemReason(int errorNumber);

// The failure to write the file at path because nothing could be made in its folder: for a folder that
// cannot be written the folder is named, since behind a link it is not the one the user gave.
[[nodiscard]] FileResult folderWriteFailure(const QString& path, const QString& folder, int errorNumber);

// Why a file of this st_mode is not read or written: "It is a FIFO, not a regular file." and the like.
[[nodiscard]] QString notRegularFileReason(unsigned int mode);

// What identifies one version of a file on disk without reading it.
struct FileStamp
{
    qint64 size = 0;
    qint64 modifiedNs = 0;
    qint64 changedNs = 0;
    quint64 inode = 0;
    quint64 device = 0;
    friend bool operator==(const FileStamp&, const FileStamp&) = default;
};

// The stamp of the file at path (symlinks followed); nothing when there is no file there.
[[nodiscard]] std::optional<FileStamp> fileStamp(const QString& path);
// The stamp of an open file; nothing when it is not open.
[[nodiscard]] std::optional<FileStamp> fileStamp(const QFile& file);

// An open file kept to be read again later, with the stamp it had when it was read; closed with it.
class KeptFile
{
public:
    // A descriptor of its own for the open file fd, whose stamp was stamp when it was read; nothing
    // when there is none to be had.
    [[nodiscard]] static std::unique_ptr<KeptFile> keep(int fd, const FileStamp& stamp);
    ~KeptFile();
    KeptFile(const KeptFile&) = delete;
    KeptFile& operator=(const KeptFile&) = delete;

    [[nodiscard]] int handle() const { return m_fd; }
    // Whether the file still has the size and modification time it had when it was read: nobody has
    // written to it since. Its change time is not asked, as a new name (a backup) changes that too.
    [[nodiscard]] bool unchanged() const;

private:
    KeptFile(int fd, const FileStamp& stamp) : m_fd(fd), m_stamp(stamp) {}

    int m_fd;
    FileStamp m_stamp;
};

// A fast 64-bit hash of a byte stream. The result depends only on the bytes, not on how they were
// split among add() calls, so content hashed while it was written matches the same content read back.
// The bytes are hashed in blocks at fixed offsets, each on its own, so two hashers may take two parts
// of the content at once and be joined.
class ContentHasher
{
public:
    static constexpr qsizetype kBlock = 64 * 1024;

    ContentHasher() = default;
    // For the content from this offset on, a multiple of kBlock.
    explicit ContentHasher(qint64 startOffset) : m_start(startOffset) {}

    void add(QByteArrayView bytes);
    // Takes in the hash of the content that follows this one's; this one ends on a block boundary.
    void join(const ContentHasher& following);
    [[nodiscard]] quint64 result() const;

private:
    void addBlock(const char* data, qsizetype size);

    QByteArray m_block;
    quint64 m_sum = 0;
    qint64 m_start = 0;
    qint64 m_total = 0;
};

// The hash of a whole file as ContentHasher makes it; nothing when the file cannot be read.
[[nodiscard]] std::optional<quint64> hashFile(const QString& path);

// Opens a file for reading if it is a regular file (symlinks followed) of at most kLargestReadableFile
// bytes. A FIFO, device, socket or folder is refused at once, without blocking and without reading.
// A missing file gives FileError::NotFound.
FileResult openRegularFile(const QString& path, QFile& file);

// Reads a whole file. A file that does not exist is reported as missing, not as a failure. Only regular
// files are read, and none larger than kLargestReadableFile.
[[nodiscard]] FileContent readWholeFile(const QString& path);

// Removes the temporary files (".NAME.tallyfox-tmp-XXXXXX") that saves of the file at path, killed
// midway, left beside it: the user's own, when no writer holds their lock and nothing wrote to them for
// a minute. No other file is touched.
void removeLeftoverTemporaryFiles(const QString& path);

// Keeps a copy of the file at from as to, written atomically with the permissions 0600, replacing what
// to held; holes in the file stay holes, and a file system that shares blocks makes the copy at once.
// A link, a folder or another user's file at to is refused, never written through. Nothing happens when
// from does not exist.
FileResult copyFileAtomically(const QString& from, const QString& to);

// Keeps the file at from as to without copying a byte: to becomes another name of the file, replacing
// what it held atomically, under the rules of copyFileAtomically for what may stand at to. The next
// atomic write of from gives from a new file and leaves to with the old one. Nothing when the file
// system has no hard links, the file has other names already or others may read it (a copy keeps the
// backup its owner's alone): the caller copies instead. Nothing happens when from does not exist.
// Removing the old backup takes a while for a large file: given oldBackup, its temporary name is left
// there for the caller to remove (one that is not removed is a leftover that a later save sweeps).
[[nodiscard]] std::optional<FileResult> linkFileAtomically(const QString& from, const QString& to,
                                                           QString* oldBackup = nullptr);

// What a save does with a file that has other names (hard links).
enum class HardLinks
{
    // The file at the path is replaced; the other names keep the old content.
    Part,
    // The file is left as it is (FileError::HardLinked).
    Refuse,
};

// Whether writeFileAtomically would replace the file at path, checked before anything is written: a
// regular file (or none) with write permission, and with no other names when hard links are refused
// (its backup beside it, NAME.bak, may be one: see linkFileAtomically).
[[nodiscard]] FileResult checkReplaceable(const QString& path, HardLinks hardLinks);

// Writes a file atomically: the content goes to a hidden temporary file in the same folder, locked by
// the writer, which is synced to disk and then replaces the old file, and the folder is synced; a failed
// write leaves the old file whole. A new file is readable by its owner only; an existing file keeps its
// permissions. Only a regular file (or none) is replaced, and none without write permission
// (FileError::ReadOnly). A link at the path is followed and its target replaced, so the link stays.
// When everything but syncing the folder succeeded, the result is FileError::NotSynced, whose
// replaced() is true. Leftovers of earlier, killed saves are removed first. The writer returns false
// when it failed.
FileResult writeFileAtomically(const QString& path, const std::function<bool(QIODevice&)>& writeContent,
                               HardLinks hardLinks = HardLinks::Part);

// How the file looked before an append.
struct AppendStart
{
    bool created = false;
    qint64 size = 0;
    // Its last byte, when it had one.
    char lastByte = 0;
};

// Appends the bytes that content gives to the regular file at path, creating it readable by its owner
// only when there is none. An append that falls short (a full disk, a file size limit) is cut back to
// the size the file had, so that the file never ends in part of the bytes.
FileResult appendToFile(const QString& path, const std::function<QByteArray(const AppendStart&)>& content);

} // namespace tallyfox
