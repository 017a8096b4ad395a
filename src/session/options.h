// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include "core/settings.h"
#include "platform/filesystem.h"
#include "storage/defaultsfile.h"

#include <QString>
#include <QStringView>
#include <array>

namespace tallyfox {

class Session;

// What the options dialog edits: some settings, the four lists of the defaults file, the columns and the
// settings folder. The dialog starts from loadOptions and hands the result to saveOptions.
struct OptionsEdit
{
    bool enableLogging = false;
    bool fingerFriendly = false;
    bool startWithQuick = false;
    bool incomeIsPositive = false;
    bool increase9Is0 = false;
    bool skipOverview = false;
    quint16 nextReceiptNumber = 0;
    std::array<bool, kQuickStepCount> quickEnable{};
    // The main window's line of this month's totals, kept in a registry value of its own.
    bool showMonthLine = true;
    // The columns as the settings hold them: the display position of each column by identifier index.
    quint16 lastVisibleColumn = 0;
    ColumnArray<int> columnPositions{};

    DefaultsLists lists;

    // The settings folder, ending in "/"; another folder than the current one moves the settings files.
    QString location;
    // When moving: replace the files of the same name already in the new folder (otherwise they are kept).
    bool overwrite = false;
};

// The dialog's starting point: the current settings and folder and the lists of the defaults file, with
// the next receipt number that a new receipt is offered. A file that cannot be read gives empty lists and
// is reported through the session.
[[nodiscard]] OptionsEdit loadOptions(Session& session);

// Save, in this order: the settings in memory, all settings into the registry, the settings files (the
// defaults file, then the edit log) copied into a new settings folder, the lists into the defaults file in
// the settings folder, the currency table rebuilt from it, and the refresh. The first write that fails
// stops the writing: what was written before stays, the folder is switched only when its files arrived,
// and the failure is returned for the dialog to show. The rebuild and the refresh run in any case and
// report through the session as they always do.
[[nodiscard]] FileResult saveOptions(Session& session, const OptionsEdit& edit);

// Whether a folder already holds settings files that a move would replace, so the user is asked first.
[[nodiscard]] bool holdsSettingsFiles(const QString& folder);

// The receipt number as typed: an optional sign and the leading digits, anything else 0, kept as a
// 16-bit number (-1 gives 65535).
[[nodiscard]] quint16 receiptNumberFromText(QStringView text);

} // namespace tallyfox
