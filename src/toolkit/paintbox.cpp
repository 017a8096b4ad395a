#include "toolkit/paintbox.h"

#include "toolkit/canvas.h"

#include <QMouseEvent>
#include <QPainter>

namespace tallyfox {

PaintBox::PaintBox(UiScale scale, QWidget* parent) : QWidget(parent), m_scale(scale)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

int PaintBox::dipWidth() const
{
    return static_cast<int>(width() / m_scale.factor());
}

int PaintBox::dipHeight() const
{
    return static_cast<int>(height() / m_scale.factor());
}

void PaintBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(m_scale.factor(), m_scale.factor());
    Canvas canvas(painter);
    if (m_paint)
        m_paint(canvas, dipWidth(), dipHeight());
}

void PaintBox::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !m_tap)
        return;
    const QPoint at = m_scale.toDips(event->position().toPoint());
    m_tap(at.x(), at.y(), dipWidth(), dipHeight());
}

} // namespace tallyfox
