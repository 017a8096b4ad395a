// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

// The purge form driven as a user drives it: the proposed cut-off, the radio buttons, the questions,
// and what a purge leaves in the list, the log and the database file.
#include "../session/sessionfixture.h"
#include "support/controls.h"
#include "toolkit/scriptedprompts.h"
#include "toolkit/softkeybar.h"
#include "ui/purge/purgeform.h"
#include "ui/quickentry/quickentryform.h"

#include <QApplication>
#include <QDateEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <utility>

namespace tallyfox {
namespace {

using Kind = ScriptedPrompts::Kind;
using test::readFileBytes;

const QString kAllQuestion = QStringLiteral("Do you really want to delete all entries?");

QString beforeQuestion(int count)
{
    return QStringLiteral("%1 entries will be deleted. Do you want to continue?").arg(count);
}

// The controls of a purge form, found by name as a test finds them.
struct PurgeControls
{
    explicit PurgeControls(PurgeForm& form)
        : all(test::control<QRadioButton>(form, "purgeAllButton")),
          before(test::control<QRadioButton>(form, "purgeBeforeButton")),
          cutOff(test::control<QDateEdit>(form, "purgeCutOff")),
          pick(test::control<QPushButton>(form, "purgePickButton")),
          cancel(test::control<SoftKeyBar>(form, "softKeyBar")->button(SoftKeyBar::Key::Left)),
          purge(test::control<SoftKeyBar>(form, "softKeyBar")->button(SoftKeyBar::Key::Right))
    {}

    QRadioButton* all;
    QRadioButton* before;
    QDateEdit* cutOff;
    QPushButton* pick;
    QPushButton* cancel;
    QPushButton* purge;
};

class PurgeFormTest : public test::SessionTest
{
protected:
    PurgeFormTest()
    {
        addEntries({{.type = "Cut-off day", .date = QDate(2010, 1, 2)},
                    {.type = "Day before", .date = QDate(2010, 1, 1)},
                    {.type = "Later", .date = QDate(2010, 1, 5)},
                    {.type = "Last year", .date = QDate(2009, 12, 31)}});
        session.refreshList(false);
        fileBefore = readFileBytes(state.databasePath);
        form.prepare();
    }

    // Shows the form modally and runs the steps once it is up; returns its result.
    int runModal(const std::function<void()>& steps)
    {
        QTimer::singleShot(0, &form, [this, steps] {
            EXPECT_TRUE(form.isVisible());
            steps();
            // Whatever the steps left open is cancelled, so that the test never hangs.
            if (form.isVisible())
                form.closeWith(FormBase::kResultCancel);
        });
        return form.showModal();
    }

