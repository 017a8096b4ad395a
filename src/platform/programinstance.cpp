#include "platform/programinstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLockFile>
#include <QStandardPaths>

namespace tallyfox {

QString programInstanceKey(const QString& registryFile)
{
    const QByteArray who = qgetenv("USER") + '\n' + QDir::cleanPath(registryFile).toUtf8();
    return QStringLiteral("tallyfox-") +
           QString::fromLatin1(QCryptographicHash::hash(who, QCryptographicHash::Sha1).toHex().left(16));
}

QString programInstanceLockPath(const QString& key)
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    return folder + u'/' + key + QStringLiteral(".lock");
}

bool isProgramRunning(const QString& registryFile)
{
    QLockFile lock(programInstanceLockPath(programInstanceKey(registryFile)));
    // A lock left by a copy that died is stale and does not count.
    lock.setStaleLockTime(0);
    if (lock.tryLock(0)) {
        lock.unlock();
        return false;
    }
    return lock.error() == QLockFile::LockFailedError;
}

} // namespace tallyfox
