// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include "core/columns.h"
#include "toolkit/formbase.h"
#include "ui/itemeditor/editorfields.h"

#include <QDateTime>
#include <vector>

class QStackedLayout;

namespace tallyfox {

class AmountPanel;
class DatePanel;
class ListPanel;
class NotePanel;
class Session;

// The step-by-step quick entry with finger-sized panels: amount, date, list and note. As a wizard it walks
// through the enabled steps; the item editor and the purge form also open one panel as a single-field
// picker.
class QuickEntryForm : public FormBase
{
    Q_OBJECT

public:
    explicit QuickEntryForm(Session& session, QWidget* parent = nullptr);

    // The wizard: one panel per enabled step, each confirmed value written into fields at once (values of
    // earlier steps stay when a later one is cancelled). With no step enabled the form is not shown.
    void startQuickEntry(EditorFields& fields);

    // Single-field pickers; true when the user confirmed (the value is then written), false on Cancel.
    bool editDate(QDateTime& date);
    bool editAmount(EditorFields& fields);
    bool pickFromList(EditorFields& fields, PickTarget target);

protected:
    void orientationChanged(bool landscape) override;
    // Esc and "Cancel" end the wizard too; what it has written stays.
    void reject() override;
    // Each panel puts the focus where the user starts, after the dialog has given it to its first control.
    void setVisible(bool visible) override;

private:
    enum class Panel
    {
        Amount,
        Date,
        List,
        Note,
    };

    // Shows the single-field picker opened on its panel; true when the user confirmed.
    bool runPicker();
    void showStep();
    void openAmount();
    void openDate(const QDateTime& date);
    void openList(PickTarget target);
    void openNote();
    void showPanel(Panel panel);
    void focusPanel();
    void updateSoftKeys();
    void leftKey();
    // The right soft key, a panel's "OK" and a tap on a list item: the panel's value into its target,
    // then the next step, or the end.
    void confirm();

    Session& m_session;
    AmountPanel* m_amountPanel;
    DatePanel* m_datePanel;
    ListPanel* m_listPanel;
    NotePanel* m_notePanel;
    QStackedLayout* m_panels;
    Panel m_panel = Panel::Amount;

    // What the panel on screen fills; set only while the form is in use.
    EditorFields* m_fields = nullptr;
    QDateTime* m_dateTarget = nullptr;
    PickTarget m_listTarget = PickTarget::Type;

    bool m_running = false;
    // The enabled steps, by their column identifier index, and the one on screen.
    std::vector<ColumnId> m_steps;
    int m_position = -1;
};

} // namespace tallyfox
