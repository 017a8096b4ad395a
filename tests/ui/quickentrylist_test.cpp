// The quick entry's pick list as the item editor's "List" buttons open it: a tap chooses, the arrow keys
// only move, Enter chooses, Cancel writes nothing.
#include "quickentryfixture.h"
#include "ui/listpanel.h"

#include <QListWidget>

namespace tallyfox::test {
namespace {

using Key = SoftKeyBar::Key;

class QuickEntryList : public QuickEntryFixture
{
protected:
    QListWidget* list() const { return child<QListWidget>("listPanel"); }

    QStringList items() const
    {
        QStringList texts;
        for (int row = 0; row < list()->count(); ++row)
            texts << list()->item(row)->text();
        return texts;
    }

    void tapRow(int row) const
    {
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, {},
                          list()->visualItemRect(list()->item(row)).center());
    }
};

TEST_F(QuickEntryList, ATapChoosesTheItemAndCloses)
{
    QStringList shown;
    QString selected;
    whileShown([&] {
        shown = items();
        selected = list()->currentItem()->text();
        tapRow(2);
    });
    EXPECT_TRUE(form->pickFromList(fields, PickTarget::PaidWith));
    EXPECT_FALSE(leftOpen);
    EXPECT_EQ(shown, (QStringList{u"Cash"_qs, u"Credit card"_qs, u"Debit card"_qs}));
    EXPECT_EQ(selected, u"Cash");
    EXPECT_EQ(fields.paidWith, u"Debit card");
    EXPECT_EQ(fields.currency, u"EUR");
}

TEST_F(QuickEntryList, ArrowKeysMoveWithoutChoosingAndEnterChooses)
{
    fields.intendedSource = QStringLiteral("Client");
    bool openAfterArrows = false;
    QString captions;
    whileShown([&] {
        captions = caption(Key::Left) + u'/' + caption(Key::Right);
        press(Qt::Key_Down);
        press(Qt::Key_Up);
        press(Qt::Key_Up);
        openAfterArrows = form->isVisible();
        press(Qt::Key_Return);
    });
    EXPECT_TRUE(form->pickFromList(fields, PickTarget::IntendedSource));
    EXPECT_EQ(captions, u"Cancel/OK");
    EXPECT_TRUE(openAfterArrows);
    EXPECT_FALSE(leftOpen);
    EXPECT_EQ(fields.intendedSource, u"Employer");
}

TEST_F(QuickEntryList, CancelAndEscWriteNothing)
{
    fields.currency = QStringLiteral("GBP");
    const EditorFields before = fields;
    for (const bool useEsc : {false, true}) {
        whileShown([&] {
            press(Qt::Key_Up);
            if (useEsc)
                press(Qt::Key_Escape);
            else
                tapKey(Key::Left);
        });
        EXPECT_FALSE(form->pickFromList(fields, PickTarget::Currency));
        EXPECT_FALSE(leftOpen);
        EXPECT_EQ(fields, before);
    }
}

TEST_F(QuickEntryList, CustomIsOfferedOnlyDuringTheWizard)
{
    fields.type = QStringLiteral("Breakfast");
    // A wizard stopped on its type step leaves nothing behind for the editor's own "List" button.
    whileShown([&] { press(Qt::Key_Escape); });
    form->startQuickEntry(fields);
    QStringList shown;
    QString captions;
    whileShown([&] {
        shown = items();
        captions = caption(Key::Left) + u'/' + caption(Key::Right);
        tapRow(0);
    });
    EXPECT_TRUE(form->pickFromList(fields, PickTarget::Type));
    EXPECT_EQ(shown, fields.lists.expenseTypes);
    EXPECT_EQ(captions, u"Cancel/OK");
    EXPECT_EQ(fields.type, u"Train");
}

TEST_F(QuickEntryList, WithNothingSelectedOkStoresAnEmptyText)
{
    fields.type = QStringLiteral("Taxi");
    fields.lists.paymentMethods.clear();
    fields.paidWith = QStringLiteral("Cash");
    bool selected = true;
    whileShown([&] {
        selected = !list()->selectedItems().isEmpty();
        tapKey(Key::Right);
    });
    EXPECT_TRUE(form->pickFromList(fields, PickTarget::Type));
    EXPECT_FALSE(selected) << "Taxi is none of the items";
    EXPECT_TRUE(fields.type.isEmpty());

    whileShown([&] { tapKey(Key::Right); });
    EXPECT_TRUE(form->pickFromList(fields, PickTarget::PaidWith));
    EXPECT_TRUE(fields.paidWith.isEmpty());
}

TEST_F(QuickEntryList, RowsAreAFingerHighAndTheListFillsThePanel)
{
    QRect row;
    QSize listSize;
    QSize contentSize;
    whileShown([&] {
        row = list()->visualItemRect(list()->item(1));
        listSize = list()->size();
        contentSize = form->content()->size();
        tapKey(Key::Left);
    });
    EXPECT_FALSE(form->pickFromList(fields, PickTarget::Type));
    EXPECT_EQ(row.height(), 30);
    EXPECT_EQ(listSize, contentSize);
    EXPECT_LE(QFontMetrics(list()->font()).height(), 30);
    EXPECT_GE(QFontMetrics(list()->font()).height(), 26);
}

} // namespace
} // namespace tallyfox::test
