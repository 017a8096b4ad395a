// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

// The amount box on screen: tapped with the mouse, typed into at a desk, and telling its owner about
// every change.
#include "amountbox/digitamountprinter.h"
#include "amountbox/paintcount.h"
#include "support/recordingcanvas.h" // readable values in failures
#include "ui/amountbox/digitamountwidget.h"

#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QSignalSpy>
#include <QTest>
#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <string>
#include <string_view>

namespace tallyfox {
namespace {

// Points of the box at 236 x 70 with three columns: the units are 152-221 without decimals.
constexpr QPoint kUnitsUp{186, 17};
constexpr QPoint kUnitsDown{186, 52};

class AmountWidget : public ::testing::Test
{
protected:
    AmountWidget()
    {
        box.resize(236, 70);
        box.show();
        box.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&box));
    }

    // Sets the value and paints it, as a box on screen has been before the user touches it.
    void start(const DigitAmount& value)
    {
        box.setValue(value);
        const int before = painted.paints();
        box.repaint();
        ASSERT_GT(painted.paints(), before);
    }

    void tap(QPoint at) { QTest::mouseClick(&box, Qt::LeftButton, {}, at); }
    void type(const char* keys) { QTest::keyClicks(&box, QString::fromLatin1(keys)); }
    void press(Qt::Key key) { QTest::keyClick(&box, key); }

    DigitAmountWidget box;
    test::PaintCount painted{box};
    QSignalSpy changes{&box, &DigitAmountWidget::valueChanged};
};

TEST_F(AmountWidget, TapsChangeTheAmountAndSaySoOnlyWhenItChanged)
{
    start({0, false, 3});
    changes.clear();
    tap(kUnitsUp);
    EXPECT_EQ(box.value(), (DigitAmount{1, false, 3}));
    tap(kUnitsDown);
    tap(kUnitsDown);
    EXPECT_EQ(box.value().amount, 0.0);
    EXPECT_EQ(changes.count(), 2) << "the refused tap below zero is not a change";
    // The strips: one more column, then the decimals.
    tap({7, 10});
    EXPECT_EQ(box.value().columns, 4);
    box.repaint();
    tap({230, 35});
    EXPECT_TRUE(box.value().decimalsShown);
    // Digits that wrap within themselves, when asked.
    box.setIncrease9Is0(true);
    start({19, false, 3});
    tap(kUnitsUp);
    EXPECT_EQ(box.value().amount, 10.0);
    tap(kUnitsDown);
    EXPECT_EQ(box.value().amount, 19.0);
}

TEST_F(AmountWidget, APaintThatMustShowMoreSaysSo)
{
    box.setValue({1234.5, false, 3});
    changes.clear();
    box.repaint();
    EXPECT_EQ(box.value(), (DigitAmount{1234.5, true, 4}));
    EXPECT_EQ(changes.count(), 1);
    box.repaint();
    EXPECT_EQ(changes.count(), 1);
}

TEST_F(AmountWidget, KeepsAnAmountWithinItsLimits)
{
    box.setValue({-4, true, 3});
    EXPECT_EQ(box.value().amount, 0.0);
    box.setValue({std::nan(""), true, 3});
    EXPECT_EQ(box.value().amount, 0.0);
    box.setValue({2e9, true, 3});
    EXPECT_EQ(box.value().amount, 999999.99);
}

// Keys as the user presses them, one a character: "<" Backspace, "^" Up, "_" Down, "*" a tap on the
// units' upper half, "~" the focus leaving and coming back; any other character is typed.
struct KeysCase
{
    const char* name;
    DigitAmount start;
    const char* keys;
    double amount;
    bool wraps = false;
};

class Keys : public AmountWidget, public ::testing::WithParamInterface<KeysCase>
{};

