// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include <QString>
#include <QStringList>

class QCoreApplication;

namespace tallyfox {

// Where the program's catalogues are: built into the program, so a run from the build tree finds them too.
inline constexpr auto kProgramCatalogueFolder = u":/translations";

// The first of the user's languages ("de-DE", "en_GB", ...) that the program speaks, as the suffix of its
// catalogue ("de_DE"); empty when English, the language the program is written in, comes first or no
// catalogue matches.
[[nodiscard]] QString catalogueLanguage(const QStringList& uiLanguages, const QString& catalogueFolder);

// Installs Qt's own texts and the program's in that language on the application, which owns the
// translators; nothing is installed for English, and a catalogue that does not load leaves English.
void installTranslations(QCoreApplication& app, const QStringList& uiLanguages,
                         const QString& catalogueFolder);

} // namespace tallyfox
