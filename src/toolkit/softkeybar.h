// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include <QWidget>

class QMenu;
class QPushButton;

namespace tallyfox {

// The two soft keys along the bottom of every form. A key either runs its action or opens its menu.
class SoftKeyBar : public QWidget
{
    Q_OBJECT

public:
    enum class Key
    {
        Left,
        Right,
    };

    explicit SoftKeyBar(QWidget* parent = nullptr);

    void setCaption(Key key, const QString& caption);
    // The keyboard key that does what the soft key does, named in its tooltip after the caption ("OK
    // (Enter)"). Unless a form names another, the right key's is Enter (which does what it does in
    // every form), and the left key's is Escape while it reads "Cancel".
    void setKeyHint(Key key, const QString& hint);
    [[nodiscard]] QString caption(Key key) const;
    void setKeyEnabled(Key key, bool enabled);
    [[nodiscard]] bool isKeyEnabled(Key key) const;
    // The menu pops up above the key when it is pressed; the bar does not own it.
    void setMenu(Key key, QMenu* menu);
    [[nodiscard]] QMenu* menu(Key key) const;
    [[nodiscard]] QPushButton* button(Key key) const;

    // Opens the key's menu (as F10 does for the left key); false when it has none or is disabled.
    bool openMenu(Key key);
    // Does what a tap on the key does (as Enter does for the right key); false when it is disabled or
    // hidden.
    bool pressKey(Key key);

Q_SIGNALS:
    // A key without a menu was pressed.
    void keyPressed(tallyfox::SoftKeyBar::Key key);

private:
    void press(Key key);
    void updateToolTip(Key key);

    QPushButton* m_left;
    QPushButton* m_right;
    QMenu* m_leftMenu = nullptr;
    QMenu* m_rightMenu = nullptr;
    QString m_leftHint;
    QString m_rightHint;
};

} // namespace tallyfox
