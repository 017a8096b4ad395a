// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include <QEvent>
#include <QObject>
#include <QWidget>

namespace tallyfox::test {

// Counts the paint events a widget receives, so that a test taps a painted box only once it is on screen.
class PaintCount : public QObject
{
public:
    explicit PaintCount(QWidget& widget) { widget.installEventFilter(this); }

    [[nodiscard]] int paints() const { return m_paints; }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++m_paints;
        return false;
    }

private:
    int m_paints = 0;
};

} // namespace tallyfox::test
