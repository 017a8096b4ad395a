// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "ui/widgets/formsizesettings.h"

#include "platform/registry.h"
#include "session/session.h"

namespace tallyfox {

namespace {

const auto kWidth = QStringLiteral("Width");
const auto kHeight = QStringLiteral("Height");
// Smaller than this a size is not one a person gave a form.
constexpr quint32 kSmallest = 60;
constexpr quint32 kLargest = 100000;

QString keyOf(const QString& form)
{
    return QStringLiteral("Software\\Tallyfox\\Window\\") + form;
}

std::optional<quint32> dimension(const RegistryKey& key, QStringView name)
{
    const std::optional<RegistryValue> value = key.value(name);
    if (!value || value->kind != RegistryValueKind::Number || value->number < kSmallest ||
        value->number > kLargest)
        return std::nullopt;
    return value->number;
}

} // namespace

std::optional<QSize> FormSizeSettings::size(const QString& form) const
{
    if (form.isEmpty())
        return std::nullopt;
    const RegistryKey key = m_session.registry().open(keyOf(form));
    const std::optional<quint32> width = dimension(key, kWidth), height = dimension(key, kHeight);
    if (!width || !height)
        return std::nullopt;
    return QSize(int(*width), int(*height));
}

void FormSizeSettings::remember(const QString& form, QSize size)
{
    if (form.isEmpty() || size.width() <= 0 || size.height() <= 0)
        return;
    RegistryKey key = m_session.registry().openOrCreate(keyOf(form));
    key.setNumber(kWidth, quint32(size.width()));
    key.setNumber(kHeight, quint32(size.height()));
    m_session.report(key.close());
}

} // namespace tallyfox
