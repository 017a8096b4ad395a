// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "platform/registrykey.h"

#include "platform/registrystore.h"

#include <QtGlobal>
#include <utility>

namespace tallyfox {

RegistryKey::RegistryKey(RegistryKey&& other) noexcept
    : m_store(std::move(other.m_store)), m_path(std::move(other.m_path)),
      m_openFailure(std::move(other.m_openFailure)), m_changed(std::exchange(other.m_changed, false))
{}

RegistryKey& RegistryKey::operator=(RegistryKey&& other) noexcept
{
    if (this != &other) {
        release();
        m_store = std::move(other.m_store);
        m_path = std::move(other.m_path);
        m_openFailure = std::move(other.m_openFailure);
        m_changed = std::exchange(other.m_changed, false);
    }
    return *this;
}

RegistryKey::~RegistryKey()
{
    release();
}

void RegistryKey::release() noexcept
{
    // Writing here would leave a failure nobody hears of; the caller closes and reports instead.
    if (m_store && m_changed)
        qWarning("Registry key %s of %s was changed but never closed, so it wrote nothing",
                 qUtf8Printable(m_path), qUtf8Printable(m_store->filePath()));
    m_store.reset();
    m_changed = false;
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
    m_store->setValue(m_path, name, value);
    m_changed = true;
}

FileResult RegistryKey::close()
{
    if (!m_store)
        return {};
    FileResult result = m_store->writeChanges();
    m_store.reset();
    m_changed = false;
    return result;
}

} // namespace tallyfox
