// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

// The main window and a database that another program changes while it is open: the watch on the file,
// the list that follows the change, and a change made in the window at the same moment.
#include "mainwindow/mainformfixture.h"
#include "storage/databasefile.h"
#include "support/controls.h"
#include "ui/mainwindow/databasewatcher.h"
#include "ui/mainwindow/entrylistmodel.h"
#include "ui/mainwindow/entrylistview.h"
#include "ui/mainwindow/keptselection.h"

#include <QDir>
#include <QProcess>
#include <QProcessEnvironment>
#include <QSaveFile>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>
#include <unistd.h>

namespace tallyfox::test {
namespace {

// A limit for what should take a fraction of a second (the QTRY macros report no failure to gtest).
constexpr int kChangeWaitMs = 5000;

const QByteArray kBeforeTheChanges = QByteArray(kDatabaseHeader.data(), kDatabaseHeader.size()) +
                                     "\r\n"
                                     "item\t2010\t1\t2\tEUR\t3.20\tfalse\tBreakfast\t\tCash\tfalse\t00\t\r\n"
                                     "item\t2010\t1\t3\tEUR\t20.00\ttrue\tSalary\t\tBank\tfalse\t00\t\r\n"
                                     "item\t2010\t1\t3\tEUR\t12.50\tfalse\tDinner\t\tCash\tfalse\t00\t\r\n";

class ExternalChange : public ::testing::Test
{
protected:
    [[nodiscard]] QString database() const { return fixture.settingsFolder() + QStringLiteral("shared.tfx"); }

    MainForm& start()
    {
        writeFileBytes(database(), kBeforeTheChanges);
        return fixture.start({QStringLiteral("-f"), database()});
    }

    // Another writer: the real command-line tool with the test's registry and folders.
    void elsewhere(const QStringList& command)
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("TALLYFOX_REGISTRY"), fixture.registryFile);
        environment.insert(QStringLiteral("TALLYFOX_NOW"), QStringLiteral("2010-01-03T12:30:45"));
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), fixture.folder.path());
        environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("en_US.UTF-8"));
        QProcess tool;
        tool.setProcessEnvironment(environment);
        tool.start(qEnvironmentVariable("TALLYFOX_BIN_DIR") + QStringLiteral("/tallyfox-cli"),
                   QStringList{QStringLiteral("-f"), database()} + command);
        ASSERT_TRUE(tool.waitForStarted(kChangeWaitMs));
        if (!tool.waitForFinished(kChangeWaitMs)) {
            tool.kill();
            tool.waitForFinished(kChangeWaitMs);
            FAIL() << "tallyfox-cli did not end";
        }
        ASSERT_EQ(tool.exitCode(), 0) << tool.readAllStandardError().toStdString();
    }
    void addElsewhere(const QString& type)
    {
        elsewhere({QStringLiteral("add"), QStringLiteral("--type"), type, QStringLiteral("--amount"),
                   QStringLiteral("7.5")});
    }

    [[nodiscard]] QString selectedType() const
    {
        const int row = fixture.form->list()->selectedRow();
        return row < 0 ? QString() : fixture.state->entries[row].type.text();
    }

    MainFormFixture fixture;
};

// An atomic save elsewhere replaces the file, which ends the watch on the old one; every later
// replacement must be seen too.
TEST_F(ExternalChange, TheWatchSeesEveryReplacementAndFollowsSaveAs)
{
    MainForm& form = start();
    DatabaseWatcher& watcher = *test::control<DatabaseWatcher>(form, "databaseWatcher");
    EXPECT_EQ(watcher.path(), database());
    QSignalSpy changes(&watcher, &DatabaseWatcher::changed);
    for (int replacement = 1; replacement <= 2; ++replacement) {
        QSaveFile file(database());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(kBeforeTheChanges);
        ASSERT_TRUE(file.commit());
        ASSERT_TRUE(QTest::qWaitFor([&] { return changes.count() == replacement; }, kChangeWaitMs));
        EXPECT_TRUE(watcher.watchesFile());
    }

    const QString other = fixture.folder.file(QStringLiteral("elsewhere/other.tfx"));
    QDir().mkpath(fixture.folder.file(QStringLiteral("elsewhere")));
    fixture.prompts.answerFile(other);
    form.saveDatabaseAs();
    EXPECT_EQ(watcher.path(), other);
    EXPECT_TRUE(watcher.watchesFile());
}

// The window's own save shows in the watch too; it must not rebuild the list a second time.
TEST_F(ExternalChange, TheWindowsOwnSaveIsNoChangeElsewhere)
{
    MainForm& form = start();
    QSignalSpy changes(test::control<DatabaseWatcher>(form, "databaseWatcher"), &DatabaseWatcher::changed);
    EntryListModel* model = test::control<EntryListModel>(form, "entryListModel");
    QSignalSpy resets(model, &QAbstractItemModel::modelReset);
    EntryDraft draft;
    draft.type = QStringLiteral("Tea");
    draft.currency = QStringLiteral("EUR");
    draft.date = QDate(2010, 1, 3);
    draft.amount = 2.0;
    fixture.session->storeEntry(draft);
    ASSERT_EQ(resets.count(), 1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return changes.count() > 0; }, kChangeWaitMs));
    QCoreApplication::processEvents();
    EXPECT_EQ(resets.count(), 1);
    EXPECT_EQ(model->rowCount(), 4);
}

