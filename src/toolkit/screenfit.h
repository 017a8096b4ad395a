// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include <QRect>
#include <QSize>

namespace tallyfox {

// Forms are laid out in device-independent pixels for a 240 × 320 portrait screen. Qt's own scaling turns
// them into screen pixels with one factor for everything (forms, fonts, menus, message boxes, dialogs and
// scroll bars); the program chooses that factor before the application starts, from what fits the screen.
// Sizes here are in the screen's pixels before the program's factor applies.
namespace screenfit {

constexpr double kMinimumScale = 1.0;
constexpr double kMaximumScale = 6.0;
// Larger than this the window of a desktop screen takes more room than it needs.
constexpr double kDesktopMaximumScale = 2.0;
// A portrait screen (higher than wide) no wider than this is a phone's: the window fills it.
constexpr int kPhoneMaximumWidth = 800;
constexpr int kLayoutWidth = 240;
constexpr int kLayoutHeight = 320;

// A factor outside the range, or not a number, is brought into it.
[[nodiscard]] double boundedScale(double factor);
[[nodiscard]] bool isPhoneSized(QSize screen);
// On a phone the layout's width fills the screen's; on a desktop the layout's height takes about two
// thirds of the available height, in quarter steps up to kDesktopMaximumScale.
[[nodiscard]] double fittingScale(QSize screen, QSize available);
// The factor in effect: Qt's QT_SCALE_FACTOR, which the program sets before the application starts.
[[nodiscard]] double scaleInEffect();
// The screen before the factor applies, from its scaled size.
[[nodiscard]] QSize unscaled(QSize scaled);
// Where a desktop window opens: about two thirds of the available height, wide enough for the list's
// columns where the screen allows, centred. In the same (scaled) pixels as the available area.
[[nodiscard]] QRect desktopWindowGeometry(QRect available);

} // namespace screenfit
} // namespace tallyfox
