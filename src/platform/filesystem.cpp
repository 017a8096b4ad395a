// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "platform/filesystem.h"

#include "platform/descriptordevice.h"

#include <QCoreApplication>
#include <QFile>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tallyfox {

FileResult FileResult::failure(FileAction action, FileError error, const QString& path, const QString& reason)
{
    FileResult result;
    result.m_action = action;
    result.m_error = error;
    result.m_path = path;
    result.m_reason = reason;
    return result;
}

FileResult FileResult::systemFailure(FileAction action, const QString& path, int errorNumber)
{
    const FileError error = errorNumber == ENOSPC || errorNumber == EDQUOT ? FileError::NoSpace
                            : action == FileAction::Write                  ? FileError::NotWritable
                                                                           : FileError::NotReadable;
    return failure(action, error, path, systemReason(errorNumber));
}

FileResult FileResult::deviceFailure(FileAction action, const QString& path, const QIODevice& device)
{
    if (const auto* descriptor = dynamic_cast<const DescriptorDevice*>(&device);
        descriptor && descriptor->systemError() != 0)
        return systemFailure(action, path, descriptor->systemError());
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
    if (m_error == FileError::NotSynced)
        return QCoreApplication::translate("FileResult",
                                           "\"%1\" is written, but may not be on the disk yet: %2")
            .arg(m_path, m_reason);
    const QString format = m_action == FileAction::Read
                               ? QCoreApplication::translate("FileResult", "Cannot read \"%1\": %2")
                               : QCoreApplication::translate("FileResult", "Cannot write \"%1\": %2");
    return format.arg(m_path, m_reason);
}

QString systemReason(int errorNumber)
{
    // Unlike strerror(), this gives nothing rather than "Unknown error" for a number it does not know.
    if (errorNumber != 0) {
        if (const char* description = strerrordesc_np(errorNumber))
            return QString::fromUtf8(description);
    }
    return QCoreApplication::translate("FileResult", "System error %1").arg(errorNumber);
}

FileResult folderWriteFailure(const QString& path, const QString& folder, int errorNumber)
{
    if (errorNumber != EACCES && errorNumber != EROFS && errorNumber != EPERM)
        return FileResult::systemFailure(FileAction::Write, path, errorNumber);
    return FileResult::writeFailure(
        errorNumber == EROFS ? FileError::ReadOnly : FileError::NotWritable, path,
        QCoreApplication::translate("FileResult", "The folder \"%1\" cannot be written: %2")
            .arg(folder, systemReason(errorNumber)));
}

QString notRegularFileReason(unsigned int mode)
{
    if (S_ISDIR(mode))
        return QCoreApplication::translate("FileResult", "It is a folder, not a file.");
    if (S_ISFIFO(mode))
        return QCoreApplication::translate("FileResult", "It is a FIFO, not a regular file.");
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return QCoreApplication::translate("FileResult", "It is a device, not a regular file.");
    if (S_ISSOCK(mode))
        return QCoreApplication::translate("FileResult", "It is a socket, not a regular file.");
    return QCoreApplication::translate("FileResult", "It is not a regular file.");
}

