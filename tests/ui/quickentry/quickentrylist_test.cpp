// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

// The quick entry's pick list as the item editor's "List" buttons open it: a tap chooses, the arrow keys
// only move, Enter chooses, Cancel writes nothing, and it opens on the value it keeps.
#include "quickentry/quickentryfixture.h"

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
        EXPECT_EQ(list()->size(), child("formContent")->size());
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

// What the list shows as chosen when it opens is what "OK" keeps, also for a value the list lacks.
struct OpenedOn
{
    const char* name;
    PickTarget target;
    bool wizard;
    const char* current;
    QStringList items;
    // The chosen row; -1 when none is, and then no row is marked at all.
    int chosen;
};

class QuickEntryListOpensOn : public QuickEntryFixture, public ::testing::WithParamInterface<OpenedOn>
{};

TEST_P(QuickEntryListOpensOn, TheValueItKeeps)
{
    const OpenedOn& c = GetParam();
    pickText(fields, c.target) = QString::fromUtf8(c.current);
    const auto check = [&] {
        EXPECT_EQ(items(), c.items);
        EXPECT_EQ(list()->currentRow(), c.chosen);
        EXPECT_EQ(list()->selectedItems().size(), c.chosen < 0 ? 0 : 1);
        tapKey(Key::Right);
    };
    if (c.wizard) {
        enableOnly({int(c.target == PickTarget::Type ? 0 : 2)});
        runWizard(check);
    } else {
        EXPECT_TRUE(runList(c.target, check));
    }
    EXPECT_EQ(pickText(fields, c.target), QString::fromUtf8(c.current)) << "nothing chosen, nothing changed";
}

INSTANTIATE_TEST_SUITE_P(
    Values, QuickEntryListOpensOn,
    ::testing::Values(
        OpenedOn{"AnItem", PickTarget::Currency, false, "GBP", {u"EUR"_qs, u"US$"_qs, u"GBP"_qs}, 2},
        OpenedOn{"AMethodTheListLacks",
                 PickTarget::PaidWith,
                 false,
                 "Bank transfer",
                 {u"Bank transfer"_qs, u"Cash"_qs, u"Credit card"_qs, u"Debit card"_qs},
                 0},
        OpenedOn{"ACurrencyTheListLacksInTheWizard",
                 PickTarget::Currency,
                 true,
                 "SEK",
                 {u"SEK"_qs, u"EUR"_qs, u"US$"_qs, u"GBP"_qs},
                 0},
        OpenedOn{"ATypeTheListLacksBelowCustom",
                 PickTarget::Type,
                 true,
                 "Taxi",
                 {u"Custom"_qs, u"Taxi"_qs, u"Train"_qs, u"Car rental"_qs, u"Dinner"_qs, u"Lunch"_qs,
                  u"Breakfast"_qs},
                 1},
        OpenedOn{"NoTypeIsCustom",
                 PickTarget::Type,
                 true,
                 "",
                 {u"Custom"_qs, u"Train"_qs, u"Car rental"_qs, u"Dinner"_qs, u"Lunch"_qs, u"Breakfast"_qs},
                 0},
        OpenedOn{"NoSourceIsNoItem",
                 PickTarget::IntendedSource,
                 false,
                 "",
                 {u"Employer"_qs, u"Client"_qs, u"Myself"_qs},
                 -1}),
    [](const ::testing::TestParamInfo<OpenedOn>& info) { return std::string(info.param.name); });

} // namespace
} // namespace tallyfox::test
