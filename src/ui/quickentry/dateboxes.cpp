// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "ui/quickentry/dateboxes.h"

#include "toolkit/canvas.h"

namespace tallyfox::dateboxes {

namespace {

constexpr QRgb kWhite = 0xFFFFFF;
constexpr QRgb kChevron = 0xE0E0E0;
constexpr QRgb kBlack = 0x000000;
// The box that takes the arrow keys at a desk shows it with a wider, coloured frame.
constexpr QRgb kFocusFrame = 0x3070C0;

void frameAndNumber(Canvas& canvas, int width, int height, const QString& number, bool focused)
{
    canvas.setPen(focused ? 4 : 2, focused ? kFocusFrame : kBlack);
    canvas.polyline({{1, 1}, {width - 1, 1}, {width - 1, height - 1}, {1, height - 1}, {1, 1}});
    canvas.setPen(1, kBlack);
    canvas.setFontHeight(kDigitHeight);
    canvas.textCentred(QRect(0, 0, width, height), number);
}

} // namespace

void paintUpDown(Canvas& canvas, int width, int height, const QString& number, bool focused)
{
    canvas.fill(QRect(0, 0, width, height), kWhite);
    const int m = width / 4;
    const int o = height / 10;
    const int r = (2 * height) / 5;
    const int k = width / 2;
    canvas.setPen(6, kChevron);
    canvas.polyline({{m, r}, {k + 1, o}, {k - 1, o}, {width - m, r}});
    canvas.polyline({{m, height - r}, {k + 1, height - o}, {k - 1, height - o}, {width - m, height - r}});
    canvas.setPen(4, kChevron);
    canvas.line({0, height / 2}, {width, height / 2});
    frameAndNumber(canvas, width, height, number, focused);
}

void paintLeftRight(Canvas& canvas, int width, int height, const QString& number, bool focused)
{
    canvas.fill(QRect(0, 0, width, height), kWhite);
    const int m = height / 4;
    const int o = width / 20;
    const int r = width / 8;
    const int half = height / 2;
    canvas.setPen(6, kChevron);
    canvas.polyline({{r, m}, {o, half + 1}, {o, half - 1}, {r, height - m}});
    canvas.polyline({{width - r, m}, {width - o, half + 1}, {width - o, half - 1}, {width - r, height - m}});
    canvas.setPen(4, kChevron);
    canvas.line({width / 2, 0}, {width / 2, height});
    frameAndNumber(canvas, width, height, number, focused);
}

} // namespace tallyfox::dateboxes