namespace {

FileStamp stampOf(const struct stat& info)
{
    FileStamp stamp;
    stamp.size = info.st_size;
    stamp.modifiedNs = qint64(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec;
    stamp.changedNs = qint64(info.st_ctim.tv_sec) * 1000000000 + info.st_ctim.tv_nsec;
    stamp.inode = info.st_ino;
    stamp.device = info.st_dev;
    return stamp;
}

QString tooLargeReason()
{
    return QCoreApplication::translate("FileResult", "It is larger than 1 GB; no Tallyfox file is.");
}

} // namespace

std::optional<FileStamp> fileStamp(const QString& path)
{
    struct stat info
    {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return std::nullopt;
    return stampOf(info);
}

std::optional<FileStamp> fileStamp(const QFile& file)
{
    struct stat info
    {};
    if (!file.isOpen() || ::fstat(file.handle(), &info) != 0)
        return std::nullopt;
    return stampOf(info);
}

std::unique_ptr<KeptFile> KeptFile::keep(int fd, const FileStamp& stamp)
{
    const int own = fd < 0 ? -1 : ::fcntl(fd, F_DUPFD_CLOEXEC, 0);
    if (own < 0)
        return nullptr;
    return std::unique_ptr<KeptFile>(new KeptFile(own, stamp));
}

KeptFile::~KeptFile()
{
    ::close(m_fd);
}

bool KeptFile::unchanged() const
{
    struct stat info
    {};
    if (::fstat(m_fd, &info) != 0)
        return false;
    const FileStamp now = stampOf(info);
    return now.size == m_stamp.size && now.modifiedNs == m_stamp.modifiedNs && now.inode == m_stamp.inode &&
           now.device == m_stamp.device;
}

FileResult openRegularFile(const QString& path, QFile& file)
{
    file.setFileName(path);
    const QByteArray name = QFile::encodeName(path);
    // Not blocking: opening a FIFO for reading would otherwise wait for a writer for ever.
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        const int openError = errno;
        struct stat info
        {};
        // A socket cannot be opened at all; say what it is rather than "No such device or address".
        if (openError == ENXIO && ::stat(name.constData(), &info) == 0 && !S_ISREG(info.st_mode))
            return FileResult::readFailure(FileError::NotRegularFile, path,
                                           notRegularFileReason(info.st_mode));
        // A file in place of one of the folders also means there is no such file.
        if (openError == ENOENT || openError == ENOTDIR)
            return FileResult::readFailure(FileError::NotFound, path, systemReason(openError));
        return FileResult::systemFailure(FileAction::Read, path, openError);
    }
    struct stat info
    {};
    FileResult refused;
    if (::fstat(fd, &info) != 0)
        refused = FileResult::systemFailure(FileAction::Read, path, errno);
    else if (!S_ISREG(info.st_mode))
        refused =
            FileResult::readFailure(FileError::NotRegularFile, path, notRegularFileReason(info.st_mode));
    else if (info.st_size > kLargestReadableFile)
        refused = FileResult::readFailure(FileError::TooLarge, path, tooLargeReason());
    else if (::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK) != 0)
        refused = FileResult::systemFailure(FileAction::Read, path, errno);
    if (!refused.ok()) {
        ::close(fd);
        return refused;
    }
    if (!file.open(fd, QIODevice::ReadOnly | QIODevice::Unbuffered, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return FileResult::deviceFailure(FileAction::Read, path, file);
    }
    return {};
}

FileContent readWholeFile(const QString& path)
{
    FileContent content;
    QFile file;
    content.result = openRegularFile(path, file);
    if (content.result.error() == FileError::NotFound) {
        content.result = {};
        content.missing = true;
        return content;
    }
    if (!content.result.ok())
        return content;
    // The size is only a hint: one byte more shows the end at once, and a file that grows while it is
    // read must still stop at the limit.
    constexpr qsizetype kChunk = 1 << 20;
    QByteArray& bytes = content.bytes;
    bytes.resize(qsizetype(std::min(file.size(), kLargestReadableFile)) + 1);
    qsizetype filled = 0;
    for (;;) {
        if (filled == bytes.size())
            bytes.resize(bytes.size() + kChunk);
        const qint64 got = file.read(bytes.data() + filled, bytes.size() - filled);
        if (got < 0) {
            bytes.clear();
            content.result = FileResult::deviceFailure(FileAction::Read, path, file);
            return content;
        }
        if (got == 0) {
            bytes.resize(filled);
            return content;
        }
        filled += qsizetype(got);
        if (filled > kLargestReadableFile) {
            bytes.clear();
            content.result = FileResult::readFailure(FileError::TooLarge, path, tooLargeReason());
            return content;
        }
    }
}

std::optional<quint64> hashFile(const QString& path)
{
    QFile file;
    if (!openRegularFile(path, file).ok())
        return std::nullopt;
    ContentHasher hasher;
    QByteArray buffer(1 << 20, Qt::Uninitialized);
    for (;;) {
        const qint64 got = file.read(buffer.data(), buffer.size());
        if (got < 0)
            return std::nullopt;
        if (got == 0)
            return hasher.result();
        hasher.add(QByteArrayView(buffer.constData(), got));
    }
}

} // namespace tallyfox
