#include "platform/filesystem.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cstring>
#include <sys/stat.h>

namespace tallyfox {

namespace {

const QString& folderNotFileReason()
{
    static const QString reason = QStringLiteral("It is a folder, not a file.");
    return reason;
}

} // namespace

FileResult FileResult::failure(FileAction action, FileError error, const QString& path, const QString& reason)
{
    FileResult result;
    result.m_action = action;
    result.m_error = error;
    result.m_path = path;
    result.m_reason = reason;
    return result;
}

FileResult FileResult::deviceFailure(FileAction action, const QString& path, const QIODevice& device)
{
    const auto* file = qobject_cast<const QFileDevice*>(&device);
    // Qt reports a write that found the disk full as a resource error.
    const bool full = action == FileAction::Write && file && file->error() == QFileDevice::ResourceError;
    const FileError error = full                          ? FileError::NoSpace
                            : action == FileAction::Write ? FileError::NotWritable
                                                          : FileError::NotReadable;
    return failure(action, error, path, device.errorString());
}

QString FileResult::message() const
{
    if (ok())
        return {};
    const QString format = m_action == FileAction::Read ? QStringLiteral("Cannot read \"%1\": %2")
                                                        : QStringLiteral("Cannot write \"%1\": %2");
    return format.arg(m_path, m_reason);
}

FileContent readWholeFile(const QString& path)
{
    FileContent content;
    const QFileInfo info(path);
    if (!info.exists()) {
        content.missing = true;
        return content;
    }
    if (info.isDir()) {
        content.result = FileResult::readFailure(FileError::NotRegularFile, path, folderNotFileReason());
        return content;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        content.result = FileResult::deviceFailure(FileAction::Read, path, file);
        return content;
    }
    content.bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        content.bytes.clear();
        content.result = FileResult::deviceFailure(FileAction::Read, path, file);
    }
    return content;
}

FileResult writeFileAtomically(const QString& path, const std::function<bool(QIODevice&)>& writeContent)
{
    if (QFileInfo(path).isDir())
        return FileResult::writeFailure(FileError::NotRegularFile, path, folderNotFileReason());
    const bool isNew = !QFileInfo::exists(path);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return FileResult::deviceFailure(FileAction::Write, path, file);
    if (isNew)
        file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    // The last bytes wait in the file's buffer; a full disk shows only when they are flushed, and the
    // commit would otherwise put the cut-short file in place of the old one.
    if (!writeContent(file) || !file.flush() || file.error() != QFileDevice::NoError) {
        FileResult failed = FileResult::deviceFailure(FileAction::Write, path, file);
        file.cancelWriting();
        return failed;
    }
    if (!file.commit())
        return FileResult::deviceFailure(FileAction::Write, path, file);
    return {};
}

} // namespace tallyfox

// Stubs of the new file primitives; their full versions come with their tests.
namespace tallyfox {

QString systemReason(int errorNumber)
{
    return QString::fromLocal8Bit(std::strerror(errorNumber));
}

std::optional<FileStamp> fileStamp(const QString& path)
{
    struct stat info
    {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return std::nullopt;
    FileStamp stamp;
    stamp.size = info.st_size;
    stamp.modifiedNs = qint64(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec;
    stamp.changedNs = qint64(info.st_ctim.tv_sec) * 1000000000 + info.st_ctim.tv_nsec;
    stamp.inode = info.st_ino;
    stamp.device = info.st_dev;
    return stamp;
}

void ContentHasher::add(QByteArrayView bytes)
{
    m_block.append(bytes);
    m_total += bytes.size();
}

quint64 ContentHasher::result() const
{
    return qHashBits(m_block.constData(), size_t(m_block.size()), size_t(m_total));
}

std::optional<quint64> hashFile(const QString& path)
{
    const FileContent content = readWholeFile(path);
    if (!content.result.ok() || content.missing)
        return std::nullopt;
    ContentHasher hasher;
    hasher.add(content.bytes);
    return hasher.result();
}

FileResult openRegularFile(const QString& path, QFile& file)
{
    file.setFileName(path);
    if (!QFileInfo::exists(path))
        return FileResult::readFailure(FileError::NotFound, path, QStringLiteral("No such file."));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return FileResult::deviceFailure(FileAction::Read, path, file);
    return {};
}

FileResult copyFileAtomically(const QString& from, const QString& to)
{
    const FileContent content = readWholeFile(from);
    if (content.missing)
        return {};
    if (!content.result.ok())
        return content.result;
    return writeFileAtomically(
        to, [&content](QIODevice& device) { return device.write(content.bytes) == content.bytes.size(); });
}

} // namespace tallyfox
