// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

class QWidget;

namespace tallyfox {

// How the program's secondary windows (forms, message boxes, file dialogs) meet the screen. On a
// phone-sized screen each takes the whole available area, without a frame, as the handheld's
// full-screen dialogs did, so that nothing lies outside the screen whether or not a window manager
// places it. Wherever a window of the program closes, the window below it takes the keyboard again.
namespace windowfit {

// The screen the widget is on (the primary one for none, or before it is shown) is a phone's.
[[nodiscard]] bool onPhone(const QWidget* widget);
// Gives a window that is about to be shown the screen's available area, without a frame.
void fillScreen(QWidget& window);
// After a modal window has closed: the modal window still open below it, else the owner's window,
// becomes the active window again, so that its keys work without a tap first.
void returnFocus(QWidget* owner);

} // namespace windowfit
} // namespace tallyfox