    ScriptedPrompts prompts;
    QuickEntryForm quickEntry{session};
    PurgeForm form{session, prompts, quickEntry};
    PurgeControls controls{form};
    QByteArray fileBefore;
};

TEST_F(PurgeFormTest, OpensOnEntriesBeforeADayAMonthBackAndThePickerFollowsTheRadioButtons)
{
    EXPECT_TRUE(controls.before->isChecked());
    // Today is 3 January 2010; the cut-off reads in the user's short form.
    EXPECT_EQ(controls.cutOff->date(), QDate(2009, 12, 3));
    EXPECT_EQ(controls.cutOff->text(), u"12/3/2009");
    EXPECT_LT(controls.cutOff->geometry().right(), controls.pick->x());
    form.show();
    for (QRadioButton* button : {controls.all, controls.before}) {
        QTest::mouseClick(button, Qt::LeftButton);
        EXPECT_TRUE(button->isChecked());
        EXPECT_EQ(controls.cutOff->isEnabled(), button == controls.before);
        EXPECT_EQ(controls.pick->isEnabled(), button == controls.before);
    }
}

TEST_F(PurgeFormTest, PickTakesTheCutOffFromTheDatePanel)
{
    // Taps the date panel's day box in its lower half, which steps back a day, then leaves with the key.
    const auto pick = [&](const char* leave) {
        runModal([&] {
            QTimer::singleShot(0, &quickEntry, [&] {
                auto* day = test::control<QWidget>(quickEntry, "dayBox");
                QTest::mouseClick(day, Qt::LeftButton, {}, QPoint(day->width() / 2, day->height() - 3));
                auto* button =
                    leave
                        ? test::control<QPushButton>(quickEntry, leave)
                        : test::control<SoftKeyBar>(quickEntry, "softKeyBar")->button(SoftKeyBar::Key::Left);
                QTest::mouseClick(button, Qt::LeftButton);
            });
            QTest::mouseClick(controls.pick, Qt::LeftButton);
            EXPECT_FALSE(quickEntry.isVisible());
        });
    };
    pick("dateOkButton");
    EXPECT_EQ(controls.cutOff->date(), QDate(2009, 12, 2));
    pick(nullptr);
    EXPECT_EQ(controls.cutOff->date(), QDate(2009, 12, 2)) << "Cancel keeps the day";
}

struct PurgeCase
{
    const char* name;
    bool all;
    QDate cutOff;
    QString question;
    QStringList left;
    QString log;
};

class AnsweringYes : public PurgeFormTest, public ::testing::WithParamInterface<PurgeCase>
{};

TEST_P(AnsweringYes, RemovesWhatTheQuestionCountedAndWritesTheDatabase)
{
    const PurgeCase& c = GetParam();
    controls.all->setChecked(c.all);
    controls.cutOff->setDate(c.cutOff);
    prompts.answerQuestion(true);
    EXPECT_TRUE(form.purge());
    EXPECT_EQ(prompts.texts(Kind::Question), QStringList{c.question});
    EXPECT_EQ(types(), c.left);
    EXPECT_EQ(logTexts(), QStringList{c.log});
    EXPECT_EQ(readFileBytes(state.databasePath), databaseBytes(state.entries));
    EXPECT_TRUE(prompts.texts(Kind::Message).isEmpty());
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    PurgeForm, AnsweringYes,
    ::testing::Values(
        // The cut-off day itself stays.
        PurgeCase{"BeforeADay", false, QDate(2010, 1, 2), beforeQuestion(2), {"Cut-off day", "Later"}, "Purge all before 1/2/10"},
        // With none before the day the question is still asked.
        PurgeCase{"NoneBefore", false, QDate(2009, 12, 1), beforeQuestion(0), {"Cut-off day", "Day before", "Later", "Last year"}, "Purge all before 12/1/09"},
        PurgeCase{"All", true, QDate(2010, 1, 2), kAllQuestion, {}, "Purge all"}),
    [](const ::testing::TestParamInfo<PurgeCase>& info) { return std::string(info.param.name); });
// clang-format on

struct NoCase
{
    const char* name;
    bool all;
};

class AnsweringNo : public PurgeFormTest, public ::testing::WithParamInterface<NoCase>
{};

TEST_P(AnsweringNo, KeepsEverythingAndTheFormOpen)
{
    controls.all->setChecked(GetParam().all);
    prompts.answerQuestion(false);
    bool stillOpen = false;
    const int result = runModal([&] {
        QTest::mouseClick(controls.purge, Qt::LeftButton);
        stillOpen = form.isVisible();
        QTest::mouseClick(controls.cancel, Qt::LeftButton);
    });
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(result, FormBase::kResultCancel);
    EXPECT_EQ(prompts.texts(Kind::Question).size(), 1);
    EXPECT_EQ(state.entryCount(), 4);
    EXPECT_TRUE(logTexts().isEmpty());
    EXPECT_EQ(readFileBytes(state.databasePath), fileBefore);
}

INSTANTIATE_TEST_SUITE_P(PurgeForm, AnsweringNo,
                         ::testing::Values(NoCase{"ToAll", true}, NoCase{"ToBefore", false}),
                         [](const ::testing::TestParamInfo<NoCase>& info) {
                             return std::string(info.param.name);
                         });

TEST_F(PurgeFormTest, ThePurgeKeyAndEnterCloseTheFormOnceEntriesWentAndEscapeCancels)
{
    controls.cutOff->setDate(QDate(2010, 1, 1));
    prompts.answerQuestion(true);
    EXPECT_EQ(runModal([&] { QTest::mouseClick(controls.purge, Qt::LeftButton); }), FormBase::kResultOk);
    EXPECT_EQ(prompts.texts(Kind::Question), QStringList{beforeQuestion(1)});
    EXPECT_EQ(types(), (QStringList{"Cut-off day", "Day before", "Later"}));

    controls.cutOff->setDate(QDate(2010, 1, 2));
    prompts.answerQuestion(true);
    EXPECT_EQ(runModal([&] { QTest::keyClick(&form, Qt::Key_Return); }), FormBase::kResultOk);
    EXPECT_EQ(state.entryCount(), 2);

    form.prepare();
    EXPECT_EQ(runModal([&] { QTest::keyClick(&form, Qt::Key_Escape); }), FormBase::kResultCancel);
    EXPECT_EQ(state.entryCount(), 2);
    EXPECT_EQ(prompts.texts(Kind::Question).size(), 2);
}

TEST_F(PurgeFormTest, TabMovesThroughTheControlsInReadingOrder)
{
    runModal([&] {
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
        EXPECT_TRUE(controls.before->hasFocus());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_TRUE(controls.cutOff->hasFocus());
        // Within the picker Tab first walks its month, day and year, as date fields do.
        for (int section = 0; section < 3 && controls.cutOff->hasFocus(); ++section)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_TRUE(controls.pick->hasFocus());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        EXPECT_TRUE(controls.cutOff->hasFocus());
        for (int section = 0; section < 3 && controls.cutOff->hasFocus(); ++section)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        EXPECT_TRUE(controls.before->hasFocus());
    });
}

TEST_F(PurgeFormTest, AFailedDatabaseWriteReachesTheUser)
{
    state.databasePath = file(QStringLiteral("no such folder/TallyfoxData.tfx"));
    controls.all->setChecked(true);
    prompts.answerQuestion(true);
    EXPECT_TRUE(form.purge());
    const QStringList messages = prompts.texts(Kind::Message);
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages.first().contains(QStringLiteral("TallyfoxData.tfx")))
        << messages.first().toStdString();
}

TEST(PurgeFormCutOff, OnThirtyFirstOfMarchIsTheLastDayOfFebruary)
{
    test::TempFolder folder;
    Registry registry(folder.file(QStringLiteral("registry.reg")));
    AppState state(test::pinnedLocale());
    state.settingsFolder = folder.path() + u'/';
    state.databasePath = folder.file(QStringLiteral("TallyfoxData.tfx"));
    for (const auto& [today, proposed] : {std::pair{QDate(2010, 3, 31), QDate(2010, 2, 28)},
                                          std::pair{QDate(2012, 3, 31), QDate(2012, 2, 29)}}) {
        Session session(state, Clock(QDateTime(today, QTime(8, 15))), registry);
        ScriptedPrompts prompts;
        QuickEntryForm quickEntry(session);
        PurgeForm form(session, prompts, quickEntry);
        form.prepare();
        EXPECT_EQ(test::control<QDateEdit>(form, "purgeCutOff")->date(), proposed) << today.year();
    }
}

} // namespace
} // namespace tallyfox
