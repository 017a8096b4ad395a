// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "platform/registry.h"

#include "platform/registrystore.h"

#include <QDir>
#include <QFileInfo>

namespace tallyfox {

QString registryFilePath()
{
    const QString chosen = qEnvironmentVariable("TALLYFOX_REGISTRY");
    if (!chosen.isEmpty())
        return chosen;
    QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    // A relative XDG_CONFIG_HOME is invalid and ignored.
    if (config.isEmpty() || QDir::isRelativePath(config))
        config = QDir::homePath() + QStringLiteral("/.config");
    return config + QStringLiteral("/tallyfox/registry.reg");
}

RegistryKey Registry::open(const QString& subKey)
{
    return openKey(subKey, false);
}

RegistryKey Registry::openOrCreate(const QString& subKey)
{
    return openKey(subKey, true);
}

RegistryKey Registry::openKey(const QString& subKey, bool create)
{
    RegistryKey key;
    std::shared_ptr<RegistryStore> shared = store();
    if (!shared->isReadable()) {
        key.m_openFailure = shared->readResult();
        return key;
    }
    QString path = QStringLiteral("HKEY_LOCAL_MACHINE\\") + subKey;
    while (path.endsWith(u'\\'))
        path.chop(1);
    if (!shared->content().keyExists(path)) {
        if (!create)
            return key;
        shared->addKey(path);
        key.m_changed = true;
    }
    key.m_store = std::move(shared);
    key.m_path = path;
    return key;
}

std::shared_ptr<RegistryStore> Registry::store()
{
    if (std::shared_ptr<RegistryStore> open = m_store.lock())
        return open;
    auto fresh = std::make_shared<RegistryStore>(QDir::cleanPath(QFileInfo(m_filePath).absoluteFilePath()));
    if (m_readOnly)
        fresh->setReadOnly();
    m_store = fresh;
    return fresh;
}

} // namespace tallyfox
