// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "storage/monthlinesetting.h"

#include "platform/registry.h"

namespace tallyfox {

namespace {

const auto kKey = QStringLiteral("Software\\Tallyfox\\MonthLine");
const auto kShown = QStringLiteral("Shown");

} // namespace

bool readMonthLineShown(Registry& registry)
{
    const RegistryKey key = registry.open(kKey);
    const std::optional<RegistryValue> value = key.value(kShown);
    return !value || value->kind != RegistryValueKind::Number || value->number != 0;
}

FileResult storeMonthLineShown(Registry& registry, bool shown)
{
    RegistryKey key = registry.openOrCreate(kKey);
    key.setNumber(kShown, shown ? 1 : 0);
    return key.close();
}

} // namespace tallyfox
