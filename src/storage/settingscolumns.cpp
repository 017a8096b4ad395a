#include "storage/settingscolumns.h"

#include "storage/settingsregistry.h"

namespace tallyfox {

namespace {

constexpr std::array<const char16_t*, kColumnCount> kColumnWidthValueNames = {
    u"TypeWidth",      u"DateWidth",    u"CurWidth",  u"AmountWidth",        u"PaidWithWidth",
    u"IntSourceWidth", u"ReceiptWidth", u"NoteWidth", u"PrimaryAmountWidth",
};

// Widths are stored in this order: Currency, Type, Date, Amount, PaidWith, IntendedSource, Note, Receipt,
// PrimaryAmount.
constexpr std::array<int, kColumnCount> kColumnWidthSaveOrder = {2, 0, 1, 3, 4, 5, 7, 6, 8};

} // namespace

QString columnWidthValueName(int k)
{
    return QString::fromUtf16(kColumnWidthValueNames[k]);
}

QString columnOrderValueName(int k)
{
    return QStringLiteral("Order") + QString::fromUtf16(kColumnIdentifiers[k]);
}

std::array<int, kColumnCount> columnPositionsFromStored(const std::array<quint16, kColumnCount>& stored)
{
    std::array<bool, kColumnCount> taken{};
    std::array<int, kColumnCount> positions{};
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
    for (int k = 0; k < kColumnCount; ++k) {
        const qint32 width = readNumberSetting(columnsKey, columnWidthValueName(k), kDefaultColumnWidths[k]);
        settings.columnWidths[k] =
            (width < 0 || width > kLargestColumnWidth) ? kDefaultColumnWidths[k] : static_cast<int>(width);
    }
    std::array<quint16, kColumnCount> stored{};
    for (int k = 0; k < kColumnCount; ++k)
        stored[k] = readNumber16Setting(columnsKey, columnOrderValueName(k), static_cast<quint16>(k));
    settings.columnPositions = columnPositionsFromStored(stored);
}

QList<SettingValue> columnSettingValues(const Settings& settings)
{
    QList<SettingValue> values;
    values.append(
        {QStringLiteral("LastVisibleColumn"), RegistryValue::fromNumber(settings.lastVisibleColumn)});
    for (int k : kColumnWidthSaveOrder) {
        if (settings.columnWidths[k] > 0)
            values.append(
                {columnWidthValueName(k), RegistryValue::fromNumber(quint32(settings.columnWidths[k]))});
    }
    for (int k = 0; k < kColumnCount; ++k)
        values.append(
            {columnOrderValueName(k), RegistryValue::fromNumber(quint32(settings.columnPositions[k]))});
    return values;
}

} // namespace tallyfox
