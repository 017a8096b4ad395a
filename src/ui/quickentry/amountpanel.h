// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include "core/growablearray.h"

#include <QString>
#include <QWidget>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace tallyfox {

struct AppState;
class DigitAmountWidget;
struct EditorFields;
struct Settings;

// What an amount in a currency is worth in the primary one, as "US$ 12.50 = EUR 8.68"; empty for the
// primary currency and for one that is not in the table.
[[nodiscard]] QString conversionText(const CurrencyArray& currencies, const QString& currency, double amount,
                                     bool incomeIsPositive);

// The quick entry's amount: the receipt, the digit-column amount box with its conversion, "Is income" and
// "OK".
class AmountPanel : public QWidget
{
    Q_OBJECT

public:
    explicit AmountPanel(const AppState& state, QWidget* parent = nullptr);

    // Opens on the editor's amount (its text when that reads above 0, else its amount box's value), its
    // income and receipt, with the amount box's columns as the settings last left them.
    void load(const EditorFields& fields, const Settings& settings);
    // The receipt, the amount (as the box's value and as text) and the income into the editor; the box's
    // columns into the settings.
    void store(EditorFields& fields, Settings& settings) const;
    void focusAmount();

Q_SIGNALS:
    // "OK" was pressed.
    void confirmed();

private:
    void refresh();

    const AppState& m_state;
    QString m_currency;
    QCheckBox* m_receipt;
    QLabel* m_receiptLabel;
    QLineEdit* m_receiptEdit;
    DigitAmountWidget* m_amount;
    QLabel* m_conversion;
    QCheckBox* m_income;
    QPushButton* m_ok;
};

} // namespace tallyfox
