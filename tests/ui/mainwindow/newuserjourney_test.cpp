// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

// A new user's first days with the program, through its real window and forms: a first start, three
// entries made three ways, the currency list and the columns changed, the overview copied, a purge, an
// export and a second start. Each step checks what it changed; the files are checked at the end.
#include "itemeditor/itemeditorfixture.h"
#include "session/entrycells.h"
#include "storage/databasefile.h"
#include "support/controls.h"
#include "toolkit/softkeybar.h"
#include "toolkit/systemservices.h"
#include "ui/listeditor/listeditorform.h"
#include "ui/mainwindow/entrylistmodel.h"
#include "ui/mainwindow/entrylistview.h"
#include "ui/options/optionsform.h"
#include "ui/overview/overviewform.h"
#include "ui/purge/purgeform.h"
#include "ui/quickentry/quickentryform.h"

#include <QAction>
#include <QDateEdit>
#include <QHeaderView>
#include <QListWidget>
#include <QMenu>
#include <QProcess>
#include <QProcessEnvironment>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <gtest/gtest.h>
#include <vector>

namespace tallyfox::test {
namespace {

using Kind = ScriptedPrompts::Kind;

void tapControl(QWidget* control)
{
    ASSERT_NE(control, nullptr);
    QTest::mouseClick(control, Qt::LeftButton);
}

void tapRightKeyOf(FormBase& form)
{
    tapControl(test::control<SoftKeyBar>(form, "softKeyBar")->button(SoftKeyBar::Key::Right));
}

// Runs steps once the modal form that open brings up is on screen; a form the steps leave open fails.
void whileFormShown(FormBase& form, const std::function<void()>& open, const std::function<void()>& steps)
{
    bool shown = false;
    QTimer::singleShot(0, &form, [&] {
        shown = form.isVisible();
        steps();
        if (form.isVisible()) {
            ADD_FAILURE() << "still open: " << form.objectName().toStdString();
            form.closeWith(FormBase::kResultCancel);
        }
    });
    open();
    EXPECT_TRUE(shown);
}

class NewUserJourney : public ItemEditorFixture, public ::testing::Test
{
protected:
    ~NewUserJourney() override { qunsetenv("XDG_DATA_HOME"); }

