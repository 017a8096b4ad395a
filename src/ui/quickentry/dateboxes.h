// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include <QString>

namespace tallyfox {

class Canvas;

// The date panel's painted number boxes: white, with light chevrons that show where a tap steps the number,
// a black frame and the number centred in large digits.
namespace dateboxes {

// The pixel height of the boxes' digits.
inline constexpr int kDigitHeight = 70;

// Day and month: up at the top, down at the bottom, a line across the middle.
void paintUpDown(Canvas& canvas, int width, int height, const QString& number, bool focused);
// Year: down at the left end, up at the right end, a line down the middle.
void paintLeftRight(Canvas& canvas, int width, int height, const QString& number, bool focused);

} // namespace dateboxes
} // namespace tallyfox
