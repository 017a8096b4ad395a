// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include "toolkit/formsizes.h"

namespace tallyfox {

class Session;

// The forms' desktop sizes in the registry: one key a form under Software\Tallyfox\Window (for example
// "Software\Tallyfox\Window\ItemForm"), with its "Width" and "Height" in the screen's pixels. A size
// that cannot be stored is reported through the session, which shows it with its other messages.
class FormSizeSettings : public FormSizes
{
public:
    explicit FormSizeSettings(Session& session) : m_session(session) {}

    [[nodiscard]] std::optional<QSize> size(const QString& form) const override;
    void remember(const QString& form, QSize size) override;

private:
    Session& m_session;
};

} // namespace tallyfox