    [[nodiscard]] QString dataFolder() const { return fixture.folder.file(QStringLiteral("data/tallyfox/")); }
    [[nodiscard]] QString databasePath() const { return dataFolder() + QStringLiteral("journey.tfx"); }
    [[nodiscard]] QByteArray dataFile(const char* name) const
    {
        return readFileBytes(dataFolder() + QString::fromLatin1(name));
    }
    // Every cell of the list as shown, row by row.
    [[nodiscard]] QStringList shownList() const
    {
        QStringList rows;
        const EntryListModel* model = test::control<EntryListModel>(*form, "entryListModel");
        for (int row = 0; row < model->rowCount(); ++row) {
            QStringList cells;
            for (int column = 0; column < model->columnCount(); ++column)
                cells << model->index(row, column).data().toString();
            rows << cells.join(u'|');
        }
        return rows;
    }
    void options(const std::function<void(OptionsForm&)>& steps)
    {
        OptionsForm& form = fixture.forms->options();
        whileFormShown(
            form, [this] { test::control<QAction>(*fixture.form, "optionsAction")->trigger(); },
            [&] {
                steps(form);
                tapRightKeyOf(form);
            });
    }
};

TEST_F(NewUserJourney, FromTheFirstStartToTheSecond)
{
    const auto firstStart = [&] {
        QFile::remove(fixture.registryFile);
        qputenv("XDG_DATA_HOME", fixture.folder.file(QStringLiteral("data")).toUtf8());
        fixture.prompts.answerFile(dataFolder() + QStringLiteral("journey"));
        form = &fixture.start();
        EXPECT_EQ(fixture.prompts.texts(Kind::SaveFile), QStringList{QStringLiteral("New database file")});
        EXPECT_EQ(fixture.state->databasePath, databasePath());
        EXPECT_EQ(test::control<EntryListModel>(*form, "entryListModel")->rowCount(), 0);
        // Typing at a desk: the plain editor rather than the finger-sized one.
        state().settings.fingerFriendly = false;
    };
    const auto addWithTheEditor = [&] {
        newItem([](ItemForm&) {
            type(QStringLiteral("12.50"));
            press(Qt::Key_Tab);
            type(QStringLiteral("Taxi"));
            press(Qt::Key_Return);
        });
        ASSERT_EQ(state().entryCount(), 1);
        EXPECT_EQ(entry(0).type, u"Taxi");
        EXPECT_EQ(entry(0).amount, 12.5);
    };
    // The start-up tick, due a second after the start: the first run's welcome. It runs after the first
    // entry: once its wait has let the main window become active, the offscreen platform keeps that
    // window active when the editor opens, and typed keys would miss the editor.
    const auto welcome = [&] {
        fixture.runStartupTick();
        const QStringList messages = fixture.prompts.texts(Kind::Message);
        ASSERT_FALSE(messages.isEmpty());
        EXPECT_TRUE(messages.constFirst().startsWith(u"Welcome to Tallyfox"));
    };
    const auto addWithTheWizard = [&] {
        state().settings.startWithQuick = true;
        state().settings.skipOverview = true;
        enableQuickSteps({0, 3});
        QuickEntryForm& wizard = fixture.forms->quickEntry();
        ShowWatch watch(wizard, [&] {
            tapQuickItem(QStringLiteral("Lunch"));
            QTest::keyClicks(wizard.focusWidget(), QStringLiteral("7.5"));
            tapQuick("receiptCheck");
            tapQuick("amountOkButton");
        });
        QTest::keyClick(form->list(), Qt::Key_N, Qt::ControlModifier);
        EXPECT_FALSE(wizard.isVisible());
        ASSERT_EQ(state().entryCount(), 2);
        EXPECT_EQ(entry(1).type, u"Lunch");
        EXPECT_EQ(entry(1).amount, 7.5);
        EXPECT_EQ(entry(1).receipt, u"1") << "the first receipt number";
    };
    // A quick-entry-only run of the real program on the same registry while the window is closed:
    // every step off and no review, so it stores one entry dated by its own clock and ends.
    const auto addWithAQuickEntryRun = [&] {
        state().settings.startWithQuick = false;
        state().settings.quickEnable.fill(false);
        fixture.close();
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environment.insert(QStringLiteral("TALLYFOX_REGISTRY"), fixture.registryFile);
        environment.insert(QStringLiteral("TALLYFOX_NOW"), QStringLiteral("2009-11-20T09:15:00"));
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), fixture.folder.path());
        environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("en_US.UTF-8"));
        QProcess program;
        program.setProcessEnvironment(environment);
        program.start(qEnvironmentVariable("TALLYFOX_BIN_DIR") + QStringLiteral("/tallyfox"),
                      {QStringLiteral("-sqe")});
        ASSERT_TRUE(program.waitForStarted(5000));
        if (!program.waitForFinished(20000)) {
            program.kill();
            program.waitForFinished(5000);
            FAIL() << "the -sqe run did not end";
        }
        EXPECT_EQ(program.exitCode(), 0) << program.readAllStandardError().toStdString();
        EXPECT_EQ(dataFile("journey.tfx").count("\r\nitem\t"), 3);
    };
    const auto restart = [&] {
        form = &fixture.start();
        EXPECT_EQ(fixture.state->databasePath, databasePath());
        EXPECT_EQ(test::control<EntryListModel>(*form, "entryListModel")->rowCount(), 3);
    };
    const auto makeGbpPrimary = [&] {
        ListEditorForm& listEditor = fixture.forms->listEditor();
        options([&](OptionsForm& form) {
            whileFormShown(
                listEditor, [&] { tapControl(test::control<QPushButton>(form, "currenciesButton")); },
                [&] {
                    auto* tree = test::control<QTreeWidget>(listEditor, "listTree");
                    tree->setCurrentItem(tree->findItems(QStringLiteral("GBP"), Qt::MatchExactly).value(0));
                    tapControl(test::control<QPushButton>(listEditor, "listMakePrimaryButton"));
                    tapRightKeyOf(listEditor);
                });
        });
        EXPECT_EQ(state().currencies[0].name, u"GBP");
    };
    const auto hideAColumn = [&] {
        const QHeaderView* header = form->list()->horizontalHeader();
        const int hiddenBefore = header->hiddenSectionCount();
        options([](OptionsForm& form) {
            test::control<QTabWidget>(form, "optionsTabs")->setCurrentIndex(2);
            test::control<QListWidget>(form, "visibleColumnsList")->setCurrentRow(0);
            tapControl(test::control<QPushButton>(form, "hideButton"));
        });
        EXPECT_EQ(header->hiddenSectionCount(), hiddenBefore + 1);
        EXPECT_TRUE(header->isSectionHidden(listSectionOf(ColumnId::Type)))
            << "the type column, first of the list";
    };
    const auto copyAMonthTable = [&] {
        OverviewForm& overview = fixture.forms->overview();
        whileFormShown(
            overview, [&] { test::control<QAction>(*fixture.form, "overviewAction")->trigger(); },
            [&] {
                for (QAction* action : test::control<QMenu>(overview, "overviewMenu")->actions())
                    if (action->text() == u"Expense types / month")
                        action->trigger();
                QTest::keyClick(test::control<QTableView>(overview, "monthTable"), Qt::Key_C,
                                Qt::ControlModifier);
                tapRightKeyOf(overview);
            });
        // In pounds at the rebased rate; the quick-entry run's entry, without a type or an amount, has a
        // row of its own.
        EXPECT_EQ(clipboardText(), QStringLiteral("Type\tTotal\t11-2009\t12-2009\t1-2010\t\r\n"
                                                  "Taxi\t11.12\t0.00\t0.00\t11.12\t\r\n"
                                                  "Lunch\t6.67\t0.00\t0.00\t6.67\t\r\n"
                                                  "\t0.00\t0.00\t0.00\t0.00\t\r\n"
                                                  "\t\t\t\t\t\r\n"
                                                  "Total\t17.80\t0.00\t0.00\t17.80\t\r\n"));
    };
    const auto purgeBeforeDecember = [&] {
        PurgeForm& purge = fixture.forms->purge();
        fixture.prompts.answerQuestion(true);
        whileFormShown(
            purge, [&] { test::control<QAction>(*fixture.form, "purgeAction")->trigger(); },
            [&] {
                test::control<QDateEdit>(purge, "purgeCutOff")->setDate(QDate(2009, 12, 1));
                tapRightKeyOf(purge);
            });
        EXPECT_EQ(state().entryCount(), 2);
        EXPECT_EQ(test::control<EntryListModel>(*form, "entryListModel")->rowCount(), 2);
    };
    const QString exportPath = fixture.folder.file(QStringLiteral("export.txt"));
    const auto exportAll = [&] {
        fixture.prompts.answerFile(exportPath);
        test::control<QAction>(*form, "exportDataAction")->trigger();
        EXPECT_EQ(readFileBytes(exportPath),
                  "Date\tCurrency\tAmount\tGBP\tType\tIntended source\tPaid with\tReceipt\tNote\r\n"
                  "1/3/10\tEUR\t12.50\t11.12\tTaxi\tEmployer\tCash\t-\t\r\n"
                  "1/3/10\tEUR\t7.50\t6.67\tLunch\tEmployer\tCash\t1\t\r\n");
    };
    QStringList listAtQuit;
    const auto quit = [&] {
        listAtQuit = shownList();
        test::control<QAction>(*form, "exitAction")->trigger();
        EXPECT_FALSE(form->isVisible());
        fixture.close();
    };

    using Step = std::function<void()>;
    const std::vector<Step> journey = {firstStart,
                                       addWithTheEditor,
                                       welcome,
                                       addWithTheWizard,
                                       addWithAQuickEntryRun,
                                       restart,
                                       makeGbpPrimary,
                                       hideAColumn,
                                       copyAMonthTable,
                                       purgeBeforeDecember,
                                       exportAll,
                                       quit};
    for (const Step& step : journey) {
        step();
        ASSERT_FALSE(HasFatalFailure());
    }

    const QByteArray database(dataFile("journey.tfx"));
    EXPECT_EQ(database, QByteArray(kDatabaseHeader.data(), kDatabaseHeader.size()) +
                            "\r\nitem\t2010\t1\t3\tEUR\t12.50\tfalse\tTaxi\tEmployer\tCash\tfalse\t00\t\r\n"
                            "item\t2010\t1\t3\tEUR\t7.50\tfalse\tLunch\tEmployer\tCash\ttrue\t1\t\r\n");
    // 1 ÷ 0.89, 1.44 ÷ 0.89 and so on, the primary first.
    EXPECT_TRUE(
        dataFile("TallyfoxDefaults.ini")
            .endsWith("[Currencies]\r\nGBP=Primary\r\nUS$=1.61798\r\nEUR=1.1236\r\nCHF=1.06742\r\n"
                      "DKK=8.38202\r\nJPY=176.40449\r\nNOK=13.03371\r\nPLN=4.94382\r\nSEK=12.80899\r\n"))
        << dataFile("TallyfoxDefaults.ini").toStdString();
    const QString registry = fixture.registryText();
    for (const char* value :
         {"\"Lastusedcurrency\"=\"EUR\"", "\"Lastpaidwith\"=\"Cash\"", "\"LasthasReceipt\"=dword:00000001",
          "\"NextReceiptNum\"=dword:00000003", "\"SkipOverview\"=dword:00000001",
          "\"LastVisibleColumn\"=dword:00000006", "\"OrderType\"=dword:00000007"})
        EXPECT_TRUE(registry.contains(QString::fromLatin1(value))) << value;
    const QString log = QString::fromUtf8(dataFile("Tallyfox.log"));
    const QString file = databasePath();
    EXPECT_TRUE(log.endsWith(
        QStringLiteral("1/3/10 12:30:45 PM\tNew file: %1\r\n"
                       "1/3/10 12:30:45 PM\tLoad file: %1\r\n"
                       "1/3/10 12:30:45 PM\tNew\t1/3/10\tEUR\t12.50\tTaxi\tEmployer\t\tCash\t-\r\n"
                       "1/3/10 12:30:45 PM\tNew\t1/3/10\tEUR\t7.50\tLunch\tEmployer\t\tCash\t1\r\n"
                       "11/20/09 9:15:00 AM\tLoad file: %1\r\n"
                       "11/20/09 9:15:00 AM\tNew\t11/20/09\tEUR\t0.00\t\tEmployer\t\tCash\t2\r\n"
                       "1/3/10 12:30:45 PM\tLoad file: %1\r\n"
                       "1/3/10 12:30:45 PM\tPurge all before 12/1/09\r\n")
            .arg(file)))
        << log.toStdString();

    // The second start asks nothing and shows the list as it was left.
    const qsizetype askedBefore = fixture.prompts.asked().size();
    form = &fixture.start();
    EXPECT_EQ(shownList(), listAtQuit);
    EXPECT_EQ(fixture.prompts.asked().size(), askedBefore);
}

} // namespace
} // namespace tallyfox::test
