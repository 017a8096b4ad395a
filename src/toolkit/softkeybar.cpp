// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "toolkit/softkeybar.h"

#include "toolkit/programstyle.h"

#include <QHBoxLayout>
#include <QMenu>
#include <QPushButton>

namespace tallyfox {

namespace {

// The forms give their keys' captions in the window's language; a cancelling key is Esc in any of them.
bool isCancel(const QString& caption)
{
    return caption == u"Cancel" || caption == SoftKeyBar::tr("Cancel");
}

} // namespace

SoftKeyBar::SoftKeyBar(QWidget* parent)
    : QWidget(parent), m_left(new QPushButton(this)), m_right(new QPushButton(this))
{
    setObjectName(QStringLiteral("softKeyBar"));
    m_left->setObjectName(QStringLiteral("softKeyLeft"));
    m_right->setObjectName(QStringLiteral("softKeyRight"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    for (QPushButton* button : {m_left, m_right}) {
        // Finger-sized keys that never take the focus away from the form's controls.
        button->setMinimumHeight(ProgramStyle::kTouchHeight);
        button->setFocusPolicy(Qt::NoFocus);
        button->setAutoDefault(false);
        layout->addWidget(button, 1);
    }
    setCaption(Key::Left, {});
    setCaption(Key::Right, {});
    connect(m_left, &QPushButton::clicked, this, [this] { press(Key::Left); });
    connect(m_right, &QPushButton::clicked, this, [this] { press(Key::Right); });
}

QPushButton* SoftKeyBar::button(Key key) const
{
    return key == Key::Left ? m_left : m_right;
}

void SoftKeyBar::setCaption(Key key, const QString& caption)
{
    button(key)->setText(caption);
    // A screen reader says the caption; a key with none (or only a space) is named by its place.
    const QString place = key == Key::Left ? tr("Left soft key") : tr("Right soft key");
    button(key)->setAccessibleName(caption.trimmed().isEmpty() ? place : QString());
    updateToolTip(key);
}

void SoftKeyBar::setKeyHint(Key key, const QString& hint)
{
    (key == Key::Left ? m_leftHint : m_rightHint) = hint;
    updateToolTip(key);
}

void SoftKeyBar::updateToolTip(Key key)
{
    QPushButton* keyButton = button(key);
    const QString caption = keyButton->text().trimmed();
    QString hint = key == Key::Left ? m_leftHint : m_rightHint;
    if (hint.isEmpty())
        hint = key == Key::Right   ? QStringLiteral("Enter")
               : isCancel(caption) ? QStringLiteral("Esc")
                                   : QString();
    if (caption.isEmpty())
        keyButton->setToolTip(QString());
    else
        keyButton->setToolTip(hint.isEmpty() ? caption : QStringLiteral("%1 (%2)").arg(caption, hint));
}

QString SoftKeyBar::caption(Key key) const
{
    return button(key)->text();
}

void SoftKeyBar::setKeyEnabled(Key key, bool enabled)
{
    button(key)->setEnabled(enabled);
}

bool SoftKeyBar::isKeyEnabled(Key key) const
{
    return button(key)->isEnabled();
}

void SoftKeyBar::setMenu(Key key, QMenu* menu)
{
    (key == Key::Left ? m_leftMenu : m_rightMenu) = menu;
}

QMenu* SoftKeyBar::menu(Key key) const
{
    return key == Key::Left ? m_leftMenu : m_rightMenu;
}

bool SoftKeyBar::openMenu(Key key)
{
    QMenu* keyMenu = menu(key);
    QPushButton* keyButton = button(key);
    if (!keyMenu || !keyButton->isEnabled())
        return false;
    const QSize wanted = keyMenu->sizeHint();
    QPoint at = keyButton->mapToGlobal(QPoint(0, -wanted.height()));
    if (key == Key::Right)
        at.rx() += keyButton->width() - wanted.width();
    keyMenu->popup(at);
    return true;
}

bool SoftKeyBar::pressKey(Key key)
{
    QPushButton* keyButton = button(key);
    if (!keyButton->isEnabled() || !keyButton->isVisible())
        return false;
    press(key);
    return true;
}

void SoftKeyBar::press(Key key)
{
    if (menu(key))
        openMenu(key);
    else
        Q_EMIT keyPressed(key);
}

} // namespace tallyfox
