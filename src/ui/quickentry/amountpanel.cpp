// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "ui/quickentry/amountpanel.h"

#include "core/appstate.h"
#include "core/textforms.h"
#include "money/currencytable.h"
#include "ui/amountbox/digitamountwidget.h"
#include "ui/itemeditor/editorfields.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>

namespace tallyfox {

QString conversionText(const CurrencyArray& currencies, const QString& currency, double amount,
                       bool incomeIsPositive)
{
    if (findCurrency(currencies, currency) < 1)
        return {};
    return QStringLiteral("%1 %2 = %3 %4")
        .arg(currency, amountText(amount), currencies[0].name,
             primaryAmountText(currencies, amount, currency, false, incomeIsPositive));
}

AmountPanel::AmountPanel(const AppState& state, QWidget* parent)
    : QWidget(parent), m_state(state), m_receipt(new QCheckBox(tr("Receipt"), this)),
      m_receiptLabel(new QLabel(tr("Receipt nr:"), this)), m_receiptEdit(new QLineEdit(this)),
      m_amount(new DigitAmountWidget(this)), m_conversion(new QLabel(this)),
      m_income(new QCheckBox(tr("Is income"), this)), m_ok(new QPushButton(tr("OK"), this))
{
    setObjectName(QStringLiteral("amountPanel"));
    m_receipt->setObjectName(QStringLiteral("receiptCheck"));
    m_receipt->setGeometry(7, 3, 71, m_receipt->sizeHint().height());
    m_receiptLabel->setObjectName(QStringLiteral("receiptLabel"));
    m_receiptLabel->setGeometry(115, 4, m_receiptLabel->sizeHint().width(), 16);
    m_receiptEdit->setObjectName(QStringLiteral("receiptEdit"));
    m_receiptEdit->setGeometry(187, 3, 47, 19);
    m_receiptEdit->setAccessibleName(tr("Receipt number"));
    // Numbered receipts are the rule, but the entry keeps any text typed.
    m_receiptEdit->setInputMethodHints(Qt::ImhPreferNumbers);
    m_amount->setGeometry(-1, 27, 236, 88);
    m_conversion->setObjectName(QStringLiteral("conversionLabel"));
    m_conversion->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_conversion->setGeometry(75, 115, 158, 14);
    m_income->setObjectName(QStringLiteral("incomeCheck"));
    m_income->setGeometry(7, 147, 112, m_income->sizeHint().height());
    m_ok->setObjectName(QStringLiteral("amountOkButton"));
    m_ok->setGeometry(150, 139, 85, 32);

    connect(m_receipt, &QCheckBox::toggled, this, &AmountPanel::refresh);
    connect(m_amount, &DigitAmountWidget::valueChanged, this, &AmountPanel::refresh);
    connect(m_ok, &QPushButton::clicked, this, &AmountPanel::confirmed);

    setTabOrder(m_receipt, m_receiptEdit);
    setTabOrder(m_receiptEdit, m_amount);
    setTabOrder(m_amount, m_income);
    setTabOrder(m_income, m_ok);
}

void AmountPanel::load(const EditorFields& fields, const Settings& settings)
{
    m_currency = fields.currency;
    m_income->setChecked(fields.income);
    const double typed = readTypedAmount(fields.amountText).value;
    DigitAmount value;
    value.amount = typed > 0.0 ? typed : fields.digitAmount;
    value.decimalsShown = settings.showDecimals;
    // A hand-edited registry may hold any number; the box shows 3 to 6 columns.
    value.columns = std::clamp(settings.wholeDigitColumns, 3, 6);
    m_amount->setIncrease9Is0(settings.increase9Is0);
    m_amount->setValue(value);
    // A new entry without a receipt proposes the next number, so that ticking the box is all it takes.
    m_receipt->setChecked(fields.hasReceipt);
    const bool keepText = fields.hasReceipt || fields.receipt != u"00";
    const QString proposed = fields.proposedReceipt.isEmpty() ? QString::number(settings.nextReceiptNumber)
                                                              : fields.proposedReceipt;
    m_receiptEdit->setText(keepText ? fields.receipt : proposed);
    refresh();
}

void AmountPanel::store(EditorFields& fields, Settings& settings) const
{
    fields.hasReceipt = m_receipt->isChecked();
    if (fields.hasReceipt)
        fields.receipt = m_receiptEdit->text();
    const DigitAmount& value = m_amount->value();
    fields.digitAmount = value.amount;
    settings.showDecimals = value.decimalsShown;
    settings.wholeDigitColumns = value.columns;
    fields.amountText = amountText(value.amount);
    fields.income = m_income->isChecked();
}

void AmountPanel::focusAmount()
{
    m_amount->setFocus(Qt::OtherFocusReason);
}

void AmountPanel::refresh()
{
    const bool receipt = m_receipt->isChecked();
    m_receiptLabel->setVisible(receipt);
    m_receiptEdit->setVisible(receipt);
    m_conversion->setText(conversionText(m_state.currencies, m_currency, m_amount->value().amount,
                                         m_state.settings.incomeIsPositive));
}

} // namespace tallyfox
