// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "platform/descriptordevice.h"
#include "platform/filesystem.h"

#include <QFile>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tallyfox {

namespace {

// Opens the file for appending, creating it for its owner only when there is none.
int openForAppend(const QByteArray& name, bool& created)
{
    constexpr int kFlags = O_RDWR | O_APPEND | O_NONBLOCK | O_CLOEXEC;
    for (int attempt = 0; attempt < 3; ++attempt) {
        const int fd = ::open(name.constData(), kFlags);
        if (fd >= 0 || errno != ENOENT) {
            created = false;
            return fd;
        }
        const int made = ::open(name.constData(), kFlags | O_CREAT | O_EXCL, S_IRUSR | S_IWUSR);
        if (made >= 0 || errno != EEXIST) {
            created = true;
            return made;
        }
    }
    return -1;
}

} // namespace

FileResult appendToFile(const QString& path, const std::function<QByteArray(const AppendStart&)>& content)
{
    const QByteArray name = QFile::encodeName(path);
    AppendStart start;
    const int fd = openForAppend(name, start.created);
    if (fd < 0) {
        const int openError = errno;
        struct stat info
        {};
        // Opening a FIFO without a reader, or a socket, fails; say what it is instead.
        if (::stat(name.constData(), &info) == 0 && !S_ISREG(info.st_mode))
            return FileResult::writeFailure(FileError::NotRegularFile, path,
                                            notRegularFileReason(info.st_mode));
        return FileResult::systemFailure(FileAction::Write, path, openError);
    }
    struct stat info
    {};
    FileResult result;
    if (::fstat(fd, &info) != 0)
        result = FileResult::systemFailure(FileAction::Write, path, errno);
    else if (!S_ISREG(info.st_mode))
        result =
            FileResult::writeFailure(FileError::NotRegularFile, path, notRegularFileReason(info.st_mode));
    start.size = info.st_size;
    if (result.ok() && info.st_size > 0 && ::pread(fd, &start.lastByte, 1, info.st_size - 1) != 1)
        result = FileResult::systemFailure(FileAction::Write, path, errno);
    if (result.ok()) {
        const QByteArray bytes = content(start);
        DescriptorDevice device(fd);
        if (device.write(bytes) != bytes.size()) {
            // Part of the bytes would merge with the next append; the file goes back to what it held.
            result = FileResult::systemFailure(FileAction::Write, path, device.systemError());
            if (::ftruncate(fd, info.st_size) != 0) {
                // The reason to tell is still the write's; a reader that finds a cut line ends it.
            }
        }
    }
    if (::close(fd) != 0 && result.ok())
        result = FileResult::systemFailure(FileAction::Write, path, errno);
    return result;
}

} // namespace tallyfox
