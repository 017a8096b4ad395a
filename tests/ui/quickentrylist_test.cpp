// The quick entry's pick list as the item editor's "List" buttons open it: a tap chooses, the arrow keys
// only move, Enter chooses, Cancel writes nothing.
#include "quickentryfixture.h"

namespace tallyfox::test {
namespace {

class QuickEntryList : public QuickEntryFixture
{};

TEST_F(QuickEntryList, ATapOnAFingerHighRowChoosesTheItemAndCloses)
{
    EXPECT_TRUE(runList(PickTarget::PaidWith, [&] {
        EXPECT_EQ(items(), (QStringList{u"Cash"_qs, u"Credit card"_qs, u"Debit card"_qs}));
        EXPECT_EQ(list()->currentItem()->text(), u"Cash");
        // Rows a finger high, in a list filling the panel.
        EXPECT_EQ(list()->visualItemRect(list()->item(1)).height(), 30);
        EXPECT_EQ(list()->size(), form->content()->size());
        tapRow(2);
    }));
    EXPECT_EQ(fields.paidWith, u"Debit card");
    EXPECT_EQ(fields.currency, u"EUR");
}

TEST_F(QuickEntryList, ArrowKeysMoveWithoutChoosingAndEnterChooses)
{
    fields.intendedSource = QStringLiteral("Client");
    EXPECT_TRUE(runList(PickTarget::IntendedSource, [&] {
        press(Qt::Key_Down);
        press(Qt::Key_Up);
        press(Qt::Key_Up);
        EXPECT_TRUE(form->isVisible());
        press(Qt::Key_Return);
    }));
    EXPECT_EQ(fields.intendedSource, u"Employer");
}

TEST_F(QuickEntryList, CancelAndEscWriteNothing)
{
    fields.currency = QStringLiteral("GBP");
    const EditorFields before = fields;
    for (const bool useEsc : {false, true}) {
        EXPECT_FALSE(runList(PickTarget::Currency, [&] {
            press(Qt::Key_Up);
            if (useEsc)
                press(Qt::Key_Escape);
            else
                tapKey(Key::Left);
        }));
        EXPECT_EQ(fields, before);
    }
}

TEST_F(QuickEntryList, CustomIsOfferedOnlyDuringTheWizardAndLeavesTheTypeEmpty)
{
    fields.type = QStringLiteral("Lunch");
    enableOnly({0});
    runWizard([&] {
        EXPECT_EQ(list()->currentItem()->text(), u"Lunch") << "the list opens on the editor's type";
        tapItem(QStringLiteral("Custom"));
    });
    EXPECT_TRUE(fields.type.isEmpty());

    // The wizard leaves nothing behind for the editor's own "List" button.
    EXPECT_TRUE(runList(PickTarget::Type, [&] {
        EXPECT_EQ(items(), fields.lists.expenseTypes);
        EXPECT_EQ(captions(), u"Cancel/OK");
        tapRow(0);
    }));
    EXPECT_EQ(fields.type, u"Train");
}

TEST_F(QuickEntryList, WithNothingSelectedOkStoresAnEmptyText)
{
    fields.type = QStringLiteral("Taxi");
    fields.lists.paymentMethods.clear();
    EXPECT_TRUE(runList(PickTarget::Type, [&] {
        EXPECT_TRUE(list()->selectedItems().isEmpty()) << "Taxi is none of the items";
        tapKey(Key::Right);
    }));
    EXPECT_TRUE(fields.type.isEmpty());

    EXPECT_TRUE(runList(PickTarget::PaidWith, [&] { tapKey(Key::Right); }));
    EXPECT_TRUE(fields.paidWith.isEmpty());
}

} // namespace
} // namespace tallyfox::test
