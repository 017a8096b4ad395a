// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "toolkit/fingerscrolling.h"

#include "toolkit/screenfit.h"

#include <QAbstractItemView>
#include <QEvent>
#include <QScreen>
#include <QScroller>

namespace tallyfox::fingerscrolling {

namespace {

// A press on a list selects what is under the finger at once; when the press turns into a drag, the
// list itself puts back the selection it had before (Qt's views do so for their scroller). The moves that
// reach the list while it scrolls, as a touch screen's do outside a phone, must not select rows on the
// way either.
class ScrollingSelectsNothing : public QObject
{
public:
    explicit ScrollingSelectsNothing(QAbstractItemView& view) : QObject(&view)
    {
        view.viewport()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        // The scroller is asked for afresh: it goes before the viewport does, and the viewport's last
        // events still pass through here.
        if (event->type() == QEvent::MouseMove && QScroller::hasScroller(watched)) {
            const QScroller::State state = QScroller::scroller(watched)->state();
            if (state == QScroller::Dragging || state == QScroller::Scrolling)
                return true;
        }
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

bool isOnPhone(const QWidget& widget)
{
    const QScreen* screen = widget.screen();
    return screen && screenfit::isPhoneSized(screenfit::unscaled(screen->geometry().size()));
}

void enable(QAbstractScrollArea& area)
{
    QWidget* viewport = area.viewport();
    // One gesture per area: on a phone the left button, which is how touches arrive there.
    QScroller::grabGesture(viewport,
                           isOnPhone(area) ? QScroller::LeftMouseButtonGesture : QScroller::TouchGesture);
    QScroller* scroller = QScroller::scroller(viewport);
    QScrollerProperties scrolling = scroller->scrollerProperties();
    // A press reaches the area at once, so that it selects its row and may start a long press.
    scrolling.setScrollMetric(QScrollerProperties::MousePressEventDelay, 0);
    scrolling.setScrollMetric(QScrollerProperties::HorizontalOvershootPolicy,
                              QScrollerProperties::OvershootAlwaysOff);
    scrolling.setScrollMetric(QScrollerProperties::VerticalOvershootPolicy,
                              QScrollerProperties::OvershootAlwaysOff);
    scroller->setScrollerProperties(scrolling);
}

void enable(QAbstractItemView& view)
{
    view.setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    view.setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    enable(static_cast<QAbstractScrollArea&>(view));
    new ScrollingSelectsNothing(view);
}

} // namespace tallyfox::fingerscrolling
