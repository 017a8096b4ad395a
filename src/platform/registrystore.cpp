#include "platform/registrystore.h"

#include "platform/registryformat.h"

#include <QDir>
#include <QFileInfo>
#include <map>

namespace tallyfox {

namespace {

// The stores that open keys hold, by absolute file path. A store goes when its last key closes, so the
// next opening reads the file again and sees what others wrote in between.
std::map<QString, std::weak_ptr<RegistryStore>>& sharedRegistryStores()
{
    static std::map<QString, std::weak_ptr<RegistryStore>> stores;
    return stores;
}

} // namespace

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

std::shared_ptr<RegistryStore> RegistryStore::forFile(const QString& path)
{
    auto& stores = sharedRegistryStores();
    std::erase_if(stores, [](const auto& entry) { return entry.second.expired(); });
    const QString absolute = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    if (auto found = stores.find(absolute); found != stores.end()) {
        if (std::shared_ptr<RegistryStore> store = found->second.lock())
            return store;
    }
    auto store = std::make_shared<RegistryStore>(Token(), absolute);
    stores[absolute] = store;
    return store;
}

RegistryStore::RegistryStore(Token, const QString& path) : m_path(path)
{
    const FileContent file = readWholeFile(path);
    if (!file.result.ok()) {
        m_readResult = file.result;
        return;
    }
    ParsedRegistry parsed = parseRegistryFile(file.bytes);
    if (!parsed.recognised) {
        m_readResult = FileResult::readFailure(FileError::UnknownContent, path,
                                               QStringLiteral("It is not a registry file."));
        return;
    }
    m_content = std::move(parsed.content);
}

RegistryContent& RegistryStore::contentToChange()
{
    m_changed = true;
    return m_content;
}

FileResult RegistryStore::writeChanges()
{
    if (!m_changed || !isReadable())
        return {};
    const QString folder = QFileInfo(m_path).absolutePath();
    if (!QDir().mkpath(folder))
        return FileResult::writeFailure(FileError::FolderNotCreated, m_path,
                                        QStringLiteral("The folder \"%1\" cannot be created.").arg(folder));
    FileResult result = writeFileAtomically(
        m_path, [this](QIODevice& device) { return writeRegistryFile(device, m_content); });
    if (result.ok())
        m_changed = false;
    return result;
}

} // namespace tallyfox
