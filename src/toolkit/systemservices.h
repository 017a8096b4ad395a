// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include <QString>

namespace tallyfox {

// Puts text on the clipboard.
void setClipboardText(const QString& text);
[[nodiscard]] QString clipboardText();

// The on-screen keyboard of a phone; harmless on a desktop.
void showSoftInputPanel();
void hideSoftInputPanel();

} // namespace tallyfox
