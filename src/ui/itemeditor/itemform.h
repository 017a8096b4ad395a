// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include "core/textforms.h"
#include "session/picklists.h"
#include "toolkit/formbase.h"
#include "ui/itemeditor/editorfields.h"

#include <QDateTime>
#include <QTimer>
#include <memory>

namespace tallyfox {

class QuickEntryForm;
class Session;
struct ItemFormControls;

// The item editor: every field of one entry at once. It stores a new entry or changes an existing one
// through the session, which logs it, remembers the last used values and refreshes the list.
class ItemForm : public FormBase
{
    Q_OBJECT

public:
    ItemForm(Session& session, QuickEntryForm& quickEntry, QWidget* parent = nullptr);
    ~ItemForm() override;

    // Opens the editor on a new entry, preset with the last used values and today.
    void newEntryFlow();
    // Opens the editor on the entry at index.
    void editEntryFlow(int index);

    // What the controls show, as the quick entry reads it, and the same written back into them.
    [[nodiscard]] EditorFields fields() const;
    void applyFields(const EditorFields& fields);

    [[nodiscard]] bool isEditing() const { return m_editing; }

    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void orientationChanged(bool landscape) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void connectControls();
    // Shows the form until it closes, then stores the entry or, on Cancel, refreshes the list anyway.
    void runModal();
    void loadPickLists();
    void applyFingerMode();
    void focusAmount();
    void refreshReceiptText();
    // Redraws the painted box and updates what follows the amount.
    void refreshAmountDisplay();
    // The conversion label and the right soft key, after the amount, the currency or the type changed.
    void followAmount();
    void updateRightKey();
    void rightKeyPressed();
    void runQuickEntry();
    void quickEntryOnOpen();
    // The entry check after the quick entry: a type is needed, and the form may accept itself.
    void checkEntry();
    void storeEntry();
    void pickFromList(PickTarget target);
    void editAmount();
    void editDate();
    [[nodiscard]] double currentAmount() const;
    // The plain field's text as an amount; in finger mode the painted box's, which is always one.
    [[nodiscard]] TypedAmount typedAmount() const;
    // Shows why the typed amount cannot be taken, or nothing.
    void showAmountProblem();
    void setAmountBoxValue(double amount);

    Session& m_session;
    QuickEntryForm& m_quickEntry;
    std::unique_ptr<ItemFormControls> m_controls;
    // The lists the boxes offer; a section missing from the defaults file keeps what its box showed.
    PickLists m_lists;
    // The date picker shows the day; the time of day stays with it until the entry takes only the day.
    QDateTime m_date;
    bool m_editing = false;
    int m_entryIndex = -1;
    // The amount is taken with the painted digit-column box rather than the plain field.
    bool m_fingerMode = false;
    // The painted box's amount; kept apart from the box for an amount too large for it.
    double m_amount = 0.0;
    bool m_hasReceipt = false;
    QString m_receipt;
    // The receipt number offered when the form opened; kept, it is checked again when the entry is stored.
    QString m_proposedReceipt;
    // The right soft key reads "Quick entry" until an amount is there.
    bool m_quickKey = false;
    // Set by the entry check: from then on the right soft key needs a type.
    bool m_typeRequired = false;
    // Due to accept the form at the next tick of its timer, once the quick entry has closed.
    bool m_closePending = false;
    QTimer m_closeTimer;
};

} // namespace tallyfox
