// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "toolkit/screenfit.h"

#include <gtest/gtest.h>
#include <limits>

namespace tallyfox {
namespace {

TEST(ScreenFit, FactorsStayWithinTheirRange)
{
    EXPECT_EQ(screenfit::boundedScale(std::numeric_limits<double>::quiet_NaN()), screenfit::kMinimumScale);
    EXPECT_EQ(screenfit::boundedScale(std::numeric_limits<double>::infinity()), screenfit::kMinimumScale);
    EXPECT_EQ(screenfit::boundedScale(100), screenfit::kMaximumScale);
    EXPECT_EQ(screenfit::boundedScale(0.5), screenfit::kMinimumScale);
    EXPECT_EQ(screenfit::boundedScale(2.5), 2.5);
}

struct FitCase
{
    const char* name;
    QSize screen;
    QSize available;
    bool phone;
    double scale;
};

class ScreenFitByScreen : public ::testing::TestWithParam<FitCase>
{};

TEST_P(ScreenFitByScreen, ChoosesOneFactorForTheWholeProgram)
{
    const FitCase& c = GetParam();
    EXPECT_EQ(screenfit::isPhoneSized(c.screen), c.phone);
    EXPECT_DOUBLE_EQ(screenfit::fittingScale(c.screen, c.available), c.scale);
}

// A phone's width holds the layout's 240 pixels exactly; a desktop's window takes about two thirds of the
// height in quarter steps, never more than twice the layout.
INSTANTIATE_TEST_SUITE_P(Screens, ScreenFitByScreen,
                         ::testing::Values(FitCase{"phone720", {720, 1440}, {720, 1400}, true, 3.0},
                                           FitCase{"phone1080", {1080, 2340}, {1080, 2300}, false, 2.0},
                                           FitCase{"phone360", {360, 740}, {360, 700}, true, 1.5},
                                           FitCase{"phoneNarrow", {200, 320}, {200, 320}, true, 1.0},
                                           FitCase{"desktop1080", {1920, 1080}, {1920, 1050}, false, 2.0},
                                           FitCase{"laptop768", {1366, 768}, {1366, 740}, false, 1.5},
                                           FitCase{"netbook600", {1024, 600}, {1024, 570}, false, 1.0},
                                           FitCase{"landscapePhone", {1440, 720}, {1440, 700}, false, 1.25},
                                           FitCase{"portraitMonitor", {1080, 1920}, {1080, 1880}, false, 2.0},
                                           FitCase{"square800", {800, 800}, {800, 770}, false, 1.5},
                                           FitCase{"noScreen", {0, 0}, {0, 0}, false, 1.0}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ScreenFit, ADesktopWindowOpensTwoThirdsHighInTheMiddle)
{
    const QRect available(0, 30, 960, 510);
    const QRect window = screenfit::desktopWindowGeometry(available);
    EXPECT_EQ(window.height(), 340);
    EXPECT_EQ(window.width(), 510);
    EXPECT_TRUE(available.contains(window));
    EXPECT_LE((window.center() - available.center()).manhattanLength(), 1);
    // A small screen still gets the whole layout.
    EXPECT_EQ(screenfit::desktopWindowGeometry(QRect(0, 0, 300, 200)).size(), QSize(300, 320));
}

} // namespace
} // namespace tallyfox
