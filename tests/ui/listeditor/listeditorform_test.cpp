// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

// The list editor driven as a user drives it: its buttons and their states, the edit panel with the rate
// and its hint, the keys at a desk, and what "OK" and "Cancel" leave in the caller's lists.
#include "support/controls.h"
#include "toolkit/scriptedprompts.h"
#include "toolkit/softkeybar.h"
#include "ui/listeditor/listeditorform.h"
#include "ui/listeditor/listeditpanel.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <functional>
#include <gtest/gtest.h>
#include <source_location>

namespace tallyfox {
namespace {

const QStringList kNames{QStringLiteral("EUR"), QStringLiteral("US$"), QStringLiteral("GBP")};
const QStringList kRates{QStringLiteral("Primary"), QStringLiteral("1.44"), QStringLiteral("0.89")};

class ListEditorTest : public ::testing::Test
{
protected:
    ListEditorTest() { form.show(); }

    template <typename T>
    T* control(const char* name, const std::source_location& where = std::source_location::current()) const
    {
        return test::control<T>(form, name, where);
    }
    QPushButton* button(const char* name,
                        const std::source_location& where = std::source_location::current()) const
    {
        return control<QPushButton>(name, where);
    }
    QTreeWidget* tree() const { return control<QTreeWidget>("listTree"); }
    QLineEdit* nameBox() const { return control<QLineEdit>("listNameBox"); }
    QLineEdit* rateBox() const { return control<QLineEdit>("listRateBox"); }
    QPushButton* panelOk() const { return button("listPanelOk"); }
    QWidget* panel() const { return control<QWidget>("listEditPanel"); }

    void select(int row) { tree()->setCurrentItem(tree()->topLevelItem(row)); }
    void click(const char* name, const std::source_location& where = std::source_location::current())
    {
        QTest::mouseClick(button(name, where), Qt::LeftButton);
    }

    // The rows as the list shows them, "name rate" with rates.
    QStringList shownRows() const
    {
        QStringList rows;
        for (int i = 0; i < tree()->topLevelItemCount(); ++i) {
            const QTreeWidgetItem* item = tree()->topLevelItem(i);
            rows << (tree()->columnCount() == 2 ? item->text(0) + u' ' + item->text(1) : item->text(0));
        }
        return rows;
    }

    // Runs editList modally with the steps once the form is up; anything left open is cancelled.
    bool runEditList(QStringList& names, QStringList* rates, const std::function<void()>& steps)
    {
        QTimer::singleShot(0, &form, [this, steps] {
            steps();
            if (form.isVisible())
                form.closeWith(FormBase::kResultCancel);
        });
        return form.editList(names, rates);
    }

