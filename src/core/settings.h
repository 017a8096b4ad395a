#pragma once

#include <QString>
#include <array>

namespace tallyfox {

// Identifiers of the list columns, by identifier index k. They name the column settings and the
// quick-entry steps.
inline constexpr int kColumnCount = 9;
inline constexpr std::array<const char16_t*, kColumnCount> kColumnIdentifiers = {
    u"Type",           u"Date",    u"Currency", u"Amount",        u"PaidWith",
    u"IntendedSource", u"Receipt", u"Note",     u"PrimaryAmount",
};
inline constexpr std::array<int, kColumnCount> kDefaultColumnWidths = {80, 60, 40, 55, 80, 80, 50, 80, 55};
// A stored width beyond this (or below 0) is damage, not a choice; the column gets its default width.
inline constexpr int kLargestColumnWidth = 10000;

// The quick-entry steps are the first six identifiers and "Note"; "Receipt" and "PrimaryAmount" are none.
inline constexpr int kQuickStepCount = 7;
inline constexpr std::array<int, kQuickStepCount> kQuickStepIdentifiers = {0, 1, 2, 3, 4, 5, 7};

enum class SortKey : quint16
{
    Name = 0,
    Date = 1,
    Amount = 2,
    Receipt = 3,
    PaidWith = 4,
    IntendedSource = 5,
};
inline constexpr quint16 kSortKeyCount = 6;

// The settings kept in the registry, with their defaults; the remembered choices of the item editor
// are among them.
struct Settings
{
    bool EnableLogging = true;
    QString Lastusedcurrency = QStringLiteral("EUR");
    QString Lastintendedsource = QStringLiteral("Employer");
    QString Lastpaidwith = QStringLiteral("Cash");
    bool LastIncome = false;
    bool LasthasReceipt = false;
    quint16 NextReceiptNum = 1;
    bool FingerFriendly = true;
    bool StartWithQuick = false;
    bool ShowDecimals = true;
    qint32 DecimalsVis = 3;
    bool AutoSort = false;
    bool SortReverse = false;
    quint16 SortType = 0;
    bool IncomeIsPositive = false;
    bool Increase9is0 = false;
    bool SkipOverview = false;
    std::array<bool, kQuickStepCount> QuickEnable = {true, true, true, true, true, true, true};

    quint16 LastVisibleColumn = 7;
    std::array<int, kColumnCount> ColumnWidths = kDefaultColumnWidths;
    // Display position of each column by identifier index; always a permutation of 0-8.
    std::array<int, kColumnCount> ColumnPositions = {0, 1, 2, 3, 4, 5, 6, 7, 8};

    // Set when start-up could neither open nor create the settings key because the registry file cannot
    // be read. The settings then stay at their defaults and are not saved, so that the settings the user
    // has stored are never replaced by them, even when the file becomes readable later in the run.
    bool RegistryUnavailable = false;

    friend bool operator==(const Settings&, const Settings&) = default;
};

} // namespace tallyfox
