// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include <QLocalServer>
#include <QObject>
#include <functional>

namespace tallyfox {

// One running copy per key. The first copy claims its place (a kernel lock the caller holds, which no
// crash can leave behind) and listens on a local socket; a later copy finds the place taken, asks the
// first to come to the front and steps aside.
class SingleInstance : public QObject
{
    Q_OBJECT

public:
    // Claims the place for the rest of the process's life: true when it was free. The key names the
    // socket; copies with different keys do not meet.
    using Claim = std::function<bool()>;

    SingleInstance(const QString& key, Claim claim, QObject* parent = nullptr);
    ~SingleInstance() override;

    // True when this process is the first copy. Otherwise the first copy has been asked to come forward.
    [[nodiscard]] bool start();

Q_SIGNALS:
    void activationRequested();

private:
    void acceptConnection();

    QString m_key;
    Claim m_claim;
    QLocalServer m_server;
};

} // namespace tallyfox
