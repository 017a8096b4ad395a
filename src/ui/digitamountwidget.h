#pragma once

#include "toolkit/paintbox.h"
#include "ui/digitamount.h"

namespace tallyfox {

// The finger-friendly amount box: digit columns tapped up and down, a strip at the left for more or
// fewer columns and one at the right for the decimals. At a desk it also takes typed digits, the decimal
// separator, Backspace, and Up/Down for the units.
class DigitAmountWidget : public PaintBox
{
    Q_OBJECT

public:
    explicit DigitAmountWidget(QWidget* parent = nullptr);

    void setValue(const DigitAmount& value);
    [[nodiscard]] const DigitAmount& value() const { return m_value; }
    // Whether a digit wraps within itself (9 + 1 gives 0) instead of carrying.
    void setIncrease9Is0(bool wraps) { m_increase9Is0 = wraps; }

Q_SIGNALS:
    // The amount, the columns or the decimals changed, by a tap, a key or a paint that had to show more.
    void valueChanged();

private:
    DigitAmount m_value;
    bool m_increase9Is0 = false;
};

} // namespace tallyfox
