#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <memory>

namespace tallyfox {

// One running copy per key. The first copy holds a lock file and listens on a local socket; a later copy
// finds the lock taken, asks the first to come to the front and steps aside.
class SingleInstance : public QObject
{
    Q_OBJECT

public:
    // The key names the socket, the lock file guards it; copies with different keys do not meet.
    SingleInstance(const QString& key, const QString& lockFilePath, QObject* parent = nullptr);
    ~SingleInstance() override;

    // True when this process is the first copy. Otherwise the first copy has been asked to come forward.
    [[nodiscard]] bool start();

Q_SIGNALS:
    void activationRequested();

private:
    void acceptConnection();

    QString m_key;
    QString m_lockFilePath;
    std::unique_ptr<QLockFile> m_lock;
    QLocalServer m_server;
};

} // namespace tallyfox