// Written on a thread of its own, as the program writes: the own save is still no change elsewhere, a
// failed write is shown once it has ended, and closing right after a change leaves it on disk.
TEST_F(ExternalChange, AWriteInTheBackgroundIsShownWhenItFailsAndClosingWaitsForIt)
{
    MainForm& form = start();
    form.writeInBackground();
    QSignalSpy changes(test::control<DatabaseWatcher>(form, "databaseWatcher"), &DatabaseWatcher::changed);
    EntryDraft draft;
    draft.type = QStringLiteral("Tea");
    draft.currency = QStringLiteral("EUR");
    draft.date = QDate(2010, 1, 3);
    draft.amount = 2.0;
    fixture.session->storeEntry(draft);
    ASSERT_TRUE(QTest::qWaitFor([&] { return changes.count() > 0; }, kChangeWaitMs));
    QCoreApplication::processEvents();
    EXPECT_EQ(fixture.session->reloadCount(), 0);
    EXPECT_FALSE(fixture.session->database().isWriting());

    // A second name for the file: it may not be replaced, and the window says so when the write ends.
    const QString secondName = fixture.folder.file(QStringLiteral("second name.tfx"));
    ASSERT_EQ(::link(qPrintable(database()), qPrintable(secondName)), 0);
    draft.type = QStringLiteral("Cake");
    fixture.session->storeEntry(draft);
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return !fixture.prompts.texts(ScriptedPrompts::Kind::Message).isEmpty(); }, kChangeWaitMs));
    EXPECT_TRUE(fixture.prompts.texts(ScriptedPrompts::Kind::Message).constFirst().contains(u"Save as"));
    EXPECT_FALSE(readFileBytes(database()).contains("Cake"));

    ASSERT_TRUE(QFile::remove(secondName));
    draft.type = QStringLiteral("Scone");
    fixture.session->storeEntry(draft);
    fixture.close();
    const QByteArray written = readFileBytes(database());
    EXPECT_TRUE(written.contains("\tCake\t") && written.contains("\tScone\t"));
}

TEST_F(ExternalChange, TheListShowsAnEntryAddedElsewhereAndAChangeMadeMeanwhileKeepsIt)
{
    MainForm& form = start();
    const EntryListModel* model = test::control<EntryListModel>(form, "entryListModel");
    form.list()->selectRow(1);
    ASSERT_EQ(selectedType(), u"Salary");

    addElsewhere(QStringLiteral("Cab"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return model->rowCount() == 4; }, kChangeWaitMs));
    EXPECT_EQ(selectedType(), u"Salary");
    // Sorted elsewhere, the entry moves and the selection with it.
    elsewhere({QStringLiteral("sort"), QStringLiteral("name")});
    ASSERT_TRUE(QTest::qWaitFor([&] { return fixture.state->entries[3].type == u"Salary"; }, kChangeWaitMs));
    EXPECT_EQ(form.list()->selectedRow(), 3);

    // The file changes again and, before the window has noticed, the user stores an entry.
    addElsewhere(QStringLiteral("Bus"));
    EntryDraft draft;
    draft.type = QStringLiteral("Lunch");
    draft.currency = QStringLiteral("EUR");
    draft.date = QDate(2010, 1, 3);
    draft.amount = 9.0;
    fixture.session->storeEntry(draft);
    EXPECT_TRUE(fixture.session->lastDatabaseWrite().ok());

    const QByteArray file = readFileBytes(database());
    for (const char* type : {"\tCab\t", "\tBus\t", "\tLunch\t", "\tSalary\t"})
        EXPECT_TRUE(file.contains(type)) << type;
    EXPECT_EQ(file.count("\r\nitem\t"), 6);
    EXPECT_EQ(model->rowCount(), 6);
}

// The file keeps the day and the amount in cents; of equal entries the one nearest the old row is taken.
TEST(KeptSelectionTest, FindsTheEntryAsTheFileStoresItNearestToItsOldRow)
{
    ExpenseArray entries;
    const auto add = [&](const char* type, double date, double amount) {
        Expense& entry = entries.append();
        entry = {};
        entry.type = QString::fromLatin1(type);
        entry.date = date;
        entry.amount = amount;
    };
    add("Tea", 733775.0, 2.5);
    add("Cab", 733775.0, 7.5);
    add("Tea", 733775.0, 2.5);
    add("Tea", 733776.0, 2.5);

    Expense stored = entries[2];
    stored.date += 0.75;
    stored.amount += 0.001;
    stored.justChanged = true;
    EXPECT_EQ(KeptSelection::findStoredEntry(entries, stored, 3), 2);
    EXPECT_EQ(KeptSelection::findStoredEntry(entries, stored, 0), 0);
    EXPECT_EQ(KeptSelection::findStoredEntry(entries, stored, 40), 2);
    stored.note = QStringLiteral("changed");
    EXPECT_EQ(KeptSelection::findStoredEntry(entries, stored, 2), -1);
    EXPECT_EQ(KeptSelection::findStoredEntry(ExpenseArray(), stored, 0), -1);
}

} // namespace
} // namespace tallyfox::test
