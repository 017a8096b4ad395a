// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "ui/itemeditor/taplabel.h"

#include <QMouseEvent>

namespace tallyfox {

void TapLabel::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QLabel::mousePressEvent(event);
        return;
    }
    event->accept();
    Q_EMIT tapped();
}

} // namespace tallyfox
