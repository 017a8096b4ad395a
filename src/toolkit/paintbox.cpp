#include "toolkit/paintbox.h"

#include "toolkit/canvas.h"
#include "toolkit/uiscale.h"

#include <QMouseEvent>
#include <QPainter>

namespace tallyfox {

PaintBox::PaintBox(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

int PaintBox::dipWidth() const
{
    return static_cast<int>(width() / UiScale::factor());
}

int PaintBox::dipHeight() const
{
    return static_cast<int>(height() / UiScale::factor());
}

void PaintBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(UiScale::factor(), UiScale::factor());
    Canvas canvas(painter);
    if (m_paint)
        m_paint(canvas, dipWidth(), dipHeight());
}

void PaintBox::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !m_tap)
        return;
    const QPoint at = UiScale::toDips(event->position().toPoint());
    m_tap(at.x(), at.y(), dipWidth(), dipHeight());
}

} // namespace tallyfox
