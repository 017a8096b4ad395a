// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "toolkit/accessiblepaintbox.h"

#include "toolkit/paintbox.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QKeySequence>

namespace tallyfox {

AccessiblePaintBox::AccessiblePaintBox(PaintBox* box) : QAccessibleWidget(box) {}

PaintBox* AccessiblePaintBox::box() const
{
    return static_cast<PaintBox*>(widget());
}

QAccessible::Role AccessiblePaintBox::role() const
{
    return box()->presentedValue() ? QAccessible::SpinBox : QAccessibleWidget::role();
}

QString AccessiblePaintBox::text(QAccessible::Text kind) const
{
    if (kind == QAccessible::Value) {
        if (const std::optional<PresentedValue> value = box()->presentedValue())
            return value->text;
    }
    return QAccessibleWidget::text(kind);
}

void* AccessiblePaintBox::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::ValueInterface && box()->presentedValue())
        return static_cast<QAccessibleValueInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

QVariant AccessiblePaintBox::currentValue() const
{
    const std::optional<PresentedValue> value = box()->presentedValue();
    return value ? QVariant(value->value) : QVariant();
}

void AccessiblePaintBox::setCurrentValue(const QVariant&) {}

QVariant AccessiblePaintBox::maximumValue() const
{
    const std::optional<PresentedValue> value = box()->presentedValue();
    return value ? QVariant(value->maximum) : QVariant();
}

QVariant AccessiblePaintBox::minimumValue() const
{
    const std::optional<PresentedValue> value = box()->presentedValue();
    return value ? QVariant(value->minimum) : QVariant();
}

QVariant AccessiblePaintBox::minimumStepSize() const
{
    const std::optional<PresentedValue> value = box()->presentedValue();
    return value ? QVariant(value->step) : QVariant();
}

QStringList AccessiblePaintBox::actionNames() const
{
    QStringList names = QAccessibleWidget::actionNames();
    if (box()->presentedValue() && box()->isEnabled())
        names << increaseAction() << decreaseAction();
    return names;
}

void AccessiblePaintBox::doAction(const QString& name)
{
    const int key = name == increaseAction() ? Qt::Key_Up : name == decreaseAction() ? Qt::Key_Down : 0;
    if (key == 0 || !box()->presentedValue() || !box()->isEnabled()) {
        QAccessibleWidget::doAction(name);
        return;
    }
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QCoreApplication::sendEvent(box(), &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
    QCoreApplication::sendEvent(box(), &release);
}

QStringList AccessiblePaintBox::keyBindingsForAction(const QString& name) const
{
    if (name == increaseAction())
        return {QKeySequence(Qt::Key_Up).toString()};
    if (name == decreaseAction())
        return {QKeySequence(Qt::Key_Down).toString()};
    return QAccessibleWidget::keyBindingsForAction(name);
}

QAccessibleInterface* accessiblePaintBoxFactory(const QString&, QObject* object)
{
    // Asked for each class from the most derived up: any box answers at its own class.
    if (auto* box = qobject_cast<PaintBox*>(object))
        return new AccessiblePaintBox(box);
    return nullptr;
}

void installPaintBoxAccessibility()
{
    QAccessible::installFactory(accessiblePaintBoxFactory);
}

} // namespace tallyfox
