// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

namespace tallyfox {

// Lets the calling thread give way to the program's other threads when they compete for the processor:
// work in the background must not slow the window down. Nothing where the system does not allow it.
void yieldToOtherThreads();

} // namespace tallyfox
