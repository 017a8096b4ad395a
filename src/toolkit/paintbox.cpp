// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "toolkit/paintbox.h"

#include "toolkit/canvas.h"

#include <QMouseEvent>
#include <QPainter>

namespace tallyfox {

PaintBox::PaintBox(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

std::optional<PresentedValue> PaintBox::presentedValue() const
{
    if (!m_value)
        return std::nullopt;
    return m_value();
}

void PaintBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    PainterCanvas canvas(painter);
    if (m_paint)
        m_paint(canvas, width(), height());
}

void PaintBox::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !m_tap)
        return;
    const QPoint at = event->position().toPoint();
    m_tap(at.x(), at.y(), width(), height());
}

} // namespace tallyfox
