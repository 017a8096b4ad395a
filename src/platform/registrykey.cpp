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
