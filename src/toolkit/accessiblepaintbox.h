// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include <QAccessibleWidget>

namespace tallyfox {

class PaintBox;

// A painted box as assistive tools see it. One that shows a number is a spin box: its value, limits and
// text are the box's, and its increase and decrease actions press the Up and Down keys it takes.
class AccessiblePaintBox : public QAccessibleWidget, public QAccessibleValueInterface
{
public:
    explicit AccessiblePaintBox(PaintBox* box);

    [[nodiscard]] QAccessible::Role role() const override;
    [[nodiscard]] QString text(QAccessible::Text kind) const override;
    [[nodiscard]] void* interface_cast(QAccessible::InterfaceType type) override;

    [[nodiscard]] QVariant currentValue() const override;
    // The number changes only as the box's own keys and taps change it.
    void setCurrentValue(const QVariant& value) override;
    [[nodiscard]] QVariant maximumValue() const override;
    [[nodiscard]] QVariant minimumValue() const override;
    [[nodiscard]] QVariant minimumStepSize() const override;

    [[nodiscard]] QStringList actionNames() const override;
    void doAction(const QString& name) override;
    [[nodiscard]] QStringList keyBindingsForAction(const QString& name) const override;

private:
    [[nodiscard]] PaintBox* box() const;
};

// The interfaces for the program's painted boxes, for QAccessible::installFactory.
[[nodiscard]] QAccessibleInterface* accessiblePaintBoxFactory(const QString& className, QObject* object);
// Lets assistive tools read the painted boxes; installing it again changes nothing.
void installPaintBoxAccessibility();

} // namespace tallyfox
