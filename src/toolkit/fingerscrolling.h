// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

class QAbstractItemView;
class QAbstractScrollArea;
class QWidget;

namespace tallyfox {

// Lists and texts as a finger moves them: a drag moves the contents with the finger, a flick carries them
// on, and neither changes what is chosen.
namespace fingerscrolling {

// On a phone-sized screen: there the shell (and Xvfb) may deliver a finger as the left mouse button.
[[nodiscard]] bool isOnPhone(const QWidget& widget);

// A finger drags the area's contents, by the left mouse button on a phone and by touch elsewhere. The
// press reaches the area at once, so that a tap still selects and a held press can still count.
void enable(QAbstractScrollArea& area);

// The same for a list of items, which also scrolls by pixels rather than by rows. A press that turns into
// a drag or a flick leaves the selection and the current item as they were before it.
void enable(QAbstractItemView& view);

} // namespace fingerscrolling
} // namespace tallyfox
