// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include "toolkit/formbase.h"

namespace tallyfox {

// The about box: product, version, author, web address and date. It edits nothing.
class AboutForm : public FormBase
{
    Q_OBJECT

public:
    explicit AboutForm(QWidget* parent = nullptr);
};

} // namespace tallyfox
