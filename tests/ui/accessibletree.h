// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include <QAccessible>
#include <QAccessibleInterface>
#include <QStringList>
#include <functional>

namespace tallyfox::test {

// Every interface below root, root first, in the order assistive tools walk them.
inline void walkAccessibleTree(QAccessibleInterface* root,
                               const std::function<void(QAccessibleInterface&)>& visit)
{
    if (!root || !root->isValid())
        return;
    visit(*root);
    for (int i = 0; i < root->childCount(); ++i)
        walkAccessibleTree(root->child(i), visit);
}

// Whether a user works the control, rather than only reads it.
[[nodiscard]] inline bool isInteractive(const QAccessibleInterface& control)
{
    switch (control.role()) {
    case QAccessible::PushButton:
    case QAccessible::CheckBox:
    case QAccessible::RadioButton:
    case QAccessible::ComboBox:
    case QAccessible::EditableText:
    case QAccessible::SpinBox:
    case QAccessible::Slider:
    case QAccessible::ButtonMenu:
    case QAccessible::ButtonDropDown:
        return true;
    default:
        return false;
    }
}

// The object names (or class names) of the controls under the widget that a screen reader could not name.
[[nodiscard]] inline QStringList unnamedControls(QObject& widget)
{
    QStringList unnamed;
    walkAccessibleTree(
        QAccessible::queryAccessibleInterface(&widget), [&unnamed](QAccessibleInterface& control) {
            if (!isInteractive(control) || !control.text(QAccessible::Name).trimmed().isEmpty())
                return;
            const QObject* object = control.object();
            unnamed << (object && !object->objectName().isEmpty()
                            ? object->objectName()
                            : QString::fromLatin1(object ? object->metaObject()->className() : "?"));
        });
    return unnamed;
}

} // namespace tallyfox::test
