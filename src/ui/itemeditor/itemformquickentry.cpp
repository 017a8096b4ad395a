// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

// The item editor's side of the quick entry: what it hands over, what it takes back, and the entry check
// when the wizard has ended.
#include "session/session.h"
#include "toolkit/systemservices.h"
#include "ui/amountbox/digitamountwidget.h"
#include "ui/itemeditor/itemform.h"
#include "ui/itemeditor/itemformcontrols.h"
#include "ui/quickentry/quickentryform.h"

#include <QComboBox>
#include <QDateEdit>

namespace tallyfox {

void ItemForm::quickEntryOnOpen()
{
    if (!isVisible())
        return;
    runQuickEntry();
    const AppState& state = m_session.state();
    if (state.settings.skipOverview || state.quickEntryOnly)
        closeWith(kResultOk);
}

void ItemForm::runQuickEntry()
{
    EditorFields edited = fields();
    m_quickEntry.startQuickEntry(edited);
    applyFields(edited);
    checkEntry();
}

void ItemForm::checkEntry()
{
    m_typeRequired = true;
    updateRightKey();
    const AppState& state = m_session.state();
    if (m_controls->type->currentText().isEmpty()) {
        showSoftInputPanel();
        m_controls->type->setFocus();
    } else if (state.settings.skipOverview || state.quickEntryOnly) {
        // Accepted once the quick entry's form has gone, not from within its closing.
        m_closePending = true;
        m_closeTimer.start();
    }
}

void ItemForm::pickFromList(PickTarget target)
{
    EditorFields edited = fields();
    m_quickEntry.pickFromList(edited, target);
    applyFields(edited);
}

void ItemForm::editAmount()
{
    EditorFields edited = fields();
    m_quickEntry.editAmount(edited);
    applyFields(edited);
}

void ItemForm::editDate()
{
    QDateTime date = m_date;
    if (m_quickEntry.editDate(date)) {
        m_date = date;
        m_controls->date->setDate(date.date());
    }
}

EditorFields ItemForm::fields() const
{
    EditorFields fields;
    m_controls->readTexts(fields);
    fields.lists = m_lists;
    fields.date = m_date;
    fields.digitAmount = m_fingerMode ? m_controls->amountBox->value().amount : m_amount;
    fields.hasReceipt = m_hasReceipt;
    fields.receipt = m_receipt;
    fields.proposedReceipt = m_proposedReceipt;
    return fields;
}

void ItemForm::applyFields(const EditorFields& fields)
{
    if (fields.lists != m_lists) {
        m_lists = fields.lists;
        m_controls->showLists(m_lists);
    }
    m_controls->showTexts(fields);
    m_date = fields.date;
    m_controls->date->setDate(m_date.date());
    m_amount = fields.digitAmount;
    setAmountBoxValue(fields.digitAmount);
    m_hasReceipt = fields.hasReceipt;
    m_receipt = fields.receipt;
    refreshReceiptText();
}

} // namespace tallyfox
