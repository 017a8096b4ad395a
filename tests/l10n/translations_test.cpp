// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

// The window in the user's language, and files that stay the same in every language.
#include "app/translations.h"
#include "mainwindow/mainformfixture.h"
#include "money/overviewchoices.h"
#include "money/overviewreport.h"
#include "money/thismonth.h"
#include "session/entryfilter.h"
#include "session/importmapping.h"
#include "session/showntotals.h"
#include "session/undohistory.h"
#include "storage/databasefile.h"
#include "support/controls.h"
#include "ui/mainwindow/entrylistmodel.h"
#include "ui/mainwindow/entrylistview.h"
#include "ui/widgets/shownenglish.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QKeySequence>
#include <QLabel>
#include <QPushButton>
#include <QTranslator>
#include <gtest/gtest.h>
#include <map>

namespace tallyfox::test {
namespace {

using Kind = ScriptedPrompts::Kind;

const QString kCatalogues = QStringLiteral(TALLYFOX_CATALOGUE_FOLDER);

QByteArray twoEntries()
{
    return kDatabaseHeader.toByteArray() +
           "\r\nitem\t2010\t1\t3\tEUR\t12.50\tfalse\tDinner\tEmployer\tCash\ttrue\t0042\tclient\r\n"
           "item\t2010\t1\t2\tEUR\t3.20\tfalse\tBreakfast\tEmployer\tCash\tfalse\t00\t\r\n";
}

// Takes every translator the test installed off the application again.
void removeTranslations()
{
    qDeleteAll(qApp->findChildren<QTranslator*>(Qt::FindDirectChildrenOnly));
}

struct LanguageCase
{
    QStringList uiLanguages;
    QString chosen;
};

class CatalogueLanguage : public ::testing::TestWithParam<LanguageCase>
{};

TEST_P(CatalogueLanguage, IsTheFirstLanguageSpokenUnlessEnglishComesFirst)
{
    EXPECT_EQ(catalogueLanguage(GetParam().uiLanguages, kCatalogues), GetParam().chosen);
}

INSTANTIATE_TEST_SUITE_P(
    Translations, CatalogueLanguage,
    ::testing::Values(LanguageCase{{QStringLiteral("de-DE"), QStringLiteral("de")}, QStringLiteral("de_DE")},
                      LanguageCase{{QStringLiteral("de")}, QStringLiteral("de")},
                      LanguageCase{{QStringLiteral("fr-FR"), QStringLiteral("de-AT")},
                                   QStringLiteral("de_AT")},
                      LanguageCase{{QStringLiteral("en-US"), QStringLiteral("de-DE")}, QString()},
                      LanguageCase{{QStringLiteral("en_GB")}, QString()},
                      LanguageCase{{QStringLiteral("C")}, QString()},
                      LanguageCase{{QStringLiteral("fr-FR")}, QString()}, LanguageCase{{}, QString()}));

// Every file under a folder by its path below it, the folder's own path in their texts made neutral.
std::map<QString, QByteArray> filesUnder(const QString& folder)
{
    std::map<QString, QByteArray> files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        files[QDir(folder).relativeFilePath(path)] =
            readFileBytes(path).replace(folder.toUtf8(), QByteArrayLiteral("FOLDER"));
    }
    return files;
}

class GermanWindow : public ::testing::Test
{
protected:
    void TearDown() override { removeTranslations(); }

    // The same steps in a window in the languages given: a sort, a deleted entry, an edit of nothing
    // and the window closed. Returns every file they left, and records what the window showed.
    std::map<QString, QByteArray> useTheWindow(const QStringList& uiLanguages)
    {
        removeTranslations();
        installTranslations(*qApp, uiLanguages, kCatalogues);
        MainFormFixture fixture;
        const QString database = fixture.settingsFolder() + QStringLiteral("mine.tfx");
        writeFileBytes(database, twoEntries());
        MainForm& form = fixture.start({QStringLiteral("-f"), database});

        m_exit = test::control<QAction>(form, "exitAction")->text();
        m_exitKey = test::control<QAction>(form, "exitAction")->shortcut().toString(QKeySequence::NativeText);
        m_options = test::control<QAction>(form, "optionsAction")->text();
        m_deleteEntry = test::control<QAction>(form, "deleteEntryAction")->text();
        m_leftKey = test::control<QPushButton>(form, "softKeyLeft")->text();
        const auto* model = test::control<EntryListModel>(form, "entryListModel");
        m_dateColumn = model->headerData(3, Qt::Horizontal, Qt::DisplayRole).toString();

        test::control<QAction>(form, "sortKey1Action")->trigger();
        form.list()->selectRow(1);
        fixture.prompts.answerQuestion(true);
        test::control<QAction>(form, "deleteEntryAction")->trigger();
        m_question = fixture.prompts.texts(Kind::Question).value(0);
        m_summary = test::control<QLabel>(form, "filterSummary")->text();
        // The step back writes the file and the log again, under the language of the menu item.
        m_undo = test::control<QAction>(form, "undoAction")->text();
        test::control<QAction>(form, "undoAction")->trigger();
        fixture.close();
        return filesUnder(fixture.folder.path());
    }

