// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include "toolkit/formbase.h"

class QDateEdit;
class QPushButton;
class QRadioButton;

namespace tallyfox {

class Prompts;
class QuickEntryForm;
class Session;

// Removes old entries in bulk, all of them or those dated before a chosen day, after a question that
// says how many go.
class PurgeForm : public FormBase
{
    Q_OBJECT

public:
    PurgeForm(Session& session, Prompts& prompts, QuickEntryForm& quickEntry, QWidget* parent = nullptr);

    // Proposes a cut-off one calendar month back and shows the form.
    void showPurge();
    // What showPurge does before the form appears: the proposed cut-off and the controls it enables.
    void prepare();
    // The right soft key: asks, and purges on Yes; true when entries were purged (the form then closes).
    bool purge();
    // "Pick": the quick entry's date panel on the cut-off.
    void pickCutOff();

private:
    void updateEnablement();
    // Failures of the purge's database write reach the user here, as they do after the main window's
    // commands.
    void showProblems();

    Session& m_session;
    Prompts& m_prompts;
    QuickEntryForm& m_quickEntry;
    QRadioButton* m_all;
    QRadioButton* m_before;
    QDateEdit* m_cutOff;
    QPushButton* m_pick;
};

} // namespace tallyfox
