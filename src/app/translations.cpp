// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "app/translations.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace tallyfox {

namespace {

const auto kProgramCatalogue = QStringLiteral("tallyfox_");
const auto kQtCatalogue = QStringLiteral("qtbase_");

// Loads "name_" + language, or the language without its country, into a translator the application
// owns, and installs it.
bool install(QCoreApplication& app, const QString& name, const QString& language, const QString& folder)
{
    auto* translator = new QTranslator(&app);
    if (!translator->load(name + language, folder) || !QCoreApplication::installTranslator(translator)) {
        delete translator;
        return false;
    }
    return true;
}

} // namespace

QString catalogueLanguage(const QStringList& uiLanguages, const QString& catalogueFolder)
{
    for (QString language : uiLanguages) {
        language.replace(u'-', u'_');
        const QLocale locale(language);
        if (locale.language() == QLocale::English || locale.language() == QLocale::C)
            return {};
        // QTranslator::load takes "de" for "de_DE" too; so does this.
        const QString withoutCountry = language.section(u'_', 0, 0);
        for (const QString& candidate : {language, withoutCountry}) {
            if (QFileInfo::exists(catalogueFolder + u'/' + kProgramCatalogue + candidate +
                                  QStringLiteral(".qm")))
                return language;
        }
    }
    return {};
}

void installTranslations(QCoreApplication& app, const QStringList& uiLanguages,
                         const QString& catalogueFolder)
{
    const QString language = catalogueLanguage(uiLanguages, catalogueFolder);
    if (language.isEmpty() || !install(app, kProgramCatalogue, language, catalogueFolder))
        return;
    // Qt's own texts (the buttons of its dialogs, the context menus of its text boxes) where it has them;
    // without them the program's texts are still shown in the language.
    install(app, kQtCatalogue, language, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

} // namespace tallyfox
