#include "platform/registrykey.h"

#include "platform/registrystore.h"

namespace tallyfox {

RegistryKey& RegistryKey::operator=(RegistryKey&& other) noexcept
{
    if (this != &other) {
        (void)close();
        m_store = std::move(other.m_store);
        m_path = std::move(other.m_path);
        m_openFailure = std::move(other.m_openFailure);
    }
    return *this;
}

RegistryKey::~RegistryKey()
{
    (void)close();
}

RegistryKey RegistryKey::open(const QString& subKey, const QString& registryFile)
{
    return openKey(subKey, registryFile, false);
}

RegistryKey RegistryKey::openOrCreate(const QString& subKey, const QString& registryFile)
{
    return openKey(subKey, registryFile, true);
}

RegistryKey RegistryKey::openKey(const QString& subKey, const QString& registryFile, bool create)
{
    RegistryKey key;
    std::shared_ptr<RegistryStore> store = RegistryStore::forFile(registryFile);
    if (!store->isReadable()) {
        key.m_openFailure = store->readResult();
        return key;
    }
    QString path = QStringLiteral("HKEY_LOCAL_MACHINE\\") + subKey;
    while (path.endsWith(u'\\'))
        path.chop(1);
    if (!store->content().keyExists(path)) {
        if (!create)
            return key;
        (void)store->contentToChange().addKey(path);
    }
    key.m_store = std::move(store);
    key.m_path = path;
    return key;
}

std::optional<RegistryValue> RegistryKey::value(QStringView name) const
{
    if (!m_store)
        return std::nullopt;
    const RegistryKeyContent* key = m_store->content().findKey(m_path);
    const RegistryValue* found = key ? key->find(name) : nullptr;
    if (!found)
        return std::nullopt;
    return *found;
}

void RegistryKey::setValue(const QString& name, const RegistryValue& value)
{
    if (!m_store || this->value(name) == value)
        return;
    m_store->contentToChange().addKey(m_path).set(name, value);
}

FileResult RegistryKey::close()
{
    if (!m_store)
        return {};
    FileResult result = m_store->writeChanges();
    m_store.reset();
    return result;
}

} // namespace tallyfox
