// The amount box on screen: tapped with the mouse, typed into at a desk, and telling its owner about
// every change.
#include "recordingsurface.h" // readable values in failures
#include "ui/digitamountwidget.h"

#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QSignalSpy>
#include <QTest>
#include <cmath>
#include <gtest/gtest.h>

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
        box.repaint();
        ASSERT_TRUE(box.box().hasPainted());
    }

    void tap(QPoint at) { QTest::mouseClick(&box, Qt::LeftButton, {}, at); }
    void type(const char* keys) { QTest::keyClicks(&box, QString::fromLatin1(keys)); }
    void press(Qt::Key key) { QTest::keyClick(&box, key); }

    DigitAmountWidget box;
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
}

TEST_F(AmountWidget, TapsWrapWithinTheDigitWhenAsked)
{
    box.setIncrease9Is0(true);
    start({19, false, 3});
    tap(kUnitsUp);
    EXPECT_EQ(box.value().amount, 10.0);
    tap(kUnitsDown);
    EXPECT_EQ(box.value().amount, 19.0);
}

TEST_F(AmountWidget, StripsChangeColumnsAndDecimals)
{
    start({0, false, 3});
    tap({7, 10});
    EXPECT_EQ(box.value().columns, 4);
    box.repaint();
    tap({230, 35});
    EXPECT_TRUE(box.value().decimalsShown);
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

struct TypingCase
{
    const char* name;
    const char* keys;
    double amount;
};

class Typing : public AmountWidget, public ::testing::WithParamInterface<TypingCase>
{};

TEST_P(Typing, StartsANewNumberLikeACalculator)
{
    start({55.25, true, 3});
    box.setFocus();
    type(GetParam().keys);
    EXPECT_EQ(box.value().amount, GetParam().amount);
}

INSTANTIATE_TEST_SUITE_P(
    AmountWidget, Typing,
    ::testing::Values(TypingCase{"WholeNumber", "42", 42}, TypingCase{"Decimals", "12.5", 12.5},
                      TypingCase{"CommaAsSeparator", "7,25", 7.25}, TypingCase{"SeparatorFirst", ".5", 0.5},
                      TypingCase{"AThirdDecimalIsNotTaken", "1.234", 1.23},
                      TypingCase{"ASecondSeparatorIsNotTaken", "1..5", 1.5},
                      TypingCase{"LeadingZeros", "007", 7}, TypingCase{"SixDigitsAtMost", "1234567", 123456},
                      TypingCase{"Largest", "999999.99", 999999.99}, TypingCase{"Letters", "a1b2", 12}),
    [](const ::testing::TestParamInfo<TypingCase>& info) { return std::string(info.param.name); });

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

TEST_F(AmountWidget, BackspaceTakesBackTheLastCharacter)
{
    start({0, false, 3});
    box.setFocus();
    type("12.5");
    press(Qt::Key_Backspace);
    EXPECT_EQ(box.value().amount, 12.0);
    press(Qt::Key_Backspace);
    press(Qt::Key_Backspace);
    EXPECT_EQ(box.value().amount, 1.0);
    press(Qt::Key_Backspace);
    press(Qt::Key_Backspace);
    EXPECT_EQ(box.value().amount, 0.0);
}

TEST_F(AmountWidget, BackspaceBeforeTypingShortensTheAmountShown)
{
    start({12.5, true, 3});
    press(Qt::Key_Backspace);
    EXPECT_EQ(box.value().amount, 12.0);
}

TEST_F(AmountWidget, ATapEndsTheNumberBeingTyped)
{
    start({0, false, 3});
    box.setFocus();
    type("12");
    tap(kUnitsUp);
    EXPECT_EQ(box.value().amount, 13.0);
    type("4");
    EXPECT_EQ(box.value().amount, 4.0);
}

TEST_F(AmountWidget, TheFocusArrivingStartsANewNumber)
{
    start({0, false, 3});
    box.setFocus();
    type("12");
    box.clearFocus();
    box.setFocus();
    type("3");
    EXPECT_EQ(box.value().amount, 3.0);
}

TEST_F(AmountWidget, UpAndDownChangeTheUnitsWithinTheLimits)
{
    start({9, false, 3});
    press(Qt::Key_Up);
    EXPECT_EQ(box.value().amount, 10.0);
    for (int i = 0; i < 11; ++i)
        press(Qt::Key_Down);
    EXPECT_EQ(box.value().amount, 0.0);
    start({999999.5, true, 6});
    press(Qt::Key_Up);
    EXPECT_EQ(box.value().amount, 999999.5);
    box.setIncrease9Is0(true);
    press(Qt::Key_Up);
    EXPECT_EQ(box.value().amount, 999990.5);
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
