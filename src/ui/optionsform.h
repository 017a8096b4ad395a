#pragma once

#include "toolkit/formbase.h"

namespace tallyfox {

class CurrencyForm;
class Prompts;
class Session;

// The options: settings, quick-entry items, the four lists, the columns and the settings folder, saved
// together through the session.
class OptionsForm : public FormBase
{
    Q_OBJECT

public:
    OptionsForm(Session& session, Prompts& prompts, CurrencyForm& listEditor, QWidget* parent = nullptr);

    // Loads the current options and shows the form; Save stores them.
    void showOptions();

private:
    Session& m_session;
    Prompts& m_prompts;
    CurrencyForm& m_listEditor;
};

} // namespace tallyfox
