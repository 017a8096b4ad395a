// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

// The digit-column amount box without a widget: where its columns lie, what it draws, and what a tap
// does to the caller's amount, columns and decimals.
#include "amountbox/digitamountprinter.h"
#include "support/recordingcanvas.h"
#include "ui/amountbox/digitamountbox.h"

#include <gtest/gtest.h>
#include <utility>

namespace tallyfox {

namespace {

using test::RecordingCanvas;

using Boundaries = DigitAmountBox::Boundaries;

// --- Geometry ---------------------------------------------------------------------------------------

struct GeometryCase
{
    const char* name;
    int width;
    int columns;
    bool decimals;
    Boundaries expected;
};

class Geometry : public ::testing::TestWithParam<GeometryCase>
{};

TEST_P(Geometry, PlacesTheTenBoundaries)
{
    const GeometryCase& c = GetParam();
    EXPECT_EQ(DigitAmountBox::geometry(c.width, c.columns, c.decimals), c.expected);
    // A paint stores the same boundaries for the taps that follow.
    DigitAmountBox box;
    RecordingCanvas surface;
    DigitAmount value{0.0, c.decimals, c.columns};
    box.paint(surface, c.width, 70, value);
    EXPECT_EQ(box.boundaries(), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    DigitAmountBox, Geometry,
    ::testing::Values(
        GeometryCase{"ThreeColumnsNoDecimals", 236, 3, false, {15, 15, 15, 15, 84, 152, 221, 221, 221, 221}},
        GeometryCase{"ThreeColumnsDecimals", 236, 3, true, {15, 15, 15, 15, 54, 92, 131, 144, 182, 221}},
        GeometryCase{"FourColumnsNoDecimals", 236, 4, false, {15, 15, 15, 67, 118, 170, 221, 221, 221, 221}},
        GeometryCase{"FiveColumnsDecimals", 236, 5, true, {15, 15, 43, 70, 98, 125, 153, 166, 193, 221}},
        // 15 + 4 x 24.125 is 111.5 exactly: halves round away from zero.
        GeometryCase{"SixColumnsDecimals", 236, 6, true, {15, 39, 63, 87, 112, 136, 160, 173, 197, 221}},
        GeometryCase{"SixColumnsNoDecimals", 236, 6, false, {15, 49, 84, 118, 152, 187, 221, 221, 221, 221}},
        GeometryCase{"WideBox", 480, 3, true, {15, 15, 15, 15, 102, 190, 277, 290, 378, 465}},
        GeometryCase{"NarrowBox", 100, 3, true, {15, 15, 15, 15, 26, 38, 49, 62, 74, 85}}),
    [](const ::testing::TestParamInfo<GeometryCase>& info) { return std::string(info.param.name); });

TEST(DigitAmountBoxGeometry, EachBoxKeepsTheBoundariesOfItsOwnLastPaint)
{
    DigitAmountBox narrow;
    DigitAmountBox wide;
    RecordingCanvas surface;
    DigitAmount value{0.0, true, 3};
    narrow.paint(surface, 100, 70, value);
    wide.paint(surface, 480, 70, value);
    EXPECT_EQ(narrow.boundaries()[9], 85);
    EXPECT_EQ(wide.boundaries()[9], 465);
}

TEST(DigitAmountBoxGeometry, ShowsTheAmountAsSixDigitsAPointAndTwoDecimals)
{
    EXPECT_EQ(DigitAmountBox::digitText(1.5), u"000001.50");
    EXPECT_EQ(DigitAmountBox::digitText(0), u"000000.00");
    EXPECT_EQ(DigitAmountBox::digitText(999999.99), u"999999.99");
    // What the box cannot hold is shown as the nearest amount it can.
    EXPECT_EQ(DigitAmountBox::digitText(-3), u"000000.00");
    EXPECT_EQ(DigitAmountBox::digitText(5e12), u"999999.99");
    EXPECT_EQ(DigitAmountBox::digitText(std::nan("")), u"000000.00");
}

// --- Painting ---------------------------------------------------------------------------------------

struct GrowthCase
{
    const char* name;
    DigitAmount before;
    DigitAmount after;
};

class Growth : public ::testing::TestWithParam<GrowthCase>
{};

TEST_P(Growth, ShowsWhatTheAmountNeeds)
{
    DigitAmountBox box;
    RecordingCanvas surface;
    DigitAmount value = GetParam().before;
    box.paint(surface, 236, 70, value);
    EXPECT_EQ(value, GetParam().after);
}

INSTANTIATE_TEST_SUITE_P(
    DigitAmountBox, Growth,
    ::testing::Values(GrowthCase{"NothingToGrow", {999.99, true, 3}, {999.99, true, 3}},
                      GrowthCase{"ThousandsNeedFourColumns", {1234, false, 3}, {1234, false, 4}},
                      GrowthCase{"TenThousandsNeedFive", {12345, false, 3}, {12345, false, 5}},
                      GrowthCase{"LargestNeedsSixAndDecimals", {999999.99, false, 3}, {999999.99, true, 6}},
                      GrowthCase{"MoreColumnsThanNeededStay", {5, false, 6}, {5, false, 6}},
                      GrowthCase{"AFractionShowsTheDecimals", {0.5, false, 3}, {0.5, true, 3}},
                      GrowthCase{"HiddenDecimalsOfAWholeAmountStayHidden", {7, false, 3}, {7, false, 3}},
                      GrowthCase{"TooManyColumnsFromTheSettings", {0, true, 9}, {0, true, 6}},
                      GrowthCase{"TooFewColumnsFromTheSettings", {0, true, 0}, {0, true, 3}}),
    [](const ::testing::TestParamInfo<GrowthCase>& info) { return std::string(info.param.name); });

TEST(DigitAmountBoxPainting, DrawsTheDigitsCentredInTheirColumns)
{
    DigitAmountBox box;
    RecordingCanvas surface;
    DigitAmount value{1.5, true, 3};
    box.paint(surface, 236, 70, value);
    // Column width 38.6: the digits are twice as high, but no higher than the box.
    EXPECT_EQ(surface.only(QStringLiteral("font")), QStringList{"font 70"});
    // Columns 15|54|92|131 . 144|182|221; a digit is 10 x 20.
    EXPECT_EQ(surface.only(QStringLiteral("text")),
              (QStringList{"text 29,25 0", "text 68,25 0", "text 106,25 1", "text 158,25 5", "text 196,25 0",
                           "text 132,25 ."}));
    EXPECT_EQ(surface.penBefore(QStringLiteral("text 106,25 1")), u"pen 1 000000");
}

TEST(DigitAmountBoxPainting, FontFollowsTheColumnWidthInAHighBox)
{
    DigitAmountBox box;
    RecordingCanvas surface;
    DigitAmount value{0, true, 6};
    box.paint(surface, 236, 88, value);
    // 2 x 24.125 = 48.25.
    EXPECT_EQ(surface.only(QStringLiteral("font")), QStringList{"font 48"});
    EXPECT_EQ(surface.only(QStringLiteral("text")).size(), 9);
}

TEST(DigitAmountBoxPainting, FillsThenDrawsTheMiddleLineTheGridAndTheFrame)
{
    DigitAmountBox box;
    RecordingCanvas surface;
    DigitAmount value{0, false, 3};
    box.paint(surface, 236, 70, value);
    EXPECT_EQ(surface.calls.first(), u"fill 0,0 236x70 ffffff");
    EXPECT_EQ(surface.penBefore(QStringLiteral("line 15,35 221,35")), u"pen 4 e0e0e0");
    for (int x : {15, 84, 152, 221})
        EXPECT_EQ(surface.penBefore(QStringLiteral("line %1,0 %1,70").arg(x)), u"pen 2 000000") << x;
    EXPECT_EQ(surface.calls.last(), u"poly 0,0 236,0 236,70 0,70 0,0");
    EXPECT_EQ(surface.penBefore(surface.calls.last()), u"pen 6 000000");
}

TEST(DigitAmountBoxPainting, DrawsChevronsInEveryShownColumn)
{
    DigitAmountBox box;
    RecordingCanvas surface;
    DigitAmount value{0, false, 3};
    box.paint(surface, 236, 70, value);
    // The units 152-221: h 17, l 7, f 28, m 186.
    const QString up = QStringLiteral("poly 169,28 187,7 185,7 204,28");
    const QString down = QStringLiteral("poly 169,42 187,63 185,63 204,42");
    EXPECT_TRUE(surface.calls.contains(up));
    EXPECT_TRUE(surface.calls.contains(down));
    EXPECT_EQ(surface.penBefore(up), u"pen 6 e0e0e0");
    // Three columns, two chevrons each, two in the left strip, one in the right.
    EXPECT_EQ(surface.only(QStringLiteral("poly")).size(), 3 * 2 + 2 + 1 + 1);
}

struct StripCase
{
    const char* name;
    DigitAmount value;
    const char* moreColumnsPen;
    const char* fewerColumnsPen;
    const char* rightChevron;
    const char* rightPen;
};

class Strips : public ::testing::TestWithParam<StripCase>
{};

TEST_P(Strips, OfferWhatATapCanDo)
{
    const StripCase& c = GetParam();
    DigitAmountBox box;
    RecordingCanvas surface;
    DigitAmount value = c.value;
    box.paint(surface, 236, 70, value);
    // Left strip 0-15: h 2, l 7, q 17, half 35.
    const QString more = QStringLiteral("poly 13,7 2,16 2,18 13,28");
    const QString fewer = QStringLiteral("poly 2,42 13,51 13,53 2,63");
    EXPECT_EQ(surface.penBefore(more), QString::fromLatin1(c.moreColumnsPen));
    EXPECT_EQ(surface.penBefore(fewer), QString::fromLatin1(c.fewerColumnsPen));
    EXPECT_TRUE(surface.calls.contains(QStringLiteral("line 0,35 15,35")));
    // Right strip 221-236: h 2, f 11.
    const QString right = QString::fromLatin1(c.rightChevron);
    EXPECT_TRUE(surface.calls.contains(right)) << surface.calls.join(u'\n').toStdString();
    EXPECT_EQ(surface.penBefore(right), QString::fromLatin1(c.rightPen));
}

// A chevron that offers a tap is drawn darker than one greyed out. Each line: the pens of the left
// strip's two chevrons, then the right strip's chevron and its pen.
constexpr const char* kOffered = "pen 4 a0a0a0";
constexpr const char* kGreyed = "pen 4 f0f0f0";
constexpr const char* kPointsRight = "poly 223,11 234,34 234,36 223,59";
constexpr const char* kPointsLeft = "poly 234,11 223,34 223,36 234,59";

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    DigitAmountBox, Strips,
    ::testing::Values(
        StripCase{"ThreeColumnsHiddenDecimals", {5, false, 3}, kOffered, kGreyed, kPointsRight, kOffered},
        StripCase{"FourColumnsOfASmallAmount", {999.99, true, 4}, kOffered, kOffered, kPointsLeft, kGreyed},
        StripCase{"FourColumnsOfAThousand", {1000, true, 4}, kOffered, kGreyed, kPointsLeft, kOffered},
        StripCase{"FiveColumnsOfASmallAmount", {9999, true, 5}, kOffered, kOffered, kPointsLeft, kOffered},
        StripCase{"SixColumnsCanGrowNoMore", {99999.99, false, 6}, kGreyed, kOffered, kPointsLeft, kGreyed},
        StripCase{"SixColumnsNeeded", {100000, false, 6}, kGreyed, kGreyed, kPointsRight, kOffered}),
    [](const ::testing::TestParamInfo<StripCase>& info) { return std::string(info.param.name); });
// clang-format on

TEST(DigitAmountBoxPainting, APaintAskedForWithinAPaintIsIgnored)
{
    DigitAmountBox box;
    RecordingCanvas surface;
    DigitAmount value{0, false, 3};
    int nestedCalls = -1;
    bool asked = false;
    surface.onDraw = [&] {
        if (std::exchange(asked, true))
            return;
        RecordingCanvas nested;
        DigitAmount other{1234, false, 3};
        box.paint(nested, 100, 70, other);
        nestedCalls = static_cast<int>(nested.calls.size());
        EXPECT_EQ(other.columns, 3);
    };
    box.paint(surface, 236, 70, value);
    EXPECT_EQ(nestedCalls, 0);
    EXPECT_EQ(box.boundaries()[9], 221);
    // Once the paint is over, the next one draws again.
    RecordingCanvas again;
    box.paint(again, 236, 70, value);
    EXPECT_FALSE(again.calls.isEmpty());
}

} // namespace
} // namespace tallyfox
