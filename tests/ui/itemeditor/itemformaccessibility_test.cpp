// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

// The item editor as a screen reader meets it: every control named, the painted amount box and the date
// picker telling their values, and the amount box stepped by the keys it takes.
#include "accessibletree.h"
#include "itemeditor/itemeditorfixture.h"
#include "toolkit/accessiblepaintbox.h"
#include "ui/amountbox/digitamountwidget.h"

#include <QAccessibleActionInterface>
#include <QAccessibleValueInterface>
#include <QDateEdit>
#include <gtest/gtest.h>

namespace tallyfox::test {
namespace {

class ItemEditorAccessibility : public ItemEditorFixture, public ::testing::Test
{
protected:
    void SetUp() override { installPaintBoxAccessibility(); }
};

// The interface of the control with that object name, found by walking the tree down from the form.
QAccessibleInterface* findInTree(QWidget& form, const QString& objectName)
{
    QAccessibleInterface* found = nullptr;
    walkAccessibleTree(QAccessible::queryAccessibleInterface(&form), [&](QAccessibleInterface& control) {
        if (!found && control.object() && control.object()->objectName() == objectName)
            found = &control;
    });
    return found;
}

TEST_F(ItemEditorAccessibility, EveryControlIsNamedAndTheBoxesTellTheirValues)
{
    start();
    editRow(0, [this](ItemForm& item) {
        EXPECT_EQ(unnamedControls(item), QStringList());

        QAccessibleInterface* amount = findInTree(item, QStringLiteral("digitAmountBox"));
        ASSERT_NE(amount, nullptr);
        EXPECT_EQ(amount->role(), QAccessible::SpinBox);
        EXPECT_EQ(amount->text(QAccessible::Name), u"Amount");
        EXPECT_EQ(amount->text(QAccessible::Value), u"12.50");
        QAccessibleValueInterface* value = amount->valueInterface();
        ASSERT_NE(value, nullptr);
        EXPECT_EQ(value->currentValue().toDouble(), 12.5);
        EXPECT_EQ(value->minimumValue().toDouble(), 0.0);
        EXPECT_EQ(value->maximumValue().toDouble(), 999999.99);

        // Increase does what the Up key does: one more in the units.
        QAccessibleActionInterface* actions = amount->actionInterface();
        ASSERT_NE(actions, nullptr);
        EXPECT_TRUE(actions->actionNames().contains(QAccessibleActionInterface::increaseAction()));
        actions->doAction(QAccessibleActionInterface::increaseAction());
        EXPECT_EQ(control<DigitAmountWidget>("digitAmountBox")->value().amount, 13.5);
        EXPECT_EQ(amount->text(QAccessible::Value), u"13.50");
        actions->doAction(QAccessibleActionInterface::decreaseAction());
        EXPECT_EQ(value->currentValue().toDouble(), 12.5);

        QAccessibleInterface* date = findInTree(item, QStringLiteral("datePicker"));
        ASSERT_NE(date, nullptr);
        EXPECT_EQ(date->text(QAccessible::Name), u"Expense date");
        EXPECT_EQ(date->text(QAccessible::Value), control<QDateEdit>("datePicker")->text());
        EXPECT_FALSE(date->text(QAccessible::Value).isEmpty());
        press(Qt::Key_Escape);
    });
}

} // namespace
} // namespace tallyfox::test
