// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include "core/growablearray.h"
#include "core/settings.h"
#include "platform/userlocale.h"

#include <QLocale>
#include <QString>

namespace tallyfox {

// Everything the program holds for a run: the entries, the currency table, the paths, the guard flags
// and the settings. The program creates one and hands it to whoever needs it; a test makes its own.
struct AppState
{
    explicit AppState(const QLocale& locale) : locale(locale) {}

    [[nodiscard]] int entryCount() const { return entries.count(); }
    [[nodiscard]] int currencyCount() const { return currencies.count(); }

    UserLocale locale;

    ExpenseArray entries;
    CurrencyArray currencies;

    QString databasePath;
    // Folder texts end in "/".
    QString settingsFolder;
    QString programFolder;

    // While set, a refresh does not write an empty table over the file that Open found empty.
    bool keepFileIfEmpty = false;
    bool quickEntryOnStart = false;
    // The run only adds one entry: the list is never filled.
    bool quickEntryOnly = false;
    bool landscape = false;

    Settings settings;
};

} // namespace tallyfox
