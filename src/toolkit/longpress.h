// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QTimer>

class QScroller;

namespace tallyfox {

// A press held where it went down. It counts once the finger has stayed within a few millimetres of that
// spot for kDelayMs; moving further, lifting the finger, or the list starting to scroll under it (a drag or
// a flick) cancels it, so that a drag never ends in what a long press does. The owner hands it the
// press, the moves and the release of the area it watches, in that area's coordinates.
class LongPress : public QObject
{
    Q_OBJECT

public:
    static constexpr int kDelayMs = 600;
    // How far the finger may wander in device-independent pixels: about 3 mm on a phone's screen.
    static constexpr int kSlop = 10;

    explicit LongPress(QObject* parent = nullptr);

    // The scroller of the area pressed: once it drags or flicks, the press is no long press.
    void followScroller(QScroller* scroller);

    void press(QPoint position);
    void move(QPoint position);
    void release();
    void cancel();

    // Waiting for the press to last long enough.
    [[nodiscard]] bool isPending() const { return m_timer.isActive(); }
    [[nodiscard]] QTimer& timer() { return m_timer; }

Q_SIGNALS:
    // The press lasted: where it went down.
    void held(QPoint position);

private:
    [[nodiscard]] bool isScrolling() const;

    QTimer m_timer;
    QPoint m_origin;
    QPointer<QScroller> m_scroller;
};

} // namespace tallyfox
