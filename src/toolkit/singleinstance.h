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
    // The key names the lock file and the socket; copies with different keys do not meet.
    explicit SingleInstance(const QString& key, QObject* parent = nullptr);
    ~SingleInstance() override;

    // True when this process is the first copy. Otherwise the first copy has been asked to come forward.
    [[nodiscard]] bool start();

    // A key for a user and a settings file: one running copy per user and registry.
    [[nodiscard]] static QString keyFor(const QString& settingsFile);

Q_SIGNALS:
    void activationRequested();

private:
    void acceptConnection();

    QString m_key;
    std::unique_ptr<QLockFile> m_lock;
    QLocalServer m_server;
};

} // namespace tallyfox
