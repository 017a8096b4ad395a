// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include "toolkit/paintbox.h"
#include "ui/amountbox/digitamount.h"
#include "ui/amountbox/digitamountbox.h"

#include <QString>

namespace tallyfox {

// The finger-friendly amount box: digit columns tapped up and down, a strip at the left for more or
// fewer columns and one at the right for the decimals. At a desk it also takes typed digits, the decimal
// separator, Backspace, and Up/Down for the units.
class DigitAmountWidget : public PaintBox
{
    Q_OBJECT

public:
    explicit DigitAmountWidget(QWidget* parent = nullptr);

    // An amount outside 0 to 999999.99 is brought to the nearest one the box holds.
    void setValue(const DigitAmount& value);
    [[nodiscard]] const DigitAmount& value() const { return m_value; }
    // Whether a digit wraps within itself (9 + 1 gives 0) instead of carrying.
    void setIncrease9Is0(bool wraps) { m_increase9Is0 = wraps; }
    [[nodiscard]] bool increase9Is0() const { return m_increase9Is0; }

Q_SIGNALS:
    // The amount, the columns or the decimals changed, by a tap, a key or a paint that had to show more.
    void valueChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    static constexpr int kMostTypedDecimals = 2;
    static constexpr double kLargestAmount = 999999.99;
    // Inside the box's black frame, which reaches 3 pixels into the box.
    static constexpr int kFocusInset = 5;

    // The amount as a calculator shows it: no trailing zeros after the point, no bare point.
    [[nodiscard]] static QString editableText(double amount);
    [[nodiscard]] static double withinLimits(double amount);

    void paintBox(Canvas& canvas, int width, int height);
    void tapBox(int x, int y, int width, int height);
    // Typing works like a calculator's display: the first key after the focus arrives or after a tap
    // starts a new number, and Backspace takes back the last character.
    [[nodiscard]] bool typeDigit(int digit);
    [[nodiscard]] bool typeSeparator();
    [[nodiscard]] bool eraseTyped();
    [[nodiscard]] bool isSeparator(const QString& text) const;
    void takeTyped(const QString& typed);
    void changeTo(const DigitAmount& value);

    DigitAmount m_value;
    bool m_increase9Is0 = false;
    // The columns as last painted, which taps are measured against.
    DigitAmountBox m_box;
    // The number being typed, with "." for the separator; only while m_typing.
    QString m_typed;
    bool m_typing = false;
};

} // namespace tallyfox
