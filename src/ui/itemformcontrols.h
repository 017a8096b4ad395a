#pragma once

#include <QList>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QLocale;
class QPushButton;
class QWidget;

namespace tallyfox {

class DigitAmountWidget;
class FormBase;
class TapLabel;

// The item editor's controls and where they sit: the portrait places on a 240-pixel-wide screen, and the
// places the lower ones move to when the form is wider than high.
struct ItemFormControls
{
    // Creates the controls on the form's content area, named so that tests find them, in portrait.
    explicit ItemFormControls(FormBase& form);

    // Moves the controls to the orientation's places and puts the tab order in its reading order.
    void arrange(bool landscape);
    // The date picker reads and writes dates in the user's short form, with the year in full.
    void setLocale(const QLocale& locale);

    // The buttons that open the quick entry's pickers: shown only in finger mode.
    [[nodiscard]] QList<QWidget*> pickerButtons() const;
    // Every control that takes the focus, in reading order for the current orientation.
    [[nodiscard]] QList<QWidget*> readingOrder(bool landscape) const;

    FormBase& form;
    QComboBox* currency;
    QPushButton* currencyList;
    QCheckBox* income;
    DigitAmountWidget* amountBox;
    QLineEdit* amountField;
    QLabel* typeCaption;
    QLabel* conversion;
    QComboBox* type;
    QPushButton* typeList;
    QLabel* dateCaption;
    TapLabel* receipt;
    QDateEdit* date;
    QPushButton* pick;
    QLabel* sourceCaption;
    QLabel* paidWithCaption;
    QComboBox* source;
    QPushButton* sourceList;
    QComboBox* paidWith;
    QPushButton* paidWithList;
    QLabel* noteCaption;
    QLineEdit* note;
};

} // namespace tallyfox