    ScriptedPrompts prompts;
    ListEditorForm form{prompts};
};

TEST_F(ListEditorTest, RowsMoveAndGoAroundThePrimaryRowWhichStays)
{
    form.prepare(kNames, &kRates);
    select(0);
    EXPECT_FALSE(button("listUpButton")->isEnabled());
    EXPECT_FALSE(button("listDownButton")->isEnabled());
    EXPECT_FALSE(button("listDeleteButton")->isEnabled());
    EXPECT_TRUE(button("listEditButton")->isEnabled());
    QTest::keyClick(tree(), Qt::Key_Delete);
    EXPECT_TRUE(prompts.asked().isEmpty()) << "row 0 is never offered for deletion";

    select(1);
    QTest::keyClick(tree(), Qt::Key_Up, Qt::ControlModifier);
    EXPECT_EQ(shownRows(), QStringList({"EUR Primary", "US$ 1.44", "GBP 0.89"}));
    click("listDownButton");
    EXPECT_EQ(shownRows(), QStringList({"EUR Primary", "GBP 0.89", "US$ 1.44"}));
    EXPECT_EQ(tree()->indexOfTopLevelItem(tree()->currentItem()), 2) << "the moved row stays selected";
    QTest::keyClick(tree(), Qt::Key_Up, Qt::ControlModifier);
    EXPECT_EQ(shownRows(), QStringList({"EUR Primary", "US$ 1.44", "GBP 0.89"}));

    prompts.answerQuestion(false);
    prompts.answerQuestion(true);
    click("listDeleteButton");
    EXPECT_EQ(shownRows().size(), 3);
    QTest::keyClick(tree(), Qt::Key_Delete);
    EXPECT_EQ(prompts.texts(ScriptedPrompts::Kind::Question),
              QStringList(2, QStringLiteral("Do you really want to delete this entry?")));
    EXPECT_EQ(shownRows(), QStringList({"EUR Primary", "GBP 0.89"}));
    EXPECT_EQ(tree()->selectedItems().size(), 0);
    EXPECT_FALSE(button("listEditButton")->isEnabled());
    EXPECT_TRUE(button("listNewButton")->isEnabled());
}

TEST_F(ListEditorTest, NameListsMoveAndDeleteEveryRowWithoutPrimary)
{
    const QStringList types{QStringLiteral("Food"), QStringLiteral("Taxi")};
    form.prepare(types, nullptr);
    EXPECT_TRUE(tree()->isHeaderHidden());
    EXPECT_FALSE(button("listMakePrimaryButton")->isVisible());
    select(1);
    click("listUpButton");
    EXPECT_EQ(shownRows(), QStringList({"Taxi", "Food"}));
    prompts.answerQuestion(true);
    click("listDeleteButton");
    EXPECT_EQ(shownRows(), QStringList({"Food"})) << "the moved row stayed selected";
}

TEST_F(ListEditorTest, MakePrimaryRewritesEveryRate)
{
    form.prepare(kNames, &kRates);
    select(1);
    click("listMakePrimaryButton");
    EXPECT_EQ(shownRows(), QStringList({"US$ Primary", "EUR 0.69444", "GBP 0.61806"}));
    // And back: the names return, the rates within a unit of the fifth decimal.
    select(1);
    click("listMakePrimaryButton");
    EXPECT_EQ(shownRows(), QStringList({"EUR Primary", "US$ 1.44001", "GBP 0.89001"}));
}

TEST_F(ListEditorTest, OkReplacesTheCallersListsAndCancelLeavesThem)
{
    QStringList names = kNames;
    QStringList rates = kRates;
    EXPECT_FALSE(runEditList(names, &rates, [this] {
        select(2);
        click("listMakePrimaryButton");
        test::control<SoftKeyBar>(form, "softKeyBar")->pressKey(SoftKeyBar::Key::Left);
    }));
    EXPECT_EQ(names, kNames);
    EXPECT_EQ(rates, kRates);

    // New CHF at 1,6 keeps the rate as typed; a second new row still open in the panel at OK is dropped.
    EXPECT_TRUE(runEditList(names, &rates, [this] {
        QTest::keyClick(tree(), Qt::Key_Insert);
        QTest::keyClicks(nameBox(), QStringLiteral("CHF"));
        rateBox()->clear();
        QTest::keyClicks(rateBox(), QStringLiteral("1,6"));
        QTest::keyClick(rateBox(), Qt::Key_Return);
        QTest::keyClick(tree(), Qt::Key_N, Qt::ControlModifier);
        QTest::keyClicks(nameBox(), QStringLiteral("JPY"));
        test::control<SoftKeyBar>(form, "softKeyBar")->pressKey(SoftKeyBar::Key::Right);
    }));
    EXPECT_EQ(names, QStringList({"EUR", "US$", "GBP", "CHF"}));
    EXPECT_EQ(rates, QStringList({"Primary", "1.44", "0.89", "1,6"}));
}

TEST_F(ListEditorTest, ThePanelTakesEnterAndEscapeTheFormTheRest)
{
    QStringList names{QStringLiteral("Food")};
    EXPECT_TRUE(runEditList(names, nullptr, [this] {
        select(0);
        QTest::keyClick(tree(), Qt::Key_F2);
        EXPECT_TRUE(panel()->isVisible());
        EXPECT_FALSE(button("listNewButton")->isEnabled()) << "the main area waits while editing";
        EXPECT_EQ(nameBox()->cursorPosition(), 4);
        QTest::keyClicks(nameBox(), QStringLiteral("s"));
        QTest::keyClick(nameBox(), Qt::Key_Escape);
        EXPECT_TRUE(form.isVisible()) << "Escape in the panel cancels only the panel";
        EXPECT_FALSE(panel()->isVisible());
        QTest::keyClick(tree(), Qt::Key_Insert);
        QTest::keyClick(nameBox(), Qt::Key_Return);
        EXPECT_TRUE(panel()->isVisible()) << "a new row's OK waits for a name";
        EXPECT_FALSE(panelOk()->isEnabled());
        EXPECT_EQ(nameBox()->placeholderText(), u"Type a name") << "and says so";
        QTest::keyClicks(nameBox(), QStringLiteral("Rent"));
        QTest::keyClick(nameBox(), Qt::Key_Return);
        EXPECT_FALSE(panel()->isVisible());
        EXPECT_TRUE(form.isVisible());
        QTest::keyClick(tree(), Qt::Key_Return);
    }));
    EXPECT_EQ(names, QStringList({"Food", "Rent"}));
    EXPECT_FALSE(runEditList(names, nullptr, [this] { QTest::keyClick(tree(), Qt::Key_Escape); }));
}

struct RateCase
{
    const char* typed;
    bool accepted;
    const char* hint;
};

class RateHintTest : public ListEditorTest, public ::testing::WithParamInterface<RateCase>
{};

TEST_P(RateHintTest, SaysAtOnceWhyARateCannotBeTaken)
{
    const RateCase& rate = GetParam();
    form.prepare(kNames, &kRates);
    form.editRow(1);
    EXPECT_EQ(panel()->height(), ListEditPanel::kHeightWithRate);
    rateBox()->clear();
    QTest::keyClicks(rateBox(), QString::fromUtf8(rate.typed));
    EXPECT_EQ(panelOk()->isEnabled(), rate.accepted);
    const auto* hint = control<QLabel>("listRateHint");
    EXPECT_EQ(hint->isVisible(), !rate.accepted);
    EXPECT_EQ(hint->text(), QString::fromUtf8(rate.hint));
    EXPECT_EQ(control<QLabel>("listRateBefore")->text(), u"1 EUR =");
    EXPECT_EQ(control<QLabel>("listRateAfter")->text(), u"US$");
}

INSTANTIATE_TEST_SUITE_P(Rates, RateHintTest,
                         ::testing::Values(RateCase{"0,5", true, ""}, RateCase{"1.6", true, ""},
                                           RateCase{"0", false, "Rate must be above 0"},
                                           RateCase{"-2", false, "Rate must be above 0"},
                                           RateCase{"abc", false, "Rate must be a number"},
                                           RateCase{"", false, "Rate must be a number"}));

TEST_F(ListEditorTest, UpAndDownFollowTheOrientationOfTheLastOpening)
{
    QStringList names{QStringLiteral("Food")};
    form.resize(320, 240);
    runEditList(names, nullptr, [this] {
        EXPECT_EQ(button("listUpButton")->pos(), QPoint(90, 62));
        form.resize(240, 320);
        EXPECT_EQ(button("listDownButton")->pos(), QPoint(90, 94)) << "not while the form is open";
    });
    runEditList(names, nullptr, [this] {
        EXPECT_EQ(button("listUpButton")->pos(), QPoint(14, 162));
        EXPECT_EQ(button("listDownButton")->pos(), QPoint(14, 194));
    });
}

} // namespace
} // namespace tallyfox
