// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include <QSize>
#include <QString>
#include <optional>

namespace tallyfox {

// Where the sizes a person gave the forms on a desktop are kept between runs, by form name, in the
// screen's pixels (so that a change of scale keeps a form's size on the screen). The program keeps them
// in its settings; a form without one opens at its natural size every time.
class FormSizes
{
public:
    virtual ~FormSizes() = default;

    [[nodiscard]] virtual std::optional<QSize> size(const QString& form) const = 0;
    virtual void remember(const QString& form, QSize size) = 0;
};

} // namespace tallyfox
