// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "toolkit/windowfit.h"

#include "toolkit/screenfit.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace tallyfox::windowfit {

namespace {

const QScreen* screenOf(const QWidget* widget)
{
    if (const QScreen* screen = widget ? widget->screen() : nullptr)
        return screen;
    return QGuiApplication::primaryScreen();
}

} // namespace

bool onPhone(const QWidget* widget)
{
    const QScreen* screen = screenOf(widget);
    return screen && screenfit::isPhoneSized(screenfit::unscaled(screen->geometry().size()));
}

void fillScreen(QWidget& window)
{
    const QScreen* screen = screenOf(&window);
    if (!screen)
        return;
    // A phone shell keeps a frame's title and borders for dialogs, which would push the soft keys and
    // the right edge of a form's layout off the screen.
    if (!window.windowFlags().testFlag(Qt::FramelessWindowHint))
        window.setWindowFlag(Qt::FramelessWindowHint, true);
    window.setGeometry(screen->availableGeometry());
}

void returnFocus(QWidget* owner)
{
    QWidget* next = QApplication::activeModalWidget();
    if (!next && owner)
        next = owner->window();
    if (next && next->isVisible())
        next->activateWindow();
}

} // namespace tallyfox::windowfit
