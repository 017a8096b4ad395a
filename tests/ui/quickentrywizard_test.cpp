// The quick entry as a wizard: its steps in order, the soft keys' captions, going back, cancelling, and
// every confirmed value written into the editor's fields at once.
#include "quickentryfixture.h"
#include "ui/listpanel.h"
#include "ui/notepanel.h"

#include <QLineEdit>
#include <QListWidget>

namespace tallyfox::test {
namespace {

using Key = SoftKeyBar::Key;

class QuickEntryWizard : public QuickEntryFixture
{
protected:
    // The panel on screen (a list with its items) and the soft keys' captions.
    QString screen() const
    {
        QString panel;
        for (const char* name : {"amountPanel", "datePanel", "listPanel", "notePanel"}) {
            if (child<QWidget>(name)->isVisible())
                panel += QString::fromLatin1(name);
        }
        if (panel == u"listPanel") {
            const auto* list = child<QListWidget>("listPanel");
            QStringList items;
            for (int row = 0; row < list->count(); ++row)
                items << list->item(row)->text();
            panel += u':' + items.join(u'|');
        }
        return QStringLiteral("%1 [%2/%3]").arg(panel, caption(Key::Left), caption(Key::Right));
    }

    void tapItem(const QString& text) const
    {
        auto* list = child<QListWidget>("listPanel");
        const QList<QListWidgetItem*> items = list->findItems(text, Qt::MatchExactly);
        ASSERT_FALSE(items.isEmpty()) << text.toStdString();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(items.first()).center());
    }
};

TEST_F(QuickEntryWizard, WalksThroughEveryEnabledStepInOrder)
{
    QStringList screens;
    whileShown([&] {
        for (int step = 0; step < 7 && form->isVisible(); ++step) {
            screens << screen();
            press(Qt::Key_Return);
        }
    });
    form->startQuickEntry(fields);
    EXPECT_TRUE(shown);
    EXPECT_FALSE(leftOpen) << "Enter on the last step ends the wizard";
    EXPECT_EQ(screens, (QStringList{
                           u"listPanel:Custom|Train|Car rental|Dinner|Lunch|Breakfast [Cancel/Next]"_qs,
                           u"datePanel [Previous/Next]"_qs,
                           u"listPanel:EUR|US$|GBP [Previous/Next]"_qs,
                           u"amountPanel [Previous/Next]"_qs,
                           u"listPanel:Cash|Credit card|Debit card [Previous/Next]"_qs,
                           u"listPanel:Employer|Client|Myself [Previous/Next]"_qs,
                           u"notePanel [Previous/OK]"_qs,
                       }));
    EXPECT_EQ(form->windowTitle(), u"New item");
}

TEST_F(QuickEntryWizard, WritesEachConfirmedValueIntoTheFields)
{
    state.settings.nextReceiptNumber = 17;
    fields.receipt = QStringLiteral("00");
    whileShown([&] {
        tapItem(QStringLiteral("Dinner"));
        auto* day = child<QWidget>("dayBox");
        QTest::mouseClick(day, Qt::LeftButton, {}, QPoint(day->width() / 2, 10));
        tapKey(Key::Right);
        tapItem(QStringLiteral("US$"));
        QTest::mouseClick(child<QWidget>("receiptCheck"), Qt::LeftButton);
        QTest::mouseClick(child<QWidget>("incomeCheck"), Qt::LeftButton);
        QTest::mouseClick(child<QWidget>("amountOkButton"), Qt::LeftButton);
        // At a desk: the arrow moves to the next payment method and Enter takes it.
        press(Qt::Key_Down);
        press(Qt::Key_Return);
        tapItem(QStringLiteral("Client"));
        QTest::keyClicks(child<QLineEdit>("noteEdit"), QStringLiteral("with client"));
        press(Qt::Key_Enter);
    });
    form->startQuickEntry(fields);
    EXPECT_FALSE(leftOpen);
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

TEST_F(QuickEntryWizard, WithOnlyTheAmountOffersCancelAndOk)
{
    enableOnly({3});
    fields.amountText = QStringLiteral("12.50");
    QString onlyScreen;
    whileShown([&] {
        onlyScreen = screen();
        tapKey(Key::Right);
    });
    form->startQuickEntry(fields);
    EXPECT_EQ(onlyScreen, u"amountPanel [Cancel/OK]");
    EXPECT_FALSE(leftOpen);
    EXPECT_EQ(fields.digitAmount, 12.5);
    EXPECT_EQ(fields.amountText, u"12.50");
}

TEST_F(QuickEntryWizard, SkipsTheStepsThatAreNotEnabled)
{
    enableOnly({1, 7});
    QStringList screens;
    whileShown([&] {
        screens << screen();
        tapKey(Key::Right);
        screens << screen();
        tapKey(Key::Right);
    });
    form->startQuickEntry(fields);
    EXPECT_EQ(screens, (QStringList{u"datePanel [Cancel/Next]"_qs, u"notePanel [Previous/OK]"_qs}));
    EXPECT_FALSE(leftOpen);
}

TEST_F(QuickEntryWizard, WithNoStepEnabledReturnsWithoutShowingTheForm)
{
    enableOnly({});
    const EditorFields before = fields;
    whileShown([] {});
    form->startQuickEntry(fields);
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(fields, before);
    // The script was never run inside the form's own loop: it runs now, with the form hidden.
    QCoreApplication::processEvents();
    EXPECT_FALSE(shown);
}

TEST_F(QuickEntryWizard, CustomLeavesTheTypeEmptyForTheEditor)
{
    fields.type = QStringLiteral("Lunch");
    enableOnly({0});
    QString selected;
    whileShown([&] {
        selected = child<QListWidget>("listPanel")->currentItem()->text();
        tapItem(QStringLiteral("Custom"));
    });
    form->startQuickEntry(fields);
    EXPECT_EQ(selected, u"Lunch") << "the list opens on the editor's type";
    EXPECT_FALSE(leftOpen);
    EXPECT_TRUE(fields.type.isEmpty());
}

TEST_F(QuickEntryWizard, PreviousGoesBackToTheStepBefore)
{
    QStringList screens;
    QString typeShownAgain;
    whileShown([&] {
        tapItem(QStringLiteral("Lunch"));
        press(Qt::Key_Return);
        tapItem(QStringLiteral("US$"));
        screens << screen();
        tapKey(Key::Left);
        screens << screen();
        tapKey(Key::Left);
        screens << screen();
        tapKey(Key::Left);
        screens << screen();
        typeShownAgain = child<QListWidget>("listPanel")->currentItem()->text();
        tapKey(Key::Left);
    });
    form->startQuickEntry(fields);
    EXPECT_EQ(screens,
              (QStringList{u"amountPanel [Previous/Next]"_qs, u"listPanel:EUR|US$|GBP [Previous/Next]"_qs,
                           u"datePanel [Previous/Next]"_qs,
                           u"listPanel:Custom|Train|Car rental|Dinner|Lunch|Breakfast [Cancel/Next]"_qs}));
    EXPECT_EQ(typeShownAgain, u"Lunch");
    EXPECT_FALSE(leftOpen) << "Cancel on the first step ends the wizard";
    EXPECT_EQ(fields.type, u"Lunch");
    EXPECT_EQ(fields.currency, u"US$");
}

TEST_F(QuickEntryWizard, CancelKeepsTheValuesAlreadyWritten)
{
    const QString noteBefore = fields.note;
    whileShown([&] {
        tapItem(QStringLiteral("Train"));
        press(Qt::Key_Up);
        press(Qt::Key_Return);
        // Esc stops the wizard even where the left key reads "Previous".
        EXPECT_EQ(caption(Key::Left), u"Previous");
        press(Qt::Key_Escape);
    });
    form->startQuickEntry(fields);
    EXPECT_FALSE(leftOpen);
    EXPECT_EQ(fields.type, u"Train");
    EXPECT_EQ(fields.date.date(), QDate(2010, 1, 4));
    EXPECT_EQ(fields.currency, u"EUR");
    EXPECT_EQ(fields.note, noteBefore);

    // The next run starts afresh on the first step.
    QString first;
    whileShown([&] {
        first = screen();
        press(Qt::Key_Escape);
    });
    form->startQuickEntry(fields);
    EXPECT_TRUE(first.endsWith(u"[Cancel/Next]")) << first.toStdString();
}

TEST_F(QuickEntryWizard, TheNoteEditHasTheFocus)
{
    enableOnly({7});
    fields.note = QStringLiteral("old");
    QWidget* focused = nullptr;
    bool selected = true;
    whileShown([&] {
        focused = form->focusWidget();
        selected = child<QLineEdit>("noteEdit")->hasSelectedText();
        QTest::keyClicks(focused, QStringLiteral(" and new"));
        press(Qt::Key_Return);
    });
    form->startQuickEntry(fields);
    EXPECT_EQ(focused, child<QLineEdit>("noteEdit"));
    EXPECT_FALSE(selected) << "typing adds to the note rather than replacing it";
    EXPECT_EQ(fields.note, u"old and new");
}

} // namespace
} // namespace tallyfox::test
