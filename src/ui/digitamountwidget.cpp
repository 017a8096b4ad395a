#include "ui/digitamountwidget.h"

namespace tallyfox {

DigitAmountWidget::DigitAmountWidget(QWidget* parent) : PaintBox(parent)
{
    setObjectName(QStringLiteral("digitAmountBox"));
    setFocusPolicy(Qt::StrongFocus);
}

void DigitAmountWidget::setValue(const DigitAmount& value)
{
    m_value = value;
    update();
}

} // namespace tallyfox
