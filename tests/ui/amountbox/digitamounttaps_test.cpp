// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

// What a tap on the digit-column amount box does: digits up and down with carries or wrapping, the
// strips, the limits, and taps that belong to no column.
#include "amountbox/digitamountprinter.h"
#include "support/recordingcanvas.h"
#include "ui/amountbox/digitamountbox.h"

#include <gtest/gtest.h>

namespace tallyfox {
namespace {

using test::RecordingCanvas;

constexpr int kWidth = 236;
constexpr int kHeight = 70;

enum class Where
{
    Column, // the digit column of the index: 0 hundred-thousands ... 5 units, 6 tenths, 7 hundredths
    LeftStrip,
    RightStrip,
    DecimalPoint,
    Boundary, // exactly on the boundary line of the index
    At,       // at the x of the index
};

enum class Half
{
    Upper,
    Middle, // exactly on the middle line
    Lower,
};

struct TapCase
{
    const char* name;
    DigitAmount start;
    bool wraps;
    Where where;
    int index;
    Half half;
    DigitAmount expected;
};

int tapX(const DigitAmountBox::Boundaries& x, Where where, int index)
{
    switch (where) {
    case Where::Column:
        return index < 6 ? (x[index] + x[index + 1]) / 2 : (x[index + 1] + x[index + 2]) / 2;
    case Where::LeftStrip:
        return x[0] / 2;
    case Where::RightStrip:
        return (x[9] + kWidth) / 2;
    case Where::DecimalPoint:
        return (x[6] + x[7]) / 2;
    case Where::Boundary:
        return x[index];
    case Where::At:
        return index;
    }
    return -1;
}

int tapY(Half half)
{
    switch (half) {
    case Half::Upper:
        return kHeight / 4;
    case Half::Middle:
        return kHeight / 2;
    case Half::Lower:
        return kHeight * 3 / 4;
    }
    return -1;
}

class Taps : public ::testing::TestWithParam<TapCase>
{};

TEST_P(Taps, ChangeTheCallersValue)
{
    const TapCase& c = GetParam();
    DigitAmountBox box;
    RecordingCanvas surface;
    DigitAmount value = c.start;
    box.paint(surface, kWidth, kHeight, value);
    ASSERT_EQ(value, c.start) << "the starting value needs no growth";
    const bool changed =
        box.tap(tapX(box.boundaries(), c.where, c.index), tapY(c.half), kWidth, kHeight, value, c.wraps);
    // Exact comparison on purpose: the amount is kept in whole cents.
    EXPECT_EQ(value, c.expected);
    EXPECT_EQ(changed, !(c.expected == c.start));
}

constexpr bool kCarries = false;
constexpr bool kWraps = true;

// One tap a line reads as a table.
// clang-format off
using W = Where;
using H = Half;
INSTANTIATE_TEST_SUITE_P(
    DigitAmountBox, Taps,
    ::testing::Values(
        // Digits with carries and borrows.
        TapCase{"ZeroUnitsUpGivesOne", {0, false, 3}, kCarries, W::Column, 5, H::Upper, {1, false, 3}},
        TapCase{"ZeroUnitsDownIsRefused", {0, false, 3}, kCarries, W::Column, 5, H::Lower, {0, false, 3}},
        TapCase{"NineUnitsUpCarries", {9, false, 3}, kCarries, W::Column, 5, H::Upper, {10, false, 3}},
        TapCase{"TenthsUpCarryIntoTheUnits", {0.95, true, 3}, kCarries, W::Column, 6, H::Upper, {1.05, true, 3}},
        TapCase{"HundredthsDownBorrowAcrossThePoint", {10, true, 3}, kCarries, W::Column, 7, H::Lower, {9.99, true, 3}},
        TapCase{"TenthsAddUpToWholeCents", {0.2, true, 3}, kCarries, W::Column, 6, H::Upper, {0.3, true, 3}},
        TapCase{"TensDown", {12, false, 3}, kCarries, W::Column, 4, H::Lower, {2, false, 3}},
        TapCase{"TenThousandsUp", {12345, false, 5}, kCarries, W::Column, 1, H::Upper, {22345, false, 5}},
        TapCase{"HundredThousandsDown", {900000, false, 6}, kCarries, W::Column, 0, H::Lower, {800000, false, 6}},
        TapCase{"TheMiddleLineOfAColumnCountsAsUp", {0, false, 3}, kCarries, W::Column, 5, H::Middle, {1, false, 3}},
        // The limits.
        TapCase{"BelowZeroIsRefused", {500, false, 4}, kCarries, W::Column, 2, H::Lower, {500, false, 4}},
        TapCase{"LargestPlusOneCentIsRefused", {999999.99, true, 6}, kCarries, W::Column, 7, H::Upper, {999999.99, true, 6}},
        TapCase{"AMillionIsRefused", {900000, false, 6}, kCarries, W::Column, 0, H::Upper, {900000, false, 6}},
        // Digits that wrap within themselves.
        TapCase{"WrappingNineteenUpGivesTen", {19, false, 3}, kWraps, W::Column, 5, H::Upper, {10, false, 3}},
        TapCase{"WrappingTenDownGivesNineteen", {10, false, 3}, kWraps, W::Column, 5, H::Lower, {19, false, 3}},
        TapCase{"WrappingZeroDownGivesNine", {0, false, 3}, kWraps, W::Column, 5, H::Lower, {9, false, 3}},
        TapCase{"WrappingTenthsStayInTheirColumn", {0.95, true, 3}, kWraps, W::Column, 6, H::Upper, {0.05, true, 3}},
        TapCase{"WrappingKeepsTheLargestWithinTheLimit", {999999.99, true, 6}, kWraps, W::Column, 7, H::Upper, {999999.90, true, 6}},
        TapCase{"WrappingHundredThousands", {912.5, true, 6}, kWraps, W::Column, 0, H::Lower, {900912.5, true, 6}},
        // The strips.
        TapCase{"LeftStripUpAddsAColumn", {0, false, 3}, kCarries, W::LeftStrip, 0, H::Upper, {0, false, 4}},
        TapCase{"LeftStripUpStopsAtSix", {0, false, 6}, kCarries, W::LeftStrip, 0, H::Upper, {0, false, 6}},
        TapCase{"LeftStripDownRemovesAColumn", {0, false, 5}, kCarries, W::LeftStrip, 0, H::Lower, {0, false, 4}},
        TapCase{"LeftStripDownStopsAtThree", {0, false, 3}, kCarries, W::LeftStrip, 0, H::Lower, {0, false, 3}},
        TapCase{"LeftStripMiddleLineRemovesAColumn", {0, false, 5}, kCarries, W::LeftStrip, 0, H::Middle, {0, false, 4}},
        TapCase{"RightStripShowsTheDecimals", {5, false, 3}, kCarries, W::RightStrip, 0, H::Lower, {5, true, 3}},
        TapCase{"RightStripHidesTheDecimals", {5, true, 3}, kCarries, W::RightStrip, 0, H::Upper, {5, false, 3}},
        // Taps that belong to no column.
        TapCase{"OnTheTensUnitsBoundary", {5, false, 3}, kCarries, W::Boundary, 5, H::Upper, {5, false, 3}},
        TapCase{"OnTheLeftStripBoundary", {5, false, 3}, kCarries, W::Boundary, 0, H::Upper, {5, false, 3}},
        TapCase{"OnTheRightStripBoundary", {5, true, 3}, kCarries, W::Boundary, 9, H::Upper, {5, true, 3}},
        TapCase{"OnTheDecimalPoint", {5, true, 3}, kCarries, W::DecimalPoint, 0, H::Upper, {5, true, 3}},
        TapCase{"OnTheLeftEdge", {5, false, 3}, kCarries, W::At, 0, H::Upper, {5, false, 3}},
        TapCase{"OnTheRightEdge", {5, false, 3}, kCarries, W::At, kWidth, H::Upper, {5, false, 3}},
        TapCase{"BeyondTheRightEdge", {5, false, 3}, kCarries, W::At, kWidth + 4, H::Upper, {5, false, 3}}),
    [](const ::testing::TestParamInfo<TapCase>& info) { return std::string(info.param.name); });
// clang-format on

TEST(DigitAmountBoxTaps, BeforeTheFirstPaintNothingIsOnScreenToTap)
{
    const DigitAmountBox box;
    DigitAmount value{5, false, 3};
    for (int x : {7, 186, 230})
        EXPECT_FALSE(box.tap(x, 10, kWidth, kHeight, value, false)) << x;
    EXPECT_EQ(value, (DigitAmount{5, false, 3}));
}

TEST(DigitAmountBoxTaps, AreMeasuredAgainstWhatIsOnScreen)
{
    DigitAmountBox box;
    RecordingCanvas surface;
    DigitAmount value{0, false, 3};
    box.paint(surface, kWidth, kHeight, value);
    for (int i = 0; i < 3; ++i)
        box.tap(7, 10, kWidth, kHeight, value, false);
    EXPECT_EQ(value.columns, 6);
    // 186 is in the units as painted (152-221), though six columns would put the tens there.
    box.tap(186, 10, kWidth, kHeight, value, false);
    EXPECT_EQ(value.amount, 1.0);
    box.paint(surface, kWidth, kHeight, value);
    box.tap(186, 10, kWidth, kHeight, value, false);
    EXPECT_EQ(value.amount, 11.0);
}

TEST(DigitAmountBoxTaps, FewerColumnsThanTheAmountNeedsComeBackAtTheNextPaint)
{
    DigitAmountBox box;
    RecordingCanvas surface;
    DigitAmount value{1234, false, 3};
    box.paint(surface, kWidth, kHeight, value);
    EXPECT_EQ(value.columns, 4);
    box.tap(7, 60, kWidth, kHeight, value, false);
    EXPECT_EQ(value.columns, 3);
    box.paint(surface, kWidth, kHeight, value);
    EXPECT_EQ(value.columns, 4);
}

TEST(DigitAmountBoxTaps, AnAmountWithAFractionKeepsItsDecimals)
{
    DigitAmountBox box;
    RecordingCanvas surface;
    DigitAmount value{1.5, true, 3};
    box.paint(surface, kWidth, kHeight, value);
    box.tap(230, 10, kWidth, kHeight, value, false);
    EXPECT_FALSE(value.decimalsShown);
    box.paint(surface, kWidth, kHeight, value);
    EXPECT_TRUE(value.decimalsShown);
}

TEST(DigitAmountBoxTaps, ManySmallStepsStayInWholeCents)
{
    double amount = 0;
    for (int i = 0; i < 1000; ++i)
        amount = DigitAmountBox::stepped(amount, 7, 1, false);
    EXPECT_EQ(amount, 10.0);
    for (int i = 0; i < 7; ++i)
        amount = DigitAmountBox::stepped(amount, 6, -1, false);
    EXPECT_EQ(amount, 9.3);
    // A column that does not exist changes nothing.
    EXPECT_EQ(DigitAmountBox::stepped(amount, 8, 1, false), 9.3);
    EXPECT_EQ(DigitAmountBox::stepped(amount, -1, 1, true), 9.3);
}

} // namespace
} // namespace tallyfox
