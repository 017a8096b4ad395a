// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "platform/programinstance.h"

#include "platform/filelock.h"

#include <QCryptographicHash>
#include <unistd.h>

namespace tallyfox {

QString programInstanceKey(const QString& registryFile)
{
    const QByteArray who = QByteArray::number(::getuid()) + '\n' + FileLock::realPath(registryFile).toUtf8();
    return QStringLiteral("tallyfox-") +
           QString::fromLatin1(QCryptographicHash::hash(who, QCryptographicHash::Sha1).toHex().left(16));
}

} // namespace tallyfox
