// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "toolkit/canvas.h"

#include "toolkit/programfont.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPen>
#include <QPolygon>

namespace tallyfox {

PainterCanvas::PainterCanvas(QPainter& painter) : m_painter(painter)
{
    m_painter.setBackgroundMode(Qt::TransparentMode);
}

void PainterCanvas::setPen(int width, QRgb colour)
{
    QPen pen{QColor(colour)};
    pen.setWidth(width);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    m_painter.setPen(pen);
}

void PainterCanvas::line(QPoint from, QPoint to)
{
    m_painter.drawLine(from, to);
}

void PainterCanvas::polyline(const QList<QPoint>& points)
{
    m_painter.drawPolyline(QPolygon(points));
}

void PainterCanvas::fill(const QRect& area, QRgb colour)
{
    m_painter.fillRect(area, QColor(colour));
}

void PainterCanvas::setFontHeight(int pixels, bool bold)
{
    m_painter.setFont(programfont::forLineHeight(pixels, bold));
}

int PainterCanvas::textWidth(const QString& text) const
{
    return m_painter.fontMetrics().horizontalAdvance(text);
}

int PainterCanvas::textHeight() const
{
    return m_painter.fontMetrics().height();
}

void PainterCanvas::text(QPoint topLeft, const QString& text)
{
    m_painter.drawText(topLeft + QPoint(0, m_painter.fontMetrics().ascent()), text);
}

void PainterCanvas::textCentred(const QRect& area, const QString& text)
{
    m_painter.drawText(area, Qt::AlignCenter, text);
}

} // namespace tallyfox
