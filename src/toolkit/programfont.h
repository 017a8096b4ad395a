// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include <QFont>

namespace tallyfox {

// The program's face, sized in pixels so that every scale shows the same text, only larger. A narrow face
// lets the list's columns, specified for a small screen, hold their dates and amounts whole.
namespace programfont {

constexpr auto kFamily = "Liberation Sans Narrow";
// A 16-pixel line of text, as the device counts a font's height.
constexpr int kTextPixelSize = 14;
// The list's column captions, small enough for "Currency" in its 40-pixel column.
constexpr int kCaptionPixelSize = 11;

// The face at that pixel size; the system's face when the program's is not installed.
[[nodiscard]] QFont font(int pixelSize = kTextPixelSize, bool bold = false);
// The largest face whose line of text is at most that many pixels high: what a font "N pixels high" is.
[[nodiscard]] QFont forLineHeight(int lineHeight, bool bold = false);

} // namespace programfont
} // namespace tallyfox
