#include "platform/filelock.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QThread>
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace tallyfox {

namespace {

QString lockFolder()
{
    // The runtime folder is private to the user and emptied at each boot; /tmp serves where there is none.
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QFileInfo(QString::fromLocal8Bit(runtime)).isDir())
        return QString::fromLocal8Bit(runtime);
    return QDir::tempPath();
}

bool tryFlock(int fd)
{
    for (;;) {
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0)
            return true;
        if (errno != EINTR)
            return false;
    }
}

} // namespace

FileLock::FileLock(const QString& guardedPath, LockPurpose purpose)
    : m_lockFilePath(lockFilePathFor(guardedPath, purpose))
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
                      O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
        if (m_fd < 0) {
            m_lastError = errno;
            return false;
        }
    }
    // Polled rather than blocking, so that a wait has an end; a short sleep keeps the cost of waiting low.
    const QDeadlineTimer deadline(wait);
    while (!tryFlock(m_fd)) {
        m_lastError = errno;
        if (m_lastError != EWOULDBLOCK || deadline.hasExpired())
            return false;
        QThread::msleep(5);
    }
    m_lastError = 0;
    m_depth = 1;
    return true;
}

void FileLock::unlock()
{
    if (m_depth == 0)
        return;
    if (--m_depth == 0)
        ::flock(m_fd, LOCK_UN);
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
    const QByteArray key = realPath(guardedPath).toUtf8();
    const QString hash =
        QString::fromLatin1(QCryptographicHash::hash(key, QCryptographicHash::Sha1).toHex().left(20));
    const QString kind = purpose == LockPurpose::Write ? QStringLiteral("write") : QStringLiteral("instance");
    // The user's number keeps two users of one /tmp apart.
    return QStringLiteral("%1/tallyfox-%2-%3-%4.lock")
        .arg(lockFolder(), QString::number(::getuid()), kind, hash);
}

} // namespace tallyfox
