// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include <QAnyStringView>
#include <QObject>
#include <source_location>

namespace tallyfox::test {

// Fails the running test at the caller's line, naming the control that owner lacks or holds with another
// type than wanted, and ends the test program, as a test that went on would only crash on the missing
// control. CTest runs every test in a program of its own.
[[noreturn]] void failMissingControl(const QObject& owner, QAnyStringView name, const char* wanted,
                                     const QObject* found, const std::source_location& where);

// The one way tests reach a form's controls: a widget, an action, a menu, a model or a timer of owner (a
// form, a page, a panel, a list), found by its object name among all of owner's descendants, nearest first
// as QObject::findChild looks. One that is missing or of another type fails the test with a message naming
// it: test::control<QComboBox>(form, "currencyBox")->setCurrentIndex(1).
template <typename Control>
[[nodiscard]] Control* control(const QObject& owner, QAnyStringView name,
                               const std::source_location& where = std::source_location::current())
{
    QObject* found = owner.findChild<QObject*>(name.toString());
    if (auto* typed = qobject_cast<Control*>(found))
        return typed;
    failMissingControl(owner, name, Control::staticMetaObject.className(), found, where);
}

} // namespace tallyfox::test
