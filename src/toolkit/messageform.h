// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include "toolkit/formbase.h"

namespace tallyfox {

// A message or a question as a phone shows it: a form of its own over the whole screen, captioned
// "Tallyfox", its text wrapped at the screen's width, its buttons on the soft keys along the bottom
// edge. A question has "Yes" on the left key and "No" on the right, so that Enter and Escape both
// answer No; only Yes proceeds.
class MessageForm : public FormBase
{
    Q_OBJECT

public:
    enum class Kind
    {
        Message,
        Question,
    };

    MessageForm(Kind kind, const QString& text, QWidget* parent = nullptr);

    // Shows the form; true for OK or Yes.
    [[nodiscard]] bool ask();
};

} // namespace tallyfox
