// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "platform/filelock.h"

#include "platform/recordlock.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QThread>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tallyfox {

namespace {

QString runtimeFolder()
{
    // The runtime folder is private to the user and emptied at each boot; /tmp serves where there is none.
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QFileInfo(QString::fromLocal8Bit(runtime)).isDir())
        return QString::fromLocal8Bit(runtime);
    return QDir::tempPath();
}

// Who may write the guarded file may open its lock file; a file yet to be made is the owner's alone.
mode_t lockFileMode(const QString& guardedPath)
{
    struct stat info
    {};
    if (::stat(QFile::encodeName(guardedPath).constData(), &info) == 0 && S_ISREG(info.st_mode))
        return (info.st_mode & 0666) | S_IRUSR | S_IWUSR;
    return S_IRUSR | S_IWUSR;
}

} // namespace

FileLock::FileLock(const QString& guardedPath, LockPurpose purpose)
    : m_guardedPath(guardedPath), m_lockFilePath(lockFilePathFor(guardedPath, purpose))
{}

FileLock::~FileLock()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

bool FileLock::lock(std::chrono::milliseconds wait)
{
    if (m_depth > 0) {
        ++m_depth;
        return true;
    }
    if (m_fd < 0) {
        m_fd = ::open(QFile::encodeName(m_lockFilePath).constData(),
                      O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK, lockFileMode(m_guardedPath));
        if (m_fd < 0) {
            m_lastError = errno;
            return false;
        }
        // Made by this user, it is opened to those who may write the guarded file, whatever the umask.
        struct stat made
        {};
        const mode_t mode = lockFileMode(m_guardedPath);
        if (::fstat(m_fd, &made) == 0 && made.st_uid == ::geteuid() && (made.st_mode & 07777) != mode)
            ::fchmod(m_fd, mode);
    }
    // Polled rather than blocking, so that a wait has an end; a short sleep keeps the cost of waiting low.
    const QDeadlineTimer deadline(wait);
    for (;;) {
        m_lastError = tryLockWholeFile(m_fd);
        if (m_lastError == 0 || m_lastError == ENOLCK)
            break;
        if (m_lastError != EWOULDBLOCK || deadline.hasExpired())
            return false;
        QThread::msleep(5);
    }
    m_guarded = m_lastError == 0;
    m_lastError = 0;
    m_depth = 1;
    return true;
}

void FileLock::unlock()
{
    if (m_depth == 0)
        return;
    if (--m_depth == 0 && m_guarded)
        unlockWholeFile(m_fd);
}

FileResult FileLock::failure(const QString& path, const QString& busyReason) const
{
    if (wasBusy())
        return FileResult::writeFailure(FileError::Busy, path, busyReason);
    // A lock file that is there but cannot be opened is another user's, made before this one shared it.
    if (QFileInfo::exists(m_lockFilePath))
        return FileResult::writeFailure(
            m_lastError == EACCES ? FileError::NotOwned : FileError::NotWritable, path,
            QCoreApplication::translate("FileResult", "Its lock file \"%1\" cannot be opened: %2")
                .arg(m_lockFilePath, systemReason(m_lastError)));
    return folderWriteFailure(path, QFileInfo(m_lockFilePath).absolutePath(), m_lastError);
}

QString FileLock::realPath(const QString& path)
{
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    if (!canonical.isEmpty())
        return canonical;
    const QString folder = QFileInfo(info.absolutePath()).canonicalFilePath();
    if (folder.isEmpty())
        return QDir::cleanPath(info.absoluteFilePath());
    return folder + u'/' + info.fileName();
}

QString FileLock::lockFilePathFor(const QString& guardedPath, LockPurpose purpose)
{
    const QString real = realPath(guardedPath);
    if (purpose == LockPurpose::Write) {
        const qsizetype slash = real.lastIndexOf(u'/');
        return real.left(slash + 1) + u'.' + real.mid(slash + 1) + QStringLiteral(".tallyfox-lock");
    }
    const QString hash = QString::fromLatin1(
        QCryptographicHash::hash(real.toUtf8(), QCryptographicHash::Sha1).toHex().left(20));
    // The user's number keeps two users of one /tmp apart.
    return QStringLiteral("%1/tallyfox-%2-instance-%3.lock")
        .arg(runtimeFolder(), QString::number(::getuid()), hash);
}

} // namespace tallyfox
