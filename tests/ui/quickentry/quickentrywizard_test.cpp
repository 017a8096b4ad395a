// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

// The quick entry as a wizard: its steps in order, the soft keys' captions, going back, cancelling, and
// every confirmed value written into the editor's fields at once.
#include "quickentry/quickentryfixture.h"

#include <QLineEdit>

namespace tallyfox::test {
namespace {

const QString kTypes = u"listPanel:Custom|Train|Car rental|Dinner|Lunch|Breakfast"_qs;

struct StepsCase
{
    std::vector<int> enabled;
    QStringList screens;
};

class QuickEntryWizard : public QuickEntryFixture
{};

TEST_F(QuickEntryWizard, EnterWalksThroughTheEnabledStepsInOrder)
{
    const StepsCase cases[] = {
        {{0, 1, 2, 3, 4, 5, 7},
         {kTypes + QStringLiteral(" [Cancel/Next]"), u"datePanel [Previous/Next]"_qs,
          u"listPanel:EUR|US$|GBP [Previous/Next]"_qs, u"amountPanel [Previous/Next]"_qs,
          u"listPanel:Cash|Credit card|Debit card [Previous/Next]"_qs,
          u"listPanel:Employer|Client|Myself [Previous/Next]"_qs, u"notePanel [Previous/OK]"_qs}},
        {{1, 7}, {u"datePanel [Cancel/Next]"_qs, u"notePanel [Previous/OK]"_qs}},
        {{3}, {u"amountPanel [Cancel/OK]"_qs}},
    };
    for (const StepsCase& c : cases) {
        SCOPED_TRACE(c.screens.first().toStdString());
        enableOnly(c.enabled);
        QStringList screens;
        runWizard([&] {
            for (int step = 0; step < 7 && form->isVisible(); ++step) {
                screens << screen();
                press(Qt::Key_Return);
            }
        });
        EXPECT_EQ(screens, c.screens);
    }
    EXPECT_EQ(form->windowTitle(), u"New item");
}

TEST_F(QuickEntryWizard, WithNoStepEnabledReturnsWithoutShowingTheForm)
{
    enableOnly({});
    const EditorFields before = fields;
    whileShown([] {});
    form->startQuickEntry(fields);
    EXPECT_EQ(fields, before);
    // The script was never run inside the form's own loop: it runs now, with the form hidden.
    QCoreApplication::processEvents();
    EXPECT_FALSE(shown);
}

TEST_F(QuickEntryWizard, WritesEachConfirmedValueIntoTheFields)
{
    state.settings.nextReceiptNumber = 17;
    fields.receipt = QStringLiteral("00");
    runWizard([&] {
        tapItem(QStringLiteral("Dinner"));
        auto* day = child("dayBox");
        QTest::mouseClick(day, Qt::LeftButton, {}, QPoint(day->width() / 2, 10));
        tapKey(Key::Right);
        tapItem(QStringLiteral("US$"));
        tap("receiptCheck");
        tap("incomeCheck");
        tap("amountOkButton");
        // At a desk: the arrow moves to the next payment method and Enter takes it.
        press(Qt::Key_Down);
        press(Qt::Key_Return);
        tapItem(QStringLiteral("Client"));
        QTest::keyClicks(child("noteEdit"), QStringLiteral("with client"));
        press(Qt::Key_Enter);
    });
    EXPECT_EQ(fields.type, u"Dinner");
    EXPECT_EQ(fields.date, QDateTime(QDate(2010, 1, 4), QTime(12, 30, 45)));
    EXPECT_EQ(fields.currency, u"US$");
    EXPECT_TRUE(fields.hasReceipt);
    EXPECT_EQ(fields.receipt, u"17");
    EXPECT_TRUE(fields.income);
    EXPECT_EQ(fields.amountText, u"0.00");
    EXPECT_EQ(fields.paidWith, u"Credit card");
    EXPECT_EQ(fields.intendedSource, u"Client");
    EXPECT_EQ(fields.note, u"with client");
}

TEST_F(QuickEntryWizard, PreviousGoesBackToTheStepBefore)
{
    QStringList screens;
    runWizard([&] {
        tapItem(QStringLiteral("Lunch"));
        press(Qt::Key_Return);
        tapItem(QStringLiteral("US$"));
        for (int step = 0; step < 4; ++step) {
            screens << screen();
            tapKey(Key::Left);
            if (step == 2) {
                EXPECT_EQ(list()->currentItem()->text(), u"Lunch");
            }
        }
    });
    EXPECT_EQ(screens,
              (QStringList{u"amountPanel [Previous/Next]"_qs, u"listPanel:EUR|US$|GBP [Previous/Next]"_qs,
                           u"datePanel [Previous/Next]"_qs, kTypes + QStringLiteral(" [Cancel/Next]")}));
    EXPECT_EQ(fields.type, u"Lunch");
    EXPECT_EQ(fields.currency, u"US$");
}

TEST_F(QuickEntryWizard, CancelKeepsTheValuesAlreadyWritten)
{
    const QString noteBefore = fields.note;
    runWizard([&] {
        tapItem(QStringLiteral("Train"));
        press(Qt::Key_Up);
        press(Qt::Key_Return);
        // Esc stops the wizard even where the left key reads "Previous".
        EXPECT_EQ(captions(), u"Previous/Next");
        press(Qt::Key_Escape);
    });
    EXPECT_EQ(fields.type, u"Train");
    EXPECT_EQ(fields.date.date(), QDate(2010, 1, 4));
    EXPECT_EQ(fields.currency, u"EUR");
    EXPECT_EQ(fields.note, noteBefore);

    // The next run starts afresh on the first step.
    runWizard([&] {
        EXPECT_EQ(screen(), kTypes + QStringLiteral(" [Cancel/Next]"));
        press(Qt::Key_Escape);
    });
}

TEST_F(QuickEntryWizard, TheNoteEditHasTheFocusAndTypingAddsToTheNote)
{
    enableOnly({7});
    fields.note = QStringLiteral("old");
    runWizard([&] {
        EXPECT_EQ(form->focusWidget(), child("noteEdit"));
        EXPECT_FALSE(child<QLineEdit>("noteEdit")->hasSelectedText());
        QTest::keyClicks(form->focusWidget(), QStringLiteral(" and new"));
        press(Qt::Key_Return);
    });
    EXPECT_EQ(fields.note, u"old and new");
}

} // namespace
} // namespace tallyfox::test