TEST_P(Keys, WorkLikeACalculator)
{
    const KeysCase& c = GetParam();
    box.setIncrease9Is0(c.wraps);
    start(c.start);
    box.setFocus();
    const std::map<char, std::function<void()>> special{{'<',
                                                         [this] {
                                                             press(Qt::Key_Backspace);
                                                         }},
                                                        {'^',
                                                         [this] {
                                                             press(Qt::Key_Up);
                                                         }},
                                                        {'_',
                                                         [this] {
                                                             press(Qt::Key_Down);
                                                         }},
                                                        {'*',
                                                         [this] {
                                                             tap(kUnitsUp);
                                                         }},
                                                        {'~', [this] {
                                                             box.clearFocus(), box.setFocus();
                                                         }}};
    for (const char key : std::string_view(c.keys)) {
        if (special.contains(key))
            special.at(key)();
        else
            type(std::string(1, key).c_str());
    }
    EXPECT_EQ(box.value().amount, c.amount);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    AmountWidget, Keys,
    ::testing::Values(
        // The first key starts a new number.
        KeysCase{"WholeNumber", {55.25, true, 3}, "42", 42},
        KeysCase{"Decimals", {55.25, true, 3}, "12.5", 12.5},
        KeysCase{"CommaAsSeparator", {55.25, true, 3}, "7,25", 7.25},
        KeysCase{"SeparatorFirst", {55.25, true, 3}, ".5", 0.5},
        KeysCase{"AThirdDecimalIsNotTaken", {55.25, true, 3}, "1.234", 1.23},
        KeysCase{"ASecondSeparatorIsNotTaken", {55.25, true, 3}, "1..5", 1.5},
        KeysCase{"LeadingZeros", {55.25, true, 3}, "007", 7},
        KeysCase{"SixDigitsAtMost", {55.25, true, 3}, "1234567", 123456},
        KeysCase{"Largest", {55.25, true, 3}, "999999.99", 999999.99},
        KeysCase{"Letters", {55.25, true, 3}, "a1b2", 12},
        // Backspace takes back the last character, of what is typed or else of the amount shown.
        KeysCase{"BackspaceTheLastDecimal", {0, false, 3}, "12.5<", 12},
        KeysCase{"BackspaceThePoint", {0, false, 3}, "12.5<<<", 1},
        KeysCase{"BackspaceEverything", {0, false, 3}, "12.5<<<<<", 0},
        KeysCase{"BackspaceBeforeTyping", {12.5, true, 3}, "<", 12},
        // A tap or the focus arriving ends the number being typed.
        KeysCase{"ATapAfterTyping", {0, false, 3}, "12*", 13},
        KeysCase{"TypingAfterATap", {0, false, 3}, "12*4", 4},
        KeysCase{"TypingAfterTheFocusCameBack", {0, false, 3}, "12~3", 3},
        // Up and Down step the units within the limits.
        KeysCase{"UpCarries", {9, false, 3}, "^", 10},
        KeysCase{"DownStopsAtZero", {9, false, 3}, "^___________", 0},
        KeysCase{"UpStopsAtTheLargest", {999999.5, true, 6}, "^", 999999.5},
        KeysCase{"UpWraps", {999999.5, true, 6}, "^", 999990.5, true}),
    [](const ::testing::TestParamInfo<KeysCase>& info) { return std::string(info.param.name); });
// clang-format on

TEST_F(AmountWidget, TypedDecimalsAreShown)
{
    start({0, false, 3});
    box.setFocus();
    type("12.5");
    box.repaint();
    EXPECT_EQ(box.value(), (DigitAmount{12.5, true, 3}));
    EXPECT_GE(changes.count(), 1);
}

TEST_F(AmountWidget, TheLocalesSeparatorIsTaken)
{
    const QLocale persian(QLocale::Persian, QLocale::Iran);
    const QString separator = persian.decimalPoint();
    ASSERT_NE(separator, u".");
    ASSERT_NE(separator, u",");
    box.setLocale(persian);
    start({0, false, 3});
    type("3");
    QTest::sendKeyEvent(QTest::Click, &box, Qt::Key_unknown, separator, Qt::NoModifier);
    type("75");
    EXPECT_EQ(box.value().amount, 3.75);
}

TEST_F(AmountWidget, LeavesOtherKeysToTheForm)
{
    start({5, false, 3});
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Escape, Qt::Key_A}) {
        QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier,
                        key == Qt::Key_A ? QStringLiteral("a") : QString());
        QApplication::sendEvent(&box, &event);
        EXPECT_FALSE(event.isAccepted()) << key;
    }
    QKeyEvent withControl(QEvent::KeyPress, Qt::Key_1, Qt::ControlModifier, QStringLiteral("1"));
    QApplication::sendEvent(&box, &withControl);
    EXPECT_FALSE(withControl.isAccepted());
    EXPECT_EQ(box.value().amount, 5.0);
}

TEST_F(AmountWidget, ShowsAFrameWhileItHasTheFocus)
{
    start({0, false, 3});
    // A point just inside the black frame, clear of every chevron.
    const auto pixelInside = [this] {
        const QImage image = box.grab().toImage();
        return image.pixelColor(QPointF(QPointF(100, 5) * image.devicePixelRatio()).toPoint());
    };
    box.clearFocus();
    EXPECT_EQ(pixelInside(), QColor(Qt::white));
    box.setFocus();
    ASSERT_TRUE(box.hasFocus());
    EXPECT_NE(pixelInside(), QColor(Qt::white));
}

} // namespace
} // namespace tallyfox
