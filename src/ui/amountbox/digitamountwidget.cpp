// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "ui/amountbox/digitamountwidget.h"

#include "core/textforms.h"
#include "toolkit/canvas.h"

#include <QKeyEvent>
#include <QPalette>
#include <algorithm>
#include <cmath>

namespace tallyfox {

QString DigitAmountWidget::editableText(double amount)
{
    QString text = amountText(amount);
    while (text.endsWith(u'0') && text.contains(u'.'))
        text.chop(1);
    if (text.endsWith(u'.'))
        text.chop(1);
    return text;
}

double DigitAmountWidget::withinLimits(double amount)
{
    // Also catches "not a number", which compares false with everything.
    if (!(amount > 0))
        return 0.0;
    return std::min(amount, kLargestAmount);
}

DigitAmountWidget::DigitAmountWidget(QWidget* parent) : PaintBox(parent)
{
    setObjectName(QStringLiteral("digitAmountBox"));
    setFocusPolicy(Qt::StrongFocus);
    setToolTip(tr("Tap the upper half of a digit to add one to it, the lower half to take one "
                  "away.\nThe strip at the left shows more or fewer digits, the one at the "
                  "right the decimals.\nOr type the amount: digits, \".\" or \",\", "
                  "Backspace, Up and Down."));
    setPaintHandler([this](Canvas& canvas, int width, int height) { paintBox(canvas, width, height); });
    setTapHandler([this](int x, int y, int width, int height) { tapBox(x, y, width, height); });
    setAccessibleName(tr("Amount"));
    // Up and Down step the units.
    setValueHandler([this] {
        return PresentedValue{m_value.amount, 0.0, kLargestAmount, 1.0, amountText(m_value.amount)};
    });
    // It takes typed digits and the separator.
    setInputMethodHints(Qt::ImhFormattedNumbersOnly);
}

void DigitAmountWidget::setValue(const DigitAmount& value)
{
    m_value = value;
    m_value.amount = withinLimits(value.amount);
    m_typing = false;
    update();
}

void DigitAmountWidget::paintEvent(QPaintEvent* event)
{
    const DigitAmount before = m_value;
    PaintBox::paintEvent(event);
    // Told once the painter is done, so that listeners may update what they like.
    if (!(m_value == before))
        Q_EMIT valueChanged();
}

void DigitAmountWidget::paintBox(Canvas& canvas, int width, int height)
{
    m_box.paint(canvas, width, height, m_value);
    if (hasFocus()) {
        const int right = width - kFocusInset;
        const int bottom = height - kFocusInset;
        canvas.setPen(2, palette().color(QPalette::Highlight).rgb());
        canvas.polyline({{kFocusInset, kFocusInset},
                         {right, kFocusInset},
                         {right, bottom},
                         {kFocusInset, bottom},
                         {kFocusInset, kFocusInset}});
    }
}

void DigitAmountWidget::tapBox(int x, int y, int width, int height)
{
    m_typing = false;
    DigitAmount tapped = m_value;
    if (m_box.tap(x, y, width, height, tapped, m_increase9Is0))
        changeTo(tapped);
}

void DigitAmountWidget::changeTo(const DigitAmount& value)
{
    if (value == m_value)
        return;
    m_value = value;
    update();
    Q_EMIT valueChanged();
}

void DigitAmountWidget::keyPressEvent(QKeyEvent* event)
{
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier);
    if (modifiers != Qt::NoModifier) {
        PaintBox::keyPressEvent(event);
        return;
    }
    const QString text = event->text();
    bool handled = true;
    if (event->key() == Qt::Key_Up || event->key() == Qt::Key_Down) {
        m_typing = false;
        DigitAmount stepped = m_value;
        stepped.amount =
            DigitAmountBox::stepped(m_value.amount, 5, event->key() == Qt::Key_Up ? 1 : -1, m_increase9Is0);
        changeTo(stepped);
    } else if (event->key() == Qt::Key_Backspace) {
        handled = eraseTyped();
    } else if (text.size() == 1 && text[0] >= u'0' && text[0] <= u'9') {
        handled = typeDigit(text[0].digitValue());
    } else if (isSeparator(text)) {
        handled = typeSeparator();
    } else {
        handled = false;
    }
    if (handled)
        event->accept();
    else
        PaintBox::keyPressEvent(event);
}

bool DigitAmountWidget::isSeparator(const QString& text) const
{
    return !text.isEmpty() && (text == u"." || text == u"," || text == locale().decimalPoint());
}

bool DigitAmountWidget::typeDigit(int digit)
{
    QString typed = m_typing ? m_typed : QString();
    const qsizetype point = typed.indexOf(u'.');
    // A third decimal or a number beyond the box's limit is not taken; the key is still the box's.
    if (point >= 0 && typed.size() - point - 1 >= kMostTypedDecimals)
        return true;
    if (typed == u"0")
        typed.clear();
    typed += QChar(u'0' + digit);
    if (readNumber(typed) > kLargestAmount)
        return true;
    takeTyped(typed);
    return true;
}

bool DigitAmountWidget::typeSeparator()
{
    QString typed = m_typing ? m_typed : QString();
    if (typed.contains(u'.'))
        return true;
    if (typed.isEmpty())
        typed = QStringLiteral("0");
    typed += u'.';
    takeTyped(typed);
    return true;
}

bool DigitAmountWidget::eraseTyped()
{
    QString typed = m_typing ? m_typed : editableText(m_value.amount);
    if (typed.isEmpty())
        return true;
    typed.chop(1);
    takeTyped(typed);
    return true;
}

void DigitAmountWidget::takeTyped(const QString& typed)
{
    m_typed = typed;
    m_typing = true;
    DigitAmount next = m_value;
    next.amount = std::round(readNumber(typed) * 100.0) / 100.0 + 0.0;
    // Typing the separator asks for the decimals.
    if (typed.contains(u'.'))
        next.decimalsShown = true;
    changeTo(next);
}

void DigitAmountWidget::focusInEvent(QFocusEvent* event)
{
    m_typing = false;
    update();
    PaintBox::focusInEvent(event);
}

void DigitAmountWidget::focusOutEvent(QFocusEvent* event)
{
    m_typing = false;
    update();
    PaintBox::focusOutEvent(event);
}

} // namespace tallyfox
