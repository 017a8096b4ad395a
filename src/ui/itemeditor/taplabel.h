// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include <QLabel>

namespace tallyfox {

// A label that answers a tap, for texts that open an editor of what they show.
class TapLabel : public QLabel
{
    Q_OBJECT

public:
    explicit TapLabel(QWidget* parent = nullptr) : QLabel(parent) {}

Q_SIGNALS:
    void tapped();

protected:
    void mousePressEvent(QMouseEvent* event) override;
};

} // namespace tallyfox
