#include "toolkit/canvas.h"

#include "toolkit/programfont.h"

#include <QFontMetrics>
#include <QPen>
#include <QPolygon>

namespace tallyfox {

Canvas::Canvas(QPainter& painter) : m_painter(painter)
{
    m_painter.setBackgroundMode(Qt::TransparentMode);
}

void Canvas::setPen(int width, QRgb colour)
{
    QPen pen{QColor(colour)};
    pen.setWidth(width);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    m_painter.setPen(pen);
}

void Canvas::line(QPoint from, QPoint to)
{
    m_painter.drawLine(from, to);
}

void Canvas::polyline(std::initializer_list<QPoint> points)
{
    m_painter.drawPolyline(QPolygon(QList<QPoint>(points)));
}

void Canvas::fill(const QRect& area, QRgb colour)
{
    m_painter.fillRect(area, QColor(colour));
}

void Canvas::setFontHeight(int pixels, bool bold)
{
    m_painter.setFont(programfont::forLineHeight(pixels, bold));
}

int Canvas::textWidth(const QString& text) const
{
    return m_painter.fontMetrics().horizontalAdvance(text);
}

int Canvas::textHeight() const
{
    return m_painter.fontMetrics().height();
}

void Canvas::text(QPoint topLeft, const QString& text)
{
    m_painter.drawText(topLeft + QPoint(0, m_painter.fontMetrics().ascent()), text);
}

void Canvas::textCentred(const QRect& area, const QString& text)
{
    m_painter.drawText(area, Qt::AlignCenter, text);
}

} // namespace tallyfox
