// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "ui/overview/chartlook.h"

#include "toolkit/programfont.h"

#include <QPalette>
#include <algorithm>

namespace tallyfox {

namespace {

// The smallest labels a chart has, the months and the amounts of the axes: as large as the list's
// column captions, which are made to be read on the small screen.
constexpr int kLabelPixelSize = programfont::kCaptionPixelSize + 1;
constexpr int kCaptionPixelSize = programfont::kTextPixelSize;
constexpr int kPartCount = 8;

// The highlight's colour turned round the colour wheel, its saturation and lightness kept, so that the
// chart's colours sit with the palette's.
QColor turned(const QColor& colour, int degrees)
{
    const QColor hsl = colour.toHsl();
    const int hue = hsl.hslHue() < 0 ? 210 : hsl.hslHue();
    return QColor::fromHsl((hue + degrees) % 360, std::max(hsl.hslSaturation(), 110),
                           std::clamp(hsl.lightness(), 80, 170));
}

} // namespace

ChartLook ChartLook::of(const QPalette& palette)
{
    ChartLook look;
    look.labels = programfont::font(kLabelPixelSize);
    look.caption = programfont::font(kCaptionPixelSize, true);
    look.background = palette.color(QPalette::Base);
    look.text = palette.color(QPalette::Text);
    look.grid = palette.color(QPalette::Mid);
    const QColor highlight = palette.color(QPalette::Highlight);
    look.income = turned(highlight, 0);
    // Expenses on the wheel's warm side, far from income, so that the two never read as one.
    look.expenses = turned(highlight, 150);
    look.balance = look.text;
    for (int i = 0; i < kPartCount; ++i)
        look.parts.append(turned(highlight, i * 360 / kPartCount));
    return look;
}

} // namespace tallyfox
