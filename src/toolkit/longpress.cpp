// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "toolkit/longpress.h"

#include <QScroller>

namespace tallyfox {

LongPress::LongPress(QObject* parent) : QObject(parent)
{
    m_timer.setSingleShot(true);
    m_timer.setInterval(kDelayMs);
    connect(&m_timer, &QTimer::timeout, this, [this] {
        // A scroller that took the finger over may have kept its moves and its release from the area.
        if (!isScrolling())
            Q_EMIT held(m_origin);
    });
}

void LongPress::followScroller(QScroller* scroller)
{
    if (m_scroller)
        disconnect(m_scroller, nullptr, this, nullptr);
    m_scroller = scroller;
    if (scroller)
        connect(scroller, &QScroller::stateChanged, this, [this] {
            if (isScrolling())
                cancel();
        });
}

bool LongPress::isScrolling() const
{
    return m_scroller &&
           (m_scroller->state() == QScroller::Dragging || m_scroller->state() == QScroller::Scrolling);
}

void LongPress::press(QPoint position)
{
    m_origin = position;
    m_timer.start();
}

void LongPress::move(QPoint position)
{
    const QPoint offset = position - m_origin;
    if (offset.x() * offset.x() + offset.y() * offset.y() > kSlop * kSlop)
        cancel();
}

void LongPress::release()
{
    cancel();
}

void LongPress::cancel()
{
    m_timer.stop();
}

} // namespace tallyfox