    QString m_exit, m_exitKey, m_options, m_deleteEntry, m_leftKey, m_dateColumn, m_question, m_summary,
        m_undo;
};

TEST_F(GermanWindow, ShowsItsMenuAndMessagesInGermanAndWritesTheSameFiles)
{
    const std::map<QString, QByteArray> english = useTheWindow({QStringLiteral("en-US")});
    EXPECT_EQ(m_exit, u"Exit");
    EXPECT_EQ(m_question, u"Do you really want to delete this entry?");
    EXPECT_EQ(m_undo, u"Undo delete Dinner 12.50");
    EXPECT_TRUE(m_summary.startsWith(u"1\u00a0of\u00a01\u00a0entries")) << m_summary.toStdString();

    const std::map<QString, QByteArray> german =
        useTheWindow({QStringLiteral("de-DE"), QStringLiteral("de")});
    EXPECT_EQ(m_exit, u"Beenden");
    EXPECT_EQ(m_options, u"Optionen...");
    EXPECT_EQ(m_deleteEntry, u"Eintrag löschen");
    EXPECT_EQ(m_leftKey, u"Menü");
    EXPECT_EQ(m_dateColumn, u"Datum");
    EXPECT_EQ(m_question, u"Wollen Sie diesen Eintrag wirklich löschen?");
    EXPECT_EQ(m_undo, u"Rückgängig: Dinner 12.50 löschen");
    EXPECT_TRUE(m_summary.startsWith(u"1\u00a0von\u00a01\u00a0Einträgen")) << m_summary.toStdString();
    // Qt's own texts too: the shortcut's key names.
    EXPECT_EQ(m_exitKey, u"Strg+Q");

    // The database, the settings files, the registry and the log, byte for byte.
    ASSERT_FALSE(english.empty());
    EXPECT_EQ(german.size(), english.size());
    for (const auto& [path, bytes] : english) {
        ASSERT_TRUE(german.count(path)) << path.toStdString();
        EXPECT_EQ(german.at(path), bytes) << path.toStdString();
    }
    EXPECT_TRUE(german.at(QStringLiteral("settings/Tallyfox.log")).contains("\tDelete\t"));
    EXPECT_TRUE(german.at(QStringLiteral("settings/Tallyfox.log")).contains("\tNew\t"));
}

TEST_F(GermanWindow, ShowsTheFixedTextsOfTheLayersBelowInGermanWhileTheyStayEnglish)
{
    installTranslations(*qApp, {QStringLiteral("de")}, kCatalogues);
    EXPECT_EQ(filterFieldCaption(FilterField::PaidWith), u"Paid with");
    EXPECT_EQ(shownEnglish("FilterField", filterFieldCaption(FilterField::PaidWith)), u"Bezahlt mit");
    EXPECT_EQ(viewMenuText(OverviewView::Charts), u"Charts");
    EXPECT_EQ(shownEnglish("OverviewChoices", viewMenuText(OverviewView::Charts)), u"Diagramme");
    EXPECT_EQ(shownEnglish("OverviewChoices", modeChoiceItems().value(1)), u"Nur Ausgaben");
    // A text nobody marked is shown as it is.
    EXPECT_EQ(shownEnglish("OverviewChoices", QStringLiteral("EUR")), u"EUR");
}

// Texts the layers below the window make: English without a catalogue, as tallyfox-cli has none, and in
// the window's language once it is installed.
TEST_F(GermanWindow, HasTheTextsMadeBelowTheWindowInItsLanguage)
{
    AppState state(pinnedLocale());
    state.databasePath = QStringLiteral("/data/mine.tfx");
    const Clock clock(QDateTime(QDate(2010, 1, 15), QTime(12, 0)));
    const auto texts = [&state, &clock] {
        return QStringList{
            shownTotalsText({1, 2, 3.2, 0.0, false}, state),
            thisMonthText({0.0, 12.5, false, false}),
            FileResult::readFailure(FileError::NotFound, QStringLiteral("/data/mine.tfx"),
                                    QStringLiteral("r"))
                .message(),
            buildOverviewText(state, clock).section(u'\r', 0, 0),
            viewFieldCaption(OverviewView::ExpenseTypes),
            sortCaption(SortKey::Date),
            importFieldCaption(ImportField::Debit),
        };
    };
    const QStringList english{
        QStringLiteral("1 of 2 entries \u00b7 expenses 3.20 \u00b7 income 0.00 \u00b7 balance -3.20"),
        QStringLiteral("This month: expenses\u00a012.50 \u00b7 income\u00a00.00"),
        QStringLiteral("Cannot read \"/data/mine.tfx\": r"),
        QStringLiteral("Filename:"),
        QStringLiteral("Type"),
        QStringLiteral("sort by date"),
        QStringLiteral("Debit"),
    };
    EXPECT_EQ(texts(), english);

    installTranslations(*qApp, {QStringLiteral("de")}, kCatalogues);
    EXPECT_EQ(
        texts(),
        (QStringList{
            QStringLiteral("1 von 2 Einträgen \u00b7 Ausgaben 3.20 \u00b7 Einnahmen 0.00 \u00b7 Saldo -3.20"),
            QStringLiteral("Dieser Monat: Ausgaben\u00a012.50 \u00b7 Einnahmen\u00a00.00"),
            QStringLiteral("\u201e/data/mine.tfx\u201c kann nicht gelesen werden: r"),
            QStringLiteral("Dateiname:"),
            QStringLiteral("Art"),
            QStringLiteral("nach Datum sortieren"),
            QStringLiteral("Soll"),
        }));

    removeTranslations();
    EXPECT_EQ(texts(), english);
}

} // namespace
} // namespace tallyfox::test
