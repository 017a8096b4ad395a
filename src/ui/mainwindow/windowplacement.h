// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include "platform/filesystem.h"

class QWidget;

namespace tallyfox {

class Registry;

// Where the main window opens. On a phone-sized screen it fills the screen. On a desktop it opens where
// it was last closed, kept under Software\Tallyfox\Window in the screen's pixels (so that a change of
// scale keeps its place on the screen), else at a comfortable size in the middle of the screen.
namespace windowplacement {

// Shows the window in its place.
void show(QWidget& window, Registry& registry);
// Remembers a desktop window's place; a phone's window has none of its own.
[[nodiscard]] FileResult save(const QWidget& window, Registry& registry);

} // namespace windowplacement
} // namespace tallyfox
