// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

// test::control, the one way tests reach a form's controls: by object name among all the form's
// descendants, nearest first, and a test that ends naming a control that is missing or of another type.
#include "support/controls.h"
#include "toolkit/formbase.h"
#include "toolkit/softkeybar.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <cstdlib>
#include <gtest/gtest.h>

namespace tallyfox {
namespace {

class ControlHelper : public ::testing::Test
{
protected:
    ControlHelper()
    {
        form.setObjectName(QStringLiteral("itemForm"));
        auto* currency = new QComboBox;
        currency->setObjectName(QStringLiteral("currencyBox"));
        form.place(currency, 0, 0, 100, 20);
        auto* note = new QLabel;
        note->setObjectName(QStringLiteral("noteLabel"));
        form.place(note, 0, 20, 100, 20);
    }

    FormBase form{QStringLiteral("Tallyfox")};
};

TEST_F(ControlHelper, FindsAControlByNameAsItsOwnTypeOrABaseAndTheNearestFirst)
{
    QComboBox* currency = test::control<QComboBox>(form, "currencyBox");
    EXPECT_EQ(currency->parentWidget(), test::control<QWidget>(form, "formContent"));
    EXPECT_EQ(test::control<QWidget>(form, QStringLiteral("currencyBox")), currency);
    // A form over this one has soft keys of the same name; the form's own come first.
    FormBase over(QStringLiteral("Tallyfox"), &form);
    SoftKeyBar* keys = test::control<SoftKeyBar>(form, "softKeyBar");
    EXPECT_EQ(keys->parent(), &form);
    EXPECT_EQ(test::control<QPushButton>(over, "softKeyRight")->parent(),
              test::control<SoftKeyBar>(over, "softKeyBar"));
}

TEST_F(ControlHelper, EndsTheTestNamingAControlThatIsMissingOrOfAnotherType)
{
    // The test program starts again for each case, so that the ending is its own.
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(test::control<QComboBox>(form, "typeBox")->clear(), ::testing::ExitedWithCode(EXIT_FAILURE),
                "tallyfox::FormBase \"itemForm\" has no control named \"typeBox\" .a QComboBox was wanted.");
    EXPECT_EXIT(test::control<QComboBox>(form, "noteLabel")->clear(), ::testing::ExitedWithCode(EXIT_FAILURE),
                "the control \"noteLabel\" of tallyfox::FormBase \"itemForm\" is a QLabel, not a QComboBox");
}

} // namespace
} // namespace tallyfox
