// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

// The entry list's model: rows follow the entries on a reset, and Qt's model tester finds nothing wrong on
// the way, alone and behind the main window.
#include "core/appstate.h"
#include "mainwindow/mainformfixture.h"
#include "session/entrycells.h"
#include "storage/databasefile.h"
#include "support/testenvironment.h"
#include "ui/mainwindow/entrylistmodel.h"
#include "ui/mainwindow/entrylistview.h"

#include <QAbstractItemModelTester>
#include <gtest/gtest.h>

namespace tallyfox::test {
namespace {

// Keeps what Qt's model tester reports while it lives; a model that keeps the rules reports nothing.
class ModelTesterReports
{
public:
    ModelTesterReports() : m_previous(qInstallMessageHandler(&record)) { reports().clear(); }
    ~ModelTesterReports() { qInstallMessageHandler(m_previous); }
    ModelTesterReports(const ModelTesterReports&) = delete;
    ModelTesterReports& operator=(const ModelTesterReports&) = delete;

    [[nodiscard]] static QStringList& reports()
    {
        static QStringList kept;
        return kept;
    }

private:
    static void record(QtMsgType type, const QMessageLogContext& context, const QString& text)
    {
        if (type != QtDebugMsg && context.category && qstrcmp(context.category, "qt.modeltest") == 0)
            reports() << text;
    }

    QtMessageHandler m_previous;
};

std::string joined(const QStringList& reports)
{
    return reports.join(QLatin1Char('\n')).toStdString();
}

class EntryListModelRules : public ::testing::Test
{
protected:
    void addEntries(int count)
    {
        for (int i = 0; i < count; ++i) {
            Expense& entry = state.entries.append();
            entry = Expense();
            entry.type = QStringLiteral("Type %1").arg(state.entryCount());
            entry.currency = QStringLiteral("EUR");
            entry.amount = state.entryCount();
        }
    }
    ModelTesterReports tester;
    AppState state{pinnedLocale()};
    EntryListModel model{state};
    QAbstractItemModelTester checks{&model, QAbstractItemModelTester::FailureReportingMode::Warning};
};

TEST_F(EntryListModelRules, RowsFollowTheEntriesOnlyWhenReset)
{
    EXPECT_EQ(model.rowCount(), 0);
    EXPECT_EQ(model.columnCount(), kListColumnCount);
    addEntries(5);
    EXPECT_EQ(model.rowCount(), 0) << "a refresh resets the model; nothing else adds rows";
    model.reset();
    EXPECT_EQ(model.rowCount(), 5);
    EXPECT_EQ(model.data(model.index(4, 0), Qt::DisplayRole).toString(), u"Type 5");

    state.entries.dropLast();
    state.entries.dropLast();
    model.reset();
    EXPECT_EQ(model.rowCount(), 3);

    state.quickEntryOnly = true;
    model.reset();
    EXPECT_EQ(model.rowCount(), 0) << "a run that only adds one entry fills no list";
    EXPECT_TRUE(ModelTesterReports::reports().isEmpty()) << joined(ModelTesterReports::reports());
}

TEST(EntryListModelBehindTheWindow, KeepsTheModelRulesWhileEntriesAreStoredSortedAndDeleted)
{
    MainFormFixture fixture;
    ModelTesterReports tester;
    const QString database = fixture.settingsFolder() + QStringLiteral("mine.tfx");
    writeFileBytes(database, QByteArray(kDatabaseHeader.data(), kDatabaseHeader.size()) + "\r\n");
    MainForm& form = fixture.start({QStringLiteral("-f"), database});
    EntryListModel* model = test::control<EntryListModel>(form, "entryListModel");
    QAbstractItemModelTester checks(model, QAbstractItemModelTester::FailureReportingMode::Warning);

    for (const char* type : {"Rent", "Bread", "Coffee"}) {
        EntryDraft draft;
        draft.type = QString::fromLatin1(type);
        draft.currency = QStringLiteral("EUR");
        draft.date = QDate(2010, 1, 3);
        draft.amount = 4;
        fixture.session->storeEntry(draft);
        // Each refresh resets the model and then selects the stored entry's row.
        EXPECT_EQ(form.list()->selectedRow(), model->rowCount() - 1);
    }
    fixture.session->chooseSortKey(SortKey::Name);
    fixture.session->deleteEntry(0);
    EXPECT_EQ(model->rowCount(), 2);
    EXPECT_TRUE(ModelTesterReports::reports().isEmpty()) << joined(ModelTesterReports::reports());
}

} // namespace
} // namespace tallyfox::test
