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

QString ColumnWidthValueName(int k)
{
    return QString::fromUtf16(kColumnWidthValueNames[k]);
}

QString ColumnOrderValueName(int k)
{
    return QStringLiteral("Order") + QString::fromUtf16(kColumnIdentifiers[k]);
}

std::array<int, kColumnCount> ColumnPositionsFromStored(const std::array<quint16, kColumnCount>& stored)
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

void ReadColumnSettings(RegistryKey& columnsKey, Settings& settings)
{
    settings.LastVisibleColumn = RegReadNumber16(columnsKey, QStringLiteral("LastVisibleColumn"), 7);
    for (int k = 0; k < kColumnCount; ++k) {
        const qint32 width = RegReadNumber(columnsKey, ColumnWidthValueName(k), kDefaultColumnWidths[k]);
        settings.ColumnWidths[k] =
            (width < 0 || width > kLargestColumnWidth) ? kDefaultColumnWidths[k] : static_cast<int>(width);
    }
    std::array<quint16, kColumnCount> stored{};
    for (int k = 0; k < kColumnCount; ++k)
        stored[k] = RegReadNumber16(columnsKey, ColumnOrderValueName(k), static_cast<quint16>(k));
    settings.ColumnPositions = ColumnPositionsFromStored(stored);
}

void WriteColumnSettings(RegistryKey& columnsKey, const Settings& settings)
{
    RegWriteNumber(columnsKey, QStringLiteral("LastVisibleColumn"), settings.LastVisibleColumn);
    for (int k : kColumnWidthSaveOrder) {
        if (settings.ColumnWidths[k] > 0)
            RegWriteNumber(columnsKey, ColumnWidthValueName(k), settings.ColumnWidths[k]);
    }
    for (int k = 0; k < kColumnCount; ++k)
        RegWriteNumber(columnsKey, ColumnOrderValueName(k), settings.ColumnPositions[k]);
}

} // namespace tallyfox
