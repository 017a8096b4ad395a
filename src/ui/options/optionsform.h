// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include "session/options.h"
#include "toolkit/formbase.h"
#include "ui/options/optionspages.h"

class QTabWidget;

namespace tallyfox {

class ColumnsPage;
class ListEditorForm;
class Prompts;
class Session;

// The options: settings, quick-entry items, the four lists, the columns and the settings folder, saved
// together through the session.
class OptionsForm : public FormBase
{
    Q_OBJECT

public:
    OptionsForm(Session& session, Prompts& prompts, ListEditorForm& listEditor, QWidget* parent = nullptr);

    // Loads the current options and shows the form; Save stores them.
    void showOptions();
    // What showOptions does before the form appears: every control from the stored options, the first
    // page shown.
    void prepare();
    // The right soft key: stores what the form shows; true when every file was written (the form then
    // closes). A failure is shown and the form keeps its values for another try.
    bool save();
    // "Change location": the folder picker, and the question when the folder already holds settings files.
    void changeLocation();
    void editList(GeneralPage::List list);

protected:
    void orientationChanged(bool landscape) override;

private:
    void showProblems();

    Session& m_session;
    Prompts& m_prompts;
    ListEditorForm& m_listEditor;
    QTabWidget* m_tabs;
    GeneralPage* m_general;
    FingerPage* m_finger;
    ColumnsPage* m_columns;
    // The working copy: what Save stores besides the controls' values.
    OptionsEdit m_edit;
};

} // namespace tallyfox
