// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "storage/settingscolumns.h"

#include "storage/settingsregistry.h"

namespace tallyfox {

namespace {

constexpr ColumnArray<const char16_t*> kColumnWidthValueNames = {{
    u"TypeWidth",
    u"DateWidth",
    u"CurWidth",
    u"AmountWidth",
    u"PaidWithWidth",
    u"IntSourceWidth",
    u"ReceiptWidth",
    u"NoteWidth",
    u"PrimaryAmountWidth",
}};

// Widths are stored in this order.
constexpr std::array<ColumnId, kColumnCount> kColumnWidthSaveOrder = {
    ColumnId::Currency,       ColumnId::Type, ColumnId::Date,    ColumnId::Amount,        ColumnId::PaidWith,
    ColumnId::IntendedSource, ColumnId::Note, ColumnId::Receipt, ColumnId::PrimaryAmount,
};

} // namespace

QString columnWidthValueName(ColumnId column)
{
    return QString::fromUtf16(kColumnWidthValueNames[column]);
}

QString columnOrderValueName(ColumnId column)
{
    return QStringLiteral("Order") + QString::fromUtf16(columnIdentifier(column));
}

ColumnArray<int> columnPositionsFromStored(const ColumnArray<quint16>& stored)
{
    std::array<bool, kColumnCount> taken{};
    ColumnArray<int> positions{};
    for (int k = 0; k < kColumnCount; ++k) {
        int position = stored[k];
        if (position >= kColumnCount || taken[position]) {
            position = 0;
            while (taken[position])
                ++position;
        }
        taken[position] = true;
        positions[k] = position;
    }
    return positions;
}

void readColumnSettings(RegistryKey& columnsKey, Settings& settings)
{
    settings.lastVisibleColumn = readNumber16Setting(columnsKey, QStringLiteral("LastVisibleColumn"), 7);
    for (const ColumnId column : kColumnIds) {
        const qint32 width =
            readNumberSetting(columnsKey, columnWidthValueName(column), kDefaultColumnWidths[column]);
        settings.columnWidths[column] = (width < 0 || width > kLargestColumnWidth)
                                            ? kDefaultColumnWidths[column]
                                            : static_cast<int>(width);
    }
    ColumnArray<quint16> stored{};
    for (const ColumnId column : kColumnIds)
        stored[column] =
            readNumber16Setting(columnsKey, columnOrderValueName(column), static_cast<quint16>(column));
    settings.columnPositions = columnPositionsFromStored(stored);
}

QList<SettingValue> columnSettingValues(const Settings& settings)
{
    QList<SettingValue> values;
    values.append(
        {QStringLiteral("LastVisibleColumn"), RegistryValue::fromNumber(settings.lastVisibleColumn)});
    for (const ColumnId column : kColumnWidthSaveOrder) {
        if (settings.columnWidths[column] > 0)
            values.append({columnWidthValueName(column),
                           RegistryValue::fromNumber(quint32(settings.columnWidths[column]))});
    }
    for (const ColumnId column : kColumnIds)
        values.append({columnOrderValueName(column),
                       RegistryValue::fromNumber(quint32(settings.columnPositions[column]))});
    return values;
}

} // namespace tallyfox
