// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "platform/descriptordevice.h"
#include "platform/filesystem.h"
#include "platform/recordlock.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <algorithm>
#include <cerrno>
#include <chrono>
#include <dirent.h>
#include <fcntl.h>
#include <linux/fs.h>
#include <optional>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tallyfox {

namespace {

// A temporary file is ".NAME.tallyfox-tmp-XXXXXX": hidden, and named so that no file of the user's is
// taken for one.
constexpr QByteArrayView kTemporaryMarker = ".tallyfox-tmp-";
constexpr int kTemporarySuffixLength = 6;
constexpr mode_t kOwnerOnly = S_IRUSR | S_IWUSR;
// A leftover is removed only when nothing has written to it for this long, in case its writer lives
// on a file system that keeps no locks.
constexpr qint64 kLeftoverQuietNs = qint64(60) * 1000 * 1000 * 1000;

bool isTemporarySuffixChar(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

QByteArray temporaryPrefix(QByteArrayView fileName)
{
    return '.' + fileName.toByteArray() + kTemporaryMarker.toByteArray();
}

// Whether name is the name of a temporary file of fileName's saves.
bool isTemporaryName(QByteArrayView name, const QByteArray& prefix)
{
    if (name.size() != prefix.size() + kTemporarySuffixLength || !name.startsWith(prefix))
        return false;
    for (qsizetype i = prefix.size(); i < name.size(); ++i) {
        if (!isTemporarySuffixChar(name[i]))
            return false;
    }
    return true;
}

// A file's stamp (seconds and nanoseconds) in nanoseconds of the wall clock.
template <typename FileTime> qint64 nanoseconds(const FileTime& time)
{
    return qint64(time.tv_sec) * 1000 * 1000 * 1000 + time.tv_nsec;
}

// The wall clock, as file stamps are taken.
qint64 nowNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

// A save killed between creating its temporary file and the rename leaves that file behind; a later
// save of the same file removes it. Only the user's own regular temporary files are touched, only when
// no writer holds their lock, and only when nothing wrote to them for a while.
void removeLeftovers(const QByteArray& folder, QByteArrayView fileName)
{
    DIR* dir = ::opendir(folder.constData());
    if (!dir)
        return;
    const QByteArray prefix = temporaryPrefix(fileName);
    const int dirFd = ::dirfd(dir);
    const qint64 quietSince = nowNs() - kLeftoverQuietNs;
    while (const dirent* entry = ::readdir(dir)) {
        if (!isTemporaryName(QByteArrayView(entry->d_name), prefix))
            continue;
        struct stat info
        {};
        if (::fstatat(dirFd, entry->d_name, &info, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISREG(info.st_mode) ||
            info.st_uid != ::geteuid() || nanoseconds(info.st_mtim) > quietSince)
            continue;
        const int fd = ::openat(dirFd, entry->d_name, O_WRONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0)
            continue;
        struct stat opened
        {};
        if (tryLockWholeFile(fd) == 0 && ::fstat(fd, &opened) == 0 && opened.st_ino == info.st_ino &&
            opened.st_dev == info.st_dev)
            ::unlinkat(dirFd, entry->d_name, 0);
        ::close(fd);
    }
    ::closedir(dir);
}

QByteArray temporarySuffix()
{
    static constexpr char kChars[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    QByteArray suffix(kTemporarySuffixLength, Qt::Uninitialized);
    for (char& c : suffix)
        c = kChars[QRandomGenerator::global()->bounded(int(sizeof(kChars) - 1))];
    return suffix;
}

// Whether this user may write the file. The superuser may write anything, so for it a file without any
// write permission counts as read-only, as it is meant to be.
bool mayWrite(const QByteArray& path, const struct stat& info)
{
    if (::geteuid() == 0)
        return (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) != 0;
    return ::faccessat(AT_FDCWD, path.constData(), W_OK, AT_EACCESS) == 0;
}

// How a save treats what it finds at the path.
struct SaveRules
{
    // The content's permissions; nothing: the old file's, or the owner's alone for a new file.
    std::optional<mode_t> mode;
    // True: a link at the path is followed and its target written, so the link stays. False: a link is
    // refused, as is another user's file.
    bool followLinks = true;
    bool refuseHardLinks = false;
};

// Where the content goes: the file itself, or the file a symlink leads to.
struct AtomicTarget
{
    QByteArray path;
    QByteArray folder;
    QByteArray fileName;
    std::optional<mode_t> oldMode;
};

QString linkedBackupReason()
{
    return QCoreApplication::translate("FileResult",
                                       "It is a symbolic link; a copy is never written through one.");
}

// Whether the file's one other name is its backup beside it (NAME.bak), which a save that was cut short
// may have left as a second name of the file; that name keeps the old content when the file is replaced,
// as it should.
bool isOnlyOtherNameItsBackup(const QByteArray& path, const struct stat& status)
{
    struct stat backup
    {};
    return status.st_nlink == 2 && ::lstat((path + ".bak").constData(), &backup) == 0 &&
           backup.st_dev == status.st_dev && backup.st_ino == status.st_ino;
}

// Checks what lies at the target before anything is written.
FileResult checkExisting(const QString& path, const AtomicTarget& target, const SaveRules& rules)
{
    struct stat status
    {};
    const int found = rules.followLinks ? ::stat(target.path.constData(), &status)
                                        : ::lstat(target.path.constData(), &status);
    if (found != 0)
        return {};
    if (S_ISLNK(status.st_mode))
        return FileResult::writeFailure(FileError::NotRegularFile, path, linkedBackupReason());
    if (!S_ISREG(status.st_mode))
        return FileResult::writeFailure(FileError::NotRegularFile, path,
                                        notRegularFileReason(status.st_mode));
    if (!rules.followLinks && status.st_uid != ::geteuid())
        return FileResult::writeFailure(
            FileError::NotOwned, path,
            QCoreApplication::translate("FileResult", "It belongs to another user."));
    if (!mayWrite(target.path, status))
        return FileResult::writeFailure(FileError::ReadOnly, path,
                                        QCoreApplication::translate("FileResult", "It is read-only."));
    if (rules.refuseHardLinks && status.st_nlink > 1 && !isOnlyOtherNameItsBackup(target.path, status))
        return FileResult::writeFailure(
            FileError::HardLinked, path,
            QCoreApplication::translate("FileResult",
                                        "It has %1 names (hard links), and replacing it would part them.")
                .arg(status.st_nlink));
    return {};
}

AtomicTarget targetOf(const QString& path, bool followLinks)
{
    AtomicTarget target;
    QFileInfo info(QFileInfo(path).absoluteFilePath());
    // Links are followed one by one, so that a link to a file yet to be made leads to where it goes.
    for (int hops = 0; followLinks && hops < 40 && info.isSymLink(); ++hops)
        info = QFileInfo(info.symLinkTarget());
    target.path = QFile::encodeName(info.absoluteFilePath());
    const qsizetype slash = target.path.lastIndexOf('/');
    target.folder = slash == 0 ? QByteArray("/") : target.path.first(slash);
    target.fileName = target.path.sliced(slash + 1);
    return target;
}

FileResult resolveTarget(const QString& path, const SaveRules& rules, AtomicTarget& target)
{
    target = targetOf(path, rules.followLinks);
    if (FileResult refused = checkExisting(path, target, rules); !refused.ok())
        return refused;
    struct stat status
    {};
    if (::stat(target.path.constData(), &status) == 0)
        target.oldMode = status.st_mode & 07777;
    return {};
}

// Syncs the folder, so that the rename itself survives a power cut.
int syncFolder(const QByteArray& folder)
{
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return errno;
    int error = ::fsync(fd) == 0 ? 0 : errno;
    ::close(fd);
    // Some file systems cannot sync a folder at all; that is no failure of this save.
    if (error == EINVAL || error == ENOTSUP)
        error = 0;
    return error;
}

// A temporary file beside the target, locked by this writer for as long as it is open.
class TemporaryFile
{
public:
    ~TemporaryFile()
    {
        if (m_fd >= 0) {
            ::close(m_fd);
            ::unlink(m_path.constData());
        }
    }

    FileResult create(const QString& path, const AtomicTarget& target)
    {
        const QByteArray prefix = target.folder + '/' + temporaryPrefix(target.fileName);
        for (int attempt = 0; attempt < 100 && m_fd < 0; ++attempt) {
            m_path = prefix + temporarySuffix();
            m_fd = ::open(m_path.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, kOwnerOnly);
            if (m_fd < 0 && errno != EEXIST)
                break;
        }
        if (m_fd >= 0) {
            [[maybe_unused]] const int locked = tryLockWholeFile(m_fd);
            return {};
        }
        return folderWriteFailure(path, QFile::decodeName(target.folder), errno);
    }

    [[nodiscard]] int fd() const { return m_fd; }

    // Syncs the content and puts it in place of the target; on success the file is no longer temporary.
    FileResult commit(const QString& path, const AtomicTarget& target, mode_t mode)
    {
        FileResult result;
        if (::fchmod(m_fd, mode) != 0)
            result = FileResult::systemFailure(FileAction::Write, path, errno);
        // Without this, a power cut soon after the rename can leave an empty file in place of both versions.
        if (result.ok() && ::fdatasync(m_fd) != 0)
            result = FileResult::systemFailure(FileAction::Write, path, errno);
        if (result.ok() && ::rename(m_path.constData(), target.path.constData()) != 0)
            result = FileResult::systemFailure(FileAction::Write, path, errno);
        if (!result.ok())
            return result;
        // Renamed: only the descriptor is left to close, and the lock with it.
        ::close(std::exchange(m_fd, -1));
        if (const int error = syncFolder(target.folder); error != 0)
            return FileResult::writeFailure(FileError::NotSynced, path, systemReason(error));
        return {};
    }

private:
    QByteArray m_path;
    int m_fd = -1;
};

FileResult writeAtomically(const QString& path, const SaveRules& rules,
                           const std::function<FileResult(int fd)>& writeContent)
{
    AtomicTarget target;
    if (FileResult refused = resolveTarget(path, rules, target); !refused.ok())
        return refused;
    removeLeftovers(target.folder, target.fileName);
    TemporaryFile temporary;
    if (FileResult created = temporary.create(path, target); !created.ok())
        return created;
    if (FileResult written = writeContent(temporary.fd()); !written.ok())
        return written;
    return temporary.commit(path, target, rules.mode.value_or(target.oldMode.value_or(kOwnerOnly)));
}

FileResult writeThroughDevice(const QString& path, int fd,
                              const std::function<bool(QIODevice&)>& writeContent)
{
    DescriptorDevice device(fd);
    if (writeContent(device) && device.finishSyncs())
        return {};
    if (device.systemError() != 0)
        return FileResult::systemFailure(FileAction::Write, path, device.systemError());
    return FileResult::writeFailure(
        FileError::NotWritable, path,
        QCoreApplication::translate("FileResult", "The content was not complete."));
}

// Copies the bytes of the open source to the descriptor at the same places; holes stay holes, so the
// copy takes no more room than the data.
FileResult copySparse(QFile& source, int to, const QString& toPath)
{
    const int from = source.handle();
    const qint64 size = source.size();
    const auto readFailure = [&](int error) {
        return FileResult::systemFailure(FileAction::Read, source.fileName(), error);
    };
    QByteArray buffer(1 << 20, Qt::Uninitialized);
    off_t next = 0;
    while (next < size) {
        off_t start = ::lseek(from, next, SEEK_DATA);
        if (start < 0 && errno == ENXIO)
            break;
        // A file system that does not tell its holes is copied whole.
        if (start < 0 && errno != EINVAL)
            return readFailure(errno);
        off_t end = size;
        if (start < 0)
            start = next;
        else if (const off_t hole = ::lseek(from, start, SEEK_HOLE); hole >= 0)
            end = std::min<off_t>(hole, size);
        for (off_t at = start; at < end;) {
            const ssize_t got =
                ::pread(from, buffer.data(), size_t(std::min<off_t>(buffer.size(), end - at)), at);
            if (got < 0 && errno == EINTR)
                continue;
            if (got < 0)
                return readFailure(errno);
            // The file was cut short while it was copied: the copy ends there too.
            if (got == 0) {
                end = at;
                break;
            }
            for (ssize_t done = 0; done < got;) {
                const ssize_t wrote = ::pwrite(to, buffer.constData() + done, size_t(got - done), at + done);
                if (wrote < 0 && errno == EINTR)
                    continue;
                if (wrote <= 0)
                    return FileResult::systemFailure(FileAction::Write, toPath, wrote < 0 ? errno : ENOSPC);
                done += wrote;
            }
            at += got;
        }
        next = end;
    }
    if (::ftruncate(to, size) != 0)
        return FileResult::systemFailure(FileAction::Write, toPath, errno);
    return {};
}

} // namespace

FileResult checkReplaceable(const QString& path, HardLinks hardLinks)
{
    SaveRules rules;
    rules.refuseHardLinks = hardLinks == HardLinks::Refuse;
    AtomicTarget target;
    return resolveTarget(path, rules, target);
}

FileResult writeFileAtomically(const QString& path, const std::function<bool(QIODevice&)>& writeContent,
                               HardLinks hardLinks)
{
    SaveRules rules;
    rules.refuseHardLinks = hardLinks == HardLinks::Refuse;
    return writeAtomically(path, rules, [&](int fd) { return writeThroughDevice(path, fd, writeContent); });
}

FileResult copyFileAtomically(const QString& from, const QString& to)
{
    QFile source;
    const FileResult opened = openRegularFile(from, source);
    if (opened.error() == FileError::NotFound)
        return {};
    if (!opened.ok())
        return opened;
    SaveRules rules;
    rules.mode = kOwnerOnly;
    rules.followLinks = false;
    return writeAtomically(to, rules, [&](int fd) {
        // A file system that shares blocks between files makes the copy at once and takes no room.
        if (::ioctl(fd, FICLONE, source.handle()) == 0)
            return FileResult();
        return copySparse(source, fd, to);
    });
}

std::optional<FileResult> linkFileAtomically(const QString& from, const QString& to, QString* oldBackup)
{
    const QByteArray fromPath = QFile::encodeName(from);
    struct stat source
    {};
    // A file that others may read is copied, so that the backup is its owner's alone all the same.
    if (::stat(fromPath.constData(), &source) != 0)
        return errno == ENOENT ? std::optional<FileResult>(FileResult()) : std::nullopt;
    if (!S_ISREG(source.st_mode) || (source.st_mode & (S_IRWXG | S_IRWXO)) != 0)
        return std::nullopt;
    // A save cut short after the backup was made: the backup is this file already. The old backup that
    // the save had put aside may be left as well.
    struct stat existing
    {};
    if (source.st_nlink == 2 && ::lstat(QFile::encodeName(to).constData(), &existing) == 0 &&
        existing.st_dev == source.st_dev && existing.st_ino == source.st_ino) {
        removeLeftoverTemporaryFiles(to);
        return FileResult();
    }
    if (source.st_nlink != 1)
        return std::nullopt;
    SaveRules rules;
    rules.followLinks = false;
    AtomicTarget target;
    if (FileResult refused = resolveTarget(to, rules, target); !refused.ok())
        return refused;
    removeLeftovers(target.folder, target.fileName);
    // The old backup is put aside under a temporary name and the new name made where it was, so the file
    // never gets a name besides the backup: a save cut short could leave it with one, and no later save
    // would then replace it. Killed in between, there is no backup, and the old one is a leftover.
    QByteArray setAside;
    if (struct stat old{}; ::lstat(target.path.constData(), &old) == 0) {
        const QByteArray prefix = target.folder + '/' + temporaryPrefix(target.fileName);
        for (int attempt = 0; attempt < 100 && setAside.isEmpty(); ++attempt) {
            QByteArray name = prefix + temporarySuffix();
            if (::renameat2(AT_FDCWD, target.path.constData(), AT_FDCWD, name.constData(),
                            RENAME_NOREPLACE) == 0)
                setAside = std::move(name);
            else if (errno != EEXIST)
                return std::nullopt;
        }
        if (setAside.isEmpty())
            return std::nullopt;
    }
    const auto putBack = [&] {
        if (!setAside.isEmpty())
            ::rename(setAside.constData(), target.path.constData());
    };
    if (::linkat(AT_FDCWD, fromPath.constData(), AT_FDCWD, target.path.constData(), AT_SYMLINK_FOLLOW) != 0) {
        // No hard links on this file system, or none allowed: a copy it is.
        putBack();
        return std::nullopt;
    }
    struct stat made
    {};
    // The file may have been replaced between the look and the link.
    if (::lstat(target.path.constData(), &made) != 0 || made.st_ino != source.st_ino ||
        made.st_dev != source.st_dev) {
        ::unlink(target.path.constData());
        putBack();
        return std::nullopt;
    }
    if (!setAside.isEmpty() && oldBackup != nullptr)
        *oldBackup = QFile::decodeName(setAside);
    else if (!setAside.isEmpty())
        ::unlink(setAside.constData());
    if (const int error = syncFolder(target.folder); error != 0)
        return FileResult::writeFailure(FileError::NotSynced, to, systemReason(error));
    return FileResult();
}

void removeLeftoverTemporaryFiles(const QString& path)
{
    const AtomicTarget target = targetOf(path, true);
    removeLeftovers(target.folder, target.fileName);
}

} // namespace tallyfox
