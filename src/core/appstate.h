#pragma once

#include "core/growablearray.h"
#include "core/settings.h"
#include "platform/userlocale.h"

#include <QLocale>
#include <QString>
#include <QStringList>

namespace tallyfox {

// Everything the program holds for a run: the entries, the currency table, the paths, the guard flags
// and the settings. The program creates one and hands it to whoever needs it; a test makes its own.
struct AppState
{
    explicit AppState(const QLocale& locale) : Locale(locale) {}

    [[nodiscard]] int EntryCount() const { return Entries.count(); }
    [[nodiscard]] int CurrencyCount() const { return Currencies.count(); }

    UserLocale Locale;

    expensearray Entries;
    currencyarray Currencies;

    QString DatabasePath;
    // Folder texts end in "/".
    QString SettingsFolder;
    QString ProgramFolder;

    // While set, a refresh does not write an empty table over the file that Open found empty.
    bool KeepFileIfEmpty = false;
    bool QuickEntryOnStart = false;
    // The run only adds one entry: the list is never filled.
    bool QuickEntryOnly = false;
    bool Landscape = false;
    QStringList StartupMessages;

    Settings settings;
};

} // namespace tallyfox
