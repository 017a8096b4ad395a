// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include "ui/itemeditor/editorfields.h"

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

    // The pick boxes' texts, the note, the amount field and "Is income", read into fields and shown.
    void readTexts(EditorFields& fields) const;
    void showTexts(const EditorFields& fields);
    // New items for the four pick boxes, each keeping its text.
    void showLists(const PickLists& lists);
    // An item that matches is selected, so that the box's list shows it; any other text is kept as typed.
    static void setBoxText(QComboBox* box, const QString& text);
    // The list's own items, then, after a separator and in italics, the values from the entries.
    static void fillItems(QComboBox* box, const QStringList& items, const QStringList& fromEntries);
    // A section of the defaults file replaces the box's own items and empties it; a missing one (no
    // lines) leaves both. Either way the values from the entries follow.
    static void replaceItems(QComboBox* box, QStringList& shown, const QStringList& loaded,
                             const QStringList& fromEntries);

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
    // Why the typed amount cannot be taken, beside the plain field; hidden while it can.
    QLabel* amountHint;
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
    // Why the right soft key is disabled when an entry lacks its type, above the key; hidden otherwise.
    QLabel* okReason;
};

} // namespace tallyfox
