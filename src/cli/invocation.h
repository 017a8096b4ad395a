// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include "core/settings.h"
#include "money/chartseries.h"
#include "money/overviewchoices.h"
#include "session/entryfilter.h"
#include "session/exportfile.h"

#include <QDate>
#include <QSize>
#include <QString>
#include <optional>
#include <variant>

namespace tallyfox::cli {

enum class Command
{
    List,
    Sort,
    Report,
    Table,
    Export,
    Add,
    Import,
    Chart,
};

// How list prints the entries.
enum class ListFormat
{
    Tsv,
    Csv,
    Json,
};

// What import is given besides the file; what is left out is found from the file or remembered for its
// header.
struct ImportOptions
{
    QString file;
    QChar delimiter;
    QChar decimalMark;
    QString dateFormat;
    // "date=1,amount=Betrag,…", applied once the header is known.
    QString columns;
    QString currency;
    QString type;
    bool negativeIsIncome = false;
    bool allowDuplicates = false;
    bool dryRun = false;
};

// The fields of a new entry as given on the command line; what is left out takes the values the item
// editor would preset.
struct NewEntryOptions
{
    QString type;
    double amount = 0.0;
    std::optional<QString> currency;
    std::optional<QDate> date;
    std::optional<bool> income;
    std::optional<QString> paidWith;
    std::optional<QString> intendedSource;
    QString note;
    std::optional<bool> hasReceipt;
    // A receipt number given with --receipt; without it the next receipt number is used.
    std::optional<QString> receipt;
};

struct Invocation
{
    Command command = Command::List;
    // -f: the database, used whether or not it exists.
    std::optional<QString> databasePath;
    // -d: the settings folder.
    std::optional<QString> settingsFolder;
    // --today: the date that counts as today.
    std::optional<QDate> today;

    // list and sort
    std::optional<SortKey> sortKey;
    bool reverse = false;

    // table and chart: the overview's view and its two choices, counted from 0.
    OverviewView view = OverviewView::ExpenseTypes;
    int currencyChoice = 0;
    int modeChoice = 0;

    // list, report and table: the entries shown.
    EntryFilter filter;
    // chart: what it shows, its first and last month (by default the last 12 months), the picture file
    // and its size in pixels.
    ChartKind chartKind = ChartKind::Months;
    std::optional<int> chartFrom;
    std::optional<int> chartTo;
    QString chartPath;
    QSize chartSize{480, 360};

    // export: a file, or nothing for standard output.
    std::optional<QString> exportPath;

    NewEntryOptions entry;

    // list: the form of the listing; export: the form of the file.
    ListFormat listFormat = ListFormat::Tsv;
    ExportFormat exportFormat = ExportFormat::Tsv;

    ImportOptions import;
};

// What the command line asks for: a command to run, or an exit code with its text (for standard output
// when the code is 0, else a message for standard error).
struct EarlyExit
{
    int exitCode = 0;
    QString text;
};

using ParsedCommandLine = std::variant<Invocation, EarlyExit>;

// Exit codes. 0: done.
// 1: nothing was stored: a file could not be read or written (or is no database).
inline constexpr int kExitFileError = 1;
// 2: the command line is wrong.
inline constexpr int kExitUsage = 2;
// 3: the change is in the database, but the settings (or the edit log) were not saved; running the
// command again would make it twice.
inline constexpr int kExitSettingsNotSaved = 3;
// 4: another program was writing the database for longer than the tool waits; nothing was changed, and
// the command may be run again.
inline constexpr int kExitBusy = 4;

} // namespace tallyfox::cli
