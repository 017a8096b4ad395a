// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include "toolkit/formbase.h"
#include "ui/listeditor/editedlist.h"

#include <QStringList>

class QPushButton;

namespace tallyfox {

class EditedListView;
class ListEditPanel;
class Prompts;

// The list editor: the currencies with their rates, or one of the three name lists. It edits copies; the
// caller's lists change only when the user closes it with "OK".
class ListEditorForm : public FormBase
{
    Q_OBJECT

public:
    // "Delete" asks its question through prompts.
    explicit ListEditorForm(Prompts& prompts, QWidget* parent = nullptr);

    // Edits names, and with rates (not null) the currencies' rate texts beside them, row 0 being the
    // primary currency. True when the user chose "OK": the lists then hold the result.
    bool editList(QStringList& names, QStringList* rates);

    // What editList does before the form appears: the working copy, the list, the buttons for the
    // orientation the form has now.
    void prepare(const QStringList& names, const QStringList* rates);
    [[nodiscard]] bool isEditing() const;
    // Opens a row in the edit panel, as "Edit" or a double tap does.
    void editRow(int row);

    void done(int result) override;

protected:
    // "Up" and "Down" move only when the form opens, never while it is in use.
    void orientationChanged(bool landscape) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void placeUpDown(bool landscape);
    void arrange();
    void fillList();
    void updateButtons();
    // The desk's keys for the list's buttons; true when the key was one of them.
    bool listKey(const QKeyEvent* event);
    void startEditing(int row, bool isNew);
    void closePanel();
    void takeEdit();
    void dropEdit();
    void newRow();
    void deleteRow();
    void moveRow(int step);
    void makePrimary();

    Prompts& m_prompts;
    EditedList m_list;
    int m_editRow = -1;
    bool m_editIsNew = false;
    ListEditPanel* m_panel;
    QWidget* m_main;
    EditedListView* m_tree;
    QPushButton* m_edit;
    QPushButton* m_delete;
    QPushButton* m_makePrimary;
    QPushButton* m_new;
    QPushButton* m_up;
    QPushButton* m_down;
};

} // namespace tallyfox
